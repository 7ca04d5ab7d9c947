#pragma once
// Our skin: a style sheet that the program carries, writes to the run directory under
// the name the skin library has always had, and applies before the first box shows.
#include <string>

namespace app {

inline const char* const skinFileName = "SkinH_EL.dll";
const std::string& skinData();

}  // namespace app
