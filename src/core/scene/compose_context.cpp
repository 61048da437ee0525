#include "scene/compose_context.h"

namespace vermora {

void ComposeContext::ToggleAlternation() {
  for (const char* name : {"ChkAlternate", "chkAltTDS", "chkAltFWS", "chkAltDSS", "chkAltRS", "chkAltJS"}) {
    if (params.On(name)) {
      alternation = alternation == 1 ? 2 : 1;
      return;
    }
  }
}

}  // namespace vermora
