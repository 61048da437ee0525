#pragma once

#include <gtest/gtest.h>

#include "common/random.h"
#include "params/number_reading.h"
#include "texture/texture_start.h"

namespace vermora::test {

// A set and texture page as the program starts them.
struct Started {
  ParameterSet set;
  TexturePage page;
  Diagnostics diagnostics;
  Random random{99};  // re-seeded from the clock by every dice command
  Started() { EXPECT_TRUE(ApplyTextureStartValues(set, page).ok()); }
};

}  // namespace vermora::test
