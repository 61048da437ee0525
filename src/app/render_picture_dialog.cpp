#include "render_picture_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include "design.h"
#include "params/settings_file.h"
#include "picture_delivery.h"
#include "prompts.h"
#include "render/render_command.h"
#include "render/render_queue.h"
#include "render_control.h"
#include "render_runner.h"
#include "window_keys.h"

namespace vermora::app {

namespace {

struct SizePreset {
  const char* label;
  int width, height;
};
constexpr SizePreset kPresets[] = {
    {"320 × 240", 320, 240},          {"640 × 480", 640, 480},   {"800 × 600", 800, 600},
    {"1024 × 768", 1024, 768},        {"1280 × 960", 1280, 960}, {"1920 × 1080 (HD)", 1920, 1080},
    {"3840 × 2160 (4K)", 3840, 2160}, {"Other size", 0, 0},
};

const FileDialogTexts kPictureTexts{"Render picture to", "png", "creature.png",
                                    "PNG pictures (*.png);;Bitmaps (*.bmp);;All Files (*)"};

}  // namespace

RenderPictureDialog::RenderPictureDialog(Design& design, RenderControl& render)
    : QDialog(design.dialog_parent()),
      design_(design),
      control_(render),
      runner_(new RenderRunner(this)) {
  setObjectName("RenderPictureDialog");
  setWindowTitle("Render picture");
  sizes_ = new QComboBox(this);
  sizes_->setObjectName("PictureSize");
  for (const SizePreset& p : kPresets) sizes_->addItem(p.label);
  width_ = new QSpinBox(this);
  height_ = new QSpinBox(this);
  for (QSpinBox* box : {width_, height_}) box->setRange(16, 16000);
  width_->setObjectName("PictureWidth");
  height_->setObjectName("PictureHeight");
  width_->setValue(1024);
  height_->setValue(768);
  sizes_->setCurrentIndex(3);
  connect(sizes_, &QComboBox::currentIndexChanged, this, [this](int i) {
    const SizePreset& p = kPresets[i];
    if (p.width > 0) {
      width_->setValue(p.width);
      height_->setValue(p.height);
    }
    width_->setEnabled(p.width == 0);
    height_->setEnabled(p.width == 0);
  });
  width_->setEnabled(false);
  height_->setEnabled(false);
  antialias_ = new QCheckBox("Anti-aliasing", this);
  antialias_->setObjectName("PictureAntialias");
  antialias_->setChecked(true);
  // Bands for other hosts: only the render queue sends them there.
  parts_ = new QSpinBox(this);
  parts_->setObjectName("PictureParts");
  parts_->setRange(1, 64);
  parts_->setSpecialValueText("whole");
  parts_->setMinimumWidth(110);
  parts_->setSuffix(" parts");
  parts_->setToolTip(
      "For the render queue: bands of rows rendered on the hosts of Povray > Render hosts; "
      "the joined picture equals a whole one");

  file_ = new QLineEdit(this);
  file_->setObjectName("PictureFile");
  file_->setText(QSettings(kSettingsOrg, kSettingsApp)
                     .value(kLastPictureFileKey, QDir::home().filePath("creature.png"))
                     .toString());
  auto* browse = new QPushButton("Browse ...", this);
  connect(browse, &QPushButton::clicked, this, &RenderPictureDialog::Browse);
  auto* file_row = new QHBoxLayout;
  file_row->addWidget(file_, 1);
  file_row->addWidget(browse);

  auto* size_row = new QHBoxLayout;
  size_row->addWidget(width_);
  size_row->addWidget(new QLabel("×", this));
  size_row->addWidget(height_);
  size_row->addStretch(1);

  auto* form = new QFormLayout;
  form->addRow("Size", sizes_);
  form->addRow("", size_row);
  form->addRow("", antialias_);
  auto* parts_row = new QHBoxLayout;
  parts_row->addWidget(parts_);
  parts_row->addWidget(new QLabel("(parts go to Povray > Render hosts ...)", this));
  parts_row->addStretch(1);
  form->addRow("Queued", parts_row);
  form->addRow("File", file_row);

  progress_ = new QProgressBar(this);
  progress_->setObjectName("PictureProgress");
  progress_->setRange(0, 100);
  progress_->setValue(0);
  status_ = new QLabel("A PNG picture carries the creature: open it in Vermora to go on.", this);
  status_->setObjectName("PictureStatus");
  status_->setWordWrap(true);

  render_ = new QPushButton("Render", this);
  render_->setObjectName("PictureRender");
  render_->setDefault(true);
  cancel_ = new QPushButton("Cancel render", this);
  cancel_->setObjectName("PictureCancel");
  cancel_->setEnabled(false);
  auto* queue = new QPushButton("Add to queue", this);
  queue->setObjectName("PictureQueue");
  queue->setToolTip(
      "Keep the creature as it is now for the render queue: vermora-cli queue run "
      "renders it, with the window open or not");
  auto* close = new QPushButton("Close", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(queue);
  buttons->addStretch(1);
  buttons->addWidget(render_);
  buttons->addWidget(cancel_);
  buttons->addWidget(close);
  connect(render_, &QPushButton::clicked, this, &RenderPictureDialog::Start);
  connect(queue, &QPushButton::clicked, this, &RenderPictureDialog::Queue);
  connect(cancel_, &QPushButton::clicked, runner_, &RenderRunner::Cancel);
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  connect(runner_, &RenderRunner::Progress, progress_, &QProgressBar::setValue);
  connect(runner_, &RenderRunner::Finished, this, &RenderPictureDialog::Finished);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  layout->addLayout(buttons);
  setMinimumWidth(480);
}

RenderPictureDialog::~RenderPictureDialog() { runner_->Stop(); }

bool RenderPictureDialog::busy() const { return composing_ || runner_->busy(); }

void RenderPictureDialog::Browse() {
  FileDialogTexts texts = kPictureTexts;
  texts.name = file_->text();
  const QString path = design_.prompts()->SaveFile(this, texts);
  if (!path.isEmpty()) file_->setText(path);
}

void RenderPictureDialog::Say(const QString& text) {
  status_->setText(text);
  design_.Say(text);
}

QString RenderPictureDialog::ChosenFile() {
  const QString file = file_->text().trimmed();
  const QString ext = QFileInfo(file).suffix().toLower();
  if (file.isEmpty() || (ext != "png" && ext != "bmp")) {
    Say("Name a .png or .bmp file to render to");
    return {};
  }
  return QFileInfo(file).absoluteFilePath();
}

void RenderPictureDialog::Queue() {
  QueueJob job;
  job.output = ToCore(ChosenFile());
  if (job.output.empty() || !control_.TrustedToRender()) return;
  job.set_text = SettingsText(design_.set());
  job.width = std::to_string(width_->value());
  job.height = std::to_string(height_->value());
  job.antialias = antialias_->isChecked();
  job.parts = parts_->value();
  if (job.parts > 1 && QFileInfo(FromCore(job.output)).suffix().toLower() != "png") {
    Say("A picture in parts is a .png");
    return;
  }
  job.trusted = true;  // the user was asked, as for a render now
  QSettings(kSettingsOrg, kSettingsApp).setValue(kLastPictureFileKey, FromCore(job.output));
  RenderQueue queue(design_.folder() + "queue/");
  std::vector<std::string> warnings;
  Status s = queue.Load(&warnings);
  int id = 0;
  if (s.ok()) s = queue.Add(job, &id);
  if (!s.ok()) {
    design_.prompts()->Error(this, FromCore(ErrorBoxText(s.message())));
    return;
  }
  Say(QString("Queued as job %1: Run in the render queue renders it").arg(id));
  emit Queued(id);
}

void RenderPictureDialog::Start() {
  if (busy()) return;
  target_ = ChosenFile();
  if (target_.isEmpty()) return;
  const QString ext = QFileInfo(target_).suffix().toLower();
  if (!control_.TrustedToRender()) return;
  QSettings(kSettingsOrg, kSettingsApp).setValue(kLastPictureFileKey, target_);
  work_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("vermora-picture-XXXXXX"));
  if (!work_->isValid()) {
    Say("Cannot make a working folder in " + QDir::tempPath());
    return;
  }
  set_text_ = SettingsText(design_.set());
  auto copy = std::make_shared<ParameterSet>(design_.set());
  copy->SetText("edImageW", std::to_string(width_->value()));
  copy->SetText("edImageH", std::to_string(height_->value()));
  copy->SetOn("chkAntiA", antialias_->isChecked());
  RenderSetup setup;
  setup.povray_path = design_.povray_path();
  setup.folder = ToCore(work_->path()) + "/";
  setup.include_dirs = design_.include_dirs();
  setup.image_name = ext == "png" ? "TEMP.png" : "TEMP.BMP";
  composing_ = true;
  render_->setEnabled(false);
  cancel_->setEnabled(true);
  progress_->setValue(0);
  Say("Writing the scene ...");
  PrepareInBackground(this, copy, setup, [this](PreparedRender prepared) {
    composing_ = false;
    if (!prepared.ready()) {
      render_->setEnabled(true);
      cancel_->setEnabled(false);
      Say(FromCore(!prepared.status.ok() ? prepared.status.message() : prepared.renderer_problem));
      return;
    }
    image_path_ = prepared.invocation.image_path;
    Say("Rendering " + target_ + " ...");
    runner_->Start(prepared.invocation);
  });
}

void RenderPictureDialog::Finished(const RenderOutcome& outcome) {
  render_->setEnabled(true);
  cancel_->setEnabled(false);
  if (!outcome.ok()) {
    Say("No picture: " + FromCore(outcome.failure));
    emit Written(target_, false);
    return;
  }
  if (const QString problem = DeliverPicture(image_path_, set_text_, target_); !problem.isEmpty()) {
    Say(problem);
    emit Written(target_, false);
    return;
  }
  progress_->setValue(100);
  Say(QString("Rendered %1 in %2 s").arg(target_).arg(runner_->elapsed_ms() / 1000.0, 0, 'f', 1));
  emit Written(target_, true);
}

}  // namespace vermora::app
