#include "scene/compose_context.h"

namespace vermora {

bool ComposeContext::AnyAlternationSwitch(const ParamReader& params) {
  for (const char* name : {"ChkAlternate", "chkAltTDS", "chkAltFWS", "chkAltDSS", "chkAltRS", "chkAltJS"}) {
    if (params.On(name)) return true;
  }
  return false;
}

}  // namespace vermora
