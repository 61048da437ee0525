#include "params/part_ranges.h"

#include <algorithm>
#include <cmath>

#include "params/number_reading.h"

namespace vermora {
namespace {

enum class Kind { kFrom, kEvery };

struct PartRange {
  const char* on;        // the part's switch
  int worm;              // the worm kind (first or alternate worm) it belongs to
  const char* segments;  // that worm's segment count
  const char* start;     // the start segment, or the step
  const char* end;       // the end segment, or nullptr
  Kind kind;
  const char* what;  // "Bubbles from segment", "Side objects every"
};

constexpr int kSpiral = 0, kDoubleSpiral = 2;

constexpr PartRange kRanges[] = {
    {"ChkBubble", kSpiral, "EdNumber", "EdBBScaleSt", "EdBBScEnd", Kind::kFrom,
     "Bubbles from segment"},
    {"chkCoatOn", kSpiral, "EdNumber", "edCoatST", "edCoatET", Kind::kFrom, "Husk from segment"},
    {"ChkBranchON", kSpiral, "EdNumber", "EdBranchTrigger", nullptr, Kind::kEvery,
     "A branch ring every"},
    {"chkSOOn", kDoubleSpiral, "edDSNumber", "edSideTrigger", nullptr, Kind::kEvery,
     "Side objects every"},
};

std::string Whole(double value) { return std::to_string(static_cast<long long>(value)); }

}  // namespace

std::vector<PartRangeProblem> PartRangeProblems(const ParameterSet& set) {
  std::vector<PartRangeProblem> found;
  const bool alternate = set.On("ChkAlternate");
  for (const PartRange& range : kRanges) {
    const bool in_use = set.Index("RadioGroup1") == range.worm ||
                        (alternate && set.Index("RadioGroup2") == range.worm);
    if (!in_use || !set.On(range.on)) continue;
    const auto segments = ParseNumber(set.Text(range.segments));
    const auto start = ParseNumber(set.Text(range.start));
    if (!segments || !start || *segments < 1) continue;
    const double n = std::floor(*segments);
    PartRangeProblem problem;
    problem.field = range.start;
    if (range.kind == Kind::kFrom && *start >= n) {
      problem.message = std::string(range.what) + " " + set.Text(range.start) + ": this worm has " +
                        Whole(n) + " segments";
      problem.fit = {{range.start, Whole(std::floor(n / 3))}, {range.end, Whole(n)}};
    } else if (range.kind == Kind::kEvery && *start > n) {
      problem.message = std::string(range.what) + " " + set.Text(range.start) +
                        " segments: this worm has " + Whole(n) + " segments";
      problem.fit = {{range.start, Whole(std::max(1.0, std::floor(n / 10)))}};
    } else {
      continue;
    }
    found.push_back(problem);
  }
  return found;
}

void FitPartRange(ParameterSet& set, const PartRangeProblem& problem) {
  for (const auto& [name, text] : problem.fit) set.SetText(name, text);
}

}  // namespace vermora
