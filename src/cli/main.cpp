// vermora-cli: compose, render and keep parameter sets without a window.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "anim_command.h"
#include "band_command.h"
#include "batch_command.h"
#include "command_line.h"
#include "common/data_folder.h"
#include "common/examples.h"
#include "common/file_io.h"
#include "compose/composer.h"
#include "io_args.h"
#include "model/include_library.h"
#include "model/mesh_export.h"
#include "model/mesh_union.h"
#include "model/scene_model.h"
#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "picture/png_set_chunk.h"
#include "progress.h"
#include "queue_command.h"
#include "render/file_directives.h"
#include "render/render_command.h"
#include "render/sandbox.h"
#include "scene/object_count.h"
#include "scene/object_limit.h"
#include "still_files.h"
#include "talk.h"
#include "texture_command.h"
#include "trust_check.h"
#include "variation/breeding.h"
#include "variation/evolve.h"
#include "variation/gene_locks.h"
#include "variation/lineage.h"
#include "variation/mutate.h"
#include "variation/random_engine.h"
#include "variation/variations.h"

namespace fs = std::filesystem;
using namespace vermora;

namespace {

using cli::Args;
using cli::Fail;
using cli::PrintWarnings;
using cli::Wrote;

bool LoadSet(const Args& args, ParameterSet& set) {
  if (args.set_path.empty()) return true;
  if (Status s = LoadSettings(args.set_path, set); !s.ok()) {
    Fail(args.SetName() + ": " + ErrorBoxText(s.message()));
    return false;
  }
  return true;
}

// Our include files, for the commands that render; empty (and said why) when
// the data folder cannot be found.
std::vector<std::string> IncludeDirs() {
  const DataFolder data = ProgramDataFolder();
  if (!data.path.empty()) return {data.path};
  Fail(data.Problem());
  return {};
}

std::string PovrayPath(const Args& args) {
  if (!args.povray.empty()) return args.povray;
  if (const char* env = std::getenv("VERMORA_POVRAY")) return env;
  return "/usr/bin/povray";
}

int Compose(const Args& args, const ParameterSet& set) {
  std::vector<std::string> warnings;
  Status s = ExportScene(set, args.out, !args.pov22, &warnings, nullptr, args.clock);
  PrintWarnings(warnings);
  if (!s.ok()) return Fail(args.out + ": " + ErrorBoxText(s.message()));
  Wrote(args.out);
  return 0;
}

int MeshCommand(const Args& args, const ParameterSet& set) {  // its format checked as it began
  MeshFormat format = MeshFormat::kGlb;
  MeshFormatFor(args.out, format);
  if (args.merge && format != MeshFormat::kStl)
    return Fail("--union writes one solid as an STL; name an .stl file (or --format stl)");
  ComposeOptions options;
  options.clock = args.clock;
  ComposeResult composed = ComposeScene(set, options);
  PrintWarnings(composed.warnings);
  if (!composed.status.ok()) return Fail(ErrorBoxText(composed.status.message()));
  const DataFolder data = ProgramDataFolder();
  IncludeLibrary includes(WithPovrayDirs(data.path.empty() ? std::vector<std::string>{}
                                                           : std::vector<std::string>{data.path}));
  const SceneModel model = ReadSceneModel(composed.scene, &includes);
  if (!model.error.empty()) return Fail("cannot read the scene: " + model.error);
  PrintWarnings(model.notes);
  if (model.stand_ins > 0) {
    std::cerr << "warning: " << model.stand_ins << " objects could not be read and are boxes\n";
  }
  MeshCounts counts;
  const int detail = args.detail > 0 ? args.detail : DefaultMeshDetail(model.instances.size());
  MeshPlacement placement;
  placement.z_up = args.up.empty() ? format == MeshFormat::kStl : args.up == "z";
  placement.scale = args.scale;
  const Status s = args.merge ? ExportUnionStl(model, args.out, detail, &counts, placement)
                              : ExportMesh(model, args.out, detail, &counts, placement);
  if (!s.ok()) return Fail(args.out + ": " + s.message());
  Wrote(args.out);
  cli::Note(std::to_string(counts.objects) + " objects, " + std::to_string(counts.triangles) +
            " triangles" +
            (counts.parts ? ", " + std::to_string(counts.parts) + " parts" : std::string()) +
            (args.merge ? ", one solid" : std::string()));
  if (counts.left_out > 0) {
    std::cerr << "warning: " << counts.left_out
              << " objects enclose no solid (flat, or crossing themselves) and were left out\n";
  }
  return 0;
}

int Estimate(const ParameterSet& set) {
  const ObjectEstimate estimate = EstimateObjects(set);
  if (!estimate.status.ok()) return Fail(ErrorBoxText(estimate.status.message()));
  std::cout << "Your Thing contains ca. " << estimate.text << " objects.\n";
  if (!estimate.remark.empty()) std::cout << estimate.remark << "\n";
  if (!estimate.warning.empty()) std::cerr << "warning: " << estimate.warning << "\n";
  return 0;
}

int Render(const Args& args, ParameterSet& set, const std::vector<std::string>& include_dirs) {
  const std::string format = cli::LowerExtension(args.out);  // checked as the command began
  const std::string as_designed = SettingsText(set);         // a PNG carries the set as given
  if (!args.width.empty()) set.SetText("edImageW", args.width);
  if (!args.height.empty()) set.SetText("edImageH", args.height);
  if (args.antialias) set.SetOn("chkAntiA", true);
  const std::string povray = PovrayPath(args);
  if (!args.hosts.empty() && (args.parts < 1 || !args.job_list_dir.empty()))
    return Fail("--hosts renders the parts of --parts N here, without --job-list", cli::kUsage);
  if (args.parts > 0 || !args.job_list_dir.empty())
    return cli::RenderInBands(args, set, as_designed, include_dirs, povray);
  if (std::string problem = RendererPathProblem(povray); !problem.empty()) return Fail(problem);

  const cli::WorkFolder work(args.keep_work);
  if (work.path().empty()) return Fail("cannot create a working folder in /tmp");
  const std::string& folder = work.path();
  RenderSetup setup;
  setup.povray_path = povray;
  setup.folder = folder;
  setup.include_dirs = include_dirs;
  setup.share.work_threads = args.work_threads;
  setup.compose.clock = args.clock;
  setup.image_name = format == ".png" ? "TEMP.png" : "TEMP.BMP";
  PreparedRender prepared;
  const auto start = std::chrono::steady_clock::now();
  const RenderOutcome outcome = RenderScene(set, setup, args.timeout, &prepared);
  if (cli::Verbose()) std::cerr << outcome.output << outcome.messages;
  PrintWarnings(prepared.warnings);
  if (!prepared.status.ok()) return Fail(ErrorBoxText(prepared.status.message()));
  if (!outcome.ok()) return cli::RenderFailed(outcome, args.keep_work, folder, args.failure_log);
  const RenderInvocation& inv = prepared.invocation;
  if (setup.image_name == "TEMP.png") {
    if (Status s = EmbedSetInPng(inv.image_path, as_designed); !s.ok()) return Fail(s.message());
  }
  if (const int code = cli::WritePicture(inv.image_path, args.out); code != 0) return code;
  cli::Detail("rendered in " +
              std::to_string(
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()) +
              " s");
  return 0;
}

bool ParseSeed(const std::string& text, std::uint32_t& seed) {
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || text[0] == '-' || value > 0xFFFFFFFFull) return false;
  seed = static_cast<std::uint32_t>(value);
  return true;
}

