// The frame series of the window: composed and rendered on a worker thread from
// a copy of the set; each finished frame is shown on the window's thread, which
// also answers whether to go on after a failed frame.
#include "animation_runner.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>

#include "anim/key_chain.h"
#include "anim/second_set.h"
#include "design.h"
#include "frames_panel.h"
#include "key_set_panel.h"
#include "params/settings_file.h"
#include "preview_picture.h"
#include "prompts.h"
#include "render/render_command.h"
#include "render/render_queue.h"
#include "render/renderer.h"
#include "render_output.h"
#include "stop_box.h"

namespace vermora::app {

// What the worker and the window share while a series runs.
struct AnimationRunner::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  bool stop = false;                // the stop button: no further frame
  bool abort = false;               // the window closes: end now
  std::atomic<bool> cancel{false};  // ends the renderer that runs
  std::optional<bool> answer;       // the window's word on the last frame
};

AnimationRunner::AnimationRunner(Design& design, RenderOutput& output, QStatusBar* status,
                                 QObject* parent)
    : QObject(parent), design_(design), output_(output), status_(status) {
  setObjectName("AnimationRunner");
  stop_box_ = new StopBox(design_.dialog_parent());
  connect(stop_box_, &StopBox::StopClicked, this, &AnimationRunner::Stop);
  AddButtons();
  ShowButtons();
}

// The window is already half gone here: end the worker without touching it.
AnimationRunner::~AnimationRunner() { EndWorker(); }

void AnimationRunner::RunSeries() {
  if (busy_ || design_.rendering()) return;
  if (!design_.prompts()->Confirm(design_.dialog_parent(), "Are you shure to start ?")) return;
  if (std::string problem = RendererPathProblem(design_.povray_path()); !problem.empty()) {
    output_.ShowFailure(FromCore(problem));
    return;
  }
  if (const QString problem = frames_->FolderProblem(); !problem.isEmpty()) {
    design_.prompts()->Error(design_.dialog_parent(),
                             problem + ": choose another on the Animation page");
    return;
  }
  std::vector<ParameterSet> chain;
  if (!KeyChain(chain)) return;
  FrameSeriesSettings settings;
  settings.folder = design_.folder();
  settings.povray = design_.povray_path();
  settings.include_dirs = design_.include_dirs();
  auto shared = std::make_shared<Shared>();
  settings.render = [shared](const RenderInvocation& invocation) {
    return RunRenderer(invocation, 0, &shared->cancel);
  };
  settings.running = [shared] {
    std::lock_guard lock(shared->mutex);
    return !shared->stop && !shared->abort;
  };
  settings.after_frame = [this, shared](const FrameReport& report) {
    return AfterFrame(shared, report);
  };
  shared_ = shared;
  work_ = std::make_shared<ParameterSet>(design_.set());  // a copy never calls into the window
  frames_->ApplySize(*work_);
  result_ = std::make_shared<FrameSeriesResult>();
  busy_ = true;
  failure_told_ = false;
  first_frame_ = frames_shown_ = 0;
  offer_video_->hide();
  output_.MarkError(false);
  design_.LockDesign(true);
  design_.Say("Animation running ...");
  stop_box_->ShowCaption("Animation");
  const int per_step = key_sets_->frames_per_step();
  const bool loop = key_sets_->loop();
  worker_ = std::thread([this, settings, chain, per_step, loop, work = work_, result = result_] {
    *result = chain.empty() ? RunFrameSeries(*work, settings)
                            : RunKeyChain(chain, per_step, loop, settings);
    QMetaObject::invokeMethod(
        this, [this] { Finished(); }, Qt::QueuedConnection);
  });
}

int AnimationRunner::QueueSeries() {
  auto refuse = [this](const QString& why) {
    design_.Say(why);
    design_.prompts()->Error(design_.dialog_parent(), why);
    return 0;
  };
  ParameterSet set = design_.set();
  if (!set.On("chkAnim") || FramesToRender(set) < 1)
    return refuse("Switch the animation on (Animation page) to queue its frames");
  if (!key_sets_->keys().empty())
    return refuse("The queue renders the set's own series; a chain of key sets renders with F5");
  if (const QString problem = frames_->FolderProblem(); !problem.isEmpty())
    return refuse(problem + ": choose another on the Animation page");
  frames_->ApplySize(set);
  QueueJob job;
  job.kind = QueueKind::kSeries;
  job.set_text = SettingsText(set);
  job.width = set.Text("edImageW");
  job.height = set.Text("edImageH");
  job.trusted = true;  // the caller asked, as for a series now
  job.output = frames_->folder();
  RenderQueue queue(design_.folder() + "queue/");
  Status s = queue.Load();
  int id = 0;
  if (s.ok()) s = queue.Add(job, &id);
  if (!s.ok()) return refuse(FromCore(ErrorBoxText(s.message())));
  design_.Say(QString("Queued the series of %1 frames as job %2: Run in the render queue "
                      "renders it")
                  .arg(FramesToRender(set))
                  .arg(id));
  return id;
}

