#include "texture/texture_builder.h"

#include <array>

#include "texture/colour_map_text.h"
#include "texture/type_rules.h"

namespace vermora {
namespace {

// Pattern keywords of pigment types 5 to 19 and of normal types 1 to 19.
constexpr std::array<const char*, 15> kPatternKeywords = {
    " bozo ",    " gradient x ", " granite ", " leopard ", " marble ",
    " onion ",   " radial ",     " spotted ", " wood ",    " bumps ",
    " crackle ", " dents ",      " ripples ", " waves ",   " wrinkles "};
constexpr std::array<const char*, 4> kBlockKeywords = {" brick ", " checker ", " hexagon ",
                                                       " agate "};

std::string Rgbf(const ParameterSet& set, char row) {
  const std::string n(1, row);
  return set.Text("editRed" + n) + "," + set.Text("editGreen" + n) + "," +
         set.Text("editBlue" + n) + "," + set.Text("editFilter" + n);
}

std::string TurbulenceControls(const ParameterSet& set) {
  return " lambda " + set.Text("editLambda") + " omega " + set.Text("editOmega") + " octaves " +
         set.Text("editOctaves") + " frequency " + set.Text("editFrequency") + " phase " +
         set.Text("editPhase") + " scale " + set.Text("editTypeScale");
}

// The file type keyword is guessed from the name; several matches give several
// keywords, none gives none, and POV-Ray reports what it cannot read. A ".bmp"
// is the Windows system format, which POV-Ray here knows only as "bmp" ("sys"
// is undefined on this platform and stops the render).
std::string ImageFileType(const std::string& name) {
  std::string out;
  if (name.find(".gif") != std::string::npos) out += " gif";
  if (name.find(".tga") != std::string::npos) out += " tga";
  if (name.find(".png") != std::string::npos) out += " png";
  if (name.find(".bmp") != std::string::npos) out += " bmp";
  return out;
}

// A map with a blank file name stops POV-Ray ("Cannot read PNG data"): the
// texture is refused instead, naming the field to fill.
Status PictureNamed(const ParameterSet& set, const char* field, const char* what,
                    const char* page) {
  if (set.Text(field).find_first_not_of(" \t") != std::string::npos) return Status::Ok();
  return Status::Error(std::string(what) + " has no picture file: name one in " + field + " (" +
                       page + ")");
}

std::string MapType(int projection) {
  if (projection < 0 || projection > 3) return "";
  return " map_type " + std::to_string(projection);
}

}  // namespace

bool UsesColourMap(int pigment_type) {
  return pigment_type >= kPigmentAgate && pigment_type < kPigmentImageMap;
}

std::string ImageMapText(const ParameterSet& set) {
  const std::string& name = set.Text("edIMName");
  std::string out = " image_map {" + ImageFileType(name) + " \"" + name + "\"" +
                    MapType(set.Index("RadioGroup4")) + " interpolate 2" + " }";
  if (const std::string& turb = set.Text("edIMTurb"); !turb.empty()) out += " turbulence " + turb;
  out += " translate <-0.5, -0.5, 0>";
  out += " scale " + set.Text("edIMScale") + " }";
  return out;
}

Status PigmentPart(const ParameterSet& set, std::string& text) {
  const int type = set.Index("cbPigmentType");
  switch (type) {
    case 0:
      text = " color rgbf <" + Rgbf(set, '1') + ">}";
      return Status::Ok();
    case 1:
      text = " brick color rgbf <" + Rgbf(set, '1') + "> , color rgbf <" + Rgbf(set, '2') + ">}";
      return Status::Ok();
    case 2:
      text = " checker color rgbf <" + Rgbf(set, '1') + ">, color rgbf <" + Rgbf(set, '2') + ">}";
      return Status::Ok();
    case 3:
      text = " hexagon color rgbf <" + Rgbf(set, '1') + "> , color rgbf <" + Rgbf(set, '2') +
             "> , color rgbf <" + Rgbf(set, '3') + ">}";
      return Status::Ok();
    case kPigmentImageMap:
      if (Status s = PictureNamed(set, "edIMName", "The image map", "Textures/Pigment"); !s.ok())
        return s;
      text = ImageMapText(set);
      return Status::Ok();
    default:
      break;
  }
  if (!UsesColourMap(type)) return Status::Error("No pigment type is chosen.");
  std::string map;
  if (Status s = ColourMapText(set.GridValue("sgColorMap"), map); !s.ok()) return s;
  if (type == kPigmentAgate) {
    text = " agate agate_turb " + set.Text("editTurbulence") + " color_map {" + map + "}" +
           TurbulenceControls(set) + "}";
  } else {
    text = std::string(kPatternKeywords[type - 5]) + " color_map { " + map + "}" + " turbulence " +
           set.Text("editTurbulence") + TurbulenceControls(set) + "}";
  }
  return Status::Ok();
}

std::string NormalPart(const ParameterSet& set, bool depth_shown) {
  const int type = set.Index("cbNormalType");
  if (type == kNormalBumpMap) {
    const std::string& name = set.Text("edBMName");
    std::string out = " normal {bump_map {" + ImageFileType(name) + " \"" + name + "\"" +
                      MapType(set.Index("RadioGroup6"));
    if (const std::string& depth = set.Text("editNormalDepth"); !depth.empty()) {
      out += " bump_size " + depth;
    }
    out += " interpolate 2 }";
    if (const std::string& turb = set.Text("edBMTurb"); !turb.empty()) out += " turbulence " + turb;
    out += " translate <-0.5, -0.5, 0> scale " + set.Text("edBMScale") + " }";
    return out;
  }
  if (type < 1 || type > 19) return "";
  const char* pattern = type <= 4 ? kBlockKeywords[type - 1] : kPatternKeywords[type - 5];
  return std::string(" normal {") + pattern + (depth_shown ? set.Text("editNormalDepth") : " ") +
         " turbulence " + set.Text("editNTurbulence") + " lambda " + set.Text("editNLambda") +
         " omega " + set.Text("editNOmega") + " octaves " + set.Text("editNOctaves") +
         " frequency " + set.Text("editNFrequency") + " phase " + set.Text("editNPhase") +
         " scale " + set.Text("editNormalScale") + " }";
}

std::string FinishPart(const ParameterSet& set) {
  std::string items;
  if (set.On("sbAmbient")) items += " ambient " + set.Text("editAmbient");
  if (set.On("sbDiffuse")) items += " diffuse " + set.Text("editDiffuse");
  if (set.On("sbBrilliance")) items += " brilliance " + set.Text("editBrilliance");
  if (set.On("sbPhong")) {
    items += " phong " + set.Text("editPhong") + " phong_size " + set.Text("editPhongS");
  }
  if (set.On("sbSpecular")) items += " specular " + set.Text("editSpecular");
  if (set.On("sbRoughness")) items += " roughness " + set.Text("editRoughness");
  if (set.On("sbMetallic")) items += " metallic ";
  if (set.On("sbReflection")) items += " reflection " + set.Text("editReflection");
  if (set.On("sbCrand")) items += " crand " + set.Text("editCrand");
  if (items.empty()) return "";
  return " finish {" + items + " }";
}

Status BuildTexture(const ParameterSet& set, bool depth_shown, std::string& text) {
  std::string pigment;
  if (Status s = PigmentPart(set, pigment); !s.ok()) return s;
  if (set.Index("cbNormalType") == kNormalBumpMap) {
    if (Status s = PictureNamed(set, "edBMName", "The bump map", "Textures/Normal"); !s.ok())
      return s;
  }
  text = "texture {pigment {" + pigment + NormalPart(set, depth_shown) + FinishPart(set) +
         " scale <" + set.Text("editTTScaleX") + "," + set.Text("editTTScaleY") + "," +
         set.Text("editTTScaleZ") + ">" + " rotate <" + set.Text("editTTRotateX") + "," +
         set.Text("editTTRotateY") + "," + set.Text("editTTRotateZ") + ">}";
  return Status::Ok();
}

Status BuildTexture(const ParameterSet& set, std::string& text) {
  return BuildTexture(set, NormalTypeGroups(set.Index("cbNormalType")).depth, text);
}

}  // namespace vermora
