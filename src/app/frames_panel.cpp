// The Animation page's frames: their folder and their size.
#include "frames_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

#include "design.h"
#include "params/parameter_set.h"
#include "prompts.h"
#include "window_keys.h"

namespace vermora::app {

FramesPanel::FramesPanel(Design& design, QWidget* parent)
    : QGroupBox("Frames", parent), design_(design) {
  setObjectName("FramesPanel");
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Folder", this), 0, 0);
  where_ = new QLabel(this);
  where_->setObjectName("FramesFolder");
  where_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  where_->setWordWrap(true);
  grid->addWidget(where_, 0, 1, 1, 3);
  auto* choose = new QPushButton("Choose folder ...", this);
  choose->setObjectName("sbFramesFolder");
  choose->setToolTip("The folder the frames of a series are put in");
  program_folder_ = new QPushButton("Program folder", this);
  program_folder_->setObjectName("sbFramesProgramFolder");
  program_folder_->setToolTip("Put the frames in the program folder again");
  grid->addWidget(choose, 0, 4);
  grid->addWidget(program_folder_, 0, 5);
  own_size_ = new QCheckBox("Frame size of its own", this);
  own_size_->setObjectName("FramesOwnSize");
  own_size_->setToolTip("Off: the frames are the Povray page's picture size, as the preview");
  width_ = new QSpinBox(this);
  width_->setObjectName("FramesWidth");
  height_ = new QSpinBox(this);
  height_->setObjectName("FramesHeight");
  for (QSpinBox* box : {width_, height_}) {
    box->setRange(1, 16384);
    box->setSuffix(" px");
  }
  auto* size = new QHBoxLayout;
  size->addWidget(own_size_);
  size->addWidget(width_);
  size->addWidget(new QLabel("×", this));
  size->addWidget(height_);
  size->addStretch(1);
  grid->addLayout(size, 1, 0, 1, 6);
  grid->setColumnStretch(1, 1);

  const QSettings settings(kSettingsOrg, kSettingsApp);
  chosen_ = settings.value(kFramesFolderKey).toString();
  own_size_->setChecked(settings.value(kFramesOwnSizeKey, false).toBool());
  width_->setValue(settings.value(kFramesWidthKey, 1280).toInt());
  height_->setValue(settings.value(kFramesHeightKey, 720).toInt());

  connect(choose, &QPushButton::clicked, this, &FramesPanel::ChooseFolder);
  connect(program_folder_, &QPushButton::clicked, this, [this] { SetFolder({}); });
  auto changed = [this] {
    Keep();
    Show();
    emit Changed();
  };
  connect(own_size_, &QCheckBox::toggled, this, changed);
  connect(width_, &QSpinBox::valueChanged, this, changed);
  connect(height_, &QSpinBox::valueChanged, this, changed);
  Show();
}

std::string FramesPanel::folder() const {
  if (chosen_.isEmpty()) return design_.folder();
  std::string path = ToCore(QDir::cleanPath(chosen_));
  if (path.back() != '/') path += '/';
  return path;
}

int FramesPanel::width() const {
  return own_size() ? width_->value()
                    : QString::fromStdString(design_.set().Text("edImageW")).toInt();
}

int FramesPanel::height() const {
  return own_size() ? height_->value()
                    : QString::fromStdString(design_.set().Text("edImageH")).toInt();
}

bool FramesPanel::own_size() const { return own_size_->isChecked(); }

void FramesPanel::ApplySize(ParameterSet& set) const {
  if (!own_size()) return;
  set.SetText("edImageW", std::to_string(width_->value()));
  set.SetText("edImageH", std::to_string(height_->value()));
}

QString FramesPanel::FolderProblem() const {
  if (chosen_.isEmpty()) return {};
  const QFileInfo info(chosen_);
  if (!info.exists()) return "The frames folder " + chosen_ + " is not there";
  if (!info.isDir()) return chosen_ + " is not a folder";
  if (!info.isWritable()) return "The frames folder " + chosen_ + " cannot be written";
  return {};
}

bool FramesPanel::Deliver(const std::string& picture, QString* error) const {
  if (chosen_.isEmpty()) return true;
  const QString from = FromCore(picture);
  const QString to = FromCore(folder()) + QFileInfo(from).fileName();
  // The program folder chosen by its name: the frame is already in place.
  if (QFileInfo(to).canonicalFilePath() == QFileInfo(from).canonicalFilePath()) return true;
  QFile::remove(to);  // the frame of an earlier series gives way
  if (QFile::rename(from, to)) return true;
  if (QFile::copy(from, to)) {
    QFile::remove(from);
    return true;
  }
  if (error) *error = "Cannot put the frame " + QFileInfo(from).fileName() + " into " + chosen_;
  return false;
}

void FramesPanel::SetFolder(const QString& folder) {
  chosen_ = folder;
  Keep();
  Show();
  emit Changed();
}

void FramesPanel::ChooseFolder() {
  const QString start = chosen_.isEmpty() ? QDir::homePath() : chosen_;
  const QString picked =
      design_.prompts()->ChooseFolder(design_.dialog_parent(), "Folder for the frames", start);
  if (!picked.isEmpty()) SetFolder(picked);
}

void FramesPanel::Show() {
  where_->setText(chosen_.isEmpty() ? FromCore(design_.folder()) + " (the program folder)"
                                    : chosen_);
  program_folder_->setEnabled(!chosen_.isEmpty());
  width_->setEnabled(own_size());
  height_->setEnabled(own_size());
}

void FramesPanel::Keep() const {
  QSettings settings(kSettingsOrg, kSettingsApp);
  settings.setValue(kFramesFolderKey, chosen_);
  settings.setValue(kFramesOwnSizeKey, own_size());
  settings.setValue(kFramesWidthKey, width_->value());
  settings.setValue(kFramesHeightKey, height_->value());
}

}  // namespace vermora::app
