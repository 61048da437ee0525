#pragma once

#include <QHash>
#include <QIcon>
#include <QWidget>
#include <memory>

#include "render/render_queue.h"

class QFileSystemWatcher;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTemporaryDir;
class QTreeWidget;

namespace vermora::app {

class Design;
class HostBands;
class QueueWorker;
class RenderRunner;

// The render queue of the program folder, as a panel of the window: the jobs
// in order with their state, and a runner of its own beside the window's, so
// F5, auto render and the variations keep working while a queued job renders
// at low priority. The queue is the one vermora-cli queue adds to and runs;
// while one runs it, the other waits.
class QueuePanel : public QWidget {
  Q_OBJECT

 public:
  explicit QueuePanel(Design& design, QWidget* parent = nullptr);
  ~QueuePanel() override;

  // Reads the queue again (it may have changed outside the window).
  void Reload();
  // Starts rendering the waiting jobs, one after another, until none is left
  // or Pause. Remembered: a window started again goes on.
  void Run();
  // Starts no further job; the one rendering goes on to its end.
  void Pause();
  // Ends the job rendering now; it is held until the user moves it on.
  void CancelJob();
  // Asks for the hosts a job in parts goes to (hosts.txt of the program folder).
  void EditHosts();
  // Shows what POV-Ray said in the chosen job's failed run.
  void ShowLog();
  bool running() const { return running_; }
  bool rendering() const { return current_ != 0; }

 signals:
  // A job came to its end (done or failed).
  void JobEnded(int id, bool ok);

 private:
  void Show();
  void StartNext();
  void StartStill(const QueueJob& job, std::shared_ptr<ParameterSet> set);
  void Finished(bool ok, const QString& failure, const QString& log);
  int SelectedId() const;
  // A small picture of a done job, read once.
  QIcon Thumbnail(const QueueJob& job);
  void Change(const Status& status);

  Design& design_;
  RenderQueue queue_;
  QTreeWidget* list_;
  QProgressBar* progress_;
  QLabel* status_;
  QPushButton* run_;
  QPushButton* pause_;
  QSpinBox* leave_;  // cores the queue leaves to the designer
  RenderRunner* runner_;
  QueueWorker* worker_;  // series and batches
  HostBands* hosts_;     // a job in parts, on the hosts of hosts.txt
  QFileSystemWatcher* watcher_;
  std::unique_ptr<QTemporaryDir> work_;
  QHash<int, QIcon> thumbnails_;
  std::string set_text_, image_path_;
  QString target_;
  int current_ = 0;  // the job rendering, or 0
  bool current_still_ = true;
  int percent_ = 0;
  bool running_ = false;
  QueueRunLock lock_;  // held while this window runs the queue
};

}  // namespace vermora::app
