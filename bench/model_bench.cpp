// Scene model build time beside the compose of the same scene, in one run.
// Usage: vermora_model_bench [REPETITIONS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "compose/composer.h"
#include "heavy_wheel.h"
#include "model/mesh_export.h"
#include "model/scene_model.h"
#include "params/parameter_set.h"

using namespace vermora;
using Timer = std::chrono::steady_clock;

namespace {

template <typename Work>
double Seconds(Work work) {
  const auto start = Timer::now();
  work();
  return std::chrono::duration<double>(Timer::now() - start).count();
}

struct Case {
  const char* name;
  ParameterSet set;
};

}  // namespace

int main(int argc, char** argv) {
  const int reps = argc > 1 ? std::atoi(argv[1]) : 5;
  if (reps <= 0 || argc > 2) {
    std::fprintf(stderr, "usage: vermora_model_bench [REPETITIONS]   (a whole number above 0)\n");
    return 2;
  }
  std::vector<Case> cases;
  cases.push_back({"default set (Wheel of 8 SpiralWorms)", ParameterSet()});
  cases.push_back({"heavy Wheel (400 arms, links, tentacles, scramble)", HeavyWheel()});
  {
    ParameterSet plain;
    plain.SetOn("ChkWheelOn", false);
    plain.SetText("EdNumber", "50000");
    cases.push_back({"heavy SpiralWorm (50000 segments)", plain});
  }
  {
    ParameterSet connected;  // a Connect macro call between each two segments
    connected.SetOn("ChkWheelOn", false);
    connected.SetText("EdNumber", "25000");
    connected.SetOn("chkJConnect", true);
    cases.push_back({"heavy SpiralWorm (25000 segments, connected)", connected});
  }
  std::printf("%-52s %9s %10s %10s %7s %10s\n", "case", "objects", "compose ms", "model ms",
              "ratio", "glb ms");
  for (const Case& c : cases) {
    ComposeResult composed;
    SceneModel model;
    double compose = 1e9, read = 1e9;
    for (int i = 0; i < reps; ++i) {
      compose = std::min(compose, Seconds([&] { composed = ComposeScene(c.set); }));
      read = std::min(read, Seconds([&] { model = ReadSceneModel(composed.scene); }));
    }
    MeshCounts counts;
    Status written = Status::Ok();
    const double glb = Seconds([&] {
      written = ExportMesh(model, "/tmp/vermora_model_bench.glb",
                           DefaultMeshDetail(model.instances.size()), &counts);
    });
    std::printf("%-52s %9zu %10.1f %10.1f %7.2f %10.0f%s%s\n", c.name, model.instances.size(),
                compose * 1e3, read * 1e3, read / compose, glb * 1e3,
                model.error.empty() ? "" : "  error: ", model.error.c_str());
    if (!written.ok()) std::printf("  %s\n", written.message().c_str());
  }
  std::remove("/tmp/vermora_model_bench.glb");
  return 0;
}
