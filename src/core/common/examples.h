#pragma once

#include <string>
#include <vector>

namespace vermora {

// One creature of the gallery in DATA/examples: NAME.vmx, its thumbnail
// NAME.png, and a line "NAME|Title|Description" in examples.txt.
struct Example {
  std::string name, title, about;
  std::string set_path, picture_path;
};

// The gallery in the order of examples.txt. A line without a title or
// without its set file is skipped with a warning.
std::vector<Example> ReadExamples(const std::string& data_folder,
                                  std::vector<std::string>& warnings);

}  // namespace vermora
