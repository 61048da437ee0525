#include "form/enabling_rules.h"
#include "params/parameter_set.h"

// Hands the form's change rules down to every parameter set of the program.
// The set lives in params/, below the rules (they read texture and background
// rules), so it cannot call them by name; it runs whichever rule is installed.
// This file installs ApplyChangeRule during static initialisation, before
// main(). A static library drops files nothing refers to, so the core's
// CMakeLists makes every program that links the core refer to the symbol
// below: no program can start without the rules.
extern "C" void vermora_form_change_rule() {}

namespace vermora {
namespace {

[[maybe_unused]] const bool installed = (ParameterSet::InstallChangeRule(&ApplyChangeRule), true);

}  // namespace
}  // namespace vermora
