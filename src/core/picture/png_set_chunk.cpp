#include "picture/png_set_chunk.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "common/file_io.h"

namespace vermora {

namespace {

constexpr const char* kSettingsHead = "Quorel 0.9";

struct Reader {
  const std::string* bytes;
  size_t at = 0;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t count) {
  auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
  if (reader->bytes->size() - reader->at < count) png_error(png, "the picture ends early");
  std::memcpy(out, reader->bytes->data() + reader->at, count);
  reader->at += count;
}

void WriteBytes(png_structp png, png_bytep data, png_size_t count) {
  static_cast<std::string*>(png_get_io_ptr(png))
      ->append(reinterpret_cast<const char*>(data), count);
}

void FlushNothing(png_structp) {}

// Errors end the read or write through a jump; the message is kept for the user.
void OnError(png_structp png, png_const_charp message) {
  *static_cast<std::string*>(png_get_error_ptr(png)) = message;
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

bool IsOurs(const png_text& text) { return std::strcmp(text.key, kSetChunkKeyword) == 0; }

// Reads the whole picture, strict about damage in any chunk.
struct ReadPng {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::string error;
  ReadPng() {
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, OnError, OnWarning);
    if (png) info = png_create_info_struct(png);
  }
  ~ReadPng() { png_destroy_read_struct(&png, &info, nullptr); }
  bool Read(const std::string& bytes) {
    if (!png || !info) return false;
    Reader reader{&bytes};
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &reader, ReadBytes);
    png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
    png_set_benign_errors(png, 0);
    png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
  }
};

Status LoadPicture(const std::string& path, std::string& bytes) {
  if (Status s = ReadWholeFile(path, bytes); !s.ok()) return s;
  if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0) {
    return Status::Error(path + " is not a PNG picture");
  }
  return Status::Ok();
}

}  // namespace

Status EmbedSetInPng(const std::string& path, const std::string& settings_text) {
  if (settings_text.find('\0') != std::string::npos) {
    return Status::Error("a set with a zero byte cannot go into a picture");
  }
  std::string bytes;
  if (Status s = LoadPicture(path, bytes); !s.ok()) return s;
  ReadPng in;
  if (!in.Read(bytes)) return Status::Error(path + " is a damaged PNG picture: " + in.error);

  std::string out;
  std::string error;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, OnError, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return Status::Error("not enough memory to write " + path);
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return Status::Error("cannot write " + path + ": " + error);
  }
  png_set_write_fn(png, &out, WriteBytes, FlushNothing);
  png_uint_32 width, height;
  int depth, colour, interlace, compression, filter;
  png_get_IHDR(in.png, in.info, &width, &height, &depth, &colour, &interlace, &compression,
               &filter);
  png_set_IHDR(png, info, width, height, depth, colour, interlace, compression, filter);
  png_colorp palette;
  int palette_size;
  if (png_get_PLTE(in.png, in.info, &palette, &palette_size))
    png_set_PLTE(png, info, palette, palette_size);
  png_bytep alpha;
  int alpha_count;
  png_color_16p alpha_colour;
  if (png_get_tRNS(in.png, in.info, &alpha, &alpha_count, &alpha_colour)) {
    png_set_tRNS(png, info, alpha, alpha_count, alpha_colour);
  }
  double gamma;
  if (png_get_gAMA(in.png, in.info, &gamma)) png_set_gAMA(png, info, gamma);

  png_textp old_texts;
  const int old_count = png_get_text(in.png, in.info, &old_texts, nullptr);
  std::vector<png_text> texts;
  for (int i = 0; i < old_count; ++i) {
    if (!IsOurs(old_texts[i])) texts.push_back(old_texts[i]);
  }
  png_text ours{};
  ours.compression = PNG_TEXT_COMPRESSION_zTXt;
  ours.key = const_cast<char*>(kSetChunkKeyword);
  ours.text = const_cast<char*>(settings_text.c_str());
  ours.text_length = settings_text.size();
  texts.push_back(ours);
  png_set_text(png, info, texts.data(), static_cast<int>(texts.size()));
  png_set_rows(png, info, png_get_rows(in.png, in.info));
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return WriteFileReplacing(path, out);
}

Status ReadSetFromPng(const std::string& path, std::string& settings_text) {
  std::string bytes;
  if (Status s = LoadPicture(path, bytes); !s.ok()) return s;
  ReadPng in;
  if (!in.Read(bytes))
    return Status::Error(path + " is damaged (" + in.error + "); no set was read from it");
  png_textp texts;
  const int count = png_get_text(in.png, in.info, &texts, nullptr);
  for (int i = 0; i < count; ++i) {
    if (!IsOurs(texts[i])) continue;
    const std::string text(texts[i].text, texts[i].text_length);
    if (text.rfind(kSettingsHead, 0) != 0) {
      return Status::Error("the set in " + path + " is damaged; no set was read from it");
    }
    settings_text = text;
    return Status::Ok();
  }
  return Status::Error(path + " holds no Vermora set");
}

}  // namespace vermora