bool GatherLocks(const Args& args, GeneLocks& locks);

int Variations(const Args& args, const ParameterSet& set,
               const std::vector<std::string>& include_dirs) {
  EngineKind engine;
  if (!EngineFromName(args.engine, engine)) return Fail("unknown engine " + args.engine, 2);
  if (args.count < 1 || args.count > 100) return Fail("--count needs 1 to 100", 2);
  std::uint32_t seed = SystemClock().MillisecondsOfDayUtc();
  if (!args.seed.empty() && !ParseSeed(args.seed, seed)) {
    return Fail("--seed needs a whole number from 0 to 4294967295", 2);
  }
  const std::string povray = PovrayPath(args);
  if (std::string problem = RendererPathProblem(povray); !problem.empty()) return Fail(problem);
  std::string work = (fs::temp_directory_path() / "vermora-XXXXXX").string();
  if (!mkdtemp(work.data())) return Fail("cannot create a working folder in /tmp");
  work += "/";
  GeneLocks locks;
  if (!GatherLocks(args, locks)) return 2;
  Variants variants = MakeVariants(set, engine, seed, args.count, work, &locks);
  PrintWarnings(variants.warnings);
  if (!variants.status.ok()) return Fail(ErrorBoxText(variants.status.message()));

  std::error_code ec;
  fs::create_directories(args.out, ec);
  const std::string dir = (fs::path(args.out) / "").string();
  RenderJobsOptions options;
  options.povray = povray;
  options.include_dirs = include_dirs;
  options.folder = work;
  if (!args.width.empty()) options.width = args.width;
  if (!args.height.empty()) options.height = args.height;
  const unsigned cores = std::thread::hardware_concurrency();
  options.concurrency = args.jobs > 0 ? args.jobs : static_cast<int>(cores ? cores : 1);
  options.timeout_seconds = args.timeout;
  cli::Progress progress("variants", static_cast<int>(variants.sets.size()));
  options.finished = [&](size_t i, const RenderOutcome& outcome) {
    progress.Step(
        "variant " + std::to_string(i + 1) + ": " + (outcome.ok() ? "rendered" : outcome.failure),
        !outcome.ok());
  };
  const auto start = std::chrono::steady_clock::now();
  const std::vector<RenderJobOutcome> outcomes = RenderScenes(variants.sets, options);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  int failed = 0;
  for (size_t i = 0; i < outcomes.size(); ++i) {
    const std::string name = dir + "variant" + std::to_string(i + 1);
    if (Status s = SaveSettings(name + ".vmx", variants.sets[i]); !s.ok()) {
      return Fail(name + ".vmx: " + ErrorBoxText(s.message()));
    }
    if (!outcomes[i].render.ok()) {
      ++failed;
      continue;
    }
    fs::copy_file(outcomes[i].image_path, name + ".bmp", fs::copy_options::overwrite_existing, ec);
  }
  fs::remove_all(work, ec);
  std::ostringstream summary;
  summary << outcomes.size() << " variants rendered in " << seconds << " s with "
          << options.concurrency << " at once";
  cli::Note(summary.str());
  return failed ? 3 : 0;
}

