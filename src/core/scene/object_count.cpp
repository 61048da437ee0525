#include "scene/object_count.h"

#include <cmath>
#include <cstdio>

#include "params/number_reading.h"

namespace vermora {
namespace {

// Counting loops run at most this often; the rest is done in closed form, so
// huge counts or tiny triggers end at once.
constexpr double kLoopCap = 1000000;

struct Reader {
  const ParameterSet& set;
  bool external = false;
  double N(const char* name) const {
    const std::string& text = set.Text(name);
    const auto v = ParseNumber(text);
    if (!v) throw CommandError{"'" + text + "' is not a valid floating point value"};
    return *v;
  }
  // A number of segments, elements or copies: a loop up to a negative number
  // writes none.
  double Count(const char* name) const { return std::fmax(0, N(name)); }
  int I(const char* name) const {
    const auto v = ParseInteger(set.Text(name));
    if (!v) throw CommandError{BadIntegerMessage(set.Text(name))};
    return *v;
  }
  bool On(const char* name) const { return set.On(name); }
  double P(const char* field) {
    bool ext = false;
    const double n = PiecesOf(set.Text(field), &ext);
    external = external || ext;
    return n;
  }
};

double Divide(double a, double b) {
  if (b == 0) throw CommandError{"Floating point division by zero"};
  return a / b;
}

// B + B^2 + ... + B^level for levels 2 to 5; other levels leave B.
double Levels(double b, int level) {
  if (level < 2 || level > 5) return b;
  double sum = b, power = b;
  for (int l = 2; l <= level; ++l) sum += (power *= b);
  return sum;
}

// The branch rings: one every `trigger` segments, doubling after the split.
// A trigger of 0 or below would count forever: no branches then.
double BranchCount(double n, double split, double per_ring, double trigger) {
  if (!(trigger > 0)) return 0;
  double b = 0, i = 1, steps = 0;
  while (i <= n && steps < kLoopCap) {
    b = i < split ? b + per_ring : (b + per_ring) * 2;
    i += trigger;
    ++steps;
  }
  if (i <= n) {  // the rest at once: before the split adding, after it doubling
    const double rest = std::floor((n - i) / trigger) + 1;
    const double before = std::fmin(rest, std::fmax(0, std::ceil((split - i) / trigger)));
    b += before * per_ring;
    b = (b + 2 * per_ring) * std::pow(2, rest - before) - 2 * per_ring;
  }
  return b;
}

double RecursionCount(double n, double per_ring, double trigger) {
  if (!(trigger > 0) || n < 1) return 0;
  return (std::floor((n - 1) / trigger) + 1) * per_ring;
}

double WormCount(Reader& r, int worm, double w, bool alternate) {
  const bool connect = !alternate;  // the alternate worm is never doubled
  switch (worm) {
    case 0: {
      const double n = r.Count("EdNumber"), s = r.N("edSplitTrig");
      const double p1 = r.P("edJSegm"), p2 = r.On("chkAltJS") ? r.P("edJSegm2") : 0;
      double own = s < n ? (r.On("chkAltJS") ? n * p1 + n * p2 : ((n - s) * 2 + s) * p1)
                         : (r.On("chkAltJS") ? 0.5 * n * p1 + 0.5 * n * p2 : n * p1);
      if (connect && r.On("chkJConnect")) own *= 2;
      w += own;
      const double f = s >= n ? 1 : 2;
      if (r.On("chkHelixOn")) {
        const double h = r.P("edHObj"), ht = r.Count("edHTus");
        w += s < n ? s * ht * h + (n - s) * 2 * ht * h : n * ht * h;
      }
      if (r.On("ChkBranchON")) {
        const double b = Levels(
            BranchCount(n, s, r.Count("EdBranchNumber"), r.N("EdBranchTrigger")), r.I("edBRLevel"));
        w += r.On("ChkWormAsBranch") ? w * b : r.P("EdPredBranch") * b;
      }
      if (r.On("ChkBaseOn"))
        w += r.Count("EdBaseNumber") * (r.On("ChkWormAsBase") ? w : r.P("EdPredBase"));
      if (r.On("ChkTopOn")) {
        w += r.Count("EdTopNumber") * r.Count("EdTopVNumber") * f *
             (r.On("ChkWormAsTop") ? w : r.P("EdPredTop"));
      }
      if (r.On("ChkTopHartOn")) w += f * r.P("EdTopHart");
      return w;
    }
    case 1: {
      const double n = r.Count("EdRNumber");
      const bool alt = r.On("chkAltRS");
      w += alt ? 0.5 * n * r.P("edRSegm") + 0.5 * n * r.P("edRSegm2") : n * r.P("edRSegm");
      if (r.On("chkCTopHartOn")) w += r.P("edCTopHart") * (alt ? 0.5 : 1);
      return w;
    }
    case 2: {
      const double n = r.Count("edDSNumber"), side = r.N("edSideTrigger");
      double own = r.On("chkAltDSS") ? 0.5 * n * r.P("edDSSegm") + 0.5 * n * r.P("edDSSegm2")
                                     : n * r.P("edDSSegm");
      if (connect && r.On("chkDSConnect")) own *= 2;
      w += own;
      if (side < n) w += std::fmax(0, Divide(n, side)) * r.P("edSideObject");
      return w;
    }
    case 3:
      return w + r.P("EdPWN");
    case 4:
      return w + r.P("EdWPN");
    case 5: {
      const double n = r.Count("edFWNumber");
      return w + (r.On("chkAltFWS") ? 0.5 * n * r.P("edFWSegm") + 0.5 * n * r.P("edFWSegm2")
                                    : n * r.P("edFWSegm"));
    }
    case 6: {
      const double n = r.Count("edTDNumber");
      double own = r.On("chkAltTDS") ? 0.5 * n * r.P("edTDSegm") + 0.5 * n * r.P("edTDSegm2")
                                     : n * r.P("edTDSegm");
      if (connect && r.On("chkTDConnect")) own *= 2;
      w += own;
      if (r.On("chkRecTD")) {
        const double rec = Levels(RecursionCount(n, r.Count("edRecNumber"), r.N("edRecTrigger")),
                                  r.I("edRecLevel"));
        w += r.On("chkWormAsRec") ? w * rec : r.P("edPredRec") * rec;
      }
      return w;
    }
    case 7:  // one torus piece or cylinder between each two points
      return w + std::fmax(1, r.set.Index("ScrAN") - 1);
    default:
      return w;  // no worm
  }
}

// Elements 1..E: series elements count q, the others `element`; in closed
// form, so a huge E costs nothing.
double Elements(double e, double element, bool series, double first, double last, double q) {
  if (e < 1) return 0;
  const double all = std::floor(e);
  double in_series = 0;
  // Elements are whole: the series starts at the first one at or after Sa and
  // ends at the last one at or before Se.
  if (series)
    in_series = std::fmax(0, std::fmin(std::floor(last), all) - std::fmax(std::ceil(first), 1) + 1);
  return in_series * q + (all - in_series) * element;
}

// Elements i in [first, last] of the given parity (1 odd, 0 even).
double WithParity(double first, double last, int parity) {
  first = std::ceil(std::fmax(first, 1));
  last = std::floor(last);
  if (last < first) return 0;
  if (static_cast<long long>(std::fmod(first, 2)) != parity) ++first;
  return last < first ? 0 : std::floor((last - first) / 2) + 1;
}

// With the alternate worm the elements take turns: the odd ones are the main
// worm, the even ones the alternate worm; inside Sa..Se both are the series
// object, as the things write them.
double AlternatingElements(double e, double odd_element, double even_element, bool series,
                           double first, double last, double q) {
  if (e < 1) return 0;
  const double all = std::floor(e);
  const double odd = WithParity(1, all, 1), even = WithParity(1, all, 0);
  const double odd_series = series ? WithParity(first, std::fmin(last, all), 1) : 0;
  const double even_series = series ? WithParity(first, std::fmin(last, all), 0) : 0;
  return (odd_series + even_series) * q + (odd - odd_series) * odd_element +
         (even - even_series) * even_element;
}

}  // namespace

double PiecesOf(const std::string& field, bool* external) {
  static const struct {
    const char* name;
    double pieces;
  } kNames[] = {{"Bol", 1},   {"Doos", 1},  {"Cone", 1},     {"FanCyl", 1},
                {"Torus", 1}, {"Spik1", 5}, {"Spik2", 6},    {"Spik3", 12},
                {"Spik4", 3}, {"Ear", 3},   {"BallDisk", 2}, {"Spik6", 10}};
  double pieces = 0;
  for (const auto& n : kNames) {
    if (field.find(n.name) != std::string::npos) pieces = n.pieces;
  }
  if (external) *external = pieces == 0;
  return pieces == 0 ? 1 : pieces;
}

std::string GroupedWhole(double value) {
  if (!std::isfinite(value)) return "too many to count";
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.0f", std::round(value));
  std::string in = digits, out;
  const size_t start = in[0] == '-' ? 1 : 0;
  for (size_t i = 0; i < in.size(); ++i) {
    if (i > start && (in.size() - i) % 3 == 0) out += ',';
    out += in[i];
  }
  return out == "-0" ? "0" : out;
}

std::string ObjectEstimate::Question() const {
  return "Your Thing contains ca. " + text + " objects.\n" + (remark.empty() ? " " : remark) +
         "\nContinue ?";
}

ObjectEstimate EstimateObjects(const ParameterSet& set) {
  ObjectEstimate result;
  Reader r{set};
  try {
    double w = WormCount(r, set.Index("RadioGroup1"), 0, false);
    const bool alternate = set.On("ChkAlternate");
    // In a thing the two worms take turns, so each element holds one of them.
    const double main_worm = w;
    const double alt = alternate ? WormCount(r, set.Index("RadioGroup2"), 0, true) : 0;
    if (alternate) w = WormCount(r, set.Index("RadioGroup2"), w, true);
    const bool series = r.On("chkTSerie");
    const double sa = series ? r.N("edSWTrig") : 0, se = series ? r.N("edSWETrig") : 0;
    const double q = series || r.On("chkTInterval") ? r.P("edSWPred") : 0;
    const double link = r.On("ChkTrLinkOn") ? r.P("EdTrLink") : 0;
    double total = 0;
    bool any = false;
    auto thing = [&](const char* on, auto elements_of, bool fan, bool trilobyt, bool horn) {
      if (!r.On(on)) return;
      any = true;
      const double e = elements_of();
      const double mirror = trilobyt && !r.On("chkSetMirrotOff") ? 2 : 1;
      const double element = mirror * w;
      const double series_q = trilobyt && r.On("chkMirrorS") ? 2 * q : q;
      total += alternate ? AlternatingElements(e, mirror * main_worm, mirror * alt, series, sa, se,
                                               series_q)
                         : Elements(e, element, series, sa, se, series_q);
      // A term a scene cannot hold fewer than none of (a start past the end, a
      // negative trigger) adds nothing.
      if (r.On("chkTInterval")) total += std::fmax(0, Divide(e, r.N("IntTrigger"))) * q;
      if (fan && r.On("ChkTentacle")) {
        total += std::fmax(0, e - r.N("EdTentStart")) * std::fmax(0, r.N("EdTentNumber")) *
                 (r.On("ChkWormAsTent") ? w : r.P("EdTentName"));
      }
      if (r.On("ChkTrLinkOn")) total += std::fmax(0, horn ? e : e - 1) * link;
    };
    auto n = [&](const char* name) { return [&r, name] { return r.N(name); }; };
    thing("ChkFanOn", n("EdTNumber"), true, false, false);
    thing("ChkWheelOn", n("EdTNumber"), true, false, false);
    thing("ChkTrilobyt", n("EdTrNumber"), false, true, false);
    thing("ChkAnemoneOn", n("EdANumber"), false, false, false);
    thing("ChkClusterOn", n("EdCNumber"), false, false, false);
    thing(
        "chkHornOn", [&] { return Divide(r.N("EdFinAng"), r.N("EdSmoothness")); }, false, false,
        true);
    thing("chkHullOn", n("edHullNumber"), false, false, false);
    if (any) {
      if (r.On("chkTailOn")) total += r.P("edTail");
      if (r.On("ChkTrHeadOn")) total += r.P("EdTrHead");
    }
    result.objects = any ? total : w;
  } catch (const CommandError& error) {
    result.status = Status::Error(error.message);
    return result;
  }
  result.text = GroupedWhole(result.objects);
  if (r.external)
    result.remark = "External objects used : they may concist of several sub-objects.";
  if (!(result.objects <= kTooManyObjects)) {
    result.warning = "The scene holds more than " + GroupedWhole(kTooManyObjects) +
                     " objects: too large to render in useful time and memory";
  }
  return result;
}

}  // namespace vermora
