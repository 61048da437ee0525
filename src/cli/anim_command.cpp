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
#include "anim/key_chain.h"
#include "anim/second_set.h"
#include "anim/video_call.h"
#include "common/file_io.h"
#include "common/run_program.h"
#include "params/settings_file.h"
#include "progress.h"
#include "render/job_list.h"
#include "render/renderer.h"
#include "scene/object_limit.h"
#include "talk.h"
#include "trust_check.h"

namespace fs = std::filesystem;
using namespace vermora;

namespace {

using cli::Fail;

int CurveIndex(const std::string& name) {
  const char* names[] = {"linear", "wave", "s-curve", "accelerate", "decelerate"};
  for (int i = 0; i < 5; ++i) {
    if (name == names[i]) return i;
  }
  return -1;
}

// Joins the frames from `first` on into a video; the frames stay whatever happens.
// The container and ffmpeg were checked before the first frame.
int MakeVideo(const std::string& dir, int first, const std::string& video, const std::string& fps) {
  const std::vector<std::string> call = VideoCall(dir, first, 0, video, fps);
  if (RunProgram(call, true) != 0) {
    std::cerr << "vermora-cli: ffmpeg could not make " << video << "; the frames are in " << dir
              << "\n";
    return cli::kNoVideo;
  }
  cli::Wrote(video);
  return 0;
}

}  // namespace

int AnimCommand(const cli::Args& a, const std::vector<std::string>& include_dirs) {
  ParameterSet set;
  if (Status s = LoadSettings(a.set_path, set); !s.ok())
    return Fail(a.SetName() + ": " + ErrorBoxText(s.message()));
  if (!TrustedForRender(a.SetName(), set, include_dirs, a.trust)) return kUntrustedExit;
  const bool chain = !a.then.empty() || a.loop;
  auto common = [&](ParameterSet& key) {
    if (!a.width.empty()) key.SetText("edImageW", a.width);
    if (!a.height.empty()) key.SetText("edImageH", a.height);
    if (!a.curve.empty()) key.SetIndex("RadioGroup5", CurveIndex(a.curve));
    key.SetOn("chkDelPovs", a.job_list ? false : key.On("chkDelPovs"));
  };
  std::vector<ParameterSet> keys = {set};
  std::vector<std::string> names = {a.SetName()};
  if (!a.end.empty()) names.push_back(a.end);
  names.insert(names.end(), a.then.begin(), a.then.end());
  for (size_t i = 1; i < names.size(); ++i) {
    ParameterSet key;
    if (Status s = LoadSettings(names[i], key); !s.ok())
      return Fail(names[i] + ": " + ErrorBoxText(s.message()));
    if (!TrustedForRender(names[i], key, include_dirs, a.trust)) return kUntrustedExit;
    keys.push_back(key);
  }
  if (chain && keys.size() < 2) return Fail("--loop needs a second key set (--then B.vmx)", 2);
  for (size_t i = 0; i < keys.size(); ++i) {
    if (const std::string problem = ObjectLimitProblem(keys[i], a.object_limit); !problem.empty())
      return Fail(names[i] + ": " + problem + ". A larger --max-objects renders it anyway.");
  }
  const size_t pairs = chain && a.loop ? keys.size() : keys.size() - 1;
  for (size_t i = 0; i < pairs; ++i) {
    const ParameterSet& next = keys[(i + 1) % keys.size()];
    if (std::string problem = FamilyProblem(keys[i], next); !problem.empty() && !a.force) {
      return Fail(names[i] + " and " + names[(i + 1) % names.size()] + ": " +
                  problem.substr(0, problem.find('\n')) +
                  " Use --force to animate between them anyway.");
    }
  }
  if (!chain && keys.size() == 2) {
    Diagnostics d;
    set = MixForAnimation(set, keys[1], d);
    cli::PrintWarnings(d.warnings);
  } else if (!chain && !set.On("chkAnim")) {
    set.SetOn("chkAnim", true);
    CopyFieldsToTwins(set);
  }
  int per_step = 10;  // a chain's frames a step, unless --frames says
  if (!a.frames.empty()) {
    char* end = nullptr;
    const long frames = std::strtol(a.frames.c_str(), &end, 10);
    if (*end != '\0' || frames < 1 || frames > 100000) {
      return Fail("--frames needs a whole number from 1 to 100000", 2);
    }
    per_step = static_cast<int>(frames);
  }
  if (!chain && !a.frames.empty()) {
    set.SetText("edTotalFrames", a.frames);
    set.SetText("edStartFrame", "1");
    set.SetText("edEndFrame", a.frames);
    set.SetText("edCountStart", "1");
  }
  common(set);
  for (ParameterSet& key : keys) common(key);

  // The video's container and its program are checked before the first frame, not after the last.
  if (!a.video.empty() && VideoCall(a.out, 1, 0, a.video, a.fps).empty()) {
    return Fail("a video is OUT.mp4, OUT.webm or OUT.gif, not " + a.video, 2);
  }
  if (!a.video.empty() && !a.job_list && !ProgramOnPath("ffmpeg")) {
    return Fail("--video needs ffmpeg, which is not installed (the package ffmpeg brings it)");
  }
  std::error_code ec;
  fs::create_directories(a.out, ec);
  if (!fs::is_directory(a.out)) return Fail("cannot create the folder " + a.out);
  FrameSeriesSettings settings;
  settings.folder = fs::absolute(a.out).string();
  if (settings.folder.back() != '/') settings.folder += '/';
  settings.povray = !a.povray.empty()               ? a.povray
                    : std::getenv("VERMORA_POVRAY") ? std::getenv("VERMORA_POVRAY")
                                                    : "/usr/bin/povray";
  settings.include_dirs = include_dirs;
  settings.jobs =
      a.jobs > 0 ? a.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  settings.share.work_threads = a.work_threads;
  settings.own_messages = true;  // a good frame leaves no messages behind

  JobList jobs(settings.folder);
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
  const int frames = chain ? KeyChainFrames(keys.size(), per_step, a.loop) : FramesToRender(set);
  cli::Progress progress(a.job_list ? "scenes" : "frames", frames);
  int done = 0;
  settings.after_frame = [&](const FrameReport& r) {
    if (!r.outcome.ok()) {
      std::cerr << "frame " << r.counter << ": " << r.outcome.failure << std::endl;
      if (!a.failure_log.empty()) {
        (void)WriteFileReplacing(
            a.failure_log, r.outcome.messages.empty() ? r.outcome.output : r.outcome.messages);
      }
      return false;
    }
    const std::string name =
        fs::path(r.scene_path).stem().string() + (a.job_list ? ".pov" : ".bmp");
    progress.Step("frame " + std::to_string(++done) + "/" + std::to_string(frames) + ": " +
                  (a.job_list ? "listed " : "wrote ") + settings.folder + name);
    return true;
  };
  const FrameSeriesResult result =
      chain ? RunKeyChain(keys, per_step, a.loop, settings) : RunFrameSeries(set, settings);
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
    cli::Wrote(settings.folder + "jobs.txt");
    if (!ProgramOnPath("parallel")) {
      cli::PrintWarnings(
          {"GNU Parallel is not installed here (the package parallel brings it); "
           "the host that runs the list needs it"});
    }
    cli::Note("On other hosts (see " + settings.folder + "README.txt), in " + settings.folder +
              ":\n  " + command);
    return 0;
  }
  if (!a.video.empty()) {
    const int first = chain ? 1 : std::max(0, std::atoi(set.Text("edCountStart").c_str()));
    return MakeVideo(settings.folder, first, a.video, a.fps);
  }
  return 0;
}
