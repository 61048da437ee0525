#include "render/render_command.h"

#include "params/working_files.h"

namespace vermora {

PreparedRender PrepareRender(const ParameterSet& set, const RenderSetup& setup) {
  PreparedRender prepared;
  if (Status s = EnsureFolder(setup.folder); !s.ok()) {
    prepared.status = s;
    return prepared;
  }
  RemoveWorkingFiles(setup.folder, {kPictureFile, kMessagesFile, setup.image_name});
  prepared.status = ComposeSceneToFile(set, setup.folder + kSceneFile, &prepared.warnings,
                                       setup.compose);
  if (!prepared.status.ok()) return prepared;
  prepared.command_line =
      RenderCommandLine(setup.povray_path, setup.folder, kSceneFile, set.Text("edImageW"),
                        set.Text("edImageH"), set.On("chkAntiA"), setup.image_name);
  prepared.invocation = TranslateCommandLine(prepared.command_line, setup.include_dirs);
  if (prepared.invocation.program.empty()) {
    // Only a renderer path holding the command line's own marker gets here.
    prepared.renderer_problem = "The POV-Ray path \"" + setup.povray_path +
                                "\" cannot be used. Set its path with Povray > Povray Path ...";
    return prepared;
  }
  ClearRenderFiles(prepared.invocation);
  prepared.renderer_problem = RendererPathProblem(prepared.invocation.program);
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
