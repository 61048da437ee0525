#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/random.h"
#include "common/status.h"

namespace vermora {

// Where one set came from: the engine that made it, its parent set files, the
// seed and the time of day (ms, UTC, from the injected clock). `ancestry` is
// the chain of earlier generations, nearest first, carried forward from the
// parent's own record so a chain can be listed from the newest set alone.
struct LineageRecord {
  std::string engine;
  std::vector<std::string> parents;
  std::uint32_t seed = 0;
  std::uint32_t time_ms = 0;
  std::vector<std::string> ancestry;
  bool operator==(const LineageRecord&) const = default;
};

// "dir/NAME.vmx" -> "dir/NAME.lineage".
std::string LineagePathFor(const std::string& set_path);

// The record for a child of `parents`, carrying forward the first parent's
// ancestry (read from its side file; a missing or damaged one starts afresh
// with a warning for a damaged one).
LineageRecord MakeLineage(const std::string& engine, const std::vector<std::string>& parents,
                          std::uint32_t seed, const Clock& clock,
                          std::vector<std::string>& warnings);

std::string LineageToText(const LineageRecord& record);
// Fails with a message on a damaged record; the set itself is unaffected.
Status LineageFromText(const std::string& text, LineageRecord& record);

Status WriteLineageFile(const std::string& set_path, const LineageRecord& record);
// A missing file gives an empty record and no warning; a damaged one a warning.
LineageRecord ReadLineageFile(const std::string& set_path, std::vector<std::string>& warnings);

// The set's ancestors, nearest first: its parents' first entry, then theirs...
std::vector<std::string> AncestryChain(const std::string& set_path,
                                       std::vector<std::string>& warnings);

}  // namespace vermora
