// Variants render in parallel, one child process per core, each in its own
// working folder so their scenes and pictures never overwrite one another.
#include "variations_view.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QThread>
#include <QThreadPool>
#include <QVBoxLayout>
#include <cmath>

#include "common/fixed.h"
#include "design.h"
#include "look_helpers.h"
#include "model_builder.h"
#include "model_picture.h"
#include "params/settings_file.h"
#include "picture_pane.h"
#include "preview_picture.h"
#include "prompts.h"
#include "render/render_queue.h"
#include "render_runner.h"
#include "scene/object_count.h"
#include "variation/variations.h"
#include "variation/weak_child.h"

namespace vermora::app {

VariationsView::VariationsView(Design& design, QWidget* parent) : QWidget(parent), design_(design) {
  setWindowTitle("Variations");
  setObjectName("VariationsView");
  ResizeWithinScreen(this, QSize(860, 720));
  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  engine_ = new QComboBox;
  engine_->setObjectName("VariationsEngine");
  engine_->addItems({"Random", "Evolve", "Mutate"});
  engine_->setCurrentIndex(2);
  strength_ = new QDoubleSpinBox;
  strength_->setObjectName("VariationsStrength");
  strength_->setRange(0.1, 10);
  strength_->setSingleStep(0.5);
  strength_->setDecimals(1);
  strength_->setToolTip("How far the variants stray from the centre (the engine's factor)");
  auto* make = new QPushButton("New variants");
  make->setObjectName("VariationsMake");
  back_ = new QPushButton("Back");
  back_->setObjectName("VariationsBack");
  back_->setToolTip("Return to the centre before (Ctrl+Z)");
  auto* take = new QPushButton("Take");
  take->setObjectName("VariationsTake");
  take->setToolTip("Make the centre the design in the window");
  auto* cancel = new QPushButton("Stop");
  cancel->setObjectName("VariationsCancel");
  auto* batch = new QPushButton("Queue batch ...");
  batch->setObjectName("VariationsQueueBatch");
  batch->setToolTip("Render many children of the centre in the render queue, with a contact sheet");
  row->addWidget(new QLabel("Engine"));
  row->addWidget(engine_);
  row->addWidget(new QLabel("Strength"));
  row->addWidget(strength_);
  row->addWidget(make);
  row->addWidget(back_);
  row->addStretch(1);
  row->addWidget(batch);
  row->addWidget(cancel);
  row->addWidget(take);
  column->addLayout(row);
  auto* grid = new QGridLayout;
  grid->setSpacing(6);
  for (int i = 0; i < kCells; ++i) {
    auto* picture = new PreviewPicture;
    picture->setObjectName(i == kCentre ? QString("VariantCentre")
                                        : QString("Variant%1").arg(i + 1));
    picture->setMinimumSize(200, 150);
    picture->setCursor(i == kCentre ? Qt::ArrowCursor : Qt::PointingHandCursor);
    picture->installEventFilter(this);
    if (i == kCentre) picture->setStyleSheet("border: 3px solid #d8a040;");
    grid->addWidget(picture, i / 3, i % 3);
    pictures_.push_back(picture);
  }
  column->addLayout(grid, 1);
  status_ = new QLabel;
  status_->setObjectName("VariationsStatus");
  column->addWidget(status_);
  connect(engine_, &QComboBox::currentIndexChanged, this, [this] {
    const char* field = StrengthField();
    strength_->setEnabled(field != nullptr);
    if (field) strength_->setValue(QString::fromStdString(centre().Text(field)).toDouble());
  });
  connect(make, &QPushButton::clicked, this,
          [this] { Produce(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch())); });
  connect(back_, &QPushButton::clicked, this, &VariationsView::Back);
  connect(take, &QPushButton::clicked, this, &VariationsView::Take);
  connect(cancel, &QPushButton::clicked, this, &VariationsView::CancelAll);
  connect(batch, &QPushButton::clicked, this, &VariationsView::QueueBatch);
  new QShortcut(QKeySequence::Undo, this, [this] { Back(); });
  StartFromWindow();
}

VariationsView::~VariationsView() { StopRenders(); }

void VariationsView::SetEngine(int index) { engine_->setCurrentIndex(index); }

