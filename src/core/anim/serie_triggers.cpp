#include "anim/serie_triggers.h"

namespace vermora {

void NormaliseSerieTriggers(ParameterSet& set, const ParamReader& reader) {
  struct Trigger {
    const char *name, *twin;
    float parked;
    const char* value;
  };
  constexpr Trigger kTriggers[] = {
      {"edSWTrig", "edSWTrig2", 5000, "150"},
      {"edSWETrig", "edSWETrig2", 6000, "160"},
      {"IntTrigger", "IntTrigger2", 5000, "150"},
  };
  for (const Trigger& t : kTriggers) {
    if (reader.Number(t.name) == t.parked) {
      set.SetText(t.name, t.value);
      set.SetText(t.twin, t.value);
    }
  }
}

}  // namespace vermora
