#include "texture/texture_file.h"

#include <algorithm>

#include "common/file_io.h"
#include "common/fixed.h"
#include "params/settings_file.h"
#include "params/value_codec.h"
#include "scene/scene_writer.h"
#include "texture/colour_map_edit.h"
#include "texture/named_colours.h"
#include "texture/texture_assign.h"

namespace vermora {
namespace {

constexpr std::string_view kKeys[] = {
    "cbPigmentType",   "cbColor1",       "cbColor2",        "cbColor3",        "editRed1",
    "editRed2",        "editRed3",       "editGreen1",      "editGreen2",      "editGreen3",
    "editBlue1",       "editBlue2",      "editBlue3",       "editTurbulence",  "editLambda",
    "editOmega",       "editOctaves",    "editFrequency",   "editPhase",       "editTypeScale",
    "sgColorMap",      "cbColor4",       "cbNormalType",    "editNormalDepth", "editNTurbulence",
    "editNLambda",     "editNOmega",     "editNOctaves",    "editNFrequency",  "editNPhase",
    "editNormalScale", "sbAmbient",      "editAmbient",     "sbDiffuse",       "editDiffuse",
    "sbBrilliance",    "editBrilliance", "sbPhong",         "editPhong",       "editPhongS",
    "sbSpecular",      "editSpecular",   "sbRoughness",     "editRoughness",   "sbMetallic",
    "sbReflection",    "editReflection", "editReflectionE", "sbCrand",         "editCrand",
    "editTTScaleX",    "editTTScaleY",   "editTTScaleZ",    "editTTRotateX",   "editTTRotateY",
    "editTTRotateZ"};

bool IsRowList(std::string_view key) {
  return key == "cbColor1" || key == "cbColor2" || key == "cbColor3";
}

std::uint8_t ComponentOf(const std::string& text, Diagnostics& diagnostics) {
  const auto fraction = ParseNumber(text);
  if (!fraction) diagnostics.Warn(BadNumberMessage(text));
  const long long value = RoundHalfEven(double(fraction.value_or(0.0f)) * 255.0);
  return static_cast<std::uint8_t>(std::clamp<long long>(value, 0, 255));
}

}  // namespace

std::span<const std::string_view> TextureFileKeys() { return kKeys; }

std::string TextureFileText(const ParameterSet& set) {
  std::string text = std::string(kFormatMark) + "\r\n";
  for (std::string_view key : kKeys) {
    const size_t i = static_cast<size_t>(set.Find(key));
    text.append(key);
    text += '|';
    text +=
        IsRowList(key) ? IntegerText(set.value(i).index) : EncodeValue(set.def(i), set.value(i));
    text += "\r\n";
  }
  return text;
}

Status SaveTextureFile(const std::string& path, const ParameterSet& set) {
  return WriteFileReplacing(path, TextureFileText(set));
}

Status TextureLoadRefresh(ParameterSet& set, TexturePage& page, Diagnostics& diagnostics) {
  std::string kept[3][3];
  const char* fields[] = {"editRed", "editGreen", "editBlue"};
  for (int row = 1; row <= 3; ++row) {
    Rgb rgb;
    std::uint8_t* parts[] = {&rgb.red, &rgb.green, &rgb.blue};
    for (int k = 0; k < 3; ++k) {
      kept[row - 1][k] = set.Text(fields[k] + std::to_string(row));
      *parts[k] = ComponentOf(kept[row - 1][k], diagnostics);
    }
    page.swatch[row - 1] = PackRgb(rgb);
  }
  Status status = PositionChange(set, page, diagnostics);
  // The colour change rule rewrites the row fields from the swatches; the texts
  // just loaded are what the file holds, so they are put back unrounded.
  for (int row = 1; row <= 3; ++row) {
    for (int k = 0; k < 3; ++k) set.SetText(fields[k] + std::to_string(row), kept[row - 1][k]);
  }
  return status;
}

Status LoadTextureText(const std::string& text, ParameterSet& set, TexturePage& page,
                       Diagnostics& diagnostics) {
  ParameterSet scratch = set;  // a copy: lines beyond the texture keys never reach the window
  bool refresh_ran = false;
  Status loaded = LoadSettingsText(text, scratch, [&](ParameterSet&) { refresh_ran = true; });
  for (std::string_view key : kKeys) {
    const size_t i = static_cast<size_t>(set.Find(key));
    set.SetValue(i, scratch.value(i));
  }
  if (!refresh_ran) return loaded;
  const Status refreshed = TextureLoadRefresh(set, page, diagnostics);
  return loaded.ok() ? refreshed : loaded;
}

Status LoadTextureFile(const std::string& path, ParameterSet& set, TexturePage& page,
                       Diagnostics& diagnostics) {
  std::string text;
  if (Status s = ReadWholeFile(path, text); !s.ok()) return s;
  return LoadTextureText(text, set, page, diagnostics);
}

Status ExportTextureInclude(const std::string& path, ParameterSet& set, TexturePage& page) {
  if (Status s = AssignTexture(set, page, ""); !s.ok()) return s;
  SceneWriter out;
  out.Line(page.current_texture);
  return WriteFileReplacing(path, out.text());
}

}  // namespace vermora
