#include "params/number_reading.h"

#include <gtest/gtest.h>

#include <clocale>

#include "params/param_reader.h"

namespace vermora {
namespace {

TEST(NumberReadingTest, AcceptsBlanksSignFractionAndExponent) {
  // 0.1 reads as its single-precision neighbour; valid numbers beyond single
  // precision's smallest round to it or to 0.
  const std::pair<const char*, float> good[] = {
      {" 2.5 ", 2.5f}, {"-3", -3.0f}, {"+1e2", 100.0f}, {"1.5E-1", 0.15f}, {".5", 0.5f}, {"0.1", 0.1f},
      {"1e-50", 0.0f}, {"-1e-400", 0.0f}, {"0.00000000000000000000000000000000000000000000000001", 0.0f},
      {"1e-40", 1e-40f}};
  for (const auto& [text, value] : good) EXPECT_EQ(ParseNumber(text), value) << text;
}

TEST(NumberReadingTest, RejectsBadText) {
  for (const char* bad : {"", " ", "1,5", "2.5x", "abc", "1e", "--1", "+-5", "-+5", "1.2.3", "0x10", "inf",
                          "nan", "1e39", "1e400", "100000000000000000000000000000000000000000e-2"}) {
    EXPECT_FALSE(ParseNumber(bad).has_value()) << bad;
  }
}

TEST(NumberReadingTest, IgnoresTheLocaleDecimalSeparator) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(ParseNumber("1.5"), 1.5f);
  EXPECT_FALSE(ParseNumber("1,5").has_value());
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberReadingTest, Integers) {
  EXPECT_EQ(ParseInteger(" -12 "), -12);
  EXPECT_EQ(ParseInteger("+7"), 7);
  for (const char* bad : {"", "1.5", "12a", "-", "+-5", "-+5", "+", "99999999999"}) {
    EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
  }
  EXPECT_EQ(BadIntegerMessage("x1"), "'x1' is not a valid integer value");
}

TEST(NumberReadingTest, ReaderWarnsOnBadNumbersAndThrowsOnBadIntegers) {
  ParameterSet set;
  set.SetText("EdNumber", "1,5");
  set.SetText("edBRLevel", "two");
  Diagnostics diagnostics;
  ParamReader reader(set, diagnostics);
  EXPECT_EQ(reader.Number("EdNumber"), 0.0f);
  ASSERT_EQ(diagnostics.warnings.size(), 1u);
  EXPECT_EQ(diagnostics.warnings[0], "1,5 ... is not valid");
  try {
    (void)reader.Integer("edBRLevel");
    FAIL() << "no error";
  } catch (const CommandError& error) {
    EXPECT_EQ(error.message, "'two' is not a valid integer value");
  }
}

}  // namespace
}  // namespace vermora
