#include "render/private_folder.h"

#include <stdlib.h>

#include <filesystem>

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

}  // namespace

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
    staged.failure = "No private folder for the render could be made in " +
                     fs::temp_directory_path().string();
    return staged;
  }
  staged.folder = pattern;
  std::error_code ec;
  fs::copy_file(scene, staged.folder + "/" + NameOf(scene), ec);
  if (ec) {
    staged.failure = "The scene " + scene + " could not be copied for the render";
    fs::remove_all(staged.folder, ec);
    staged.folder.clear();
    return staged;
  }

  RenderInvocation& run = staged.invocation;
  run.working_dir = staged.folder;
  run.written_image = staged.folder + "/" + NameOf(inv.written_image);
  run.image_path = run.written_image;
  run.messages_path = inv.messages_path.empty() ? "" : staged.folder + "/" + NameOf(inv.messages_path);
  for (std::string& arg : run.args) {
    if (arg.rfind("+I", 0) == 0) arg = "+I" + NameOf(scene);
    else if (arg.rfind("+O", 0) == 0) arg = "+O" + NameOf(inv.written_image);
    else if (arg.rfind("All_File=", 0) == 0) arg = "All_File=" + NameOf(inv.messages_path);
  }
  // POV-Ray splits an unquoted path at blanks and quotes; a path holding a
  // double quote cannot be given at all, and its neighbours are then not found.
  if (!inv.working_dir.empty() && inv.working_dir.find('"') == std::string::npos) {
    run.args.push_back("+L\"" + inv.working_dir + "\"");
  }
  return staged;
}

void UnstageRender(const StagedRender& staged, const RenderInvocation& inv) {
  if (staged.folder.empty()) return;
  Move(staged.invocation.written_image, inv.written_image);
  if (!inv.messages_path.empty()) Move(staged.invocation.messages_path, inv.messages_path);
  std::error_code ec;
  fs::remove_all(staged.folder, ec);
}

}  // namespace vermora
