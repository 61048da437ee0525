#pragma once

#include <string>
#include <vector>

namespace vermora {

// Where our include files and examples are: $VERMORA_DATA when set, else
// share/vermora beside the program's folder (PREFIX/bin/../share/vermora once
// installed; the build tree mirrors that as build/share/vermora).
struct DataFolder {
  std::string path;                 // with a final "/"; empty when none was found
  std::vector<std::string> looked;  // every folder tried, in order
  std::string Problem() const;      // "" when found, else where it looked
};

// `program` is the path of the running program; `env` the value of
// VERMORA_DATA (null or empty when unset).
DataFolder FindDataFolder(const std::string& program, const char* env);

// The path of the running program (/proc/self/exe), or "" when unknown.
std::string RunningProgramPath();

// FindDataFolder for this program and its environment.
DataFolder ProgramDataFolder();

}  // namespace vermora