void VariationsView::QueueBatch() {
  const std::optional<QString> count = design_.prompts()->Input(
      this, "Queue batch",
      "Children of the centre to render in the render queue (1 to 1000):", "24");
  if (!count) return;
  bool number = false;
  const int children = count->trimmed().toInt(&number);
  if (!number || children < 1 || children > 1000) {
    status_->setText("A batch has 1 to 1000 children");
    return;
  }
  const QString folder =
      design_.prompts()->ChooseFolder(this, "Folder for the batch", QDir::homePath());
  if (folder.isEmpty()) return;
  if (!QDir(folder).isEmpty()) {
    status_->setText("Choose an empty folder for the batch: " + folder + " holds files");
    return;
  }
  QueueJob job;
  job.kind = QueueKind::kBatch;
  const char* engines[] = {"random", "evolve", "mutate"};
  job.engine = engines[std::clamp(engine_->currentIndex(), 0, 2)];
  job.count = children;
  job.seed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
  job.width = std::to_string(thumb_width_);
  job.height = std::to_string(thumb_height_);
  job.output = ToCore(QDir(folder).absolutePath());
  job.set_text = SettingsText(centre());
  job.trusted = true;  // the window's own variants, rendered here already
  RenderQueue queue(design_.folder() + "queue/");
  Status s = queue.Load();
  int id = 0;
  if (s.ok()) s = queue.Add(job, &id);
  if (!s.ok()) {
    design_.prompts()->Error(this, FromCore(ErrorBoxText(s.message())));
    return;
  }
  status_->setText(QString("Queued %1 children as job %2: Run in the render queue renders them")
                       .arg(children)
                       .arg(id));
  emit BatchQueued(id);
}

void VariationsView::SetThumbnailSize(int width, int height) {
  thumb_width_ = width;
  thumb_height_ = height;
}

const char* VariationsView::StrengthField() const {
  switch (engine_->currentIndex()) {
    case 1:
      return "EdEvFactor";
    case 2:
      return "EdMutFactor";
    default:
      return nullptr;
  }
}

void VariationsView::StartFromWindow() {
  StopRenders();
  history_.clear();
  sets_.assign(kCells, design_.set());
  emit engine_->currentIndexChanged(engine_->currentIndex());
  back_->setEnabled(false);
}

void VariationsView::StopRenders() {
  pending_.clear();
  for (RenderRunner* runner : runners_) runner->Stop();
  qDeleteAll(runners_);
  runners_.clear();
  running_ = finished_ = 0;
}

bool VariationsView::Produce(std::uint32_t seed) {
  StopRenders();
  seed_ = seed;
  ParameterSet centre = sets_[kCentre];
  if (const char* field = StrengthField()) {
    // Written only when the user changed it, so an untouched centre stays the window's set.
    const double typed = QString::fromStdString(centre.Text(field)).toDouble();
    if (std::abs(typed - strength_->value()) > 1e-6)
      centre.SetText(field, Fixed(strength_->value(), 3, 1));
  }
  const EngineKind kinds[] = {EngineKind::kRandom, EngineKind::kEvolve, EngineKind::kMutate};
  Variants made = MakeVariants(centre, kinds[std::max(0, engine_->currentIndex())], seed,
                               kCells - 1, design_.folder(), &design_.locks());
  if (!made.status.ok()) {
    status_->setText("No variants: " + FromCore(made.status.message()));
    return false;
  }
  sets_.clear();
  for (size_t i = 0; i < made.sets.size(); ++i) {
    if (i == kCentre) sets_.push_back(centre);
    sets_.push_back(std::move(made.sets[i]));
  }
  StartRenders();
  return true;
}

void VariationsView::Choose(int cell) {
  if (cell < 0 || cell >= kCells || cell == kCentre || sets_.size() != kCells) return;
  history_.push_back({sets_[kCentre], seed_});
  sets_[kCentre] = sets_[static_cast<size_t>(cell)];
  back_->setEnabled(true);
  Produce(seed_ + 1);
}

void VariationsView::Back() {
  if (history_.empty()) return;
  const Step step = history_.back();
  history_.pop_back();
  sets_[kCentre] = step.centre;
  back_->setEnabled(!history_.empty());
  Produce(step.seed);  // the same seed breeds the same ring again
}

void VariationsView::Take() {
  ParameterSet taken = sets_[kCentre];
  // The window's set keeps its own change rule; only the values come over.
  for (size_t i = 0; i < taken.size(); ++i) design_.set().SetValue(i, taken.value(i));
  design_.RefreshFields();
  design_.RecordStep("Variant");
}

