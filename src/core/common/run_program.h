#pragma once

#include <string>
#include <vector>

namespace vermora {

// Runs a helper program (montage, ffmpeg, bubblewrap) found on PATH with these arguments,
// no shell in between, so names with quotes, blanks or "$" stay whole. Its
// output is dropped unless `show_errors`, which keeps its error output.
// Returns the exit status, or -1 when it could not be started.
int RunProgram(const std::vector<std::string>& argv, bool show_errors = false);

// True when `name` is an executable file in one of the PATH folders.
bool ProgramOnPath(const std::string& name);

}  // namespace vermora
