// vermora-cli: compose, render and keep parameter sets without a window.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "render/command_line.h"
#include "render/renderer.h"
#include "scene/composer.h"
#include "scene/object_count.h"

namespace fs = std::filesystem;
using namespace vermora;

namespace {

constexpr const char* kUsage =
    "usage: vermora-cli COMMAND [options]\n"
    "  defaults -o SET.vmx                       write the built-in default set\n"
    "  compose [SET.vmx] -o OUT.pov [--pov22]    write the scene of a set\n"
    "  render [SET.vmx] -o OUT.png|OUT.bmp [--width W] [--height H] [--antialias]\n"
    "         [--povray PATH] [--timeout SECONDS] [--keep-work]\n"
    "  estimate [SET.vmx]                        estimate the objects of the scene\n"
    "Without SET.vmx the built-in defaults stand in.\n";

struct Args {
  std::string command;
  std::string set_path;
  std::string out;
  std::string width, height, povray;
  int timeout = 0;
  bool pov22 = false, antialias = false, keep_work = false;
};

int Fail(const std::string& message, int code = 1) {
  std::cerr << "vermora-cli: " << message << "\n";
  return code;
}

bool ParseArgs(int argc, char** argv, Args& args, std::string& error) {
  if (argc < 2) {
    error = "no command given";
    return false;
  }
  args.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) {
        error = a + " needs a value";
        return false;
      }
      into = argv[++i];
      return true;
    };
    if (a == "-o" || a == "--output") {
      if (!value(args.out)) return false;
    } else if (a == "--width") {
      if (!value(args.width)) return false;
    } else if (a == "--height") {
      if (!value(args.height)) return false;
    } else if (a == "--povray") {
      if (!value(args.povray)) return false;
    } else if (a == "--timeout") {
      std::string t;
      if (!value(t)) return false;
      args.timeout = std::atoi(t.c_str());
    } else if (a == "--pov22") {
      args.pov22 = true;
    } else if (a == "--antialias") {
      args.antialias = true;
    } else if (a == "--keep-work") {
      args.keep_work = true;
    } else if (!a.empty() && a[0] == '-') {
      error = "unknown option " + a;
      return false;
    } else if (args.set_path.empty()) {
      args.set_path = a;
    } else {
      error = "unexpected argument " + a;
      return false;
    }
  }
  return true;
}

bool LoadSet(const Args& args, ParameterSet& set) {
  if (args.set_path.empty()) return true;
  if (Status s = LoadSettings(args.set_path, set); !s.ok()) {
    Fail(args.set_path + ": " + ErrorBoxText(s.message()));
    return false;
  }
  return true;
}

void PrintWarnings(const std::vector<std::string>& warnings) {
  for (const std::string& w : warnings) std::cerr << "warning: " << w << "\n";
}

std::vector<std::string> IncludeDirs() {
  if (const char* env = std::getenv("VERMORA_DATA")) return {env};
  return {VERMORA_DATA_DIR};
}

std::string PovrayPath(const Args& args) {
  if (!args.povray.empty()) return args.povray;
  if (const char* env = std::getenv("VERMORA_POVRAY")) return env;
  return "/usr/bin/povray";
}

int Compose(const Args& args, const ParameterSet& set) {
  if (args.out.empty()) return Fail("compose needs -o OUT.pov");
  std::vector<std::string> warnings;
  Status s = ExportScene(set, args.out, !args.pov22, &warnings);
  PrintWarnings(warnings);
  if (!s.ok()) return Fail(ErrorBoxText(s.message()));
  std::cout << fs::absolute(args.out).string() << "\n";
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

int Render(const Args& args, ParameterSet& set) {
  if (args.out.empty()) return Fail("render needs -o OUT.png");
  if (!args.width.empty()) set.SetText("edImageW", args.width);
  if (!args.height.empty()) set.SetText("edImageH", args.height);
  if (args.antialias) set.SetOn("chkAntiA", true);
  const std::string povray = PovrayPath(args);
  if (std::string problem = RendererPathProblem(povray); !problem.empty()) return Fail(problem);

  // POV-Ray may only write below its current folder, /tmp and $HOME: render in a
  // private folder under /tmp and move the picture to where it was asked for.
  std::string pattern = (fs::temp_directory_path() / "vermora-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return Fail("cannot create a working folder in /tmp");
  const std::string folder = pattern + "/";

  std::vector<std::string> warnings;
  Status s = ComposeSceneToFile(set, folder + "TEMP.POV", &warnings);
  PrintWarnings(warnings);
  if (!s.ok()) return Fail(ErrorBoxText(s.message()));

  const std::string ext = fs::path(args.out).extension().string();
  const bool png = ext == ".png" || ext == ".PNG";
  const std::string line = RenderCommandLine(povray, folder, "TEMP.POV", set.Text("edImageW"),
                                             set.Text("edImageH"), set.On("chkAntiA"),
                                             png ? "TEMP.png" : "TEMP.BMP");
  const RenderInvocation inv = TranslateCommandLine(line, IncludeDirs());
  ClearRenderFiles(inv);
  const RenderOutcome outcome = RunRenderer(inv, args.timeout);
  if (!outcome.ok()) {
    std::cerr << outcome.messages;
    if (outcome.messages.empty()) std::cerr << outcome.output;
    Fail(outcome.failure + " (scene kept in " + folder + ")");
    return 3;
  }
  std::error_code ec;
  fs::copy_file(inv.image_path, args.out, fs::copy_options::overwrite_existing, ec);
  if (ec) return Fail("cannot write " + args.out + ": " + ec.message());
  if (!args.keep_work) fs::remove_all(pattern, ec);
  std::cout << fs::absolute(args.out).string() << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Args args;
  std::string error;
  if (argc >= 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
    std::cout << kUsage;
    return 0;
  }
  if (!ParseArgs(argc, argv, args, error)) {
    std::cerr << "vermora-cli: " << error << "\n" << kUsage;
    return 2;
  }
  ParameterSet set;
  if (args.command == "defaults") {
    if (args.out.empty()) return Fail("defaults needs -o SET.vmx", 2);
    if (Status s = SaveSettings(args.out, set); !s.ok()) return Fail(args.out + ": " + ErrorBoxText(s.message()));
    std::cout << fs::absolute(args.out).string() << "\n";
    return 0;
  }
  if (args.command != "compose" && args.command != "render" && args.command != "estimate") {
    std::cerr << "vermora-cli: unknown command " << args.command << "\n" << kUsage;
    return 2;
  }
  if (!LoadSet(args, set)) return 1;
  if (args.command == "estimate") return Estimate(set);
  return args.command == "compose" ? Compose(args, set) : Render(args, set);
}