void VariationsView::StartRenders() {
  RenderJobsOptions options;
  options.povray = design_.povray_path();
  options.include_dirs = design_.include_dirs();
  options.folder = design_.folder() + "variations/";
  options.width = std::to_string(thumb_width_);
  options.height = std::to_string(thumb_height_);
  producing_ = true;
  ++generation_;
  shown_.assign(kCells, false);
  images_.assign(kCells, {});
  invocations_.assign(kCells, {});
  for (int index = 0; index < kCells; ++index) {
    PreviewPicture* picture = pictures_[static_cast<size_t>(index)];
    const ParameterSet& set = sets_[static_cast<size_t>(index)];
    picture->setPixmap(QPixmap());
    picture->setText("Waiting");
    picture->setToolTip("");
    DrawModelFirst(index);
    auto* runner = new RenderRunner(this);
    connect(runner, &RenderRunner::Finished, this,
            [this, index](const RenderOutcome& outcome) { CellFinished(index, outcome, true); });
    runners_.push_back(runner);
    // Offspring not worth a render (empty, or far too many objects) are only marked.
    if (const std::string weak = WeakChildReason(set, kTooManyObjects); !weak.empty()) {
      picture->setText("Dropped");
      picture->setToolTip(FromCore(weak));
      ++finished_;
      continue;
    }
    PreparedJob job = PrepareSceneJob(set, static_cast<size_t>(index), options);
    images_[static_cast<size_t>(index)] = job.invocation.image_path;
    invocations_[static_cast<size_t>(index)] = job.invocation;
    if (!job.failure.empty()) {
      RenderOutcome failed;
      failed.failure = job.failure;
      CellFinished(index, failed, false);
      continue;
    }
    // The centre first: it is what the user looks at to compare.
    if (index == kCentre)
      pending_.push_front(index);
    else
      pending_.push_back(index);
  }
  producing_ = false;
  status_->setText(QString("Step %1: click a variant to breed on from it").arg(steps() + 1));
  StartNext();
  if (finished_ == kCells) emit AllDone();
}

// The variant drawn in 3-D at once, off the window's thread; POV-Ray's picture
// replaces it when it comes.
void VariationsView::DrawModelFirst(int index) {
  if (!HaveOpenGL()) return;
  auto set = std::make_shared<ParameterSet>(sets_[static_cast<size_t>(index)]);
  QPointer<VariationsView> self(this);
  const int generation = generation_;
  QThreadPool::globalInstance()->start([self, set, index, generation] {
    auto built = std::make_shared<BuiltModel>(BuildModel(*set));
    QMetaObject::invokeMethod(
        qApp,
        [self, built, index, generation] {
          if (!self || self->generation_ != generation || self->shown_[static_cast<size_t>(index)])
            return;
          if (!built->model->error.empty()) return;
          const QImage drawn =
              DrawModelPicture(*built, QSize(self->thumb_width_, self->thumb_height_));
          if (drawn.isNull()) return;
          PreviewPicture* picture = self->pictures_[static_cast<size_t>(index)];
          picture->setPixmap(QPixmap::fromImage(drawn));
          picture->setToolTip("Drawn in 3-D; POV-Ray's picture follows");
          emit self->ModelDrawn(index);
        },
        Qt::QueuedConnection);
  });
}

void VariationsView::StartNext() {
  const int cores = std::max(1, QThread::idealThreadCount());
  while (running_ < cores && !pending_.empty()) {
    const int index = pending_.front();
    pending_.pop_front();
    pictures_[static_cast<size_t>(index)]->setText("Rendering ...");
    if (runners_[static_cast<size_t>(index)]->Start(invocations_[static_cast<size_t>(index)]))
      ++running_;
  }
}

void VariationsView::CellFinished(int index, const RenderOutcome& outcome, bool ran) {
  PreviewPicture* picture = pictures_[static_cast<size_t>(index)];
  if (ran) --running_;
  ++finished_;
  QPixmap rendered;
  shown_[static_cast<size_t>(index)] = true;
  if (outcome.ok() && rendered.load(QString::fromStdString(images_[static_cast<size_t>(index)]))) {
    picture->setText("");
    picture->setToolTip("");
    picture->setPixmap(rendered);
  } else {
    picture->setText("Failed");
    picture->setToolTip(outcome.ok() ? "no picture" : FromCore(outcome.failure));
  }
  StartNext();
  if (!producing_ && finished_ == kCells) emit AllDone();
}

void VariationsView::CancelAll() {
  const std::deque<int> waiting = std::move(pending_);
  pending_.clear();
  for (int index : waiting) {
    RenderOutcome cancelled;
    cancelled.failure = "Rendering cancelled";
    CellFinished(index, cancelled, false);
  }
  for (RenderRunner* runner : runners_) {
    if (runner->busy()) runner->Cancel();
  }
}

bool VariationsView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int i = 0; i < kCells; ++i) {
      if (watched == pictures_[static_cast<size_t>(i)]) {
        Choose(i);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vermora::app
