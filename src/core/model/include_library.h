#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vermora {

namespace model_detail {
struct IncludedFile;
}

// The include files scenes name (colors.inc, textures.inc, our vmxpred.inc),
// found in a list of folders and read once each: what a file declares is kept
// and handed to every scene that includes it, so the scene model knows the
// named colours, textures and finishes as the installed files define them.
// Only a plain file name is looked up, never a path. Safe to share between
// threads.
class IncludeLibrary {
 public:
  explicit IncludeLibrary(std::vector<std::string> folders);
  ~IncludeLibrary();
  IncludeLibrary(const IncludeLibrary&) = delete;
  IncludeLibrary& operator=(const IncludeLibrary&) = delete;

  // What `name` declares; nullptr when no folder holds it, when it is no plain
  // file name, or while it is being read (a file that includes itself).
  std::shared_ptr<const model_detail::IncludedFile> Find(std::string_view name);

 private:
  std::vector<std::string> folders_;
  std::recursive_mutex mutex_;  // a file being read finds the files it includes
  std::map<std::string, std::shared_ptr<const model_detail::IncludedFile>, std::less<>> files_;
  std::set<std::string, std::less<>> reading_;
};

}  // namespace vermora
