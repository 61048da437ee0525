#include "scene/fixed.h"

#include <gtest/gtest.h>

namespace vermora {
namespace {

struct Worked {
  double value;
  int precision, decimals;
  const char* text;
};

TEST(FixedTest, WorkedTable) {
  const Worked table[] = {
      {1.23456, 4, 3, "1.235"},  {12.3456, 4, 3, "12.350"}, {123.456, 4, 3, "123.500"},
      {1234.56, 4, 3, "1235.000"}, {12345.6, 4, 3, "1.235E4"}, {10000, 4, 3, "1E4"},
      {-0.5, 4, 3, "-0.500"},    {-0.0004, 4, 3, "-0.000"}, {-0.00004, 4, 3, "0.000"},
      {0, 4, 3, "0.000"},        {45, 3, 0, "45"},          {999.6, 3, 0, "1E3"},
      {-0.4, 3, 0, "-0"},        {0.6, 3, 0, "1"},          {123.4567, 5, 3, "123.460"},
      {0.125, 4, 2, "0.13"},     {0.392, 1, 3, "0.390"},
  };
  for (const Worked& w : table) {
    // The worked values are single-precision numbers widened without change.
    EXPECT_EQ(Fixed(static_cast<float>(w.value), w.precision, w.decimals), w.text)
        << w.value << " fixed(" << w.precision << "," << w.decimals << ")";
  }
}

TEST(FixedTest, StartsFromTheSinglePrecisionValue) {
  EXPECT_EQ(Fixed(0.1f, 4, 3), "0.100");
  EXPECT_EQ(Fixed(0.1f, 18, 18), "0.100000001490116119");
}

TEST(FixedTest, CarriesAndSmallNumbers) {
  EXPECT_EQ(Fixed(9.9996, 4, 3), "10.000");
  EXPECT_EQ(Fixed(-0.0006, 4, 3), "-0.001");
  EXPECT_EQ(Fixed(0.0004, 4, 0), "0");
  EXPECT_EQ(Fixed(99999.5, 5, 3), "1E5");
  EXPECT_EQ(Fixed(123456.0, 4, 0), "1.235E5");
  EXPECT_EQ(Fixed(-12.3456f, 5, 3), "-12.346");
}

TEST(FixedTest, IntegerTextAndEvenRounding) {
  EXPECT_EQ(IntegerText(-42), "-42");
  EXPECT_EQ(IntegerText(0), "0");
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

}  // namespace
}  // namespace vermora
