#include "params/settings_file.h"

#include <string_view>
#include <utility>
#include <vector>

#include "common/file_io.h"
#include "params/param_table.h"
#include "params/value_codec.h"

namespace vermora {
namespace {

constexpr size_t kEntryValueLimit = 755;
constexpr size_t kOtherValueLimit = 255;

// Splits on LF, dropping one CR before it; a final line without a line end counts.
template <typename Fn>
bool ForEachLine(std::string_view text, Fn&& fn) {
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!fn(line)) return false;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return true;
}

}  // namespace

std::string SettingsText(const ParameterSet& set) {
  std::string text = std::string(kFormatMark) + "\r\n";
  const auto table = ParamTable();
  for (size_t i = 0; i < table.size(); ++i) {
    text.append(table[i].name);
    text += '|';
    text += EncodeValue(table[i], set.value(i));
    text += "\r\n";
  }
  return text;
}

Status SaveSettings(const std::string& path, const ParameterSet& set) {
  return WriteFileReplacing(path, SettingsText(set));
}

Status LoadSettingsText(const std::string& text, ParameterSet& set, const LoadRefresh& refresh) {
  std::string_view rest(text);
  const size_t first_end = rest.find('\n');
  std::string_view mark = rest.substr(0, first_end);
  if (!mark.empty() && mark.back() == '\r') mark.remove_suffix(1);
  if (mark != kFormatMark) {
    if (refresh) refresh(set);
    return Status::Error("Unknown version or file format.  Possible data corruption in file?");
  }
  rest = first_end == std::string_view::npos ? std::string_view() : rest.substr(first_end + 1);

  Status failure = Status::Ok();
  std::vector<std::pair<size_t, ParamValue>> loaded;  // the last line of each name
  std::vector<int> slot(set.size(), -1);
  ForEachLine(rest, [&](std::string_view line) {
    const size_t bar = line.find('|');
    if (bar == std::string_view::npos) {
      failure = Status::Error("Corrupted name/data!  Load aborted");
      return false;
    }
    const int i = set.Find(line.substr(0, bar));
    if (i < 0) return true;
    const ParamDef& def = set.def(i);
    std::string_view value = line.substr(bar + 1);
    if (def.kind != ParamKind::kGrid) {
      value = value.substr(0, IsEntryField(def.kind) ? kEntryValueLimit : kOtherValueLimit);
    }
    ParamValue next = set.value(i);
    if (Status s = DecodeValue(def, value, next); !s.ok()) {
      failure = s;
      return false;
    }
    if (slot[i] < 0) {
      slot[i] = static_cast<int>(loaded.size());
      loaded.emplace_back(static_cast<size_t>(i), next);
    } else {
      loaded[slot[i]].second = next;
    }
    set.SetValue(i, std::move(next));
    return true;
  });
  // A switch's change rule may reset a field whose line came before it (or turn
  // a switch already read); the file's own values win, so a saved set loads as
  // it was saved. Rules only move towards states the file satisfies: this ends.
  for (int pass = 0; pass < 4; ++pass) {
    bool settled = true;
    for (const auto& [i, value] : loaded) {
      if (set.value(i) == value) continue;
      settled = false;
      set.SetValue(i, value);
    }
    if (settled) break;
  }
  if (!failure.ok()) return failure;
  if (refresh) refresh(set);
  return Status::Ok();
}

Status LoadSettings(const std::string& path, ParameterSet& set, const LoadRefresh& refresh) {
  std::string text;
  if (Status s = ReadWholeFile(path, text); !s.ok()) return s;
  return LoadSettingsText(text, set, refresh);
}

}  // namespace vermora
