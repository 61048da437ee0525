#pragma once

#include <cstddef>
#include <string_view>

namespace vermora {

// One token of scene text, a view into the text. Directives keep their '#'
// ("#declare"); the operators of two characters are one token ("<=", "!=").
struct SceneToken {
  enum Kind { kNumber, kWord, kString, kSymbol, kEnd } kind = kEnd;
  std::string_view text;  // a string's text without its quotes
  double number = 0;
  size_t begin = 0, end = 0;  // byte offsets of the token in the scene, end one past it
};

// The token at or after byte `offset` of `text`, comments and blanks passed
// over. A byte that starts no token becomes a symbol of its own, for the
// reader to reject. At the end of the text: kEnd, begin = end = text.size().
SceneToken LexToken(std::string_view text, size_t offset);

// The line number (from 1) of byte `offset`.
int LineAt(std::string_view text, size_t offset);

}  // namespace vermora
