#include "render/command_line.h"

#include <filesystem>

#include "params/param_table.h"
#include "params/parameter_set.h"

namespace vermora {
namespace {

constexpr char kQuote = '"';

// Splits the part after the program path into words; a quoted word may hold blanks.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size()) break;
    std::string word;
    if (text[i] == kQuote) {
      const size_t end = text.find(kQuote, i + 1);
      word = text.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
      i = end == std::string::npos ? text.size() : end + 1;
    } else {
      const size_t end = text.find(' ', i);
      word = text.substr(i, end == std::string::npos ? std::string::npos : end - i);
      i = end == std::string::npos ? text.size() : end;
    }
    words.push_back(word);
  }
  return words;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string LowerExtension(const std::string& path) {
  return std::filesystem::path(path).extension().string();
}

// The options the fixed command line may hold beside its files.
bool FixedOption(const std::string& word) {
  if (word == "+A" || word == "-A" || word == "-P") return true;
  return word.size() > 2 && (word.rfind("+H", 0) == 0 || word.rfind("+W", 0) == 0) &&
         ValidPictureSide(std::string_view(word).substr(2));
}

std::string LabelOf(std::string_view name) {
  for (const ParamDef& def : ParamTable()) {
    if (def.name == name) return std::string(def.label);
  }
  return std::string(name);
}

}  // namespace

std::string PictureSideProblem(std::string_view label, std::string_view text) {
  if (ValidPictureSide(text)) return {};
  return std::string(label) + " must be a whole number of pixels from 1 to " +
         std::to_string(kLargestPictureSide) + ", not \"" + std::string(text) + "\"";
}

std::string PictureSizeProblem(const ParameterSet& set) {
  for (const char* name : {"edImageW", "edImageH"}) {
    std::string problem = PictureSideProblem(LabelOf(name), set.Text(name));
    if (!problem.empty()) return problem;
  }
  return {};
}

std::string RenderCommandLine(const std::string& povray_path, const std::string& folder,
                              const std::string& scene_name, const std::string& width_text,
                              const std::string& height_text, bool antialias,
                              const std::string& image_name) {
  const std::string q(1, kQuote);
  return povray_path + " /EXIT /RENDER " + q + folder + scene_name + q + " +FS +H" + height_text +
         " +W" + width_text + (antialias ? " +A" : " -A") + " -P " + q +
         "Output_File_Name=" + folder + image_name + q + " +KFF-1" + " " + q +
         "All_File=" + folder + "ALLTEXT.OUT" + q + " ";
}

std::string FrameCommandLine(const std::string& povray_path, const std::string& folder,
                             const std::string& frame_path, const std::string& width_text,
                             const std::string& height_text) {
  const std::string q(1, kQuote);
  return povray_path + " /EXIT /RENDER " + q + frame_path + q + " +FS +H" + height_text + " +W" +
         width_text + " -P " + q + "Output_File_Name=" + folder + q + " +KFF-1" + " " + q +
         "All_File=" + folder + "ALLTEXT.OUT" + q + " ";
}

RenderInvocation TranslateCommandLine(const std::string& command_line,
                                      const std::vector<std::string>& include_dirs) {
  RenderInvocation inv;
  const std::string marker = " /EXIT /RENDER ";
  const size_t at = command_line.find(marker);
  if (at == std::string::npos) return inv;
  inv.program = command_line.substr(0, at);

  std::string scene;
  bool bmp = true;
  std::vector<std::string> rest;
  for (const std::string& word : Words(command_line.substr(at + marker.size()))) {
    if (scene.empty() && !word.empty() && word[0] != '+' && word[0] != '-' &&
        word.find('=') == std::string::npos) {
      scene = word;
    } else if (word.rfind("Output_File_Name=", 0) == 0) {
      inv.image_path = word.substr(17);
    } else if (word.rfind("All_File=", 0) == 0) {
      inv.messages_path = word.substr(9);
    } else if (word == "+FS" || word.rfind("+KFF", 0) == 0) {
      // +FS is the Windows system format; here the picture is a BMP (or a PNG by name).
      // Frame settings (+KFF) mean nothing for a single still.
    } else if (FixedOption(word)) {
      rest.push_back(word);
    } else {
      scene.clear();  // not the fixed line: nothing is run
      break;
    }
  }
  if (scene.empty() || inv.image_path.empty()) {
    inv.program.clear();
    return inv;
  }
  // An output folder: the picture takes the scene's name.
  if (inv.image_path.back() == '/') {
    inv.image_path += std::filesystem::path(scene).stem().string() + ".bmp";
  }
  const std::string ext = LowerExtension(inv.image_path);
  if (ext == ".png" || ext == ".PNG") bmp = false;
  // POV-Ray appends ".bmp" to a name ending in upper-case ".BMP"; write the
  // lower-case name and let the caller find the picture where it expects it.
  inv.written_image = inv.image_path;
  if (EndsWith(inv.written_image, ".BMP")) {
    inv.written_image.replace(inv.written_image.size() - 4, 4, ".bmp");
  }
  inv.working_dir = std::filesystem::path(scene).parent_path().string();
  if (inv.working_dir.empty()) inv.working_dir = ".";

  // POV-Ray wants the messages file beside the picture and compares the names as
  // given; the renderer runs in the scene's folder, so name files there plainly.
  auto local = [&](const std::string& path) {
    const std::filesystem::path p(path);
    return p.parent_path() == std::filesystem::path(inv.working_dir) ? p.filename().string() : path;
  };
  inv.args.push_back("+I" + local(scene));
  inv.args.emplace_back(bmp ? "+FB" : "+FN");
  inv.args.push_back("+O" + local(inv.written_image));
  for (const std::string& word : rest) inv.args.push_back(word);
  inv.args.emplace_back("-D");  // no display window
  for (const std::string& dir : include_dirs) inv.args.push_back("+L" + dir);
  if (!inv.messages_path.empty()) inv.args.push_back("All_File=" + local(inv.messages_path));
  return inv;
}

void ApplyShare(const RenderShare& share, RenderInvocation& inv) {
  inv.nice = share.nice;
  if (share.work_threads > 0) inv.args.push_back("+WT" + std::to_string(share.work_threads));
}

}  // namespace vermora
