#pragma once

#include <string>
#include <vector>

#include "params/parameter_set.h"

namespace vermora {

// A set's texts reach POV-Ray as scene language, and a set may come from
// someone else. These are the directives in them that read or write files
// when the scene is parsed: #fopen, #read, #write, Parse_String (which writes
// and includes its text), and #include of anything but a plain file name found
// in our data folder or POV-Ray's own include folders.
struct FileDirective {
  std::string field;      // the parameter holding it
  std::string directive;  // the directive and what follows it on its line, cut short
};

std::vector<FileDirective> FindFileDirectives(const ParameterSet& set,
                                              const std::vector<std::string>& include_dirs);

// The folders of POV-Ray's own include files that exist on this machine.
std::vector<std::string> PovrayIncludeDirs();

// One line per directive, "EdInc1: #include "/home/me/.ssh/id_rsa"", under a
// first line that says what they are.
std::string FileDirectivesText(const std::vector<FileDirective>& found);

}  // namespace vermora
