#include "variation/gene_locks.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/file_io.h"
#include "params/param_table.h"

namespace vermora {
namespace {

// Group name, page prefix (or "" for a name prefix), name prefix.
struct GroupRule {
  std::string_view group;
  std::string_view page_prefix;
  std::string_view name_prefix;
};

constexpr GroupRule kRules[] = {
    {"camera", "main", "edcam"},   {"main", "main", ""},         {"general", "general", ""},
    {"worms", "worms", ""},        {"things", "things", ""},     {"textures", "textures", ""},
    {"background", "backgrd", ""}, {"features", "features", ""}, {"povray", "povray", ""},
};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool PageMatches(std::string_view page, std::string_view prefix) {
  return StartsWith(page, prefix) && (page.size() == prefix.size() || page[prefix.size()] == '/');
}

bool InGroup(const ParamDef& def, const std::string& group) {
  const std::string page = LowerAscii(def.page);
  for (const GroupRule& rule : kRules) {
    if (rule.group != group) continue;
    if (!PageMatches(page, rule.page_prefix)) return false;
    return StartsWith(LowerAscii(def.name), rule.name_prefix);
  }
  // A page path may start with a readable group name ("background/sky").
  std::string path = group;
  for (const GroupRule& rule : kRules) {
    if (rule.name_prefix.empty() && PageMatches(path, rule.group)) {
      path = std::string(rule.page_prefix) + path.substr(rule.group.size());
    }
  }
  return PageMatches(page, path);
}

}  // namespace

const std::vector<LockGroupInfo>& NamedLockGroups() {
  static const std::vector<LockGroupInfo> groups = {
      {"camera", "camera location, direction and angle (edCam...)"},
      {"main", "the main page"},
      {"general", "the general page"},
      {"worms", "every worm page"},
      {"things", "every thing page"},
      {"textures", "every texture page"},
      {"background", "sky, fog, sea, land, galaxy and picture"},
      {"features", "animation and engine settings"},
      {"povray", "renderer settings"},
  };
  return groups;
}

Status GeneLocks::LockName(std::string_view name) {
  const ParameterSet probe;
  if (probe.Find(name) < 0) return Status::Error("Unknown parameter to lock: " + std::string(name));
  names_.insert(LowerAscii(name));
  return Status::Ok();
}

void GeneLocks::Unlock(std::string_view name_or_group) {
  const std::string lower = LowerAscii(name_or_group);
  names_.erase(lower);
  groups_.erase(lower);
}

bool GeneLocks::Holds(std::string_view name_or_group) const {
  const std::string lower = LowerAscii(name_or_group);
  return names_.count(lower) > 0 || groups_.count(lower) > 0;
}

Status GeneLocks::LockGroup(std::string_view group) {
  const std::string lower = LowerAscii(group);
  for (const ParamDef& def : ParamTable()) {
    if (InGroup(def, lower)) {
      groups_.insert(lower);
      return Status::Ok();
    }
  }
  return Status::Error("Unknown group to lock: " + std::string(group));
}

bool GeneLocks::IsLocked(size_t table_index) const {
  const ParamDef& def = ParamTable()[table_index];
  if (names_.count(LowerAscii(def.name))) return true;
  for (const std::string& group : groups_) {
    if (InGroup(def, group)) return true;
  }
  return false;
}

void GeneLocks::Restore(const ParameterSet& before, ParameterSet& set) const {
  if (empty()) return;
  // Written without the change rule's help: a rule run by a restored switch
  // could otherwise reset a neighbour the engine set on purpose.
  for (size_t i = 0; i < set.size(); ++i) {
    if (IsLocked(i) && !(set.value(i) == before.value(i))) set.SetValue(i, before.value(i));
  }
}

std::string GeneLocks::ToText() const {
  std::string text;
  for (const std::string& name : names_) text += "name " + name + "\n";
  for (const std::string& group : groups_) text += "group " + group + "\n";
  return text;
}

std::string LocksPathFor(const std::string& set_path) {
  return std::filesystem::path(set_path).replace_extension(".locks").string();
}

GeneLocks ReadLocksFile(const std::string& path, std::vector<std::string>& warnings) {
  GeneLocks locks;
  std::ifstream in(path);
  if (!in) return locks;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::istringstream fields(line);
    std::string kind, value, extra;
    fields >> kind >> value >> extra;
    Status status = Status::Error("unreadable line");
    if (extra.empty() && kind == "name") status = locks.LockName(value);
    if (extra.empty() && kind == "group") status = locks.LockGroup(value);
    if (!status.ok()) {
      warnings.push_back("Locks file " + path + " line " + std::to_string(number) +
                         " ignored: " + status.message());
    }
  }
  return locks;
}

Status WriteLocksFile(const std::string& path, const GeneLocks& locks) {
  if (!WriteFileReplacing(path, locks.ToText()).ok()) {
    return Status::Error("Cannot write locks file " + path);
  }
  return Status::Ok();
}

}  // namespace vermora
