#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "render/row_bands.h"

namespace vermora {

// Joins the band pictures a split render made into one PNG at `out_path`.
// Each of `pictures` is a whole-size PNG of which only its band's rows were
// rendered (the renderer leaves the others black); the rows are taken as they
// are, so the joined picture equals a whole render pixel for pixel. Refuses
// pictures of different sizes, bands that do not cover the picture from top
// to bottom once, and a picture that is missing or damaged, naming the file.
Status JoinBands(const std::vector<std::string>& pictures, const std::vector<RowBand>& bands,
                 const std::string& out_path);

}  // namespace vermora
