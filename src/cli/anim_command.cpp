#include "anim_command.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "anim/frame_series.h"
#include "anim/second_set.h"
#include "params/settings_file.h"
#include "render/renderer.h"
#include "run_program.h"
#include "trust_check.h"

namespace fs = std::filesystem;
using namespace vermora;

namespace {

constexpr const char* kAnimUsage =
    "usage: vermora-cli anim START.vmx [--end END.vmx] [--frames N] [--width W] [--height H]\n"
    "         [--curve linear|wave|s-curve|accelerate|decelerate] [--jobs N] [--povray PATH]\n"
    "         [--force] [--trust] [--job-list] [--video OUT.gif|OUT.mp4] -o DIR\n"
    "  Renders the frames anim001.bmp ... into DIR. Without --end the set's own end\n"
    "  values are used. --job-list writes the frame scenes and DIR/jobs.txt for\n"
    "  GNU Parallel (parallel --sshlogin ... < jobs.txt) instead of rendering.\n";

struct AnimArgs {
  std::string start, end, out, frames, width, height, curve, povray, video;
  int jobs = 0;
  bool force = false, job_list = false, trust = false;
};

int Fail(const std::string& message, int code = 1) {
  std::cerr << "vermora-cli: " << message << "\n";
  return code;
}

bool Parse(int argc, char** argv, AnimArgs& a, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) {
        error = arg + " needs a value";
        return false;
      }
      into = argv[++i];
      return true;
    };
    std::string jobs;
    bool ok = true;
    if (arg == "-h" || arg == "--help") {
      std::cout << kAnimUsage;
      std::exit(0);
    }
    if (arg == "--end") ok = value(a.end);
    else if (arg == "-o" || arg == "--output") ok = value(a.out);
    else if (arg == "--frames") ok = value(a.frames);
    else if (arg == "--width") ok = value(a.width);
    else if (arg == "--height") ok = value(a.height);
    else if (arg == "--curve") ok = value(a.curve);
    else if (arg == "--povray") ok = value(a.povray);
    else if (arg == "--video") ok = value(a.video);
    else if (arg == "--force") a.force = true;
    else if (arg == "--trust") a.trust = true;
    else if (arg == "--job-list") a.job_list = true;
    else if (arg == "--jobs") {
      ok = value(jobs);
      if (ok && (a.jobs = std::atoi(jobs.c_str())) <= 0) {
        error = "--jobs needs a whole number above 0";
        return false;
      }
    } else if (!arg.empty() && arg[0] == '-') {
      error = "unknown option " + arg;
      return false;
    } else if (a.start.empty()) {
      a.start = arg;
    } else {
      error = "unexpected argument " + arg;
      return false;
    }
    if (!ok) return false;
  }
  if (a.start.empty()) error = "anim needs START.vmx";
  if (a.out.empty()) error = "anim needs -o DIR";
  return error.empty();
}

int CurveIndex(const std::string& name) {
  const char* names[] = {"linear", "wave", "s-curve", "accelerate", "decelerate"};
  for (int i = 0; i < 5; ++i) {
    if (name == names[i]) return i;
  }
  return -1;
}

// A line GNU Parallel can run on any host that shares DIR: the translated
// renderer call, run in the frame's folder.
std::string JobLine(const RenderInvocation& inv) {
  auto quote = [](const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  };
  std::string line = "cd " + quote(inv.working_dir) + " && " + quote(inv.program);
  for (const std::string& arg : inv.args) line += " " + quote(arg);
  return line;
}

int MakeVideo(const std::string& dir, const std::string& video) {
  if (!ProgramOnPath("ffmpeg")) {
    std::cerr << "vermora-cli: ffmpeg is not installed, so no video was made; install it with\n"
                 "  sudo apt-get install ffmpeg\nand run: ffmpeg -framerate 10 -i '"
              << dir << "anim%03d.bmp' " << video << "\n";
    return 4;
  }
  if (RunProgram({"ffmpeg", "-loglevel", "error", "-y", "-framerate", "10", "-i", dir + "anim%03d.bmp",
                  video},
                 true) != 0) {
    return Fail("ffmpeg could not make " + video);
  }
  std::cout << fs::absolute(video).string() << "\n";
  return 0;
}

}  // namespace

