#pragma once

#include <QGroupBox>
#include <functional>

#include "common/status.h"
#include "params/number_reading.h"
#include "params/parameter_set.h"
#include "prompts.h"
#include "texture/texture_page.h"

class QLabel;
class QSlider;

namespace vermora::app {

class Swatch;

// The map painted as a gradient, one pixel column per column of the strip rule.
class ColourStrip : public QWidget {
  Q_OBJECT

 public:
  ColourStrip(const ParameterSet& set, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ParameterSet& set_;
};

// The colour map editor around the grid sgColorMap: the strip, the position slider
// with its label, the colour at the position, "Add Color", "Delete Color", "Dflt".
class ColourMapGrid : public QGroupBox {
  Q_OBJECT

 public:
  // `changed` shows the set and page after an edit; `choose` opens the colour
  // dialog of colour row 4.
  ColourMapGrid(ParameterSet& set, TexturePage& page, Prompts* prompts,
                std::function<void()> changed, std::function<void()> choose, QWidget* parent);

  // Shows the page's slider, label and colour, and repaints the strip.
  void Show();
  void MoveTo(int position);
  void Add();
  void Delete();
  void Default();

 private:
  void Report(const Status& status, const Diagnostics& diagnostics, bool refusal);

  ParameterSet& set_;
  TexturePage& page_;
  Prompts* prompts_;
  std::function<void()> changed_;
  ColourStrip* strip_ = nullptr;
  QSlider* slider_ = nullptr;
  QLabel* label_ = nullptr;
  Swatch* swatch_ = nullptr;
};

}  // namespace vermora::app
