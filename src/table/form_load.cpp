// Start-up: the optional skin, the first deal, the pointer, the caption and the title; and the
// window's pointer rules and its closing.
#include "table/game_state.h"

namespace brackwell {

namespace {
constexpr char kSkinFile[] = "/x/o.cjs";
constexpr char kCursorFile[] = "/HAND-M.CUR";
constexpr std::size_t kTitleMax = 40;
}  // namespace

// The application title: the product name without its last word, shortened word by word to
// at most 40 characters. A name of one word is kept whole.
std::string applicationTitle(std::string name) {
    std::size_t blank = name.rfind(' ');
    if (blank != std::string::npos) name.erase(blank);
    while (name.size() > kTitleMax && (blank = name.rfind(' ')) != std::string::npos)
        name.erase(blank);
    return name;
}

void Form1::useSystemColours() {
    window.setBackColour(plat::kButtonFace);
    for (plat::Control* c : window.children()) {
        if (auto* label = dynamic_cast<plat::Label*>(c)) label->setBackColour(plat::kButtonFace);
    }
}

void Form1::Form_Load() {
    trapped("Form_Load", [&] {
        const std::string skin = sys.appPath() + kSkinFile;
        if (!sys.dir(skin).empty()) {
            SkinFramework1.loadSkin(skin, "");
            SkinFramework1.settings.options |= plat::kSkinChildControls;
            SkinFramework1.settings.dialogs = true;
            SkinFramework1.settings.frame = true;
            // The skin's colours show through the system colours; a file that holds no skin is
            // skipped like a missing one and the window keeps its design colours.
            if (sys.applySkin(SkinFramework1.settings, window)) useSystemColours();
        }
        newGame();
        news_.flush();  // heard by a screen reader that listens from the start
        const std::string cursor = sys.appPath() + kCursorFile;
        if (sys.fileDateTime(cursor)) {
            // A file that holds no pointer picture is skipped like a missing one.
            if (auto pointer = sys.loadPointer(cursor)) window.setMouseIcon(*pointer);
        }
        window.setCaption("Brackwell");
        window.useProgramIcon();
        sys.setAppTitle(applicationTitle(sys.productName()));
    });
}

void Form1::Form_QueryUnload() {
    trapped("Form_QueryUnload", [&] { sys.endProgram(); });
}

void Form1::Form_MouseMove(const plat::MouseEvent&) {
    if (window.mousePointer() != plat::kPointerHourglass)
        window.setMousePointer(plat::kPointerDefault);
}

void Form1::PushButton_MouseMove(const plat::MouseEvent&) {
    if (window.mousePointer() != plat::kPointerHourglass)
        window.setMousePointer(plat::kPointerCustom);
}

}  // namespace brackwell
