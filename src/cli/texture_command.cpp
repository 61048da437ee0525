#include "texture_command.h"

#include <filesystem>
#include <iostream>

#include "common/file_io.h"
#include "params/parameter_set.h"
#include "talk.h"
#include "texture/texture_file.h"
#include "texture/texture_preview.h"
#include "texture/texture_start.h"

using namespace vermora;

int TextureCommand(const std::string& texture_path, const std::string& out) {
  auto fail = [](const std::string& message) { return cli::Fail(ErrorBoxText(message)); };
  if (out.empty()) return fail("texture needs -o OUT.inc or OUT.pov");
  ParameterSet set;
  TexturePage page;
  if (Status s = ApplyTextureStartValues(set, page); !s.ok()) return fail(s.message());
  if (!texture_path.empty()) {
    Diagnostics diagnostics;
    const Status s = LoadTextureFile(texture_path, set, page, diagnostics);
    cli::PrintWarnings(diagnostics.warnings);
    if (!s.ok()) return fail(texture_path + ": " + s.message());
  }
  const bool scene = std::filesystem::path(out).extension() == ".pov";
  Status s = scene ? RunTexturePreview(
                         set, page, PreviewShape::kSphere,
                         [&](const std::string& text) { return WriteFileReplacing(out, text); })
                   : ExportTextureInclude(out, set, page);
  if (!s.ok()) return fail(out + ": " + s.message());
  cli::Wrote(out);
  return 0;
}
