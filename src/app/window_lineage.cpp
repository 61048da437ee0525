#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "main_window.h"
#include "variation/lineage.h"

namespace vermora::app {
namespace {

// The engine a step of the undo history stands for; empty for other steps.
std::string EngineOfStep(const QString& label) {
  if (label == "TabFeaturesRandom") return "random";
  if (label == "TabFeaturesEvolve") return "evolve";
  if (label == "TabFeaturesMutate") return "mutate";
  if (label == "Breeding") return "breed";
  if (label == "Variant") return "variant";
  return {};
}

// A picture saved beside a set file ("NAME.png" or "NAME.bmp"), if any.
QString PictureBeside(const QString& set_path) {
  const QFileInfo info(set_path);
  for (const char* ext : {".png", ".bmp", ".BMP"}) {
    const QString picture = info.path() + "/" + info.completeBaseName() + ext;
    if (QFileInfo::exists(picture)) return picture;
  }
  return {};
}

}  // namespace

void MainWindow::AddAncestryRow() {
  if (!side_tabs_) return;
  auto* scroll = new QScrollArea(side_tabs_);
  scroll->setObjectName("Ancestry");
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ancestry_ = new QWidget;
  auto* row = new QHBoxLayout(ancestry_);
  row->setContentsMargins(2, 2, 2, 2);
  ancestry_note_ = new QLabel(
      "The parents of a set made by Random, Evolve, Mutate or Breed appear here.", ancestry_);
  ancestry_note_->setWordWrap(true);
  row->addWidget(ancestry_note_);
  row->addStretch(1);
  scroll->setWidget(ancestry_);
  side_tabs_->addTab(scroll, "Ancestry");
}

void MainWindow::NoteOffspring(const QString& step_label) {
  const std::string engine = EngineOfStep(step_label);
  if (engine.empty()) return;
  const QString caption = windowTitle();
  std::vector<std::string> parents;
  if (caption != kCaption && QFileInfo::exists(caption))
    parents.push_back(ToCore(QFileInfo(caption).absoluteFilePath()));
  SystemClock clock;
  std::vector<std::string> warnings;
  pending_lineage_ = MakeLineage(engine, parents, clock.MillisecondsOfDayUtc(), clock, warnings);
  ShowWarnings(warnings);
}

void MainWindow::LineageSaved(const QString& path) {
  const std::string saved = ToCore(QFileInfo(path).absoluteFilePath());
  const auto& parents = pending_lineage_.parents;
  // Saved over its own parent: the file keeps the record it had.
  const bool over_parent = std::find(parents.begin(), parents.end(), saved) != parents.end();
  if (!pending_lineage_.engine.empty() && !over_parent) {
    if (Status s = WriteLineageFile(ToCore(path), pending_lineage_); !s.ok()) {
      prompts_->Warning(this, FromCore(s.message()));
    }
    pending_lineage_ = {};
  }
  ShowAncestry(path);
}

void MainWindow::ShowAncestry(const QString& path) {
  if (!ancestry_) return;
  auto* row = qobject_cast<QHBoxLayout*>(ancestry_->layout());
  while (row->count() > 2) delete row->takeAt(0)->widget();
  std::vector<std::string> warnings;
  const std::vector<std::string> chain = AncestryChain(ToCore(path), warnings);
  ShowWarnings(warnings);
  for (size_t i = 0; i < chain.size(); ++i) {
    const QString ancestor = FromCore(chain[i]);
    auto* button = new QToolButton(ancestry_);
    button->setObjectName(QString("Ancestor%1").arg(i + 1));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setText(QFileInfo(ancestor).completeBaseName());
    button->setToolTip(ancestor);
    if (const QString picture = PictureBeside(ancestor); !picture.isEmpty()) {
      button->setIcon(QIcon(QPixmap(picture).scaled(64, 48, Qt::KeepAspectRatio)));
      button->setIconSize(QSize(64, 48));
    }
    button->setEnabled(QFileInfo::exists(ancestor));
    connect(button, &QToolButton::clicked, this, [this, ancestor] { GoToAncestor(ancestor); });
    row->insertWidget(row->count() - 2, button);
  }
  ancestry_note_->setVisible(chain.empty());
}

void MainWindow::GoToAncestor(const QString& path) {
  if (rendering() || !MaySetAside()) return;
  mixed_caption_.clear();
  pending_lineage_ = {};
  setWindowTitle(path);
  LoadFrom(path);
}

}  // namespace vermora::app
