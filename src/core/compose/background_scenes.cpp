#include "compose/background_scenes.h"

#include "background/background_writer.h"
#include "background/block_lines.h"
#include "common/file_io.h"
#include "scene/header.h"

namespace vermora {
namespace {

template <typename Body>
ComposeResult WriteWith(const ParameterSet& set, Body&& body) {
  ComposeResult result;
  Diagnostics diagnostics;
  SceneWriter out;
  // Neither scene draws a random number or reads the clock; the context wants them.
  Random random;
  SystemClock clock;
  StillLife still;
  ComposeContext ctx{ParamReader(set, diagnostics), out, random, clock, still};
  try {
    body(ctx);
  } catch (const CommandError& error) {
    result.status = Status::Error(error.message);
  }
  result.scene = out.Take();
  result.warnings = std::move(diagnostics.warnings);
  return result;
}

Status WriteResult(const std::string& path, const ComposeResult& result) {
  if (!result.status.ok()) return result.status;
  return WriteFileReplacing(path, result.scene);
}

void PreviewScene(ComposeContext& ctx) {
  SceneWriter& out = ctx.out;
  // The creature scenes' own gamma line: without it POV-Ray 3.7 flags every
  // preview with a "Possible Parse Error", which would read as a failed render.
  out.Line("global_settings {assumed_gamma 2.2}");
  WriteIncludeLines(ctx);
  out.Line(" ");
  WriteCamera(ctx);
  out.Line(" ");
  out.Line("light_source {0*x color red 1 green 1 blue 1 translate <-10, 10, -30>}");
  out.Line("light_source {0*x color red 0.6 green 0.6 blue 0.6 translate <40, 60, -60>}");
  out.Line(" ");
  WriteBackground(ctx);
}

}  // namespace

ComposeResult BackgroundText(const ParameterSet& set) { return WriteWith(set, WriteBackground); }

ComposeResult BackgroundIncludeText(const ParameterSet& set) {
  return WriteWith(set, [](ComposeContext& ctx) {
    ctx.out.Line("/*");
    WriteHeader(ctx);
    ctx.out.Line("*/");
    WriteBackground(ctx);
  });
}

Status ExportBackground(const std::string& path, const ParameterSet& set) {
  return WriteResult(path, BackgroundIncludeText(set));
}

ComposeResult BackgroundPreviewScene(const ParameterSet& set) {
  return WriteWith(set, PreviewScene);
}

Status WriteBackgroundPreview(const std::string& path, const ParameterSet& set) {
  return WriteResult(path, BackgroundPreviewScene(set));
}

}  // namespace vermora
