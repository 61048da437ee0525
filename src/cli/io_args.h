#pragma once

#include "command_line.h"
#include "std_streams.h"

namespace vermora::cli {

// Puts stand-in files in place of "-": standard input for the set a command reads,
// standard output for the file it writes (not for the commands that write a folder).
// Returns -1 to go on, or the exit status after saying what is wrong.
int RouteStandardStreams(Args& args, StdinFile& in, StdoutFile& out);

// The extension of `path` in lower case, with its dot (".png"), or "".
std::string LowerExtension(const std::string& path);

// A picture or mesh name whose format the command cannot write; empty when it can.
std::string FormatProblem(const Args& args);

// What keeps the command from writing its -o (a folder that is not there or not
// writable), checked before any work; empty when it can.
std::string OutputProblem(const Args& args);

// True for the commands whose -o is a folder.
bool WritesFolder(const std::string& command);

}  // namespace vermora::cli
