#include "texture/texture_assign.h"

#include "texture/texture_builder.h"

namespace vermora {
namespace {

constexpr AssignTarget kTargets[] = {
    {"sbAssignThing", "Worm/Thing", "EdThingTexture"},
    {"sbAssignBubbleTex", "Bubble", "EdBBScBTex"},
    {"sbAssignBranch", "Branch", "EdBranchTexture"},
    {"sbAssignBase", "Base", "EdBaseTexture"},
    {"sbAssignTop", "Top", "EdTopTexture"},
    {"sbAssignTopHart", "TopHart", "edTopHartTexture", "edCTopHartT"},
    {"sbAssignCoat", "Husk", "edCoatTex", "edCHuskT"},
    {"sbAssignHelix", "Helix", "edHTex"},
    {"sbAssignSideObject", "SideObject", "edSideObjectText"},
    {"sbAssignPredef", "PredefW", "edPWNTexture"},
    {"sbAssignWormPred", "WormPred", "edWPNTexture"},
    {"sbAssignRec", "TwoDRec", "edRecTexture"},
    {"sbAssignTent", "Tentacle", "EdTentTexture"},
    {"sbAssignTail", "Tail", "edTailTexture"},
    {"sbAssignTrHead", "Head", "edTrHeadTexture"},
    {"sbAssignTrLink", "Link", "edTrLinkTexture"},
    {"sbAssignSW", "Serie/Int", "edSWTex"},
    {"sbAssignLand", "Land", "edLandTex"},
    {"sbAssignHF", "HeightF", "edHFTex"},
    {"sbTexPreview", "Preview Texture", "editTexPrev"},
};

}  // namespace

std::span<const AssignTarget> AssignTargets() { return kTargets; }

Status AssignTexture(ParameterSet& set, TexturePage& page, std::string_view sender) {
  std::string text;
  if (Status s = BuildTexture(set, text); !s.ok()) return s;
  page.current_texture = text;
  for (const AssignTarget& target : kTargets) {
    if (target.button != sender) continue;
    set.SetText(target.field, text);
    if (!target.second_field.empty()) set.SetText(target.second_field, text);
  }
  return Status::Ok();
}

}  // namespace vermora