// The locks of SET.locks beside the set, of every --locks file, and of the
// command line. A damaged side file only warns; a bad name on the command line fails.
bool GatherLocks(const Args& args, GeneLocks& locks) {
  std::vector<std::string> files = args.lock_files;
  if (!args.set_path.empty() && !args.set_from_stdin) {
    files.insert(files.begin(), LocksPathFor(args.set_path));
  }
  std::vector<std::string> warnings;
  for (const std::string& file : files) {
    GeneLocks read = ReadLocksFile(file, warnings);
    std::istringstream lines(read.ToText());
    std::string kind, value;
    while (lines >> kind >> value) {
      (void)(kind == "name" ? locks.LockName(value) : locks.LockGroup(value));
    }
  }
  PrintWarnings(warnings);
  for (const std::string& name : args.lock_names) {
    if (Status s = locks.LockName(name); !s.ok()) return Fail(s.message(), 2), false;
  }
  for (const std::string& group : args.lock_groups) {
    if (Status s = locks.LockGroup(group); !s.ok()) return Fail(s.message(), 2), false;
  }
  return true;
}

int Lineage(const Args& args) {
  std::vector<std::string> warnings;
  const std::vector<std::string> chain = AncestryChain(args.set_path, warnings);
  PrintWarnings(warnings);
  for (const std::string& ancestor : chain) std::cout << ancestor << "\n";
  return 0;
}

int Batch(const Args& args, const ParameterSet& set, const std::vector<std::string>& include_dirs) {
  BatchSettings batch;
  batch.set_path = args.set_from_stdin ? "" : args.set_path;  // the parent named in lineage
  batch.partner_path = args.partner_path;
  if (args.engine_given) batch.engine = args.engine;
  batch.out = args.out;
  char* end = nullptr;
  const unsigned long long seed = std::strtoull(args.seed.c_str(), &end, 10);
  if (args.seed.empty() || *end != '\0' || args.seed[0] == '-' || seed > 0xFFFFFFFFull) {
    return Fail("batch needs --seed with a whole number from 0 to 4294967295", 2);
  }
  batch.seed = static_cast<std::uint32_t>(seed);
  batch.count = args.count;
  batch.jobs = args.jobs;
  if (!args.width.empty()) batch.width = args.width;
  if (!args.height.empty()) batch.height = args.height;
  batch.povray = PovrayPath(args);
  batch.include_dirs = include_dirs;
  batch.max_objects = args.object_limit;
  batch.resume = args.resume;
  batch.job_list = args.job_list;
  batch.contact_sheet = args.contact_sheet;
  batch.stop_after = args.stop_after;
  GeneLocks locks;
  if (!GatherLocks(args, locks)) return 2;
  return BatchCommand(batch, set, locks);
}

