#include "params/value_codec.h"

#include <algorithm>

#include "common/fixed.h"
#include "params/number_reading.h"

namespace vermora {
namespace {

Status ReadInt(std::string_view text, int& out) {
  const auto n = ParseInteger(text);
  if (!n) return Status::Error(BadIntegerMessage(text));
  out = *n;
  return Status::Ok();
}

Status DecodeGrid(const ParamDef& def, std::string_view text, Grid& grid) {
  const std::string name(def.name);
  const size_t tilde = text.find('~');
  if (tilde == std::string_view::npos) {
    return Status::Error("Invalid row count in grid component [" + name + "]!  Load aborted");
  }
  Grid next;
  if (Status s = ReadInt(text.substr(0, tilde), next.rows); !s.ok()) return s;
  text.remove_prefix(tilde + 1);
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    return Status::Error("Invalid col count in grid component [" + name + "]!  Load aborted");
  }
  if (Status s = ReadInt(text.substr(0, colon), next.cols); !s.ok()) return s;
  text.remove_prefix(colon + 1);
  if (next.rows < 0 || next.cols < 0) {
    return Status::Error("Invalid row count in grid component [" + name + "]!  Load aborted");
  }
  for (int row = 0; row < next.rows; ++row) {
    for (int col = 0; col < next.cols; ++col) {
      const size_t end = text.find('~');
      if (end == std::string_view::npos) {
        return Status::Error("Missing value (" + IntegerText(col) + "," + IntegerText(row) +
                             ") in grid component [" + name + "]!  Load aborted");
      }
      next.cells.emplace_back(text.substr(0, end));
      text.remove_prefix(end + 1);
    }
  }
  grid = std::move(next);
  return Status::Ok();
}

// The number of items of a choice or list.
int ItemCount(const ParamDef& def) {
  if (def.items.empty()) return 0;
  return static_cast<int>(std::count(def.items.begin(), def.items.end(), '|')) + 1;
}

}  // namespace

int ClampIndex(const ParamDef& def, int index) {
  switch (def.kind) {
    case ParamKind::kSlider:
      return std::clamp(index, def.min, def.max);
    case ParamKind::kChoice:
    case ParamKind::kList:
      if (const int count = ItemCount(def); count > 0) return std::clamp(index, -1, count - 1);
      return std::max(index, -1);
    default:
      return index;
  }
}

std::string EncodeValue(const ParamDef& def, const ParamValue& value) {
  switch (def.kind) {
    case ParamKind::kNumber:
    case ParamKind::kInteger:
    case ParamKind::kText:
      return value.text;
    case ParamKind::kSwitch:
    case ParamKind::kToggle:
      return value.on ? "Y" : "N";
    case ParamKind::kList:
      if (value.tag != 0) return IntegerText(value.index) + "~" + IntegerText(value.tag);
      return IntegerText(value.index);
    case ParamKind::kChoice:
    case ParamKind::kSlider:
      return IntegerText(value.index);
    case ParamKind::kGrid: {
      std::string text = IntegerText(value.grid.rows) + "~" + IntegerText(value.grid.cols) + ":";
      for (const std::string& cell : value.grid.cells) text += cell + "~";
      return text;
    }
  }
  return {};
}

Status DecodeValue(const ParamDef& def, std::string_view text, ParamValue& value) {
  switch (def.kind) {
    case ParamKind::kNumber:
    case ParamKind::kInteger:
    case ParamKind::kText:
      value.text = std::string(text);
      return Status::Ok();
    case ParamKind::kSwitch:
    case ParamKind::kToggle:
      value.on = !text.empty() && text.front() == 'Y';
      return Status::Ok();
    case ParamKind::kChoice:
    case ParamKind::kList:
    case ParamKind::kSlider: {
      const size_t tilde = text.find('~');
      int index = 0, tag = value.tag;
      if (tilde == std::string_view::npos) {
        if (Status s = ReadInt(text, index); !s.ok()) return s;
      } else {
        if (Status s = ReadInt(text.substr(0, tilde), index); !s.ok()) return s;
        if (Status s = ReadInt(text.substr(tilde + 1), tag); !s.ok()) return s;
      }
      value.index = ClampIndex(def, index);
      value.tag = tag;
      return Status::Ok();
    }
    case ParamKind::kGrid:
      return DecodeGrid(def, text, value.grid);
  }
  return Status::Ok();
}

}  // namespace vermora
