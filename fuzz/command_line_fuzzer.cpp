// Feeds any width and height (the text before and after the first newline) to
// the size check and the command-line builder, and any text to the translator.
// A size the check lets through must give a line the translator accepts, with
// exactly the fixed words; nothing the fuzzer types may add an option.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "params/parameter_set.h"
#include "render/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vermora;
  const std::string text(reinterpret_cast<const char*>(data), size);
  (void)TranslateCommandLine(text, {});
  const size_t cut = text.find('\n');
  const std::string width = text.substr(0, cut);
  const std::string height = cut == std::string::npos ? "24" : text.substr(cut + 1);
  ParameterSet set;
  set.SetText("edImageW", width);
  set.SetText("edImageH", height);
  if (!PictureSizeProblem(set).empty()) return 0;
  if (!ValidPictureSide(width) || !ValidPictureSide(height)) std::abort();
  auto line = [](const std::string& w, const std::string& h) {
    return TranslateCommandLine(
        RenderCommandLine("/usr/bin/povray", "/tmp/f/", "TEMP.POV", w, h, false), {});
  };
  const RenderInvocation call = line(width, height), reference = line("32", "24");
  if (call.program.empty() || call.args.size() != reference.args.size()) std::abort();
  for (size_t i = 0; i < call.args.size(); ++i) {
    const std::string& want = reference.args[i] == "+W32"   ? "+W" + width
                              : reference.args[i] == "+H24" ? "+H" + height
                                                            : reference.args[i];
    if (call.args[i] != want) std::abort();
  }
  return 0;
}
