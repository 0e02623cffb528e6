#pragma once
// The window's skin: a file that restyles the table, loaded by path and applied to the window.
#include <string>

namespace plat {

constexpr unsigned kSkinChildControls = 1;  // option bit: restyle the controls, not only the window

struct SkinSettings {
    std::string file;
    unsigned options = 0;
    bool dialogs = false;  // restyle the message boxes too
    bool frame = false;    // restyle the window's own frame where the desktop lets it
};

class Services;
class Form;

class SkinFramework {
  public:
    void loadSkin(std::string path, const std::string& /*ini*/) { settings.file = std::move(path); }
    SkinSettings settings;
};

}  // namespace plat