int Vary(const Args& args, ParameterSet& set) {
  SystemClock system_clock;
  std::unique_ptr<FixedClock> fixed;
  if (!args.seed.empty()) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(args.seed.c_str(), &end, 10);
    if (*end != '\0' || args.seed[0] == '-' || value > 0xFFFFFFFFull) {
      return Fail("--seed needs a whole number from 0 to 4294967295", 2);
    }
    fixed = std::make_unique<FixedClock>(static_cast<std::uint32_t>(value));
  }
  Random random;
  EngineOptions options;
  options.random = &random;
  options.clock = fixed ? static_cast<const Clock*>(fixed.get()) : &system_clock;
  GeneLocks locks;
  if (!GatherLocks(args, locks)) return 2;
  options.locks = &locks;

  // Evolve and Mutate keep their parent in a working file; headless, the parent
  // is SET itself, so they get a fresh program folder of their own.
  std::string work;
  if (args.command == "evolve" || args.command == "mutate") {
    work = (fs::temp_directory_path() / "vermora-XXXXXX").string();
    if (!mkdtemp(work.data())) return Fail("cannot create a working folder in /tmp");
    options.program_folder = work + "/";
  }
  EngineResult result;
  if (args.command == "random") {
    result = RunRandomEngine(set, options);
  } else if (args.command == "evolve") {
    result = RunEvolve(set, options);
  } else if (args.command == "mutate") {
    result = RunMutate(set, options);
  } else {
    result = BreedWithFile(set, args.partner_path, options);
  }
  if (!work.empty()) {
    std::error_code ec;
    fs::remove_all(work, ec);
  }
  PrintWarnings(result.warnings);
  if (!result.status.ok()) return Fail(ErrorBoxText(result.status.message()));
  if (Status s = SaveSettings(args.out, set); !s.ok())
    return Fail(args.out + ": " + ErrorBoxText(s.message()));
  Wrote(args.out);
  if (args.out_to_stdout) return 0;  // no side files beside standard output
  std::vector<std::string> parents;
  if (!args.set_path.empty() && !args.set_from_stdin) {
    parents.push_back(fs::absolute(args.set_path).string());
  }
  if (!args.partner_path.empty()) parents.push_back(fs::absolute(args.partner_path).string());
  std::vector<std::string> warnings;
  const LineageRecord record = MakeLineage(
      args.command, parents, options.clock->MillisecondsOfDayUtc(), *options.clock, warnings);
  PrintWarnings(warnings);
  if (Status s = WriteLineageFile(args.out, record); !s.ok()) Fail(s.message());
  if (!locks.empty()) {
    if (Status s = WriteLocksFile(LocksPathFor(args.out), locks); !s.ok()) Fail(s.message());
  }
  return 0;
}

int Examples(const Args& args) {
  if (args.example.empty() && !args.out.empty())
    return Fail("examples -o needs the NAME of an example", 2);
  const DataFolder data = ProgramDataFolder();
  if (data.path.empty()) return Fail(data.Problem());
  std::vector<std::string> warnings;
  const std::vector<Example> examples = ReadExamples(data.path, warnings);
  PrintWarnings(warnings);
  if (args.example.empty()) {
    for (const Example& e : examples)
      std::cout << e.name << "\t" << e.title << "\t" << e.about << "\n";
    return examples.empty() ? 1 : 0;
  }
  for (const Example& e : examples) {
    if (e.name != args.example) continue;
    if (args.out.empty()) {
      std::cout << e.set_path << "\n";
      return 0;
    }
    std::string text;
    if (Status s = ReadWholeFile(e.set_path, text); !s.ok())
      return Fail(e.set_path + ": " + s.message());
    if (Status s = WriteFileReplacing(args.out, text); !s.ok())
      return Fail(args.out + ": " + s.message());
    Wrote(args.out);
    return 0;
  }
  return Fail("there is no example " + args.example + " (vermora-cli examples lists them)");
}

int Extract(const Args& args) {
  std::string text;
  if (Status s = ReadSetFromPng(args.set_path, text); !s.ok()) {
    std::string message = s.message();  // it names the picture
    if (const size_t at = message.find(args.set_path);
        args.set_from_stdin && at != std::string::npos) {
      message.replace(at, args.set_path.size(), args.SetName());
    }
    return Fail(message);
  }
  // Only a set that loads is written: a damaged chunk is refused, named.
  ParameterSet set;
  if (Status s = LoadSettingsText(text, set); !s.ok()) {
    return Fail(args.SetName() + ": the set it carries is damaged: " + ErrorBoxText(s.message()));
  }
  if (Status s = WriteFileReplacing(args.out, text); !s.ok())
    return Fail(args.out + ": " + s.message());
  Wrote(args.out);
  return 0;
}

}  // namespace

