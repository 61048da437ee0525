#include "render/file_directives.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "model/scene_tokens.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

constexpr size_t kShown = 60;

// True for #include "name" whose name is a plain file in one of `dirs`.
bool KnownInclude(const SceneToken& name_token, const std::vector<std::string>& dirs) {
  if (name_token.kind != SceneToken::kString) return false;
  const std::string name(name_token.text);
  if (name.empty() || name.find_first_of("/\\\"") != std::string::npos || name == "." ||
      name == "..") {
    return false;
  }
  std::error_code ec;
  for (const std::string& dir : dirs) {
    if (fs::is_regular_file(fs::path(dir) / name, ec)) return true;
  }
  return false;
}

bool FileWord(std::string_view word) {
  if (word == "save_file" || word == "load_file") return true;
  const auto& macros = FileWritingMacros();
  return std::find(macros.begin(), macros.end(), word) != macros.end();
}

// The directive named after a '#', whether written with it ("#fopen") or apart
// ("#", a comment, a line break, "fopen"); `at` is the '#'.
struct Directive {
  std::string_view word;  // empty: '#' ends the text
  size_t after = 0;       // where the text after the word begins
};

Directive DirectiveAt(std::string_view text, const SceneToken& hash) {
  if (hash.text.size() > 1) return {hash.text.substr(1), hash.end};
  const SceneToken next = LexToken(text, hash.end);
  if (next.kind == SceneToken::kEnd) return {{}, next.end};
  return {next.kind == SceneToken::kWord ? next.text : std::string_view("?"), next.end};
}

// Reads `text` from `from` as POV-Ray would, noting where each file use starts.
void Scan(std::string_view text, size_t from, const std::vector<std::string>& dirs,
          std::set<size_t>& starts) {
  for (SceneToken t = LexToken(text, from); t.kind != SceneToken::kEnd; t = LexToken(text, t.end)) {
    const bool hash = (t.kind == SceneToken::kWord || t.kind == SceneToken::kSymbol) &&
                      !t.text.empty() && t.text[0] == '#';
    if (!hash) {
      if (t.kind == SceneToken::kWord && FileWord(t.text)) starts.insert(t.begin);
      continue;
    }
    const Directive d = DirectiveAt(text, t);
    // A '#' at the very end may meet its word in the text that follows it.
    const bool use = d.word.empty() || d.word == "fopen" || d.word == "read" || d.word == "write" ||
                     (d.word == "include" && !KnownInclude(LexToken(text, d.after), dirs));
    if (use) starts.insert(t.begin);
  }
}

void Find(std::string_view field, std::string_view text, const std::vector<std::string>& dirs,
          std::vector<FileDirective>& found) {
  std::set<size_t> starts;
  Scan(text, 0, dirs, starts);
  // As if the text began inside a string opened before it.
  if (const size_t quote = text.find('"'); quote != std::string_view::npos) {
    Scan(text, quote + 1, dirs, starts);
  }
  for (const size_t at : starts) {
    std::string shown(text.substr(at, text.find_first_of("\r\n", at) - at));
    if (shown.size() > kShown) shown = shown.substr(0, kShown) + " ...";
    found.push_back({std::string(field), shown});
  }
}

}  // namespace

std::vector<std::string> WithPovrayDirs(const std::vector<std::string>& include_dirs) {
  std::vector<std::string> dirs = include_dirs;
  for (const std::string& dir : PovrayIncludeDirs()) dirs.push_back(dir);
  return dirs;
}

const std::vector<std::string_view>& FileWritingMacros() {
  // strings.inc, arrays.inc, meshmaker.inc, shapes.inc and makegrass.inc.
  static const std::vector<std::string_view> macros = {
      "Parse_String", "ARRAYS_WriteDF3", "BuildWriteMesh2", "MSM",
      "Parametric",   "Paramcalc",       "Prism",           "Prism1",
      "Lathe",        "Coons",           "TwoVarSurf",      "SweepSpline1",
      "SweepSpline2", "HF_Square",       "HF_Sphere",       "HF_Cylinder",
      "HF_Torus",     "HFCreate_",       "MakeGrassPatch",  "MakePrairie"};
  return macros;
}

std::vector<FileDirective> FindFileDirectivesIn(std::string_view field, std::string_view text,
                                                const std::vector<std::string>& include_dirs) {
  std::vector<FileDirective> found;
  Find(field, text, WithPovrayDirs(include_dirs), found);
  return found;
}

std::vector<FileDirective> FindFileDirectives(const ParameterSet& set,
                                              const std::vector<std::string>& include_dirs) {
  const std::vector<std::string> dirs = WithPovrayDirs(include_dirs);
  std::vector<FileDirective> found;
  for (size_t i = 0; i < set.size(); ++i) {
    const std::string field(set.def(i).name);
    if (IsEntryField(set.def(i).kind)) Find(field, set.value(i).text, dirs, found);
    if (set.def(i).kind != ParamKind::kGrid) continue;
    for (const std::string& cell : set.value(i).grid.cells) Find(field, cell, dirs, found);
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
