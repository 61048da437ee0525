#include "queue_panel.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "common/file_io.h"
#include "common/run_program.h"
#include "design.h"
#include "host_bands.h"
#include "params/settings_file.h"
#include "picture_delivery.h"
#include "prompts.h"
#include "queue_worker.h"
#include "render/file_directives.h"
#include "render/render_command.h"
#include "render_runner.h"
#include "window_keys.h"

namespace vermora::app {

namespace {

QString SizeText(const QueueJob& job) {
  return (job.kind == QueueKind::kSeries ? "series, "
          : job.kind == QueueKind::kBatch
              ? QString("batch of %1 %2 children, ").arg(job.count).arg(FromCore(job.engine))
              : QString()) +
         FromCore(job.width) + " × " + FromCore(job.height) +
         (job.antialias ? ", anti-aliased" : "");
}

}  // namespace

QueuePanel::QueuePanel(Design& design, QWidget* parent)
    : QWidget(parent),
      design_(design),
      queue_(design.folder() + "queue/"),
      runner_(new RenderRunner(this)),
      worker_(new QueueWorker(this)),
      hosts_(new HostBands(this)),
      watcher_(new QFileSystemWatcher(this)) {
  setObjectName("QueuePanel");
  list_ = new QTreeWidget(this);
  list_->setObjectName("QueueList");
  list_->setHeaderLabels({"Job", "State", "Size", "Picture"});
  list_->setRootIsDecorated(false);
  list_->setIconSize(QSize(64, 48));
  list_->header()->setStretchLastSection(true);
  for (int column = 0; column < 3; ++column)
    list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("QueueProgress");
  progress_->setRange(0, 100);
  status_ = new QLabel("Render picture ... > Add to queue puts the creature here.", this);
  status_->setObjectName("QueueStatus");
  status_->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* name, const char* text, const char* hint, auto slot) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setToolTip(hint);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
    return b;
  };
  run_ = button("QueueRun", "Run", "Render the waiting jobs in turn, at low priority",
                &QueuePanel::Run);
  pause_ = button("QueuePause", "Pause", "Start no further job; the one rendering ends as it is",
                  &QueuePanel::Pause);
  button("QueueCancel", "Cancel job", "End the job rendering now; it is held",
         &QueuePanel::CancelJob);
  button("QueueAgain", "Again", "Let the chosen job wait to be rendered (again)", [this] {
    if (const int id = SelectedId(); id && id != current_)
      Change(queue_.SetState(id, QueueState::kWaiting));
    if (running_) StartNext();
  });
  button("QueueUp", "Up", "Move the chosen job up", [this] {
    if (const int id = SelectedId()) Change(queue_.Move(id, -1));
  });
  button("QueueDown", "Down", "Move the chosen job down", [this] {
    if (const int id = SelectedId()) Change(queue_.Move(id, 1));
  });
  button("QueueRemove", "Remove", "Take the chosen job out of the queue", [this] {
    if (const int id = SelectedId(); id && id != current_) Change(queue_.Remove(id));
  });
  button("QueueOpen", "Open picture", "Show the chosen job's picture", [this] {
    for (const QueueJob& job : queue_.jobs()) {
      if (job.id == SelectedId() && QFileInfo::exists(FromCore(job.output)))
        QDesktopServices::openUrl(QUrl::fromLocalFile(FromCore(job.output)));
    }
  });
  button("QueueLog", "Log", "What POV-Ray said when the chosen job failed", &QueuePanel::ShowLog);
  pause_->setEnabled(false);
  // The cores a queued render leaves free, so F5 and the variations keep theirs.
  const int cores = std::max(1, QThread::idealThreadCount());
  leave_ = new QSpinBox(this);
  leave_->setObjectName("QueueLeave");
  leave_->setRange(0, cores - 1);
  leave_->setPrefix("Leave ");
  leave_->setSuffix(QString(" of %1 cores to me").arg(cores));
  leave_->setToolTip("Cores the queued renders leave to F5, auto render and the variations");
  leave_->setValue(QSettings(kSettingsOrg, kSettingsApp).value(kQueueLeaveKey, 1).toInt());
  connect(leave_, &QSpinBox::valueChanged, this,
          [](int n) { QSettings(kSettingsOrg, kSettingsApp).setValue(kQueueLeaveKey, n); });
  buttons->addStretch(1);
  buttons->addWidget(leave_);
  auto progress = [this](int percent) {
    percent_ = percent;
    progress_->setValue(percent);
    Show();
  };
  connect(runner_, &RenderRunner::Progress, this, progress);
  connect(worker_, &QueueWorker::Progress, this, progress);
  connect(hosts_, &HostBands::Progress, this, progress);
  // The failure names POV-Ray's first error line; the log holds all it said.
  connect(runner_, &RenderRunner::Finished, this, [this](const RenderOutcome& outcome) {
    Finished(outcome.ok(), FromCore(outcome.failure),
             FromCore(outcome.messages.empty() ? outcome.output : outcome.messages));
  });
  connect(hosts_, &HostBands::Finished, this,
          [this](const QString& failure, const QString& log, const QString& picture) {
            image_path_ = ToCore(picture);
            Finished(failure.isEmpty(), failure, log);
          });
  connect(worker_, &QueueWorker::Finished, this,
          [this](const QString& failure, const QString& log) {
            Finished(failure.isEmpty(), failure, log);
          });
  // vermora-cli may change the queue while the window shows it.
  QDir().mkpath(FromCore(queue_.folder()));
  watcher_->addPath(FromCore(queue_.folder()));
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &QueuePanel::Reload);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  layout->addLayout(buttons);
  Reload();
  if (QSettings(kSettingsOrg, kSettingsApp).value(kQueueRunningKey, false).toBool()) {
    QMetaObject::invokeMethod(this, &QueuePanel::Run, Qt::QueuedConnection);
  }
}

