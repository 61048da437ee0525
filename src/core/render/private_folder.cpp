#include "render/private_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "render/file_directives.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

std::string Under(const std::string& folder, const std::string& path) {
  return fs::path(path).is_absolute() || folder.empty() ? path : folder + "/" + path;
}

std::string NameOf(const std::string& path) { return fs::path(path).filename().string(); }

// Moves a file, copying when the two folders lie on different file systems.
void Move(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (!fs::exists(from, ec)) return;
  fs::rename(from, to, ec);
  if (ec) {
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    fs::remove(from, ec);
  }
}

bool PictureName(std::string_view name) {
  static const char* const kEndings[] = {".png", ".tga", ".bmp", ".jpg", ".jpeg",
                                         ".ppm", ".pgm", ".gif", ".tif", ".tiff",
                                         ".exr", ".hdr", ".iff", ".sys", ".df3"};
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string ending(name.substr(dot));
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return std::any_of(std::begin(kEndings), std::end(kEndings),
                     [&](const char* e) { return ending == e; });
}

// The folders given with +L, without the quotes a folder with blanks has.
std::vector<std::string> LibraryFolders(const std::vector<std::string>& args) {
  std::vector<std::string> dirs;
  for (const std::string& arg : args) {
    if (arg.rfind("+L", 0) != 0) continue;
    std::string dir = arg.substr(2);
    if (dir.size() >= 2 && dir.front() == '"' && dir.back() == '"')
      dir = dir.substr(1, dir.size() - 2);
    if (!dir.empty()) dirs.push_back(dir);
  }
  return dirs;
}

}  // namespace

std::vector<std::string> PicturesNamedIn(const std::string& scene_path, const std::string& folder) {
  std::set<std::string> found;
  const int fd = open(scene_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  struct stat info;
  const size_t size = fstat(fd, &info) == 0 ? static_cast<size_t>(info.st_size) : 0;
  void* mapped = size ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
  close(fd);
  if (mapped == MAP_FAILED) return {};
  const char* text = static_cast<const char*>(mapped);
  const char* end = text + size;
  constexpr size_t kLongestName = 4096;
  for (const char* at = text; at < end;) {
    const char* open_quote = static_cast<const char*>(std::memchr(at, '"', end - at));
    if (!open_quote) break;
    const char* close_quote =
        static_cast<const char*>(std::memchr(open_quote + 1, '"', end - open_quote - 1));
    if (!close_quote) break;
    const std::string_view name(open_quote + 1, close_quote - open_quote - 1);
    at = close_quote + 1;
    if (name.empty() || name.size() > kLongestName || name.find('\n') != std::string_view::npos ||
        !PictureName(name)) {
      continue;
    }
    const std::string path = Under(folder, std::string(name));
    std::error_code ec;
    if (fs::is_regular_file(path, ec))
      found.insert(fs::absolute(path, ec).lexically_normal().string());
  }
  munmap(mapped, size);
  return {found.begin(), found.end()};
}

StagedRender StageRender(const RenderInvocation& inv) {
  StagedRender staged;
  staged.invocation = inv;
  std::string scene;
  for (const std::string& arg : inv.args) {
    if (arg.rfind("+I", 0) == 0) scene = Under(inv.working_dir, arg.substr(2));
  }
  if (scene.empty()) return staged;

  std::string pattern = (fs::temp_directory_path() / "vermora-render-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    staged.failure =
        "No private folder for the render could be made in " + fs::temp_directory_path().string();
    return staged;
  }
  staged.folder = pattern;
  SandboxRoom& room = staged.room;
  room.folder = staged.folder + "/work";
  room.home = staged.folder + "/home";
  std::error_code ec;
  fs::create_directory(room.folder, ec);
  fs::create_directory(room.home, ec);
  fs::copy_file(scene, room.folder + "/" + NameOf(scene), ec);
  room.read_only = LibraryFolders(inv.args);
  for (const std::string& dir : PovrayIncludeDirs()) room.read_only.push_back(dir);
  for (const std::string& picture : PicturesNamedIn(scene, inv.working_dir)) {
    room.read_only.push_back(picture);
  }
  if (ec || !WritePovrayConf(room)) {
    staged.failure = "The scene " + scene + " could not be copied for the render";
    fs::remove_all(staged.folder, ec);
    staged.folder.clear();
    return staged;
  }

  RenderInvocation& run = staged.invocation;
  run.working_dir = room.folder;
  run.written_image = room.folder + "/" + NameOf(inv.written_image);
  run.image_path = run.written_image;
  run.messages_path =
      inv.messages_path.empty() ? "" : room.folder + "/" + NameOf(inv.messages_path);
  for (std::string& arg : run.args) {
    if (arg.rfind("+I", 0) == 0)
      arg = "+I" + NameOf(scene);
    else if (arg.rfind("+O", 0) == 0)
      arg = "+O" + NameOf(inv.written_image);
    else if (arg.rfind("All_File=", 0) == 0)
      arg = "All_File=" + NameOf(inv.messages_path);
  }
  // Pictures named without a folder are found beside the original scene.
  // POV-Ray splits an unquoted path at blanks and quotes; a path holding a
  // double quote cannot be given at all, and its pictures are then not found.
  if (!inv.working_dir.empty() && inv.working_dir.find('"') == std::string::npos) {
    run.args.push_back("+L\"" + inv.working_dir + "\"");
  }
  return staged;
}

SandboxedCall StagedCall(const StagedRender& staged) {
  const RenderInvocation& run = staged.invocation;
  if (staged.folder.empty()) {
    SandboxRoom room;
    room.folder = run.working_dir;
    room.home = run.working_dir;
    return Sandbox(run.program, run.args, room);
  }
  return Sandbox(run.program, run.args, staged.room);
}

void UnstageRender(const StagedRender& staged, const RenderInvocation& inv) {
  if (staged.folder.empty()) return;
  Move(staged.invocation.written_image, inv.written_image);
  if (!inv.messages_path.empty()) Move(staged.invocation.messages_path, inv.messages_path);
  std::error_code ec;
  fs::remove_all(staged.folder, ec);
}

}  // namespace vermora
