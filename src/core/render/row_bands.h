#pragma once

#include <string>
#include <vector>

namespace vermora {

// Rows of a picture as the renderer counts them, from 1, both ends included.
struct RowBand {
  int first = 0;  // 0: the whole picture
  int last = 0;

  bool whole() const { return first == 0; }
  int rows() const { return last - first + 1; }
  bool operator==(const RowBand&) const = default;
};

// The renderer traces a picture in square blocks of this many pixels, and
// anti-aliasing looks at neighbours inside a block only.
inline constexpr int kRenderBlock = 32;

// Splits `height` rows into at most `parts` bands of whole render blocks, as
// even as blocks allow, top to bottom. Each band then renders exactly as its
// rows do in a whole picture, anti-aliased or not; a picture fewer blocks high
// than `parts` gets one band a block.
// REQUIRES: height >= 1, parts >= 1.
std::vector<RowBand> SplitIntoBands(int height, int parts);

// The renderer options that render only `band`, with the block size the split
// counts on whatever the renderer's own settings say.
std::vector<std::string> BandOptions(const RowBand& band);

}  // namespace vermora
