#include "colour_map_grid.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "look_helpers.h"
#include "texture/colour_map_edit.h"

namespace vermora::app {

ColourStrip::ColourStrip(const ParameterSet& set, QWidget* parent) : QWidget(parent), set_(set) {
  setObjectName("pbColorMap");
  setMinimumSize(200, 22);
}

void ColourStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  std::vector<int> columns;
  Diagnostics unused;
  // A cell that is no colour paints nothing; the position rule names the cell.
  if (!ColourMapStrip(set_.GridValue("sgColorMap"), width(), columns, unused).ok()) return;
  for (int x = 0; x < static_cast<int>(columns.size()); ++x) {
    if (columns[x] < 0) continue;
    p.setPen(FromPacked(columns[x]));
    p.drawLine(x, 0, x, height() - 1);
  }
}

ColourMapGrid::ColourMapGrid(ParameterSet& set, TexturePage& page, Prompts* prompts,
                             std::function<void()> changed, std::function<void()> choose,
                             QWidget* parent)
    : QGroupBox("Colour map", parent),
      set_(set),
      page_(page),
      prompts_(prompts),
      changed_(std::move(changed)) {
  setObjectName("ColourMapEditor");
  auto* grid = new QGridLayout(this);
  strip_ = new ColourStrip(set, this);
  grid->addWidget(strip_, 0, 0, 1, 6);
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName("TrackBar1");
  slider_->setRange(0, 1000);
  slider_->setPageStep(50);
  grid->addWidget(slider_, 1, 0, 1, 5);
  label_ = new QLabel(this);
  label_->setObjectName("lblPosition");
  grid->addWidget(label_, 1, 5);
  swatch_ = new Swatch("colorBox4", this);
  grid->addWidget(swatch_, 2, 0);
  auto button = [this, grid](const char* name, const char* caption, const char* hint, int col,
                             std::function<void()> fn) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setToolTip(hint);
    connect(b, &QPushButton::clicked, this, std::move(fn));
    grid->addWidget(b, 2, col);
  };
  button("sbChooseColor4", "Color ...", "Choose the colour to add", 1, std::move(choose));
  button("sbAddColor", "Add Color", "Add Color", 2, [this] { Add(); });
  button("sbDeleteColor", "Delete Color", "Delete Color", 3, [this] { Delete(); });
  button("sbDefaultMap", "Dflt", "Back to StartMap", 4, [this] { Default(); });
  connect(slider_, &QSlider::valueChanged, this, [this](int v) { MoveTo(v); });
}

void ColourMapGrid::Show() {
  {
    const QSignalBlocker block(slider_);
    slider_->setValue(page_.position);
  }
  label_->setText(FromCore(page_.position_label));
  swatch_->SetColour(FromPacked(page_.swatch[3]));
  strip_->update();
}

void ColourMapGrid::Report(const Status& status, const Diagnostics& diagnostics, bool refusal) {
  QStringList warnings;
  for (const std::string& w : diagnostics.warnings) warnings << FromCore(w);
  if (!warnings.isEmpty()) prompts_->Warning(this, warnings.join('\n'));
  if (status.ok()) return;
  if (refusal)
    prompts_->Inform(this, FromCore(status.message()));
  else
    prompts_->Error(this, FromCore(status.message()));
}

void ColourMapGrid::MoveTo(int position) {
  Diagnostics diagnostics;
  const Status s = MoveSlider(set_, page_, position, diagnostics);
  changed_();
  Report(s, diagnostics, false);
}

void ColourMapGrid::Add() {
  Diagnostics diagnostics;
  const Status s = AddColour(set_, page_, diagnostics);
  changed_();
  Report(s, diagnostics, false);
}

void ColourMapGrid::Delete() {
  Diagnostics diagnostics;
  const Status s = DeleteColour(set_, page_, diagnostics);
  changed_();
  // The refusals keep the map as it is; they only tell why.
  Report(s, diagnostics, true);
}

void ColourMapGrid::Default() {
  DefaultColourMap(set_, page_);
  changed_();
}

}  // namespace vermora::app
