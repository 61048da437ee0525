#pragma once

#include "scene/compose_context.h"

namespace vermora {

// FanWorm: arms spread about the y axis. WheelWorm: arms spread about z.
void WriteFan(ComposeContext& ctx);
void WriteWheel(ComposeContext& ctx);

}  // namespace vermora
