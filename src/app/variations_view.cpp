// Variants render in parallel, one child process per core, each in its own
// working folder so their scenes and pictures never overwrite one another.
#include "variations_view.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include "main_window.h"
#include "render_runner.h"
#include "scene/object_count.h"
#include "variation/variations.h"
#include "variation/weak_child.h"

namespace vermora::app {

VariationsView::VariationsView(MainWindow* window, QWidget* parent) : QWidget(parent), window_(window) {
  setWindowTitle("Variations");
  setObjectName("VariationsView");
  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  engine_ = new QComboBox;
  engine_->setObjectName("VariationsEngine");
  engine_->addItems({"Random", "Evolve", "Mutate"});
  auto* make = new QPushButton("Make");
  make->setObjectName("VariationsMake");
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("VariationsCancel");
  row->addWidget(engine_);
  row->addWidget(make);
  row->addWidget(cancel);
  column->addLayout(row);
  grid_ = new QGridLayout;
  column->addLayout(grid_, 1);
  connect(make, &QPushButton::clicked, this, [this] {
    Produce(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
  });
  connect(cancel, &QPushButton::clicked, this, &VariationsView::CancelAll);
}

VariationsView::~VariationsView() {
  for (RenderRunner* runner : runners_) runner->Stop();
}

void VariationsView::SetEngine(int index) { engine_->setCurrentIndex(index); }

void VariationsView::SetThumbnailSize(int width, int height) {
  thumb_width_ = width;
  thumb_height_ = height;
}

void VariationsView::ClearGrid() {
  CancelAll();
  for (RenderRunner* runner : runners_) runner->Stop();
  for (QToolButton* button : slots_) delete button;
  for (RenderRunner* runner : runners_) delete runner;
  slots_.clear();
  runners_.clear();
  images_.clear();
  invocations_.clear();
  variants_.clear();
  running_ = finished_ = 0;
}

bool VariationsView::Produce(std::uint32_t seed, int rows, int columns) {
  ClearGrid();
  const EngineKind kinds[] = {EngineKind::kRandom, EngineKind::kEvolve, EngineKind::kMutate};
  Variants made = MakeVariants(window_->set(), kinds[std::max(0, engine_->currentIndex())], seed,
                               rows * columns, window_->folder(), &window_->locks());
  if (!made.status.ok()) {
    setWindowTitle("Variations: " + FromCore(made.status.message()));
    return false;
  }
  setWindowTitle("Variations");
  variants_ = std::move(made.sets);
  RenderJobsOptions options;
  options.povray = window_->povray_path();
  options.include_dirs = window_->include_dirs();
  options.folder = window_->folder() + "variations/";
  options.width = std::to_string(thumb_width_);
  options.height = std::to_string(thumb_height_);
  producing_ = true;
  for (size_t i = 0; i < variants_.size(); ++i) {
    const int index = static_cast<int>(i);
    auto* button = new QToolButton;
    button->setObjectName(QString("Variant%1").arg(index + 1));
    button->setMinimumSize(thumb_width_, thumb_height_);
    button->setText("Waiting");
    connect(button, &QToolButton::clicked, this, [this, index] { Adopt(index); });
    grid_->addWidget(button, index / columns, index % columns);
    slots_.push_back(button);
    auto* runner = new RenderRunner(this);
    connect(runner, &RenderRunner::Finished, this,
            [this, index](const RenderOutcome& outcome) { SlotFinished(index, outcome, true); });
    runners_.push_back(runner);
    // Offspring not worth a render (empty, or far too many objects) are only marked.
    if (const std::string weak = WeakChildReason(variants_[i], kTooManyObjects); !weak.empty()) {
      images_.emplace_back();
      invocations_.emplace_back();
      button->setText("Dropped");
      button->setToolTip(FromCore(weak));
      ++finished_;
      continue;
    }
    PreparedJob job = PrepareSceneJob(variants_[i], i, options);
    images_.push_back(job.invocation.image_path);
    invocations_.push_back(job.invocation);
    if (!job.failure.empty()) {
      RenderOutcome failed;
      failed.failure = job.failure;
      SlotFinished(index, failed, false);
      continue;
    }
    pending_.push_back(index);
  }
  producing_ = false;
  StartNext();
  if (finished_ == static_cast<int>(slots_.size())) emit AllDone();
  return true;
}

void VariationsView::StartNext() {
  const int cores = std::max(1, QThread::idealThreadCount());
  while (running_ < cores && !pending_.empty()) {
    const int index = pending_.front();
    pending_.pop_front();
    slots_[static_cast<size_t>(index)]->setText("Rendering ...");
    if (runners_[static_cast<size_t>(index)]->Start(invocations_[static_cast<size_t>(index)])) ++running_;
  }
}

void VariationsView::SlotFinished(int index, const RenderOutcome& outcome, bool ran) {
  QToolButton* button = slots_[static_cast<size_t>(index)];
  if (ran) --running_;
  ++finished_;
  QPixmap picture;
  if (outcome.ok() && picture.load(QString::fromStdString(images_[static_cast<size_t>(index)]))) {
    button->setText("");
    button->setIcon(picture);
    button->setIconSize(picture.size());
  } else {
    const QString reason = outcome.ok() ? "no picture" : FromCore(outcome.failure);
    button->setText("Failed");
    button->setToolTip(reason);
  }
  StartNext();
  if (!producing_ && finished_ == static_cast<int>(slots_.size())) emit AllDone();
}

void VariationsView::Adopt(int index) {
  if (index < 0 || index >= static_cast<int>(variants_.size())) return;
  window_->set() = variants_[static_cast<size_t>(index)];
  window_->RefreshFields();
  window_->RecordStep("Variant");
}

void VariationsView::CancelAll() {
  const std::deque<int> waiting = std::move(pending_);
  pending_.clear();
  for (int index : waiting) {
    RenderOutcome cancelled;
    cancelled.failure = "Rendering cancelled";
    SlotFinished(index, cancelled, false);
  }
  for (RenderRunner* runner : runners_) {
    if (runner->busy()) runner->Cancel();
  }
}

}  // namespace vermora::app

namespace vermora::app {

void MainWindow::OpenVariations() {
  if (!variations_) {
    variations_ = new VariationsView(this, this);
    variations_->setWindowFlag(Qt::Window);
  }
  variations_->show();
  variations_->raise();
}

}  // namespace vermora::app
