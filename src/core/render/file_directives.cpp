#include "render/file_directives.h"

#include <cctype>
#include <filesystem>

namespace vermora {
namespace {

namespace fs = std::filesystem;

constexpr size_t kShown = 60;

bool IdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// True for #include "name" whose name is a plain file in one of `dirs`.
bool KnownInclude(std::string_view rest, const std::vector<std::string>& dirs) {
  size_t i = rest.find_first_not_of(" \t\r\n");
  if (i == std::string_view::npos || rest[i] != '"') return false;
  const size_t end = rest.find('"', i + 1);
  if (end == std::string_view::npos) return false;
  const std::string name(rest.substr(i + 1, end - i - 1));
  if (name.empty() || name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
      name == "." || name == "..") {
    return false;
  }
  std::error_code ec;
  for (const std::string& dir : dirs) {
    if (fs::is_regular_file(fs::path(dir) / name, ec)) return true;
  }
  return false;
}

void Scan(const std::string& field, const std::string& text, const std::vector<std::string>& dirs,
          std::vector<FileDirective>& found) {
  for (size_t at = 0; at < text.size(); ++at) {
    size_t word = std::string::npos;
    if (text[at] == '#') {
      word = text.find_first_not_of(" \t", at + 1);
    } else if (text.compare(at, 12, "Parse_String") == 0 && (at == 0 || !IdentifierChar(text[at - 1]))) {
      word = at;
    }
    if (word == std::string::npos || word >= text.size()) continue;
    size_t end = word;
    while (end < text.size() && IdentifierChar(text[end])) ++end;
    const std::string_view name(text.data() + word, end - word);
    const bool file_use = name == "fopen" || name == "read" || name == "write" ||
                          name == "Parse_String" ||
                          (name == "include" && !KnownInclude(std::string_view(text).substr(end), dirs));
    if (!file_use) continue;
    std::string shown = text.substr(at, text.find_first_of("\r\n", at) - at);
    if (shown.size() > kShown) shown = shown.substr(0, kShown) + " ...";
    found.push_back({field, shown});
    at = end - 1;
  }
}

}  // namespace

std::vector<FileDirective> FindFileDirectives(const ParameterSet& set,
                                              const std::vector<std::string>& include_dirs) {
  std::vector<std::string> dirs = include_dirs;
  for (const std::string& dir : PovrayIncludeDirs()) dirs.push_back(dir);
  std::vector<FileDirective> found;
  for (size_t i = 0; i < set.size(); ++i) {
    if (!IsEntryField(set.def(i).kind)) continue;
    Scan(std::string(set.def(i).name), set.value(i).text, dirs, found);
  }
  return found;
}

std::vector<std::string> PovrayIncludeDirs() {
  std::vector<std::string> dirs;
  std::error_code ec;
  for (const char* dir : {"/usr/share/povray-3.7/include", "/usr/share/povray/include",
                          "/usr/local/share/povray-3.7/include"}) {
    if (fs::is_directory(dir, ec)) dirs.emplace_back(dir);
  }
  return dirs;
}

std::string FileDirectivesText(const std::vector<FileDirective>& found) {
  std::string text = "This set's texts read or write files when POV-Ray renders it:";
  for (const FileDirective& d : found) text += "\n" + d.field + ": " + d.directive;
  return text;
}

}  // namespace vermora
