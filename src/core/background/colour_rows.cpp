#include "background/colour_rows.h"

#include <algorithm>

#include "common/fixed.h"
#include "params/param_reader.h"

namespace vermora {

std::span<const ColourRow> BackgroundColourRows() {
  static constexpr ColourRow kRows[] = {
      {"edSC1R", "edSC1G", "edSC1B", "Kleur1", "sbSky1", "sbUpdate4", {166, 178, 204}},
      {"edSC2R", "edSC2G", "edSC2B", "Kleur2", "sbSky2", "sbUpdate5", {217, 178, 204}},
      {"edCL1R", "edCL1G", "edCL1B", "Kleur3", "sbCloud1", "sbUpdate6", {204, 204, 204}},
      {"edCFR", "edCFG", "edCFB", "ShCF", "sbCF", "sbUpdate7", {166, 178, 204}},
      {"edSPR", "edSPG", "edSPB", "KleurW", "sbWave", "sbUpdate8", {99, 105, 110}},
      {"edGF1R", "edGF1G", "edGF1B", "shGF1", "sbGF1", "sbUpdate9", {127, 140, 166}},
      {"edGF2R", "edGF2G", "edGF2B", "shGF2", "sbGF2", "sbUpdate10", {153, 166, 191}},
      {"edGF3R", "edGF3G", "edGF3B", "shGF3", "sbGF3", "sbUpdate11", {166, 178, 204}},
      {"edL_1R", "edL_1G", "edL_1B", "shL_1", "sbL_1", "sbUpL_1", {255, 255, 255}},
      {"edL_2R", "edL_2G", "edL_2B", "shL_2", "sbL_2", "sbUpL_2", {153, 153, 153}},
  };
  return kRows;
}

const ColourRow* FindColourRow(std::string_view name) {
  const std::string lower = LowerAscii(name);
  for (const ColourRow& row : BackgroundColourRows()) {
    for (std::string_view n :
         {row.red, row.green, row.blue, row.swatch, row.dialog_button, row.update_button}) {
      if (LowerAscii(n) == lower) return &row;
    }
  }
  return nullptr;
}

Rgb8 ApplyChosenColour(ParameterSet& set, const ColourRow& row, Rgb8 chosen) {
  set.SetText(row.red, Fixed(chosen.red / 255.0, 4, 3));
  set.SetText(row.green, Fixed(chosen.green / 255.0, 4, 3));
  set.SetText(row.blue, Fixed(chosen.blue / 255.0, 4, 3));
  return chosen;
}

namespace {

// Clamped before the conversion: a field holding 1E30 must not overflow it.
int Component(const ParamReader& p, std::string_view field) {
  const double scaled = static_cast<double>(p.Number(field)) * 255.0;
  return static_cast<int>(RoundHalfEven(std::clamp(scaled, 0.0, 255.0)));
}

}  // namespace

Rgb8 SwatchFromFields(const ParameterSet& set, const ColourRow& row, Diagnostics& diagnostics) {
  const ParamReader p(set, diagnostics);
  return {Component(p, row.red), Component(p, row.green), Component(p, row.blue)};
}

std::vector<SwatchColour> RefreshSwatches(const ParameterSet& set, Diagnostics& diagnostics) {
  std::vector<SwatchColour> swatches;
  for (const ColourRow& row : BackgroundColourRows()) {
    swatches.push_back({row.swatch, SwatchFromFields(set, row, diagnostics)});
  }
  return swatches;
}

}  // namespace vermora
