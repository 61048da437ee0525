#include "command_line.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace vermora::cli {

namespace {

constexpr const char* kFooter =
    "Without SET.vmx the built-in defaults stand in; - reads a set from standard input\n"
    "and -o - writes to standard output. Data goes to standard output, what was done\n"
    "(wrote PATH, progress) to standard error: -q for errors and warnings only, -v for\n"
    "POV-Ray's own messages and times too. Exit status: 0 done, 1 failed,\n"
    "2 usage, 3 POV-Ray failed on a scene, 4 frames made but no video, 5 a set that\n"
    "uses files (#fopen, #read, #write, #include of a path) without --trust.\n"
    "Run vermora-cli COMMAND --help for the options of one command.\n";

constexpr const char* kLockFooter =
    "Engine commands take --lock NAME, --lock-group GROUP (repeatable) and --locks FILE;\n"
    "SET.locks beside the set is read too. Groups: camera, main, general, worms, things,\n"
    "textures, background, features, povray, or a page path such as textures/finish.\n"
    "Each written set gets OUT.lineage beside it. --seed N is the clock value the engine\n"
    "re-seeds from (milliseconds of the day); without it, the time.\n";

void Talk(CLI::App* app, Args& a) {
  app->add_flag("-q,--quiet", a.quiet, "say nothing but errors and warnings");
  app->add_flag("-v,--verbose", a.verbose, "say POV-Ray's messages and the times too");
}

CLI::App* Command(CLI::App& app, Args& a, const char* name, const char* about) {
  CLI::App* sub = app.add_subcommand(name, about);
  sub->fallthrough(false);
  sub->footer("");  // the exit statuses stand once, in the program's own help
  Talk(sub, a);
  return sub;
}

// -o is checked after parsing, so an unknown option is named before a missing -o.
void Output(CLI::App* sub, Args& a, const char* what, bool required = true) {
  sub->add_option("-o,--output", a.out, std::string(what) + (required ? " (needed)" : ""));
  if (required) a.needs.push_back({sub->get_name(), &a.out, "-o"});
}

// A positional the command cannot do without, checked after parsing like -o.
void Needed(CLI::App* sub, Args& a, const char* name, std::string& into, const char* what) {
  sub->add_option(name, into, what);
  a.needs.push_back({sub->get_name(), &into, name});
}

void SetArg(CLI::App* sub, Args& a) {
  sub->add_option("SET", a.set_path,
                  "the parameter set (.vmx, - for standard input); without it the defaults");
}

void Size(CLI::App* sub, Args& a) {
  sub->add_option("--width", a.width, "picture width in pixels");
  sub->add_option("--height", a.height, "picture height in pixels");
}

void ObjectLimit(CLI::App* sub, Args& a,
                 const char* what = "refuse scenes estimated above this many objects") {
  sub->add_option("--max-objects", a.max_objects, std::string(what) + " (default 2000000)");
}

void Renderer(CLI::App* sub, Args& a) {
  sub->add_option("--povray", a.povray,
                  "the renderer (default $VERMORA_POVRAY or /usr/bin/povray)");
  sub->add_flag("--trust", a.trust, "render a set whose texts use files");
}

void Locks(CLI::App* sub, Args& a) {
  sub->add_option("--lock", a.lock_names, "keep this parameter as it is (repeatable)");
  sub->add_option("--lock-group", a.lock_groups, "keep this group of parameters (repeatable)");
  sub->add_option("--locks", a.lock_files, "read locks from FILE (repeatable)");
  sub->footer(kLockFooter);
}

void Seed(CLI::App* sub, Args& a, bool required = false) {
  sub->add_option("--seed", a.seed,
                  std::string("the clock value to seed from (0 to 4294967295)") +
                      (required ? " (needed)" : ""));
  if (required) a.needs.push_back({sub->get_name(), &a.seed, "--seed"});
}

// A scene whose seeds read the clock (a cluster's re-seed, say) comes out the
// same every time with --seed.
void ClockSeed(CLI::App* sub, Args& a) {
  sub->add_option("--seed", a.seed,
                  "the clock value (0 to 4294967295) the scene's clock seeds read, so the scene "
                  "comes out the same every time");
}

void Jobs(CLI::App* sub, Args& a) {
  sub->add_option("--jobs", a.jobs, "renders at once (default: the cores)")
      ->check(CLI::PositiveNumber);
}

void Hosts(CLI::App* sub, Args& a, const std::string& what) {
  sub->add_option("--hosts", a.hosts, what + " (GNU Parallel's --sshloginfile)")
      ->check(CLI::ExistingFile);
}

// What a still is rendered with, by render and by the queue.
void Still(CLI::App* sub, Args& a) {
  Size(sub, a);
  sub->add_flag("--antialias", a.antialias, "anti-aliasing");
  sub->add_option("--parts", a.parts, "render the picture in N bands of rows, then join them")
      ->check(CLI::Range(1, 1000));
  Renderer(sub, a);
  sub->add_option("--timeout", a.timeout, "give up after this many seconds");
  ObjectLimit(sub, a);
}

void Build(CLI::App& app, Args& a) {
  app.require_subcommand(1);
  app.footer(kFooter);
  app.set_version_flag("--version", std::string("vermora-cli ") + kVersion);
  Talk(&app, a);

  CLI::App* sub = Command(app, a, "defaults", "write the built-in default set");
  Output(sub, a, "SET.vmx to write (- for standard output)");

  sub = Command(app, a, "compose", "write the POV-Ray scene of a set");
  SetArg(sub, a);
  Output(sub, a, "OUT.pov to write (- for standard output)");
  sub->add_flag("--pov22", a.pov22, "write for POV-Ray 2.2");
  ObjectLimit(sub, a);
  ClockSeed(sub, a);

  sub = Command(app, a, "mesh", "write the triangle mesh of a set's creature (.glb, .obj or .stl)");
  SetArg(sub, a);
  Output(sub, a, "OUT.glb, OUT.obj (with OUT.mtl) or OUT.stl to write; - for standard output");
  sub->add_option("--format", a.format, "what -o - writes (default glb)")
      ->check(CLI::IsMember({"glb", "stl"}));
  sub->add_option("--detail", a.detail,
                  "segments around each sphere, cylinder, cone or torus (3 or more)")
      ->check(CLI::Range(3, 256));
  sub->add_option("--up", a.up,
                  "the axis that points up in the file: z (default for STL, as "
                  "slicers take it) or y (default for glb and obj)")
      ->check(CLI::IsMember({"y", "z"}));
  sub->add_option("--scale", a.scale,
                  "file units per scene unit (default 1); an STL's units are millimetres to a "
                  "slicer, a glb's metres to Blender: --scale 5 makes a creature 10 units tall "
                  "50 mm tall in a slicer")
      ->check(CLI::PositiveNumber);
  sub->add_flag("--union", a.merge,
                "STL only: merge the objects into one closed solid for printing, with no "
                "walls inside (seconds for a creature of some hundred objects)");
  ObjectLimit(sub, a);
  ClockSeed(sub, a);
  sub->footer(
      "The mesh is in the scene's units times --scale, turned right-handed by negating z\n"
      "(or, with --up z, by swapping y and z), so it stands as in the picture in Blender,\n"
      "a slicer and other right-handed programs. One material per colour and finish, with\n"
      "its metallic and roughness (STL has none). Without --detail: 24 segments, fewer for\n"
      "large scenes.\n");

  sub = Command(app, a, "render", "render a set with POV-Ray (a PNG carries the set)");
  SetArg(sub, a);
  Output(sub, a, "OUT.png or OUT.bmp to write; - for standard output");
  sub->add_option("--format", a.format, "what -o - writes (default png)")
      ->check(CLI::IsMember({"png", "bmp"}));
  Still(sub, a);
  sub->add_flag("--keep-work", a.keep_work, "keep the private working folder");
  ClockSeed(sub, a);
  Jobs(sub, a);
  sub->add_option("--job-list", a.job_list_dir,
                  "write the bands and DIR/jobs.txt for GNU Parallel instead");
  Hosts(sub, a, "with --parts: render the bands on the hosts FILE lists");
  sub->footer(
      "--parts splits the picture into bands of whole 32-row blocks, so the joined\n"
      "picture equals a whole render pixel for pixel, anti-aliased or not; --jobs\n"
      "bands render at once. --hosts FILE renders them on other hosts through GNU\n"
      "Parallel over ssh: FILE names one a line (4/me@host1 for four bands at once;\n"
      "a line : is this machine). --job-list DIR writes them for other hosts\n"
      "(DIR/README.txt); vermora-cli join DIR -o OUT.png joins what came back.\n");

  sub = Command(app, a, "queue", "add to, list and run the render queue the window keeps too");
  Needed(sub, a, "ACTION", a.queue_action, "add, list, run, remove or log");
  sub->get_option("ACTION")->check(CLI::IsMember({"add", "list", "run", "remove", "log"}));
  sub->add_option("ITEM", a.set_path,
                  "add: the set (.vmx, - for standard input; without it the defaults); "
                  "remove, log: the job's number");
  Output(sub, a, "add: OUT.png or OUT.bmp, where the picture goes (--series: the frames' folder)",
         false);
  Still(sub, a);
  sub->add_flag("--series", a.series, "add: the set's frame series (its Animation page)");
  sub->add_flag("--batch", a.batch, "add: a batch of the set's children, as batch renders them");
  sub->add_option("--engine", a.engine, "add --batch: the engine (default mutate)")
      ->check(CLI::IsMember({"random", "evolve", "mutate"}));
  sub->add_option("--count", a.count, "add --batch: number of children")->capture_default_str();
  Seed(sub, a, false);
  sub->add_option("--leave", a.leave_cores,
                  "run: cores the queue leaves to other work (default 1; 0 takes them all)")
      ->check(CLI::NonNegativeNumber);
  Hosts(sub, a,
        "run: render jobs in parts on the hosts FILE lists (default: hosts.txt in the "
        "program folder, when there)");
  sub->footer(
      "add keeps a copy of the set as it is now, so the file may change or go; run\n"
      "renders the waiting jobs in order at low priority (nice 10), one runner at a\n"
      "time, and a job that was running when a run ended starts again. log prints\n"
      "what POV-Ray said in a job's failed run. The queue lives in the program\n"
      "folder ($VERMORA_HOME, else $XDG_DATA_HOME/vermora).\n");

  sub = Command(app, a, "join", "join the bands a render --parts --job-list brought back");
  Needed(sub, a, "DIR", a.folder, "the job list's folder");
  Output(sub, a, "OUT.png to write (- for standard output)");

  sub = Command(app, a, "texture", "export a texture, or its preview scene");
  sub->add_option("TEX", a.set_path, "the texture file (.vtr); without it the start texture");
  Output(sub, a,
         "OUT.inc (include file) or OUT.pov (preview scene); - for the include file on standard "
         "output");

  sub = Command(app, a, "anim", "render the frame series from a start set to an end set");
  Needed(sub, a, "START", a.set_path, "the start set (.vmx, - for standard input)");
  sub->add_option("--end", a.end, "the end set (default: the end values saved in START)");
  sub->add_option("--then", a.then, "the next key set of a chain (repeatable)");
  sub->add_flag("--loop", a.loop, "go back from the last key set to the first");
  sub->add_option("--frames", a.frames, "number of frames (a chain: frames per step)");
  Size(sub, a);
  sub->add_option("--curve", a.curve, "interpolation curve")
      ->check(CLI::IsMember({"linear", "wave", "s-curve", "accelerate", "decelerate"}));
  Jobs(sub, a);
  Renderer(sub, a);
  sub->add_flag("--force", a.force, "animate between sets of different families");
  ObjectLimit(sub, a, "refuse key sets estimated above this many objects");
  sub->add_flag("--job-list", a.job_list,
                "write the frame scenes and DIR/jobs.txt for GNU Parallel");
  sub->add_option("--video", a.video, "join the frames into OUT.mp4, OUT.webm or OUT.gif (ffmpeg)");
  sub->add_option("--fps", a.fps, "frames per second of the video")
      ->capture_default_str()
      ->check(CLI::PositiveNumber);
  Output(sub, a, "the folder for the frames anim001.bmp ...");
  sub->footer(
      "A chain (--then, --loop) renders N frames a step, numbered on, and ends on the\n"
      "last key set (with --loop, just before the first). --job-list writes the frame\n"
      "scenes and a GNU Parallel command for other hosts (DIR/README.txt).\n");

  for (const auto& [name, about] : {std::pair{"random", "a random set, in the spirit of SET"},
                                    std::pair{"evolve", "one step of evolution from SET"},
                                    std::pair{"mutate", "a mutation of SET"}}) {
    sub = Command(app, a, name, about);
    Needed(sub, a, "SET", a.set_path, "the parent set (.vmx, - for standard input)");
    Seed(sub, a);
    Output(sub, a, "OUT.vmx to write (- for standard output)");
    Locks(sub, a);
  }
  sub = Command(app, a, "breed", "breed a set with a partner set");
  Needed(sub, a, "A", a.set_path, "the set (.vmx, - for standard input)");
  Needed(sub, a, "B", a.partner_path, "the partner set (.vmx)");
  Seed(sub, a);
  Output(sub, a, "OUT.vmx to write (- for standard output)");
  Locks(sub, a);

  sub = Command(app, a, "variations", "make variants of a set and render their thumbnails");
  sub->add_option("SET", a.set_path, "the set (.vmx, - for standard input)");
  sub->add_option("--engine", a.engine, "the engine")
      ->check(CLI::IsMember({"random", "evolve", "mutate"}));
  Seed(sub, a);
  sub->add_option("--count", a.count, "number of variants (1 to 100)")->capture_default_str();
  Jobs(sub, a);
  Size(sub, a);
  Renderer(sub, a);
  sub->add_option("--timeout", a.timeout, "give up on a render after this many seconds");
  Output(sub, a, "the folder for variant<i>.vmx and variant<i>.bmp");
  Locks(sub, a);

  sub = Command(app, a, "estimate", "estimate the objects of the scene");
  SetArg(sub, a);

  sub = Command(app, a, "batch", "render many children of a set, with index.txt and contact.png");
  Needed(sub, a, "SET", a.set_path, "the parent set (.vmx, - for standard input)");
  sub->add_option("--engine", a.engine, "the engine (default mutate)")
      ->check(CLI::IsMember({"random", "evolve", "mutate", "breed"}));
  sub->add_option("--partner", a.partner_path, "the partner set for breed");
  sub->add_option("--count", a.count, "number of children")->capture_default_str();
  Seed(sub, a, true);
  Size(sub, a);
  Jobs(sub, a);
  ObjectLimit(sub, a, "drop children estimated above this many objects");
  sub->add_flag("--resume", a.resume, "render only the children not yet rendered");
  sub->add_option("--stop-after", a.stop_after)->group("");  // tests: stop as if killed
  sub->add_flag("--job-list", a.job_list,
                "write the children's scenes and DIR/jobs.txt for GNU Parallel");
  sub->add_flag("!--no-contact-sheet", a.contact_sheet,
                "make no contact.png (it needs ImageMagick)");
  Renderer(sub, a);
  Output(sub, a, "the folder for the children");
  Locks(sub, a);

  sub = Command(app, a, "lineage", "list the ancestors of a set");
  Needed(sub, a, "SET", a.set_path, "the set (.vmx)");

  sub = Command(app, a, "examples", "list the example creatures, or copy one out");
  sub->add_option("NAME", a.example, "the example to copy");
  Output(sub, a, "SET.vmx to write the example to (- for standard output)", false);

  sub = Command(app, a, "extract", "write the set a Vermora PNG picture carries");
  Needed(sub, a, "PICTURE", a.set_path, "the picture (.png, - for standard input)");
  Output(sub, a, "SET.vmx to write (- for standard output)");
}

// The command whose options were being read when parsing failed.
const CLI::App* Failing(const CLI::App& app) {
  const std::vector<CLI::App*> parsed = app.get_subcommands();
  return parsed.empty() ? &app : parsed.front();
}

}  // namespace

