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
#include "job_list.h"
#include "run_program.h"
#include "trust_check.h"

namespace fs = std::filesystem;
using namespace vermora;

namespace {

int Fail(const std::string& message, int code = 1) {
  std::cerr << "vermora-cli: " << message << "\n";
  return code;
}

int CurveIndex(const std::string& name) {
  const char* names[] = {"linear", "wave", "s-curve", "accelerate", "decelerate"};
  for (int i = 0; i < 5; ++i) {
    if (name == names[i]) return i;
  }
  return -1;
}

int MakeVideo(const std::string& dir, const std::string& video) {
  if (!ProgramOnPath("ffmpeg")) {
    std::cerr << "vermora-cli: ffmpeg is not installed, so no video was made; install it with\n"
                 "  sudo apt-get install ffmpeg\nand run: ffmpeg -framerate 10 -i '"
              << dir << "anim%03d.bmp' " << video << "\n";
    return cli::kNoVideo;
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

int AnimCommand(const cli::Args& a, const std::vector<std::string>& include_dirs) {
  ParameterSet set;
  if (Status s = LoadSettings(a.set_path, set); !s.ok()) return Fail(a.set_path + ": " + ErrorBoxText(s.message()));
  if (!TrustedForRender(a.set_path, set, include_dirs, a.trust)) return kUntrustedExit;
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
  settings.include_dirs = include_dirs;
  settings.jobs = a.jobs > 0 ? a.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

  cli::JobList jobs(settings.folder);
  if (a.job_list) {
    settings.jobs = 1;
    settings.own_messages = true;  // the job list's renders may run at once
    settings.render = [&](const RenderInvocation& inv) {
      jobs.Add(inv);
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
    std::string command;
    if (Status s = jobs.Finish(include_dirs, command); !s.ok()) return Fail(s.message());
    std::cout << settings.folder << "jobs.txt\n"
              << "On other hosts (see " << settings.folder << "README.txt), in " << settings.folder << ":\n  "
              << command << "\n";
    return 0;
  }
  if (!a.video.empty()) return MakeVideo(settings.folder, a.video);
  return 0;
}