QueuePanel::~QueuePanel() { runner_->Stop(); }

void QueuePanel::EditHosts() {
  const QString path = FromCore(design_.folder()) + kHostsFile;
  QFile file(path);
  QStringList hosts;
  if (file.open(QIODevice::ReadOnly)) {
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
      hosts << line.trimmed();
    file.close();
  }
  const std::optional<QString> answer = design_.prompts()->Input(
      this, "Render hosts",
      "Hosts a queued picture in parts renders on, by ssh, separated by commas\n"
      "(4/me@host1 for four parts at once there, : for this machine; empty for none):",
      hosts.join(", "));
  if (!answer) return;
  QStringList listed;
  for (const QString& host : answer->split(',', Qt::SkipEmptyParts)) {
    if (!host.trimmed().isEmpty()) listed << host.trimmed();
  }
  if (listed.isEmpty()) {
    QFile::remove(path);
    status_->setText("No render hosts: a job in parts renders whole on this machine.");
    return;
  }
  if (Status s = WriteFileReplacing(ToCore(path), ToCore(listed.join('\n') + '\n')); !s.ok())
    return Change(s);
  status_->setText("A job in parts renders on " + listed.join(", ") + ".");
}

void QueuePanel::ShowLog() {
  const int id = SelectedId();
  QFile file(FromCore(queue_.LogPath(id)));
  if (!id || !file.open(QIODevice::ReadOnly)) {
    status_->setText("The chosen job has no log: only a failed job keeps one.");
    return;
  }
  auto* box = new QDialog(this);
  box->setObjectName("QueueLogBox");
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowTitle(QString("Job %1: what POV-Ray said").arg(id));
  auto* text = new QPlainTextEdit(QString::fromUtf8(file.readAll()), box);
  text->setObjectName("QueueLogText");
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The error is at the end of what POV-Ray said.
  text->moveCursor(QTextCursor::End);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(text);
  box->resize(720, 420);
  box->show();
}

void QueuePanel::Reload() {
  std::vector<std::string> warnings;
  if (Status s = queue_.Load(&warnings); !s.ok()) {
    status_->setText(FromCore(s.message()));
  } else if (!warnings.empty()) {
    status_->setText(FromCore(warnings.front()));
  }
  // A job the file says is running while no one runs the queue was cut off.
  if (!lock_.held() && QueueIdle(queue_.folder())) (void)queue_.RestartInterrupted();
  Show();
}

