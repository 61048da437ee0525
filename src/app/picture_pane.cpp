#include "picture_pane.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QOpenGLContext>
#include <QSettings>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "creature_view.h"
#include "window_keys.h"

namespace vermora::app {

bool HaveOpenGL() {
  static const bool have = [] {
    QOpenGLContext probe;
    return probe.create();
  }();
  return have;
}

PicturePane::PicturePane(QWidget* picture, QWidget* parent)
    : QWidget(parent), picture_(picture), builder_(new ModelBuilder(this)) {
  setObjectName("PicturePane");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  auto* bar = new QHBoxLayout;
  modes_ = new QButtonGroup(this);
  const char* names[] = {"PaneModel", "PanePicture", "PaneBoth"};
  const char* texts[] = {"3-D", "Picture", "Both"};
  const char* hints[] = {"The creature drawn at once, without POV-Ray", "POV-Ray's picture",
                         "The 3-D view above POV-Ray's picture"};
  for (int m = 0; m < 3; ++m) {
    auto* button = new QToolButton(this);
    button->setObjectName(names[m]);
    button->setText(texts[m]);
    button->setToolTip(hints[m]);
    button->setCheckable(true);
    button->setAutoRaise(true);
    modes_->addButton(button, m);
    bar->addWidget(button);
  }
  auto* surroundings = new QToolButton(this);
  surroundings->setObjectName("PaneSurroundings");
  surroundings->setText("Sky && ground");
  surroundings->setToolTip(
      "The 3-D view shows the scene's background, sky, ground, sea and fog behind the "
      "creature; off, the creature stands on black and draws quicker");
  surroundings->setCheckable(true);
  surroundings->setAutoRaise(true);
  surroundings->setChecked(
      QSettings(kSettingsOrg, kSettingsApp).value(kSurroundingsKey, true).toBool());
  bar->addSpacing(12);
  bar->addWidget(surroundings);
  bar->addStretch(1);
  info_ = new QLabel(this);
  info_->setObjectName("ModelInfo");
  bar->addWidget(info_);
  column->addLayout(bar);
  split_ = new QSplitter(Qt::Vertical, this);
  split_->setObjectName("PaneSplitter");
  split_->setChildrenCollapsible(false);
  if (HaveOpenGL()) {
    view_ = new CreatureView(split_);
    split_->addWidget(view_);
    connect(view_, &CreatureView::Failed, this, [this](const QString& why) {
      // Without the OpenGL it needs the view is no use: the picture takes the pane.
      SetMode(kPicture);
      for (QAbstractButton* b : modes_->buttons()) b->setEnabled(false);
      emit Message(why);
    });
  }
  split_->addWidget(picture_);
  column->addWidget(split_, 1);
  if (view_) {
    view_->ShowSurroundings(surroundings->isChecked());
    connect(surroundings, &QToolButton::toggled, this, [this](bool on) {
      view_->ShowSurroundings(on);
      QSettings(kSettingsOrg, kSettingsApp).setValue(kSurroundingsKey, on);
    });
  } else {
    surroundings->setEnabled(false);
  }
  connect(builder_, &ModelBuilder::Ready, this, &PicturePane::Built);
  connect(modes_, &QButtonGroup::idClicked, this, [this](int m) { Choose(static_cast<Mode>(m)); });
  if (!view_) {
    for (QAbstractButton* b : modes_->buttons()) b->setEnabled(false);
    modes_->button(kPicture)->setToolTip("No OpenGL on this display: the 3-D view is off");
  }
  SetMode(view_ ? static_cast<Mode>(std::clamp(
                      QSettings(kSettingsOrg, kSettingsApp).value(kPictureModeKey, kBoth).toInt(),
                      0, 2))
                : kPicture);
}

void PicturePane::SetMode(Mode mode) {
  if (!view_) mode = kPicture;
  mode_ = mode;
  modes_->button(mode)->setChecked(true);
  if (view_) view_->setVisible(mode != kPicture);
  picture_->setVisible(mode != kModel);
  if (view_ && mode != kPicture && pending_) builder_->Build(*std::exchange(pending_, nullptr));
  emit ModeChanged(mode);
}

void PicturePane::Choose(Mode mode) {
  SetMode(mode);
  QSettings(kSettingsOrg, kSettingsApp).setValue(kPictureModeKey, static_cast<int>(mode_));
}

void PicturePane::SetChanged(const ParameterSet& set) {
  if (!view_) return;
  if (mode_ == kPicture) {
    pending_ = std::make_unique<ParameterSet>(set);
    return;
  }
  builder_->Build(set);
}

void PicturePane::Built(const BuiltModel& built) {
  const SceneModel& model = *built.model;
  if (model.error.empty()) {
    view_->Show(built);
  } else {
    // Half a scene would mislead: the view stays empty until the scene can be read.
    auto empty = std::make_shared<SceneModel>();
    empty->error = model.error;
    view_->Show({empty, built.aspect, built.ms, nullptr});
  }
  info_->setText(model.error.empty() ? QString("%1 objects, read in %2 ms")
                                           .arg(model.instances.size())
                                           .arg(built.ms, 0, 'f', 0)
                                     : QString("not read"));
  if (!model.error.empty()) {
    emit Message("3-D view: " + QString::fromStdString(model.error));
  } else if (model.stand_ins > 0) {
    emit Message(QString("3-D view: %1 of %2 objects could not be read and show as marked boxes")
                     .arg(model.stand_ins)
                     .arg(model.instances.size()));
  }
  if (model.error.empty() && built.pictures && !built.pictures->unread.isEmpty()) {
    emit Message("3-D view: the picture " + built.pictures->unread +
                 " cannot be read; its plane shows grey");
  }
}

}  // namespace vermora::app
