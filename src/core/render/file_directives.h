#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "params/parameter_set.h"

namespace vermora {

// A set's texts reach POV-Ray as scene language, and a set may come from
// someone else. These are the words in them that read or write files when the
// scene is parsed: the directives #fopen, #read, #write and #include of anything
// but a plain file name found in our data folder or POV-Ray's own include
// folders; the photon map's save_file and load_file; and the macros of POV-Ray's
// include files that write files (Parse_String, ARRAYS_WriteDF3, the mesh
// makers, the height-field and grass makers). The texts are read as POV-Ray
// reads them: comments and any white space, '#' apart from its word. A text is
// read a second time as if it began inside a string left open before it, so
// that a directive cannot hide behind a quote split across two fields.
// The sandbox (sandbox.h) makes a wrong answer harmless; this decides whether
// the user is asked.
struct FileDirective {
  std::string field;      // the parameter holding it
  std::string directive;  // the directive and what follows it on its line, cut short
};

// Every text of the set: entry fields and the colour map's cells.
std::vector<FileDirective> FindFileDirectives(const ParameterSet& set,
                                              const std::vector<std::string>& include_dirs);

// One text, such as a texture file's line or pasted text, under `field`.
std::vector<FileDirective> FindFileDirectivesIn(std::string_view field, std::string_view text,
                                                const std::vector<std::string>& include_dirs);

// The macros of POV-Ray's include files that write files.
const std::vector<std::string_view>& FileWritingMacros();

// The folders of POV-Ray's own include files that exist on this machine.
std::vector<std::string> PovrayIncludeDirs();
// `include_dirs` (ours), then those: where POV-Ray looks for an include file.
std::vector<std::string> WithPovrayDirs(const std::vector<std::string>& include_dirs);

// One line per directive, "EdInc1: #include "/home/me/.ssh/id_rsa"", under a
// first line that says what they are.
std::string FileDirectivesText(const std::vector<FileDirective>& found);

}  // namespace vermora
