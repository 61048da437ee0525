// The Animation page's key sets and video.
#include "key_set_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>

#include "anim/second_set.h"
#include "anim/video_call.h"
#include "design.h"
#include "params/settings_file.h"
#include "prompts.h"
#include "render/file_directives.h"

namespace vermora::app {

namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

const FileDialogTexts& VideoTexts() {
  static const FileDialogTexts texts{
      "Save the frames as a video", "mp4", "anim.mp4",
      "MP4 video (*.mp4);;WebM video (*.webm);;Animated GIF (*.gif)"};
  return texts;
}

}  // namespace

KeySetPanel::KeySetPanel(Design& design, QWidget* parent)
    : QGroupBox("Key sets", parent), design_(design) {
  setObjectName("KeySets");
  auto* grid = new QGridLayout(this);
  auto* about = new QLabel(
      "With key sets listed, the animation runs from this set through each of them in turn, "
      "its frames numbered on.",
      this);
  about->setWordWrap(true);
  grid->addWidget(about, 0, 0, 1, 2);
  list_ = new QListWidget(this);
  list_->setObjectName("KeySetList");
  list_->setMaximumHeight(110);
  grid->addWidget(list_, 1, 0, 4, 1);
  QPushButton* add = Button("Add key set ...", "sbAddKey", this);
  QPushButton* remove = Button("Remove", "sbRemoveKey", this);
  QPushButton* up = Button("Up", "sbKeyUp", this);
  QPushButton* down = Button("Down", "sbKeyDown", this);
  for (int row = 0; QPushButton * b : {add, remove, up, down}) grid->addWidget(b, 1 + row++, 1);
  auto* options = new QHBoxLayout;
  options->addWidget(new QLabel("Frames a step", this));
  frames_ = new QSpinBox(this);
  frames_->setObjectName("KeyFrames");
  frames_->setRange(1, 9999);
  frames_->setValue(10);
  options->addWidget(frames_);
  loop_ = new QCheckBox("Loop back to the first", this);
  loop_->setObjectName("KeyLoop");
  connect(frames_, &QSpinBox::valueChanged, this, &KeySetPanel::Changed);
  connect(loop_, &QCheckBox::toggled, this, &KeySetPanel::Changed);
  options->addWidget(loop_);
  options->addStretch(1);
  grid->addLayout(options, 5, 0, 1, 2);
  auto* video = new QHBoxLayout;
  video->addWidget(new QLabel("Video frames per second", this));
  fps_ = new QSpinBox(this);
  fps_->setObjectName("VideoFps");
  fps_->setRange(1, 120);
  fps_->setValue(10);
  video->addWidget(fps_);
  video_ = Button("Make video ...", "sbMakeVideo", this);
  video_->setEnabled(false);
  video_->setToolTip(
      "Joins the frames of the last animation into an MP4, WebM or GIF video (ffmpeg)");
  video->addWidget(video_);
  video->addStretch(1);
  grid->addLayout(video, 6, 0, 1, 2);
  connect(add, &QPushButton::clicked, this, &KeySetPanel::AddKey);
  connect(remove, &QPushButton::clicked, this, &KeySetPanel::RemoveKey);
  connect(up, &QPushButton::clicked, this, [this] { MoveKey(-1); });
  connect(down, &QPushButton::clicked, this, [this] { MoveKey(1); });
  connect(video_, &QPushButton::clicked, this, &KeySetPanel::MakeVideo);
}

int KeySetPanel::frames_per_step() const { return frames_->value(); }
bool KeySetPanel::loop() const { return loop_->isChecked(); }
QString KeySetPanel::fps() const { return QString::number(fps_->value()); }

void KeySetPanel::AddKey() {
  const QString path = design_.prompts()->OpenFile(design_.dialog_parent(), OpenSetTexts());
  if (path.isEmpty()) return;
  Key key{path, {}};
  if (Status s = LoadSettings(ToCore(path), key.set); !s.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
    return;
  }
  const std::vector<FileDirective> found = FindFileDirectives(key.set, design_.include_dirs());
  if (!found.empty() &&
      !design_.prompts()->Ask(design_.dialog_parent(),
                              FromCore(FileDirectivesText(found) + "\n\nUse it anyway ?")))
    return;
  keys_.push_back(std::move(key));
  ShowKeys();
  list_->setCurrentRow(list_->count() - 1);
  // A key set is for animating: the render command now runs the series.
  if (!design_.set().On("chkAnim")) {
    design_.set().SetOn("chkAnim", true);
    CopyFieldsToTwins(design_.set());
    design_.RefreshFields();
  }
}

void KeySetPanel::RemoveKey() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(keys_.size())) return;
  keys_.erase(keys_.begin() + row);
  ShowKeys();
  list_->setCurrentRow(std::min(row, list_->count() - 1));
}

void KeySetPanel::MoveKey(int by) {
  const int row = list_->currentRow(), to = row + by;
  if (row < 0 || to < 0 || to >= static_cast<int>(keys_.size())) return;
  std::swap(keys_[row], keys_[to]);
  ShowKeys();
  list_->setCurrentRow(to);
}

void KeySetPanel::ShowKeys() {
  list_->clear();
  for (const Key& key : keys_) {
    auto* item = new QListWidgetItem(QFileInfo(key.path).fileName(), list_);
    item->setToolTip(key.path);
  }
  emit Changed();
}

void KeySetPanel::SetFrames(int first, int count, const std::string& folder) {
  first_frame_ = first;
  frames_folder_ = folder;
  frame_count_ = count;
  video_->setEnabled(count >= 2);
}

void KeySetPanel::MakeVideo() {
  const QString folder = FromCore(frames_folder_);
  if (QStandardPaths::findExecutable("ffmpeg").isEmpty()) {
    design_.prompts()->Error(
        design_.dialog_parent(),
        "ffmpeg is not installed, so no video can be made (the frames are in " + folder +
            "); install it with: sudo apt-get install ffmpeg");
    return;
  }
  const QString path = design_.prompts()->SaveFile(design_.dialog_parent(), VideoTexts());
  if (path.isEmpty()) return;
  const std::vector<std::string> call =
      VideoCall(frames_folder_, first_frame_, frame_count_, ToCore(path), ToCore(fps()));
  if (call.empty()) {
    design_.prompts()->Error(
        design_.dialog_parent(),
        "A video is a .mp4, .webm or .gif file, not " + QFileInfo(path).fileName());
    return;
  }
  QStringList args;
  for (size_t i = 1; i < call.size(); ++i) args << FromCore(call[i]);
  auto* ffmpeg = new QProcess(this);
  ffmpeg->setProcessChannelMode(QProcess::MergedChannels);
  video_->setEnabled(false);
  design_.Say("Making the video " + path + " ...");
  connect(ffmpeg, &QProcess::finished, this,
          [this, ffmpeg, path, folder](int code, QProcess::ExitStatus how) {
            ffmpeg->deleteLater();
            video_->setEnabled(frame_count_ >= 2);
            const bool ok = how == QProcess::NormalExit && code == 0;
            if (ok) {
              design_.Say("Video written: " + path);
            } else {
              const QString said = QString::fromLocal8Bit(ffmpeg->readAll()).trimmed();
              design_.prompts()->Error(design_.dialog_parent(),
                                       "ffmpeg could not make " + path +
                                           (said.isEmpty() ? "" : ":\n" + said) +
                                           "\n\nThe frames are in " + folder);
            }
            emit VideoDone(path, ok);
          });
  ffmpeg->start(FromCore(call[0]), args);
}

}  // namespace vermora::app