void QueuePanel::Show() {
  const int selected = SelectedId();
  list_->clear();
  for (const QueueJob& job : queue_.jobs()) {
    QString state = QueueStateName(job.state);
    if (job.id == current_) state = QString("running %1%").arg(percent_);
    if (job.state == QueueState::kFailed) state += ": " + FromCore(job.failure);
    auto* item = new QTreeWidgetItem(
        list_, {QString::number(job.id), state, SizeText(job), FromCore(job.output)});
    item->setData(0, Qt::UserRole, job.id);
    if (job.state == QueueState::kDone && job.kind == QueueKind::kStill)
      item->setIcon(3, Thumbnail(job));
    item->setToolTip(1, FromCore(job.failure));
    if (job.id == selected) list_->setCurrentItem(item);
  }
  run_->setEnabled(!running_);
  pause_->setEnabled(running_);
  progress_->setVisible(current_ != 0);
  if (!running_ && status_->text().startsWith("Render picture")) {
    int waiting = 0;
    for (const QueueJob& job : queue_.jobs()) waiting += job.state == QueueState::kWaiting;
    if (waiting)
      status_->setText(QString("Run renders the %1 waiting at low priority.").arg(waiting));
  }
}

QIcon QueuePanel::Thumbnail(const QueueJob& job) {
  auto known = thumbnails_.find(job.id);
  if (known == thumbnails_.end()) {
    QImageReader reader(FromCore(job.output));
    const QSize size = reader.size();
    if (size.isValid()) reader.setScaledSize(size.scaled(64, 48, Qt::KeepAspectRatio));
    known = thumbnails_.insert(job.id, QIcon(QPixmap::fromImage(reader.read())));
  }
  return *known;
}

