#pragma once

#include <string>
#include <vector>

namespace vermora::cli {

// How much a command says beside its data. Data (a scene sent to "-o -", the
// estimate, the list of examples) goes to standard output; what the command did,
// its progress, warnings and errors go to standard error, so a pipe carries data only.
enum class Talk { kQuiet, kNormal, kVerbose };

void SetTalk(Talk talk);
bool Quiet();
bool Verbose();

// "vermora-cli: MESSAGE" on standard error, whatever the talk; returns `code`.
int Fail(const std::string& message, int code = 1);

// "warning: ..." for each, whatever the talk: a warning is about the result.
void PrintWarnings(const std::vector<std::string>& warnings);

// A line about what was done, unless quiet; flushed at once.
void Note(const std::string& line);

// A line only -v asks for.
void Detail(const std::string& line);

// "wrote PATH" (absolute), unless quiet or the file is the stand-in of "-o -".
void Wrote(const std::string& path);

}  // namespace vermora::cli
