#include "scene/compose_context.h"

namespace vermora {

bool ComposeContext::AnyAlternationSwitch(const ParamReader& params) {
  for (const char* name :
       {"ChkAlternate", "chkAltTDS", "chkAltFWS", "chkAltDSS", "chkAltRS", "chkAltJS"}) {
    if (params.On(name)) return true;
  }
  return false;
}

const std::string& ComposeContext::TypedObject(const char* field) {
  const std::string& text = params.Text(field);
  objects_named += text;
  return text;
}

void ComposeContext::DeclareTyped(const char* name, const char* field) {
  out.Line(std::string("#declare ") + name + " =  " + TypedObject(field));
  out.Line(" ");
}

}  // namespace vermora
