#include "variation/lineage.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/file_io.h"

namespace vermora {
namespace {

bool ParseU32(const std::string& text, std::uint32_t& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

}  // namespace

std::string LineagePathFor(const std::string& set_path) {
  return std::filesystem::path(set_path).replace_extension(".lineage").string();
}

std::string LineageToText(const LineageRecord& record) {
  std::string text = "engine " + record.engine + "\n";
  for (const std::string& parent : record.parents) text += "parent " + parent + "\n";
  text += "seed " + std::to_string(record.seed) + "\n";
  text += "time " + std::to_string(record.time_ms) + "\n";
  for (const std::string& ancestor : record.ancestry) text += "ancestor " + ancestor + "\n";
  return text;
}

Status LineageFromText(const std::string& text, LineageRecord& record) {
  LineageRecord read;
  bool has_engine = false, has_seed = false, has_time = false;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string value = space == std::string::npos ? std::string() : line.substr(space + 1);
    bool good = !value.empty();
    if (key == "engine") {
      read.engine = value;
      has_engine = true;
    } else if (key == "parent") {
      read.parents.push_back(value);
    } else if (key == "ancestor") {
      read.ancestry.push_back(value);
    } else if (key == "seed") {
      good = good && ParseU32(value, read.seed);
      has_seed = true;
    } else if (key == "time") {
      good = good && ParseU32(value, read.time_ms);
      has_time = true;
    } else {
      good = false;
    }
    if (!good) return Status::Error("unreadable line " + std::to_string(number));
  }
  if (!has_engine || !has_seed || !has_time) return Status::Error("incomplete record");
  record = std::move(read);
  return Status::Ok();
}

Status WriteLineageFile(const std::string& set_path, const LineageRecord& record) {
  const std::string path = LineagePathFor(set_path);
  if (!WriteFileReplacing(path, LineageToText(record)).ok()) {
    return Status::Error("Cannot write lineage file " + path);
  }
  return Status::Ok();
}

LineageRecord ReadLineageFile(const std::string& set_path, std::vector<std::string>& warnings) {
  const std::string path = LineagePathFor(set_path);
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  LineageRecord record;
  if (Status read = LineageFromText(text.str(), record); !read.ok()) {
    warnings.push_back("Lineage file " + path + " ignored: " + read.message());
    return {};
  }
  return record;
}

LineageRecord MakeLineage(const std::string& engine, const std::vector<std::string>& parents,
                          std::uint32_t seed, const Clock& clock,
                          std::vector<std::string>& warnings) {
  LineageRecord record{engine, parents, seed, clock.MillisecondsOfDayUtc(), {}};
  if (parents.empty()) return record;
  const LineageRecord parent = ReadLineageFile(parents.front(), warnings);
  if (!parent.parents.empty()) record.ancestry.push_back(parent.parents.front());
  record.ancestry.insert(record.ancestry.end(), parent.ancestry.begin(), parent.ancestry.end());
  return record;
}

std::vector<std::string> AncestryChain(const std::string& set_path,
                                       std::vector<std::string>& warnings) {
  const LineageRecord record = ReadLineageFile(set_path, warnings);
  std::vector<std::string> chain;
  if (!record.parents.empty()) chain.push_back(record.parents.front());
  chain.insert(chain.end(), record.ancestry.begin(), record.ancestry.end());
  return chain;
}

}  // namespace vermora
