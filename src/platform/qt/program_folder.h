#pragma once
// Where the program's own files are: beside the program in a build tree, or in the game's data
// folder when it is installed (the program under games/, its files under share/games/brackwell,
// its sound module under lib/games/brackwell).
#include <QString>

namespace plat::qt {

// The folder holding "x/o.cjs", "HAND-M.CUR" and "pic/Move.wav".
QString programFolder();
// The folder holding the sound module.
QString moduleFolder();

}  // namespace plat::qt
