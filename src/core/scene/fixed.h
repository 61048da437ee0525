#pragma once

#include <string>

namespace vermora {

// The number text of every computed number in scene text and of every number
// written back into a parameter field: at most `precision` significant digits,
// exactly `decimals` decimals, and the "1.235E4" form only when the integer part
// needs more digits than the precision allows. Halves round up in magnitude, on
// the exact value of the number passed.
std::string Fixed(double value, int precision, int decimals);

// Fixed, appended to `out` without a temporary: the scene writer's hot path.
void AppendFixed(std::string& out, double value, int precision, int decimals);

// The longest text Fixed gives ("-" and 18 digits, "." and 18 decimals, or the
// "E" form), with room to spare.
inline constexpr int kFixedMax = 48;

// Fixed, written to `buf` (kFixedMax bytes); returns the length.
int FixedInto(char* buf, double value, int precision, int decimals);

// The same rule by way of the 18 significant decimal digits, for every value;
// Fixed takes a shorter road where it gives the same text.
std::string FixedGeneral(double value, int precision, int decimals);

// Plain decimal digits with a leading "-" when negative.
std::string IntegerText(long long value);

// Rounds halves to the even neighbour (the program's whole-number rounding).
long long RoundHalfEven(double value);

}  // namespace vermora