int ParseCommandLine(int argc, char** argv, Args& args) {
  CLI::App app("vermora-cli: compose, render and vary creatures for POV-Ray without a window",
               "vermora-cli");
  Build(app, args);
  const auto subs = app.get_subcommands(
      [&](const CLI::App* sub) { return argc >= 2 && sub->check_name(argv[1]); });
  if (argc >= 2 && argv[1][0] != '-' && subs.empty()) {
    std::cerr << "vermora-cli: unknown command " << argv[1] << "\n" << app.help();
    return kUsage;
  }
  try {
    app.parse(argc, argv);
    const CLI::App* sub = app.get_subcommands().front();
    for (const Args::Need& need : args.needs) {
      if (need.command == sub->get_name() && need.value->empty()) {
        std::cerr << "vermora-cli: " << need.command << " needs " << need.what << "\n"
                  << sub->help();
        return kUsage;
      }
    }
  } catch (const CLI::CallForHelp&) {
    std::cout << Failing(app)->help();
    return kDone;
  } catch (const CLI::CallForVersion& e) {
    std::cout << e.what() << "\n";
    return kDone;
  } catch (const CLI::ParseError& e) {
    std::cerr << "vermora-cli: " << e.what() << "\n" << Failing(app)->help();
    return kUsage;
  }
  args.command = app.get_subcommands().front()->get_name();
  const CLI::Option* engine = app.get_subcommands().front()->get_option_no_throw("--engine");
  args.engine_given = engine && engine->count() > 0;
  return -1;
}

}  // namespace vermora::cli