int QueuePanel::SelectedId() const {
  const QTreeWidgetItem* item = list_->currentItem();
  return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void QueuePanel::Change(const Status& status) {
  if (!status.ok()) design_.prompts()->Error(this, FromCore(ErrorBoxText(status.message())));
  Show();
}

void QueuePanel::Run() {
  if (running_) return;
  if (!lock_.TryTake(queue_.folder())) {
    status_->setText("The queue is running elsewhere (vermora-cli queue run): it goes on there.");
    return;
  }
  running_ = true;
  QSettings(kSettingsOrg, kSettingsApp).setValue(kQueueRunningKey, true);
  Reload();
  (void)queue_.RestartInterrupted();
  StartNext();
}

void QueuePanel::Pause() {
  running_ = false;
  QSettings(kSettingsOrg, kSettingsApp).setValue(kQueueRunningKey, false);
  if (!current_) lock_.Release();
  status_->setText(current_ ? "Paused: the job rendering ends as it is." : "Paused.");
  Show();
}

void QueuePanel::CancelJob() {
  if (!current_) return;
  runner_->Cancel();
  worker_->Cancel();
  hosts_->Cancel();
}

void QueuePanel::StartNext() {
  if (!running_ || current_) return;
  const QueueJob* next = queue_.NextWaiting();
  if (!next) {
    running_ = false;
    QSettings(kSettingsOrg, kSettingsApp).setValue(kQueueRunningKey, false);
    lock_.Release();
    status_->setText("The queue is done.");
    Show();
    return;
  }
  const QueueJob job = *next;
  current_ = job.id;
  current_still_ = job.kind == QueueKind::kStill;
  percent_ = 0;
  progress_->setValue(0);
  (void)queue_.SetState(job.id, QueueState::kRunning);
  auto copy = std::make_shared<ParameterSet>();
  std::string failure;
  if (Status s = LoadSettingsText(job.set_text, *copy); !s.ok()) {
    failure = "its set is damaged: " + s.message();
  } else if (!job.trusted && !FindFileDirectives(*copy, design_.include_dirs()).empty()) {
    failure = "its texts use files and it was queued without --trust";
  } else if (!current_still_ && !QDir().mkpath(FromCore(job.output))) {
    failure = "cannot create the folder " + job.output;
  }
  if (!failure.empty()) {
    QMetaObject::invokeMethod(
        this, [this, failure] { Finished(false, FromCore(failure), {}); }, Qt::QueuedConnection);
    return;
  }
  copy->SetText("edImageW", job.width);
  copy->SetText("edImageH", job.height);
  target_ = FromCore(job.output);
  status_->setText("Rendering job " + QString::number(job.id) + ": " + target_ + " ...");
  Show();
  if (current_still_) return StartStill(job, copy);
  if (job.kind == QueueKind::kBatch) {
    BatchSettings batch;
    batch.set_path = queue_.SnapshotPath(job.id);  // the parent its lineage names
    batch.engine = job.engine;
    batch.count = job.count;
    batch.seed = job.seed;
    batch.out = job.output;
    batch.width = job.width;
    batch.height = job.height;
    batch.povray = design_.povray_path();
    batch.include_dirs = design_.include_dirs();
    batch.resume = true;  // a batch cut off goes on with the children not yet rendered
    batch.share = QueueShare(leave_->value());
    worker_->StartBatch(*copy, batch);
    return;
  }
  FrameSeriesSettings settings;
  settings.povray = design_.povray_path();
  settings.include_dirs = design_.include_dirs();
  settings.share = QueueShare(leave_->value());
  worker_->StartSeries(*copy, settings, job.output.back() == '/' ? job.output : job.output + "/");
}

void QueuePanel::StartStill(const QueueJob& job, std::shared_ptr<ParameterSet> set) {
  set->SetOn("chkAntiA", job.antialias);
  set_text_ = job.set_text;
  work_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("vermora-queue-XXXXXX"));
  if (!work_->isValid()) {
    const QString failure = "no working folder in " + QDir::tempPath();
    QMetaObject::invokeMethod(
        this, [this, failure] { Finished(false, failure, {}); }, Qt::QueuedConnection);
    return;
  }
  RenderSetup setup;
  setup.povray_path = design_.povray_path();
  setup.folder = ToCore(work_->path()) + "/";
  setup.include_dirs = design_.include_dirs();
  setup.image_name = QFileInfo(target_).suffix().toLower() == "png" ? "TEMP.png" : "TEMP.BMP";
  setup.share = QueueShare(leave_->value());
  // A job in parts goes to the hosts the user listed, when there are any.
  const std::string hosts = design_.folder() + kHostsFile;
  if (job.parts > 1 && QFileInfo::exists(FromCore(hosts))) {
    if (ProgramOnPath("parallel")) {
      status_->setText(status_->text() + " on the hosts of " + FromCore(hosts));
      return hosts_->Start(set, setup, job.parts, hosts, job.set_text);
    }
    status_->setText(status_->text() +
                     " here, whole: the render hosts need GNU Parallel (the package parallel)");
  }
  PrepareInBackground(this, set, setup, [this](PreparedRender prepared) {
    if (!prepared.ready()) {
      Finished(
          false,
          FromCore(!prepared.status.ok() ? prepared.status.message() : prepared.renderer_problem),
          {});
      return;
    }
    image_path_ = prepared.invocation.image_path;
    runner_->Start(prepared.invocation);
  });
}

void QueuePanel::Finished(bool ok, const QString& failure, const QString& log) {
  const int id = std::exchange(current_, 0);
  thumbnails_.remove(id);
  QString problem = failure;
  if (ok && current_still_) problem = DeliverPicture(image_path_, set_text_, target_);
  // A job the user cancelled is held, not failed: it waits for Again.
  const bool cancelled = !ok && failure == "Rendering cancelled";
  Reload();
  (void)queue_.SetState(id,
                        problem.isEmpty() ? QueueState::kDone
                        : cancelled       ? QueueState::kHeld
                                          : QueueState::kFailed,
                        cancelled ? "" : ToCore(problem));
  if (!problem.isEmpty() && !cancelled && !log.isEmpty()) (void)queue_.KeepLog(id, ToCore(log));
  work_.reset();
  progress_->setValue(problem.isEmpty() ? 100 : 0);
  status_->setText(problem.isEmpty() ? "Job " + QString::number(id) + " done: " + target_
                                     : "Job " + QString::number(id) + ": " + problem);
  Show();
  emit JobEnded(id, problem.isEmpty());
  if (!running_) lock_.Release();
  StartNext();
}

}  // namespace vermora::app
