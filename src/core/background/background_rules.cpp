#include "background/background_rules.h"

#include "common/fixed.h"

namespace vermora {

bool ApplyBackgroundRule(ParameterSet& set, std::string_view name, Random& random,
                         const Clock& clock) {
  const std::string lower = LowerAscii(name);
  if (lower == "chkrandrot") {
    if (set.On("chkRandRot")) {
      random.ReseedFromClock(clock);
      set.SetText("edRandRot", Fixed(random.Next() * 10000, 4, 0));
    }
    return true;
  }
  if (lower == "chkhfon") {
    if (!set.On("chkHFOn")) set.SetText("edHFName", "");
    return true;
  }
  if (lower == "chkbgon") {
    if (!set.On("chkBGOn")) set.SetText("edBGName", "");
    return true;
  }
  return false;
}

void ChoosePictureFile(ParameterSet& set, const std::string& path) {
  set.SetText("edBGName", path);
  set.SetOn("chkBGOn", true);
}

void ChooseHeightFieldFile(ParameterSet& set, const std::string& path) {
  set.SetText("edHFName", path);
  set.SetOn("chkHFOn", true);
}

void FileFieldClicked(ParameterSet& set, std::string_view field) {
  const std::string lower = LowerAscii(field);
  if (lower == "edbgname") set.SetOn("chkBGOn", true);
  if (lower == "edhfname") set.SetOn("chkHFOn", true);
}

}  // namespace vermora
