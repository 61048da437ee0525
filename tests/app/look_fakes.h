#pragma once

#include <QColor>
#include <deque>
#include <optional>

#include "look_helpers.h"

namespace vermora::app::test {

// Colour dialog answers given in advance; none left means the user cancels.
class FakeColours final : public ColourDialog {
 public:
  std::deque<std::optional<QColor>> answers;
  QList<QColor> starts;  // the colour each dialog opened with

  std::optional<QColor> Choose(QWidget*, const QColor& start) override {
    starts << start;
    if (answers.empty()) return std::nullopt;
    const std::optional<QColor> a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace vermora::app::test
