#include "scene/compose_context.h"

namespace vermora {

bool ComposeContext::AnyAlternationSwitch(const ParamReader& params) {
  for (const char* name : {"ChkAlternate", "chkAltTDS", "chkAltFWS", "chkAltDSS", "chkAltRS", "chkAltJS"}) {
    if (params.On(name)) return true;
  }
  return false;
}

void ComposeContext::DeclareTyped(const char* name, const char* field) {
  out.Line(std::string("#declare ") + name + " =  " + params.Text(field));
  out.Line(" ");
}

}  // namespace vermora