int RunCommand(Args& args) {
  ParameterSet set;
  if (args.command == "defaults") {
    if (Status s = SaveSettings(args.out, set); !s.ok())
      return Fail(args.out + ": " + ErrorBoxText(s.message()));
    Wrote(args.out);
    return 0;
  }
  if (args.command == "texture") return TextureCommand(args.set_path, args.out);
  if (args.command == "lineage") return Lineage(args);
  if (args.command == "examples") return Examples(args);
  if (args.command == "extract") return Extract(args);
  if (args.command == "join") return cli::JoinCommand(args);
  const bool renders = args.command == "render" || args.command == "variations" ||
                       args.command == "batch" || args.command == "anim" ||
                       (args.command == "queue" && args.queue_action != "list");
  const std::vector<std::string> include_dirs =
      renders ? IncludeDirs() : std::vector<std::string>{};
  if (renders && include_dirs.empty()) return 1;
  if (const std::string notice = renders ? TakeSandboxNotice() : ""; !notice.empty()) {
    std::cerr << "warning: " << notice << "\n";
  }
  for (const auto& [option, value] :
       {std::pair{"--width", args.width}, std::pair{"--height", args.height}}) {
    if (!value.empty() && !ValidPictureSide(value))
      return Fail(PictureSideProblem(option, value), 2);
  }
  args.object_limit = kTooManyObjects;
  if (!args.max_objects.empty()) {
    char* end = nullptr;
    args.object_limit = std::strtod(args.max_objects.c_str(), &end);
    if (*end != '\0' || !(args.object_limit > 0))
      return Fail("--max-objects needs a positive number", 2);
  }
  // A fixed clock for the scene's clock seeds.
  std::unique_ptr<FixedClock> fixed_clock;
  if ((args.command == "compose" || args.command == "render" || args.command == "mesh") &&
      !args.seed.empty()) {
    std::uint32_t seed = 0;
    if (!ParseSeed(args.seed, seed))
      return Fail("--seed needs a whole number from 0 to 4294967295", 2);
    fixed_clock = std::make_unique<FixedClock>(seed);
    args.clock = fixed_clock.get();
  }
  if (args.command == "anim") return AnimCommand(args, include_dirs);
  if (args.command == "queue") {
    return cli::QueueCommand(
        args, include_dirs,
        [&](const Args& still, ParameterSet& queued) {
          return Render(still, queued, include_dirs);
        },
        [&](const Args& batch, ParameterSet& parent) {
          return Batch(batch, parent, include_dirs);
        });
  }
  if (!LoadSet(args, set)) return 1;
  if (args.command == "compose" || args.command == "render" || args.command == "mesh") {
    if (const std::string problem = ObjectLimitProblem(set, args.object_limit); !problem.empty())
      return Fail(problem + ". A larger --max-objects writes it anyway.");
  }
  if (renders && !args.set_path.empty() &&
      !TrustedForRender(args.SetName(), set, include_dirs, args.trust)) {
    return kUntrustedExit;
  }
  if (args.command == "estimate") return Estimate(set);
  if (args.command == "mesh") return MeshCommand(args, set);
  if (args.command == "variations") return Variations(args, set, include_dirs);
  if (args.command == "batch") return Batch(args, set, include_dirs);
  if (args.command == "compose") return Compose(args, set);
  if (args.command == "render") return Render(args, set, include_dirs);
  return Vary(args, set);
}

int main(int argc, char** argv) {
  Args args;
  if (const int code = cli::ParseCommandLine(argc, argv, args); code >= 0) return code;
  cli::SetTalk(args.quiet     ? cli::Talk::kQuiet
               : args.verbose ? cli::Talk::kVerbose
                              : cli::Talk::kNormal);
  cli::StdinFile in;
  cli::StdoutFile out;
  if (const int code = cli::RouteStandardStreams(args, in, out); code >= 0) return code;
  if (const std::string problem = cli::FormatProblem(args); !problem.empty())
    return Fail(problem, 2);
  if (const std::string problem = cli::OutputProblem(args); !problem.empty()) return Fail(problem);
  int code = 1;
  try {
    code = RunCommand(args);
  } catch (const UnknownParameter& unknown) {  // a misspelt name the command did not catch
    return Fail(unknown.message);
  }
  if (code == 0 && args.out_to_stdout) {
    if (Status s = out.Deliver(); !s.ok()) return Fail(s.message());
  }
  return code;
}
