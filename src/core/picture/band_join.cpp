#include "picture/band_join.h"

#include <png.h>

#include <cstring>

namespace vermora {
namespace {

// One band picture read as 8-bit RGB or RGBA, as the renderer writes it.
struct Picture {
  png_uint_32 width = 0, height = 0;
  png_uint_32 format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels;
};

Status ReadPicture(const std::string& path, Picture& picture) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    return Status::Error("cannot read the band picture " + path + ": " + image.message);
  }
  image.format = (image.format & PNG_FORMAT_FLAG_ALPHA) ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  picture.width = image.width;
  picture.height = image.height;
  picture.format = image.format;
  picture.pixels.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
    const std::string message = image.message;
    png_image_free(&image);
    return Status::Error("cannot read the band picture " + path + ": " + message);
  }
  return Status::Ok();
}

Status CheckCover(const std::vector<RowBand>& bands, png_uint_32 height) {
  png_uint_32 next = 1;
  for (const RowBand& band : bands) {
    if (band.whole() || band.first != static_cast<int>(next) || band.last < band.first) {
      return Status::Error("the bands do not follow on from row " + std::to_string(next));
    }
    next = static_cast<png_uint_32>(band.last) + 1;
  }
  if (next != height + 1) {
    return Status::Error("the bands end at row " + std::to_string(next - 1) + " of a picture " +
                         std::to_string(height) + " rows high");
  }
  return Status::Ok();
}

}  // namespace

Status JoinBands(const std::vector<std::string>& pictures, const std::vector<RowBand>& bands,
                 const std::string& out_path) {
  if (pictures.empty() || pictures.size() != bands.size()) {
    return Status::Error("a band picture is needed for every band");
  }
  Picture joined;
  for (size_t i = 0; i < pictures.size(); ++i) {
    Picture band;
    if (Status s = ReadPicture(pictures[i], band); !s.ok()) return s;
    if (i == 0) {
      joined = band;
      if (Status s = CheckCover(bands, joined.height); !s.ok()) return s;
      continue;
    }
    if (band.width != joined.width || band.height != joined.height ||
        band.format != joined.format) {
      return Status::Error("the band picture " + pictures[i] + " is " + std::to_string(band.width) +
                           "x" + std::to_string(band.height) + ", not " +
                           std::to_string(joined.width) + "x" + std::to_string(joined.height) +
                           " as the first");
    }
    const size_t row_bytes = band.pixels.size() / band.height;
    const size_t from = static_cast<size_t>(bands[i].first - 1) * row_bytes;
    const size_t count = static_cast<size_t>(bands[i].rows()) * row_bytes;
    std::memcpy(joined.pixels.data() + from, band.pixels.data() + from, count);
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = joined.width;
  image.height = joined.height;
  image.format = joined.format;
  if (!png_image_write_to_file(&image, out_path.c_str(), 0, joined.pixels.data(), 0, nullptr)) {
    return Status::Error("cannot write " + out_path + ": " + image.message);
  }
  return Status::Ok();
}

}  // namespace vermora