// On the worker: the window shows the frame and says whether to go on; after a
// good frame the pause follows, cut short by the stop button.
bool AnimationRunner::AfterFrame(const std::shared_ptr<Shared>& shared, const FrameReport& report) {
  {
    std::lock_guard lock(shared->mutex);
    shared->answer.reset();
  }
  // Shared, so whichever thread lets go of the posted call last frees the copy safely.
  auto frame = std::make_shared<const FrameReport>(report);
  QMetaObject::invokeMethod(
      this,
      [this, shared, frame] {
        if (!busy_ || shared != shared_) return;  // the series was aborted meanwhile
        const bool go_on = ShowFrame(*frame);
        {
          std::lock_guard lock(shared->mutex);
          shared->answer = go_on;
        }
        shared->wake.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(shared->mutex);
  shared->wake.wait(lock, [&] { return shared->answer.has_value() || shared->abort; });
  if (shared->abort) return false;
  const bool go_on = *shared->answer;
  if (go_on && report.outcome.ok()) {
    shared->wake.wait_for(lock, std::chrono::milliseconds(pause_ms_),
                          [&] { return shared->stop || shared->abort; });
  }
  return go_on && !shared->abort;
}

bool AnimationRunner::ShowFrame(const FrameReport& report) {
  namespace fs = std::filesystem;
  const fs::path scene(report.scene_path);
  const QString picture = FromCore((scene.parent_path() / scene.stem()).string() + ".bmp");
  if (report.outcome.image_written) {
    QPixmap pixmap;
    if (pixmap.load(picture)) output_.ShowPicture(pixmap);
    if (QString error; !frames_->Deliver(ToCore(picture), &error)) {
      design_.Say(error);
      design_.prompts()->Error(design_.dialog_parent(), error);
      failure_told_ = true;
      return false;
    }
  }
  const bool error_line = FirstErrorLine(MessageLines(report.outcome.messages)) >= 0;
  if (!report.outcome.messages.empty())
    output_.ShowMessages(FromCore(report.outcome.messages), error_line);
  const QString number = QString::number(report.counter);
  if (report.outcome.ok()) {
    const QString caption = "Animation : Framenumber " + number + " done ...";
    stop_box_->ShowCaption(caption);
    design_.Say(caption);
    if (frames_shown_++ == 0) first_frame_ = report.counter;
    emit FrameShown(report.counter);
    return true;
  }
  const QString failure = FromCore(report.outcome.failure);
  if (!error_line) {
    QString text = failure;
    if (!report.outcome.output.empty()) text += "\n\n" + FromCore(report.outcome.output);
    output_.ShowMessages(text, true);
  }
  output_.MarkError(true);
  design_.Say("Frame " + number + ": " + failure);
  // An error line ends the series; the start set comes back and the error box
  // names the frame once the series is over. A frame that only wrote no picture
  // does not stop it.
  return !error_line && report.outcome.error_reported == false;
}

void AnimationRunner::Stop() {
  if (!shared_) return;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->stop = true;
  }
  shared_->wake.notify_all();
  stop_box_->button()->setEnabled(false);
  if (busy_) design_.Say("Animation stops after this frame ...");
}

void AnimationRunner::Abort() {
  if (!busy_) return;
  EndWorker();
  Finished();
}

void AnimationRunner::EndWorker() {
  if (!shared_) return;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->abort = true;
  }
  shared_->cancel = true;
  shared_->wake.notify_all();
  if (worker_.joinable()) worker_.join();
}

bool AnimationRunner::KeyChain(std::vector<ParameterSet>& chain) {
  chain.clear();
  if (key_sets_->keys().empty()) return true;
  std::vector<QString> names = {"this set"};
  chain.push_back(design_.set());
  for (const KeySetPanel::Key& listed : key_sets_->keys()) {
    ParameterSet key = listed.set;
    key.SetText("edImageW", design_.set().Text("edImageW"));
    key.SetText("edImageH", design_.set().Text("edImageH"));
    frames_->ApplySize(key);
    key.SetIndex("RadioGroup5", design_.set().Index("RadioGroup5"));
    key.SetOn("chkDelPovs", design_.set().On("chkDelPovs"));
    chain.push_back(std::move(key));
    names.push_back(QFileInfo(listed.path).fileName());
  }
  frames_->ApplySize(chain.front());
  const size_t pairs = key_sets_->loop() ? chain.size() : chain.size() - 1;
  for (size_t i = 0; i < pairs; ++i) {
    const size_t next = (i + 1) % chain.size();
    for (const std::string& problem : FamilyProblems(chain[i], chain[next])) {
      if (!design_.prompts()->Ask(
              design_.dialog_parent(),
              "From " + names[i] + " to " + names[next] + ":\n" + FromCore(problem))) {
        chain.clear();
        return false;
      }
    }
  }
  return true;
}

void AnimationRunner::PutBack(const ParameterSet& set) {
  ParameterSet& into = design_.set();
  for (size_t i = 0; i < into.size(); ++i) {
    if (!(into.value(i) == set.value(i))) into.SetValue(i, set.value(i));
  }
  design_.RefreshFields();
}

void AnimationRunner::Finished() {
  if (!busy_) return;
  if (worker_.joinable()) worker_.join();
  busy_ = false;
  // The series gives the start set back exactly, at the picture size the locked
  // window's set still holds; the window takes it over.
  work_->SetText("edImageW", design_.set().Text("edImageW"));
  work_->SetText("edImageH", design_.set().Text("edImageH"));
  PutBack(*work_);
  design_.LockDesign(false);
  stop_box_->hide();
  stop_box_->button()->setEnabled(true);
  const FrameSeriesResult result = *result_;
  const bool aborted = shared_->abort;
  shared_.reset();
  work_.reset();
  if (aborted) return;
  design_.ShowWarnings(result.warnings);
  if (!result.status.ok() && !failure_told_)
    design_.prompts()->Error(design_.dialog_parent(), FromCore(result.status.message()));
  QString said = QString("Animation : %1 frames rendered").arg(result.rendered);
  if (result.stopped)
    said += ", stopped";
  else if (result.failed_counter)
    said += QString(", frame %1 failed").arg(result.failed_counter);
  design_.Say(said);
  // Frames in a row can become a video: the offer stands until the next series.
  key_sets_->SetFrames(first_frame_, frames_shown_, frames_->folder());
  offer_video_->setVisible(frames_shown_ >= 2);
  emit SeriesDone(result.rendered, result.stopped);
}

}  // namespace vermora::app
