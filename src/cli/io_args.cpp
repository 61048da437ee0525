#include "io_args.h"

#include <unistd.h>

#include <cctype>
#include <filesystem>

#include "model/mesh_export.h"
#include "talk.h"

namespace vermora::cli {

namespace fs = std::filesystem;

namespace {

std::string InputExtension(const std::string& command) {
  if (command == "extract") return ".png";
  if (command == "texture") return ".vtr";
  return ".vmx";
}

std::string OutputExtension(const Args& args) {
  if (args.command == "compose") return ".pov";
  if (args.command == "render") return args.format.empty() ? ".png" : "." + args.format;
  if (args.command == "join") return ".png";
  if (args.command == "mesh") return args.format.empty() ? ".glb" : "." + args.format;
  if (args.command == "texture") return ".inc";
  return ".vmx";
}

// The nearest folder at or above `path` that is there.
fs::path ExistingFolder(fs::path path) {
  std::error_code ec;
  path = fs::absolute(path, ec);
  while (!path.empty() && !fs::exists(path, ec) && path != path.root_path())
    path = path.parent_path();
  return path;
}

}  // namespace

bool WritesFolder(const std::string& command) {
  return command == "anim" || command == "variations" || command == "batch";
}

int RouteStandardStreams(Args& args, StdinFile& in, StdoutFile& out) {
  for (const std::string* other : {&args.partner_path, &args.end}) {
    if (IsStdStream(*other)) return Fail("only the first set can come from standard input", kUsage);
  }
  for (const std::string& key : args.then) {
    if (IsStdStream(key)) return Fail("only the first set can come from standard input", kUsage);
  }
  if (IsStdStream(args.set_path)) {
    if (args.command == "lineage") {
      return Fail("lineage reads the file beside a set; standard input has none", kUsage);
    }
    if (Status s = in.Take(InputExtension(args.command)); !s.ok()) return Fail(s.message());
    args.set_path = in.path();
    args.set_from_stdin = true;
  }
  if (IsStdStream(args.out)) {
    if (WritesFolder(args.command)) {
      return Fail(args.command + " writes a folder (-o DIR); standard output cannot hold one",
                  kUsage);
    }
    if (Status s = out.Make(OutputExtension(args)); !s.ok()) return Fail(s.message());
    args.out = out.path();
    args.out_to_stdout = true;
  } else if (!args.format.empty()) {
    return Fail("--format is for -o -; a file's name gives its format", kUsage);
  }
  return -1;
}

std::string LowerExtension(const std::string& path) {
  std::string extension = fs::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

std::string FormatProblem(const Args& args) {
  if (args.out.empty()) return {};
  const std::string format = LowerExtension(args.out);
  if (args.command == "render" && format != ".png" && format != ".bmp") {
    return args.out + ": the picture must end in .png or .bmp";
  }
  if (args.command == "join" && format != ".png")
    return args.out + ": the picture must end in .png";
  MeshFormat mesh;
  if (args.command == "mesh" && !MeshFormatFor(args.out, mesh)) {
    return args.out + ": the mesh file must end in .glb, .obj or .stl";
  }
  return {};
}

std::string OutputProblem(const Args& args) {
  if (args.out.empty() || args.out_to_stdout) return {};
  std::error_code ec;
  const fs::path out = fs::absolute(args.out, ec);
  const fs::file_status status = fs::status(out, ec);
  if (WritesFolder(args.command)) {
    if (fs::exists(status) && !fs::is_directory(status)) return args.out + " is not a folder";
  } else if (fs::is_directory(status)) {
    return args.out + " is a folder, not a file";
  } else if (fs::exists(status) && !fs::is_regular_file(status)) {
    // A device or a pipe (/dev/stdout) is written in place.
    return access(out.c_str(), W_OK) == 0 ? "" : "cannot write " + args.out + ": not allowed";
  }
  const fs::path folder =
      WritesFolder(args.command) ? ExistingFolder(out) : ExistingFolder(out.parent_path());
  if (!fs::is_directory(folder, ec)) {
    return "cannot write " + args.out + ": " + folder.string() + " is not a folder";
  }
  if (!WritesFolder(args.command) && folder != out.parent_path()) {
    return "cannot write " + args.out + ": the folder " + out.parent_path().string() +
           " is not there";
  }
  if (access(folder.c_str(), W_OK | X_OK) != 0) {
    return "cannot write " + args.out + ": the folder " + folder.string() + " is not writable";
  }
  return {};
}

}  // namespace vermora::cli
