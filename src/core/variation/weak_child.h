#pragma once

#include <string>

#include "params/parameter_set.h"

namespace vermora {

// Why an offspring is not worth rendering: an empty scene, more objects than
// `max_objects`, or parameters the estimate cannot read. Empty when it is fine.
std::string WeakChildReason(const ParameterSet& child, double max_objects);

}  // namespace vermora
