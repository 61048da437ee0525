#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"
#include "params/parameter_set.h"

namespace vermora {

// The parameters the engines must leave alone: single names and whole groups.
// A group is either one of the named groups below or a page path prefix
// ("textures/finish", "worms/spiralworm"), matched without regard to case.
class GeneLocks {
 public:
  // Both fail with a message naming the unknown parameter or group.
  Status LockName(std::string_view name);
  Status LockGroup(std::string_view group);

  // Takes a lock off, whether it was set as a name or as a group.
  void Unlock(std::string_view name_or_group);
  // True when exactly this name or group was locked (not only covered by a group).
  bool Holds(std::string_view name_or_group) const;

  bool empty() const { return names_.empty() && groups_.empty(); }
  bool IsLocked(size_t table_index) const;

  // Puts every locked value of `set` back to its value in `before`.
  void Restore(const ParameterSet& before, ParameterSet& set) const;

  // One line per lock: "name NAME" or "group GROUP".
  std::string ToText() const;

 private:
  std::set<std::string> names_;   // lower case
  std::set<std::string> groups_;  // lower case
};

// The named groups and what each holds, for help texts.
struct LockGroupInfo {
  std::string_view name;
  std::string_view holds;
};
const std::vector<LockGroupInfo>& NamedLockGroups();

// "dir/NAME.vmx" -> "dir/NAME.locks".
std::string LocksPathFor(const std::string& set_path);

// Reads a locks side file. A missing file gives no locks and no warning; an
// unreadable line is skipped with a warning, so the set still loads.
GeneLocks ReadLocksFile(const std::string& path, std::vector<std::string>& warnings);
Status WriteLocksFile(const std::string& path, const GeneLocks& locks);

}  // namespace vermora
