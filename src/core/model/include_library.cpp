#include "model/include_library.h"

#include <filesystem>
#include <system_error>

#include "common/file_io.h"
#include "model/scene_reader.h"

namespace vermora {
namespace {

constexpr std::string_view kColours = "colors.inc";
constexpr std::uintmax_t kMaxIncludeBytes = 8u << 20;  // POV-Ray's own are under 100 kB

// A name without a folder: a scene cannot reach a file outside the library's folders.
bool PlainName(std::string_view name) {
  return !name.empty() && name.size() < 256 && name.find('/') == std::string_view::npos &&
         name.find('\\') == std::string_view::npos && name.find('\0') == std::string_view::npos &&
         name != "." && name != "..";
}

}  // namespace

IncludeLibrary::IncludeLibrary(std::vector<std::string> folders) : folders_(std::move(folders)) {}

IncludeLibrary::~IncludeLibrary() = default;

std::shared_ptr<const model_detail::IncludedFile> IncludeLibrary::Find(std::string_view name) {
  if (!PlainName(name)) return nullptr;
  std::lock_guard lock(mutex_);
  if (auto it = files_.find(name); it != files_.end()) return it->second;
  if (reading_.find(name) != reading_.end()) return nullptr;
  auto file = std::make_shared<model_detail::IncludedFile>();
  bool found = false;
  for (const std::string& folder : folders_) {
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) continue;
    if (std::filesystem::file_size(path, ec) > kMaxIncludeBytes || ec) continue;
    found = ReadWholeFile(path.string(), file->text).ok();
    if (found) break;
  }
  if (!found) {
    files_.emplace(std::string(name), nullptr);
    return nullptr;
  }
  reading_.emplace(name);
  try {
    SceneModel model;
    model_detail::SceneReader reader(file->text, this);
    // POV-Ray's own files name the colours of colors.inc without including it.
    if (name != kColours) reader.Include(kColours);
    reader.Read(model);
    reader.TakeDeclarations(*file);
    if (reader.Placed()) file->body = file->text + "\n#end\n";
    file->patterns = std::move(model.patterns);
    file->error = model.error;
  } catch (const std::exception& e) {
    file->error = e.what();
  }
  reading_.erase(reading_.find(name));
  files_.emplace(std::string(name), file);
  return file;
}

}  // namespace vermora
