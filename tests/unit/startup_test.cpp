// Start-up: the optional skin and cursor files (present, missing or unreadable), the first
// deal, the caption and the application title.
#include <cctype>

#include "support/table_fixture.h"

namespace brackwell::testing {
namespace {

using plat::headless::FileKind;
using Place = Table::Place;

struct StartCase {
    const char* files;
    std::vector<std::pair<std::string, FileKind>> present;
    bool skinned;
    bool cursor;
};

const StartCase kStartCases[] = {
    {"no optional files", {}, false, false},
    {"a skin", {{"x/o.cjs", FileKind::Plain}}, true, false},
    {"a corrupt skin", {{"x/o.cjs", FileKind::Garbage}}, false, false},
    {"a folder named like the skin", {{"x/o.cjs", FileKind::Directory}}, false, false},
    {"a cursor", {{"HAND-M.CUR", FileKind::Plain}}, false, true},
    {"a corrupt cursor", {{"HAND-M.CUR", FileKind::Garbage}}, false, false},
    {"a folder named like the cursor", {{"HAND-M.CUR", FileKind::Directory}}, false, false},
    {"skin and cursor",
     {{"x/o.cjs", FileKind::Plain}, {"HAND-M.CUR", FileKind::Plain}},
     true,
     true},
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.files;
}

class StartUp : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUp, OptionalFilesChangeOnlyTheLookAndTheGameIsAlwaysDealt) {
    const StartCase& c = GetParam();
    Table t;
    for (const auto& [path, kind] : c.present)
        t.sys.addFile(path, kind);
    const plat::Colour designColour = t.form.window.backColour();

    t.form.Form_Load();

    EXPECT_EQ(t.sys.skinApplied.has_value(), c.skinned);
    if (c.skinned) {
        EXPECT_EQ(t.sys.skinApplied->file, HeadlessPlatform::folder() + "/x/o.cjs");
        EXPECT_TRUE(t.sys.skinApplied->options & plat::kSkinChildControls);
        EXPECT_TRUE(t.sys.skinApplied->dialogs && t.sys.skinApplied->frame);
    }
    // Without a usable skin the window keeps its design colours.
    EXPECT_EQ(t.form.window.backColour(), c.skinned ? plat::kButtonFace : designColour);
    EXPECT_EQ(t.form.window.mouseIcon() != 0, c.cursor);
    EXPECT_TRUE(t.sys.messages.empty());

    EXPECT_EQ(t.tilesIn(Place::PlayerHand).size(), 7u);
    EXPECT_EQ(t.tilesIn(Place::ComputerHand).size(), 7u);
    EXPECT_EQ(t.tilesIn(Place::Boneyard).size(), 14u);
    EXPECT_EQ(t.form.lStatus.caption(), kYourTurn);
    EXPECT_EQ(t.form.window.caption(), "Brackwell");
    EXPECT_TRUE(t.form.window.hasProgramIcon());
    EXPECT_EQ(t.sys.appTitle(), "Brackwell");
}

INSTANTIATE_TEST_SUITE_P(Files, StartUp, ::testing::ValuesIn(kStartCases), [](const auto& info) {
    std::string name;
    bool upper = true;
    for (const char* c = info.param.files; *c; ++c) {
        if (!std::isalnum(static_cast<unsigned char>(*c))) {
            upper = true;
            continue;
        }
        name += upper ? static_cast<char>(std::toupper(*c)) : *c;
        upper = false;
    }
    return name;
});

TEST(ApplicationTitle, DropsTheLastWordThenWordsUntilFortyCharactersAndKeepsAOneWordName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Brackwell", "Brackwell"},
        {"Brackwell Dominoes", "Brackwell"},
        {"Brackwell Table Game", "Brackwell Table"},
        // 45 characters once "Iota" has gone: "Theta" goes too, leaving 39.
        {"Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota",
         "Alpha Beta Gamma Delta Epsilon Zeta Eta"},
        {"Fortytwocharacterswithoutanyblankinthemxyz",
         "Fortytwocharacterswithoutanyblankinthemxyz"},
    };
    for (const auto& [name, title] : cases)
        EXPECT_EQ(applicationTitle(name), title) << name;
}

}  // namespace
}  // namespace brackwell::testing