int AnimCommand(int argc, char** argv) {
  AnimArgs a;
  std::string error;
  if (!Parse(argc, argv, a, error)) {
    std::cerr << "vermora-cli: " << error << "\n" << kAnimUsage;
    return 2;
  }
  ParameterSet set;
  if (Status s = LoadSettings(a.start, set); !s.ok()) return Fail(a.start + ": " + ErrorBoxText(s.message()));
  const std::vector<std::string> include_dirs = {std::getenv("VERMORA_DATA") ? std::getenv("VERMORA_DATA")
                                                                              : VERMORA_DATA_DIR};
  if (!TrustedForRender(a.start, set, include_dirs, a.trust)) return kUntrustedExit;
  if (!a.end.empty()) {
    ParameterSet end;
    if (Status s = LoadSettings(a.end, end); !s.ok()) return Fail(a.end + ": " + ErrorBoxText(s.message()));
    if (!TrustedForRender(a.end, end, include_dirs, a.trust)) return kUntrustedExit;
    if (std::string problem = FamilyProblem(set, end); !problem.empty() && !a.force) {
      return Fail(problem.substr(0, problem.find('\n')) + " Use --force to animate between them anyway.");
    }
    Diagnostics d;
    set = MixForAnimation(set, end, d);
    for (const std::string& w : d.warnings) std::cerr << "warning: " << w << "\n";
  } else if (!set.On("chkAnim")) {
    set.SetOn("chkAnim", true);
    CopyFieldsToTwins(set);
  }
  if (!a.frames.empty()) {
    set.SetText("edTotalFrames", a.frames);
    set.SetText("edStartFrame", "1");
    set.SetText("edEndFrame", a.frames);
    set.SetText("edCountStart", "1");
  }
  if (!a.width.empty()) set.SetText("edImageW", a.width);
  if (!a.height.empty()) set.SetText("edImageH", a.height);
  if (!a.curve.empty()) {
    const int curve = CurveIndex(a.curve);
    if (curve < 0) return Fail("unknown curve " + a.curve, 2);
    set.SetIndex("RadioGroup5", curve);
  }
  set.SetOn("chkDelPovs", a.job_list ? false : set.On("chkDelPovs"));

  std::error_code ec;
  fs::create_directories(a.out, ec);
  if (!fs::is_directory(a.out)) return Fail("cannot create the folder " + a.out);
  FrameSeriesSettings settings;
  settings.folder = fs::absolute(a.out).string();
  if (settings.folder.back() != '/') settings.folder += '/';
  settings.povray = !a.povray.empty() ? a.povray : std::getenv("VERMORA_POVRAY") ? std::getenv("VERMORA_POVRAY") : "/usr/bin/povray";
  settings.include_dirs = {std::getenv("VERMORA_DATA") ? std::getenv("VERMORA_DATA") : VERMORA_DATA_DIR};
  settings.jobs = a.jobs > 0 ? a.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

  std::ofstream jobs;
  if (a.job_list) {
    jobs.open(settings.folder + "jobs.txt", std::ios::binary);
    settings.jobs = 1;
    settings.own_messages = true;  // the job list's renders may run at once
    settings.render = [&](const RenderInvocation& inv) {
      jobs << JobLine(inv) << "\n";
      RenderOutcome written;
      written.started = true;
      written.exit_code = 0;
      return written;
    };
  } else if (std::string problem = RendererPathProblem(settings.povray); !problem.empty()) {
    return Fail(problem);
  }
  settings.after_frame = [&](const FrameReport& r) {
    if (!r.outcome.ok()) {
      std::cerr << "frame " << r.counter << ": " << r.outcome.failure << "\n";
      return false;
    }
    if (!a.job_list) std::cout << settings.folder << fs::path(r.scene_path).stem().string() << ".bmp\n";
    return true;
  };
  const FrameSeriesResult result = RunFrameSeries(set, settings);
  std::vector<std::string> said;
  for (const std::string& w : result.warnings) {
    if (std::find(said.begin(), said.end(), w) == said.end()) std::cerr << "warning: " << w << "\n";
    said.push_back(w);
  }
  fs::remove(settings.folder + "_anim.vmx", ec);  // the start set, already put back
  if (!result.status.ok()) return Fail(ErrorBoxText(result.status.message()), 3);
  if (a.job_list) {
    std::cout << settings.folder << "jobs.txt\n";
    return 0;
  }
  if (!a.video.empty()) return MakeVideo(settings.folder, a.video);
  return 0;
}
