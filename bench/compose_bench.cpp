// Compose throughput beside a plain buffered write of the same bytes, in one run.
// Usage: vermora_bench [repetitions]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "params/parameter_set.h"
#include "scene/composer.h"

using namespace vermora;
using Timer = std::chrono::steady_clock;

namespace {

struct Case {
  const char* name;
  ParameterSet set;
};

double Seconds(Timer::time_point a, Timer::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

// The baseline: the same bytes through a buffered file write.
double PlainWrite(const std::string& bytes, int reps) {
  const auto start = Timer::now();
  for (int r = 0; r < reps; ++r) {
    std::FILE* f = std::fopen("/tmp/vermora_bench_plain.pov", "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return Seconds(start, Timer::now());
}

double ComposeWrite(const ParameterSet& set, int reps) {
  const auto start = Timer::now();
  for (int r = 0; r < reps; ++r) {
    (void)ComposeSceneToFile(set, "/tmp/vermora_bench_scene.pov");
  }
  return Seconds(start, Timer::now());
}

}  // namespace

int main(int argc, char** argv) {
  const int reps = argc > 1 ? std::atoi(argv[1]) : 20;
  if (reps <= 0) {
    std::fprintf(stderr, "usage: vermora_bench [REPETITIONS]   (a whole number above 0)\n");
    return 2;
  }
  std::vector<Case> cases;
  {
    ParameterSet heavy;
    heavy.SetOn("ChkWheelOn", false);
    heavy.SetText("EdNumber", "5000");
    heavy.SetText("edSplitTrig", "2500");
    heavy.SetOn("chkJConnect", true);
    cases.push_back({"heavy SpiralWorm (5000 segments, split, connected)", heavy});
  }
  auto worm = [&](const char* name, int choice, std::vector<std::pair<const char*, const char*>> texts,
                  std::vector<const char*> switches) {
    ParameterSet set;
    set.SetOn("ChkWheelOn", false);
    set.SetIndex("RadioGroup1", choice);
    for (const auto& [field, text] : texts) set.SetText(field, text);
    for (const char* field : switches) set.SetOn(field, true);
    cases.push_back({name, set});
  };
  worm("heavy CurlWorm (5000 segments, husk, x offset)", 1,
       {{"EdRNumber", "5000"}, {"edCHuskST", "100"}, {"edCHuskET", "900"}},
       {"chkCHuskOn", "ChkXOffset", "chkAltRS"});
  worm("heavy DoubleSpiral (5000 segments, connected)", 2,
       {{"edDSNumber", "5000"}, {"edSideTrigger", "50"}}, {"chkDSConnect", "chkSOOn", "chkAltDSS"});
  worm("heavy FormWorm (5000 segments)", 5, {{"edFWNumber", "5000"}}, {"chkAltFWS"});
  worm("heavy TwoDWorm (1000 segments, 5 levels, connected)", 6,
       {{"edTDNumber", "1000"}, {"edRecLevel", "5"}, {"edRecNumber", "4"}},
       {"chkRecTD", "chkTDConnect", "chkAltTDS"});
  worm("TorusSpline (default points)", 7, {}, {});
  worm("PredefWorm", 3, {}, {});
  cases.push_back({"default set (Wheel of 8 SpiralWorms)", ParameterSet()});
  {
    ParameterSet wheel;
    wheel.SetText("EdTNumber", "400");
    wheel.SetText("EdNumber", "300");
    for (const char* on : {"ChkTentacle", "ChkTrLinkOn", "chkScrambleS", "chkScrambleR", "ChkWave"}) {
      wheel.SetOn(on, true);
    }
    wheel.SetText("EdTentStart", "0");
    wheel.SetText("EdTentNumber", "6");
    cases.push_back({"heavy Wheel (400 arms, links, tentacles, scramble)", wheel});
  }
  {
    ParameterSet branched;
    branched.SetOn("ChkWheelOn", false);
    branched.SetText("EdNumber", "3000");
    for (const char* on : {"ChkBranchON", "ChkTopOn", "chkHelixOn", "chkCoatOn"}) branched.SetOn(on, true);
    branched.SetText("edBRLevel", "3");
    branched.SetText("edHTus", "2");
    cases.push_back({"heavy SpiralWorm attachments (3000, 3 levels, helix)", branched});
  }

  auto thing = [&](const char* name, const char* on, std::vector<std::pair<const char*, const char*>> texts) {
    ParameterSet set;
    set.SetOn("ChkWheelOn", false);
    set.SetOn(on, true);
    set.SetText("EdNumber", "100");
    for (const char* extra : {"ChkTrLinkOn", "chkTSerie", "chkTInterval", "chkScrambleS", "chkScrambleR"}) {
      set.SetOn(extra, true);
    }
    set.SetText("edSWTrig", "10");
    set.SetText("edSWETrig", "20");
    set.SetText("IntTrigger", "7");
    for (const auto& [field, text] : texts) set.SetText(field, text);
    cases.push_back({name, set});
  };
  thing("heavy Trilobyt (3000 ribs, links, second worms)", "ChkTrilobyt", {{"EdTrNumber", "3000"}});
  thing("heavy Anemone (3000 worms, second worms)", "ChkAnemoneOn", {{"EdANumber", "3000"}});
  thing("heavy Cluster (3000 worms, scale, rotations)", "ChkClusterOn", {{"EdCNumber", "3000"}});
  cases.back().set.SetOn("ChkCScaleOn", true);
  for (const char* on : {"ChkCRotXOn", "chkCRotYOn", "chkCRotZOn"}) cases.back().set.SetOn(on, true);
  thing("heavy Horn (3000 worms, second worms)", "chkHornOn", {{"EdFinAng", "3000"}, {"EdSmoothness", "1"}});
  thing("heavy Hull (3000 worms, second worms)", "chkHullOn", {{"edHullNumber", "3000"}});

  std::printf("%-52s %10s %12s %12s %8s\n", "scene", "bytes", "compose MB/s", "write MB/s", "ratio");
  for (const Case& c : cases) {
    const ComposeResult once = ComposeScene(c.set);
    const double compose = ComposeWrite(c.set, reps);
    const double plain = PlainWrite(once.scene, reps);
    const double mb = static_cast<double>(once.scene.size()) * reps / 1e6;
    std::printf("%-52s %10zu %12.1f %12.1f %7.2fx   %.3f ms/scene\n", c.name, once.scene.size(),
                mb / compose, mb / plain, compose / plain, compose / reps * 1000);
  }
  return 0;
}
