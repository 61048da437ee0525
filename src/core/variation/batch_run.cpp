#include "variation/batch_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "common/file_io.h"
#include "common/run_program.h"
#include "compose/composer.h"
#include "params/settings_file.h"
#include "render/command_line.h"
#include "render/job_list.h"
#include "scene/object_count.h"
#include "variation/breeding.h"
#include "variation/evolve.h"
#include "variation/lineage.h"
#include "variation/mutate.h"
#include "variation/random_engine.h"
#include "variation/variations.h"
#include "variation/weak_child.h"

namespace vermora {
namespace fs = std::filesystem;
namespace {

// Says `what` through `talk` and gives `code`.
int Fail(const BatchTalk& talk, const std::string& what, int code = 1) {
  if (talk.fail) talk.fail(what);
  return code;
}
void Say(const std::function<void(const std::string&)>& to, const std::string& what) {
  if (to) to(what);
}

std::string ChildName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "child_%03d", i + 1);
  return name;
}

// Child i comes from the parent alone with the clock at seed + i, so a resumed
// batch with the same arguments makes the same children.
EngineResult MakeChild(const BatchSettings& args, const ParameterSet& parent,
                       const GeneLocks& locks, int i, const std::string& work,
                       ParameterSet& child) {
  child = parent;
  FixedClock clock(args.seed + static_cast<std::uint32_t>(i));
  Random random;
  std::error_code ec;
  fs::remove_all(work, ec);
  fs::create_directories(work, ec);
  EngineOptions options{&random, &clock, work, &locks};
  if (args.engine == "random") return RunRandomEngine(child, options);
  if (args.engine == "evolve") return RunEvolve(child, options);
  if (args.engine == "mutate") return RunMutate(child, options);
  return BreedWithFile(child, args.partner_path, options);
}

// index.txt: each child's set, seed and what became of it.
bool WriteIndex(const BatchSettings& args, const std::string& dir,
                const std::vector<std::string>& status) {
  std::ostringstream index;
  for (size_t i = 0; i < status.size(); ++i) {
    index << ChildName(static_cast<int>(i)) << ".vmx " << args.seed + static_cast<std::uint32_t>(i)
          << " " << status[i] << "\n";
  }
  return WriteFileReplacing(dir + "index.txt", index.str()).ok();
}

// Writes each child's scene beside its set and a job list that renders them on
// other hosts; the pictures come back as child_001.bmp ..., where a rerun with
// --resume finds them and makes the contact sheet.
int WriteBatchJobs(const BatchSettings& args, const std::string& dir,
                   const std::vector<ParameterSet>& sets, const std::vector<int>& index,
                   std::vector<std::string>& status, const BatchTalk& talk) {
  JobList jobs(dir);
  for (size_t k = 0; k < sets.size(); ++k) {
    const std::string name = ChildName(index[k]);
    ParameterSet sized = sets[k];
    sized.SetText("edImageW", args.width);
    sized.SetText("edImageH", args.height);
    // The scenes stay in the user's folder with their pictures.
    if (Status s =
            ComposeSceneToFile(sized, dir + name + ".pov", nullptr, {}, nullptr, FileUse::kKept);
        !s.ok()) {
      status[index[k]] = "rejected: " + s.message();
      Fail(talk, name + ": " + s.message());
      continue;
    }
    RenderInvocation call =
        TranslateCommandLine(RenderCommandLine(args.povray, dir, name + ".pov", args.width,
                                               args.height, sized.On("chkAntiA"), name + ".bmp"),
                             args.include_dirs);
    for (std::string& arg : call.args) {
      if (arg.rfind("All_File=", 0) == 0) arg = "All_File=" + name + ".out";
    }
    jobs.Add(call);
    status[index[k]] = "listed";
  }
  std::string command;
  if (Status s = jobs.Finish(args.include_dirs, command); !s.ok()) return Fail(talk, s.message());
  if (!WriteIndex(args, dir, status)) return Fail(talk, "cannot write " + dir + "index.txt");
  Say(talk.wrote, dir + "jobs.txt");
  Say(talk.note, "On other hosts (see " + dir + "README.txt), in " + dir + ":\n  " + command);
  return 0;
}

}  // namespace

