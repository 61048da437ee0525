#include "render/render_command.h"

#include "common/file_io.h"
#include "params/working_files.h"

namespace vermora {
namespace {

// The command line's meaning built directly from its parts. Reading it back from
// the text would split a folder or a field holding a quote or a blank.
RenderInvocation InvocationFor(const RenderSetup& setup, const ParameterSet& set) {
  RenderInvocation inv;
  inv.program = setup.povray_path;
  inv.working_dir = setup.folder.substr(0, setup.folder.size() - 1);
  inv.image_path = setup.folder + setup.image_name;
  std::string written = setup.image_name;
  // POV-Ray appends ".bmp" to a name ending in upper-case ".BMP".
  if (written.size() > 4 && written.compare(written.size() - 4, 4, ".BMP") == 0) {
    written.replace(written.size() - 4, 4, ".bmp");
  }
  inv.written_image = setup.folder + written;
  inv.messages_path = setup.folder + setup.messages_name;
  const bool png = inv.image_path.size() > 4 &&
                   LowerAscii(inv.image_path.substr(inv.image_path.size() - 4)) == ".png";
  inv.args = {std::string("+I") + kSceneFile,
              png ? "+FN" : "+FB",
              "+O" + written,
              "+H" + set.Text("edImageH"),
              "+W" + set.Text("edImageW"),
              set.On("chkAntiA") ? "+A" : "-A",
              "-P",
              "-D"};
  for (std::string& option : BandOptions(setup.rows)) inv.args.push_back(std::move(option));
  for (const std::string& dir : setup.include_dirs) inv.args.push_back("+L" + dir);
  inv.args.push_back("All_File=" + setup.messages_name);
  ApplyShare(setup.share, inv);
  return inv;
}

}  // namespace

namespace {

// Everything after the scene is written: the command line and the renderer check.
void FinishPreparing(PreparedRender& prepared, const ParameterSet& set, const RenderSetup& setup) {
  prepared.command_line =
      RenderCommandLine(setup.povray_path, setup.folder, kSceneFile, set.Text("edImageW"),
                        set.Text("edImageH"), set.On("chkAntiA"), setup.image_name);
  prepared.invocation = InvocationFor(setup, set);
  ClearRenderFiles(prepared.invocation);
  prepared.renderer_problem = RendererPathProblem(prepared.invocation.program);
}

Status ClearFolder(const RenderSetup& setup) {
  if (Status s = EnsureFolder(setup.folder); !s.ok()) return s;
  RemoveWorkingFiles(setup.folder,
                     {kPictureFile, kMessagesFile, setup.image_name, setup.messages_name});
  return Status::Ok();
}

// Sizes are checked before anything is written: a size that is not a number
// of pixels never reaches the command line.
Status CheckSizes(const ParameterSet& set) {
  const std::string problem = PictureSizeProblem(set);
  return problem.empty() ? Status::Ok() : Status::Error(problem);
}

}  // namespace

PreparedRender PrepareRender(const std::string& scene, const ParameterSet& set,
                             const RenderSetup& setup) {
  PreparedRender prepared;
  prepared.status = CheckSizes(set);
  if (prepared.status.ok()) prepared.status = ClearFolder(setup);
  if (prepared.status.ok())
    prepared.status = WriteFileReplacing(setup.folder + kSceneFile, scene, FileUse::kRemade);
  if (prepared.status.ok()) FinishPreparing(prepared, set, setup);
  return prepared;
}

PreparedRender PrepareRender(const ParameterSet& set, const RenderSetup& setup) {
  PreparedRender prepared;
  prepared.status = CheckSizes(set);
  if (prepared.status.ok()) prepared.status = ClearFolder(setup);
  if (!prepared.status.ok()) return prepared;
  prepared.status = ComposeSceneToFile(set, setup.folder + kSceneFile, &prepared.warnings,
                                       setup.compose, &prepared.switched_off);
  if (!prepared.status.ok()) return prepared;
  FinishPreparing(prepared, set, setup);
  return prepared;
}

RenderOutcome RenderScene(const ParameterSet& set, const RenderSetup& setup, int timeout_seconds,
                          PreparedRender* prepared_out) {
  PreparedRender prepared = PrepareRender(set, setup);
  RenderOutcome outcome;
  if (!prepared.status.ok()) {
    outcome.failure = prepared.status.message();
  } else if (!prepared.renderer_problem.empty()) {
    outcome.failure = prepared.renderer_problem;
  } else {
    outcome = RunRenderer(prepared.invocation, timeout_seconds);
  }
  if (prepared_out) *prepared_out = std::move(prepared);
  return outcome;
}

int RenderProgressPercent(std::string_view output) {
  const size_t at = output.rfind("%)");
  if (at == std::string_view::npos) return -1;
  size_t start = at;
  while (start > 0 && output[start - 1] >= '0' && output[start - 1] <= '9') --start;
  if (start == at || start == 0 || output[start - 1] != '(') return -1;
  int percent = 0;
  for (size_t i = start; i < at && percent <= 100; ++i) percent = percent * 10 + (output[i] - '0');
  return percent > 100 ? 100 : percent;
}

std::vector<std::string> MessageLines(const std::string& messages) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < messages.size()) {
    size_t end = messages.find('\n', start);
    if (end == std::string::npos) end = messages.size();
    std::string line = messages.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

int FirstErrorLine(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsErrorLine(lines[i])) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace vermora
