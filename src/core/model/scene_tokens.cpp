#include "model/scene_tokens.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>

namespace vermora {
namespace {

bool WordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool WordPart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool Digit(char c) { return std::isdigit(static_cast<unsigned char>(c)); }

}  // namespace

SceneToken LexToken(std::string_view text, size_t i) {
  const size_t n = text.size();
  for (;;) {
    while (i < n && (std::isspace(static_cast<unsigned char>(text[i])) || text[i] == '\0')) ++i;
    if (i + 1 < n && text[i] == '/' && text[i + 1] == '/') {
      while (i < n && text[i] != '\n') ++i;
    } else if (i + 1 < n && text[i] == '/' && text[i + 1] == '*') {
      const size_t close = text.find("*/", i + 2);
      i = close == std::string_view::npos ? n : close + 2;
    } else {
      break;
    }
  }
  SceneToken t;
  t.begin = t.end = std::min(i, n);
  if (i >= n) return t;
  const char c = text[i];
  const size_t start = i;
  if (Digit(c) || (c == '.' && i + 1 < n && Digit(text[i + 1]))) {
    while (i < n && Digit(text[i])) ++i;
    if (i < n && text[i] == '.') ++i;
    while (i < n && Digit(text[i])) ++i;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
      size_t j = i + 1;
      if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
      if (j < n && Digit(text[j])) {
        i = j;
        while (i < n && Digit(text[i])) ++i;
      }
    }
    t.kind = SceneToken::kNumber;
    t.text = text.substr(start, i - start);
    const std::string number(t.text);
    t.number = std::strtod(number.c_str(), nullptr);
  } else if (WordStart(c) || (c == '#' && i + 1 < n && WordStart(text[i + 1]))) {
    ++i;
    while (i < n && WordPart(text[i])) ++i;
    t.kind = SceneToken::kWord;
    t.text = text.substr(start, i - start);
  } else if (c == '"') {
    ++i;
    while (i < n && text[i] != '"' && text[i] != '\n') i += (text[i] == '\\' && i + 1 < n) ? 2 : 1;
    t.kind = SceneToken::kString;
    t.text = text.substr(start + 1, std::min(i, n) - start - 1);
    if (i < n) ++i;
  } else {
    t.kind = SceneToken::kSymbol;
    const char next = i + 1 < n ? text[i + 1] : '\0';
    const bool pair = next == '=' && (c == '<' || c == '>' || c == '!');
    t.text = text.substr(start, pair ? 2 : 1);
    i += pair ? 2 : 1;
  }
  t.end = i;
  return t;
}

int LineAt(std::string_view text, size_t offset) {
  offset = std::min(offset, text.size());
  return 1 +
         static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

}  // namespace vermora