int RunBatch(const BatchSettings& args, const ParameterSet& parent, const GeneLocks& locks,
             const BatchTalk& talk) {
  if (args.out.empty()) return Fail(talk, "batch needs -o DIR", 2);
  if (args.engine != "random" && args.engine != "evolve" && args.engine != "mutate" &&
      args.engine != "breed") {
    return Fail(talk, "--engine must be random, evolve, mutate or breed", 2);
  }
  if (args.engine == "breed" && args.partner_path.empty())
    return Fail(talk, "breed needs --partner B.vmx", 2);
  if (args.count < 1) return Fail(talk, "--count needs a whole number of at least 1", 2);
  if (args.contact_sheet && !args.job_list && !ProgramOnPath("montage")) {
    return Fail(
        talk,
        "the contact sheet needs ImageMagick's montage, which is not installed (the package "
        "imagemagick brings it); install it, or add --no-contact-sheet");
  }
  std::error_code ec;
  if (fs::exists(args.out) && !fs::is_empty(args.out, ec) && !args.resume) {
    return Fail(talk, args.out + " already holds files; use --resume to continue a batch there", 2);
  }
  fs::create_directories(args.out, ec);
  const std::string dir = (fs::path(args.out) / "").string();
  const std::string work = dir + ".work/";

  std::vector<ParameterSet> to_render;
  std::vector<int> render_index;
  std::vector<std::string> status(args.count);
  const double limit = args.max_objects > 0 ? args.max_objects : kTooManyObjects;
  for (int i = 0; i < args.count; ++i) {
    const std::string name = dir + ChildName(i);
    ParameterSet child;
    EngineResult made = MakeChild(args, parent, locks, i, work + "engine/", child);
    if (!made.status.ok()) return Fail(talk, made.status.message());
    if (!fs::exists(name + ".vmx")) {
      if (Status s = SaveSettings(name + ".vmx", child); !s.ok()) return Fail(talk, s.message());
      std::vector<std::string> parents;
      if (!args.set_path.empty()) parents.push_back(fs::absolute(args.set_path).string());
      if (!args.partner_path.empty()) parents.push_back(fs::absolute(args.partner_path).string());
      std::vector<std::string> warnings;
      FixedClock clock(args.seed + static_cast<std::uint32_t>(i));
      (void)WriteLineageFile(name + ".vmx",
                             MakeLineage(args.engine, parents, args.seed + i, clock, warnings));
    }
    if (const std::string weak = WeakChildReason(child, limit); !weak.empty()) {
      status[i] = "dropped: " + weak;
      Say(talk.note, ChildName(i) + " " + status[i]);
      continue;
    }
    if (fs::exists(name + ".bmp")) {
      status[i] = "rendered";
      continue;
    }
    to_render.push_back(child);
    render_index.push_back(i);
  }
  if (args.stop_after > 0 && static_cast<int>(to_render.size()) > args.stop_after) {
    to_render.resize(args.stop_after);
    render_index.resize(args.stop_after);
  }

  if (args.job_list) {
    fs::remove_all(work, ec);
    return WriteBatchJobs(args, dir, to_render, render_index, status, talk);
  }

  RenderJobsOptions options;
  options.povray = args.povray.empty() ? "/usr/bin/povray" : args.povray;
  options.include_dirs = args.include_dirs;
  options.folder = work;
  options.width = args.width;
  options.height = args.height;
  const unsigned cores = std::thread::hardware_concurrency();
  options.concurrency = args.jobs > 0 ? args.jobs : static_cast<int>(cores ? cores : 1);
  // Threads the share leaves: as many one-thread renders side by side.
  if (args.share.work_threads > 0) options.concurrency = args.share.work_threads;
  options.single_thread = true;
  options.nice = args.share.nice;
  options.cancel = args.cancel;
  if (talk.starting) talk.starting(static_cast<int>(to_render.size()));
  options.finished = [&](size_t k, const RenderOutcome& outcome) {
    if (talk.step)
      talk.step(ChildName(render_index[k]) + " " +
                    (outcome.ok() ? "rendered" : "rejected: " + outcome.failure),
                !outcome.ok());
  };
  const auto start = std::chrono::steady_clock::now();
  const std::vector<RenderJobOutcome> outcomes = RenderScenes(to_render, options);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  int rejected = 0;
  for (size_t k = 0; k < outcomes.size(); ++k) {
    const int i = render_index[k];
    if (!outcomes[k].render.ok()) {
      ++rejected;
      status[i] = "rejected: " + outcomes[k].render.failure;
      continue;
    }
    // The picture goes through a temporary name so a stop never leaves half a picture.
    const std::string png = dir + ChildName(i) + ".bmp";
    fs::copy_file(outcomes[k].image_path, png + ".part", fs::copy_options::overwrite_existing, ec);
    fs::rename(png + ".part", png, ec);
    status[i] = ec ? "rejected: cannot keep the picture" : "rendered";
  }
  fs::remove_all(work, ec);
  if (args.stop_after > 0) {
    Say(talk.note, "stopped after " + std::to_string(outcomes.size()) + " renders");
    return 4;
  }

  if (!WriteIndex(args, dir, status)) return Fail(talk, "cannot write " + dir + "index.txt");
  Say(talk.wrote, dir + "index.txt");
  std::ostringstream summary;
  summary << outcomes.size() << " sets rendered in " << seconds << " s with " << options.concurrency
          << " at once (" << (seconds > 0 ? outcomes.size() * 60.0 / seconds : 0)
          << " sets per minute)";
  Say(talk.note, summary.str());
  if (args.contact_sheet) {
    std::vector<std::string> montage = {"montage", "-label", "%t", "-geometry",
                                        "+2+2",    "-tile",  "6x"};
    for (int i = 0; i < args.count; ++i) {
      if (status[i] == "rendered") montage.push_back(dir + ChildName(i) + ".bmp");
    }
    montage.push_back(dir + "contact.png");
    if (montage.size() == 8) {
      Say(talk.note, "no child was rendered, so there is no contact sheet");
    } else if (RunProgram(montage, true) != 0) {
      return Fail(talk, "montage could not make " + dir + "contact.png");
    } else {
      Say(talk.wrote, dir + "contact.png");
    }
  }
  return rejected ? 3 : 0;
}

}  // namespace vermora
