#pragma once

#include <string>
#include <string_view>

#include "common/status.h"
#include "params/param_def.h"
#include "params/parameter_set.h"

namespace vermora {

// The settings-file text of one parameter's value, by its kind.
std::string EncodeValue(const ParamDef& def, const ParamValue& value);

// `index` brought into the parameter's range: a slider between its ends, a
// choice or list between -1 (nothing chosen) and its last item. A file or a
// command may hold any number; what is out of range would write a broken scene.
int ClampIndex(const ParamDef& def, int index);

// Applies a settings-file value to `value` (which keeps what the text does not
// set). Fails with the loader's message for a bad integer or a bad grid.
Status DecodeValue(const ParamDef& def, std::string_view text, ParamValue& value);

}  // namespace vermora
