#include "common/examples.h"

#include <filesystem>
#include <sstream>

#include "common/file_io.h"

namespace vermora {

std::vector<Example> ReadExamples(const std::string& data_folder,
                                  std::vector<std::string>& warnings) {
  const std::string folder =
      data_folder + (data_folder.empty() || data_folder.back() == '/' ? "" : "/") + "examples/";
  std::string text;
  std::vector<Example> examples;
  if (Status s = ReadWholeFile(folder + "examples.txt", text); !s.ok()) {
    warnings.push_back("no examples: " + folder + "examples.txt: " + s.message());
    return examples;
  }
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    Example e;
    std::istringstream fields(line);
    std::getline(fields, e.name, '|');
    std::getline(fields, e.title, '|');
    std::getline(fields, e.about);
    e.set_path = folder + e.name + ".vmx";
    e.picture_path = folder + e.name + ".png";
    std::error_code ec;
    if (e.name.empty() || e.title.empty() || e.name.find('/') != std::string::npos) {
      warnings.push_back("examples.txt line " + std::to_string(number) +
                         " needs NAME|Title|Description");
    } else if (!std::filesystem::is_regular_file(e.set_path, ec)) {
      warnings.push_back("the example " + e.name + " has no set file " + e.set_path);
    } else {
      examples.push_back(e);
    }
  }
  return examples;
}

}  // namespace vermora
