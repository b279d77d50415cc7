#pragma once

#include <string>

namespace tavo {

// Data files ("ormed_EN.dat", "ormed_CH.dat", "ormed_Ptc.dat", "In.dat") are
// looked up in: the directory set here (the CLI's --data-dir), $TAVO_DATA_DIR,
// the executable's directory, then <executable dir>/../share/tavo.
void SetDataDir(const std::string& dir);  // empty clears it

// Full path of the first existing file of that name; when none exists, the path
// in the first candidate directory (so callers can report or create it).
std::string DataFilePath(const std::string& name);

// Directory of the running executable (from /proc/self/exe).
std::string ExecutableDir();

}  // namespace tavo
