#include "background/background_file.h"

#include <algorithm>

#include "common/file_io.h"
#include "params/value_codec.h"

namespace vermora {

std::span<const std::string_view> BackgroundFileKeys() {
  // clang-format off
  static constexpr std::string_view kKeys[] = {
      "chkSkyOn", "chkSeaOn", "chkBGOn",
      "edSC1R", "edSC1G", "edSC1B", "edSC2R", "edSC2G", "edSC2B", "edSkyTurb",
      "chkCL1", "edCL1R", "edCL1G", "edCL1B", "edCL1Turb", "edCloudRot1",
      "chkCL2", "edCL2Turb", "edCloudRot2", "edCloudScale",
      "chkConstFog", "edCFR", "edCFG", "edCFB", "edCFT", "edCFDist", "edCFTurb",
      "chkGF1", "edGF1R", "edGF1G", "edGF1B", "edGF1T",
      "chkGF2", "edGF2R", "edGF2G", "edGF2B", "edGF2T",
      "chkGF3", "edGF3R", "edGF3G", "edGF3B", "edGF3T",
      "edSeaLevel", "edSPR", "edSPG", "edSPB", "edWaveHeight", "edWaveFreq", "edWavePhase", "edWaveScale",
      "chkLandOn", "edLHeight", "edLandTex",
      "chkHFOn", "edHFName", "edHFXScale", "edHFYScale", "edHFZScale", "edHFTex",
      "chkSmooth", "chkRandRot", "edRandRot",
      "edBGName", "edBGDistance",
  };
  // clang-format on
  return kKeys;
}

std::string BackgroundFileText(const ParameterSet& set) {
  std::string text = std::string(kFormatMark) + "\r\n";
  for (std::string_view key : BackgroundFileKeys()) {
    const int i = set.Find(key);
    text.append(key);
    text += '|';
    text += EncodeValue(set.def(i), set.value(i));
    text += "\r\n";
  }
  return text;
}

Status SaveBackground(const std::string& path, const ParameterSet& set) {
  return WriteFileReplacing(path, BackgroundFileText(set));
}

namespace {

bool IsBackgroundKey(std::string_view name) {
  const std::string lower = LowerAscii(name);
  const auto keys = BackgroundFileKeys();
  return std::any_of(keys.begin(), keys.end(),
                     [&](std::string_view key) { return LowerAscii(key) == lower; });
}

// Keeps the format mark, the background lines and every line without "|" (so
// that a corrupt line still stops the load where it stands).
std::string BackgroundLinesOnly(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  bool first = true;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = end == std::string_view::npos ? text : text.substr(0, end + 1);
    const size_t bar = line.find('|');
    if (first || bar == std::string_view::npos || IsBackgroundKey(line.substr(0, bar))) {
      kept.append(line);
    }
    first = false;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return kept;
}

}  // namespace

Status LoadBackgroundText(const std::string& text, ParameterSet& set, const LoadRefresh& refresh) {
  return LoadSettingsText(BackgroundLinesOnly(text), set, refresh);
}

Status LoadBackground(const std::string& path, ParameterSet& set, const LoadRefresh& refresh) {
  std::string text;
  if (Status s = ReadWholeFile(path, text); !s.ok()) return s;
  return LoadBackgroundText(text, set, refresh);
}

}  // namespace vermora
