#include "render_runner.h"

#include <signal.h>
#include <sys/resource.h>

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QThreadPool>

#include "prompts.h"
#include "render/render_command.h"
#include "render/sandbox.h"

namespace vermora::app {

RenderRunner::RenderRunner(QObject* parent) : QObject(parent) {}

RenderRunner::~RenderRunner() {
  if (process_ && process_->state() != QProcess::NotRunning) {
    process_->disconnect(this);
    EndRun();
    process_->waitForFinished(2000);
    UnstageRender(staged_, invocation_);  // no private folder outlives the window
  }
}

bool RenderRunner::Start(const RenderInvocation& invocation) {
  if (busy_) return false;
  busy_ = true;
  cancelled_ = false;
  invocation_ = invocation;
  output_.clear();
  clock_.start();
  // The renderer runs in a private folder; the picture and messages come back.
  staged_ = StageRender(invocation);
  const RenderInvocation& run = staged_.invocation;

  delete process_;
  process_ = new QProcess(this);
  // Inside the sandbox, with the memory limit (sandbox.h).
  const SandboxedCall call = StagedCall(staged_);
  process_->setProgram(FromCore(call.argv.front()));
  QStringList args;
  for (size_t i = 1; i < call.argv.size(); ++i) args << FromCore(call.argv[i]);
  process_->setArguments(args);
  QStringList env;
  for (const std::string& e : call.env) env << FromCore(e);
  process_->setEnvironment(env);
  const std::uint64_t memory = RenderMemoryLimit();
  const int nice = invocation.nice;
  process_->setChildProcessModifier([memory, nice] {
    RenderChildSetup(memory);
    if (nice != 0) setpriority(PRIO_PROCESS, 0, nice);  // the sandbox and POV-Ray inherit it
  });
  process_->setWorkingDirectory(FromCore(run.working_dir));
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->setStandardInputFile(QProcess::nullDevice());
  connect(process_, &QProcess::readyRead, this, &RenderRunner::ReadOutput);
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) Done(-1);
  });
  connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    ReadOutput();
    Done(status == QProcess::CrashExit ? 128 + 9 : code);
  });
  // The sandbox would start and then miss the renderer: a missing one is told as such.
  if (!staged_.failure.empty() || !RendererPathProblem(invocation.program).empty()) {
    QMetaObject::invokeMethod(
        this, [this] { Done(-1); }, Qt::QueuedConnection);
    return true;
  }
  process_->start();
  return true;
}

void RenderRunner::EndRun() {
  // The run's process group holds bubblewrap, POV-Ray and whatever it started.
  if (const qint64 pid = process_->processId(); pid > 0) ::kill(-static_cast<pid_t>(pid), SIGKILL);
  process_->kill();
}

void RenderRunner::Cancel() {
  if (!busy_ || !process_) return;
  cancelled_ = true;
  EndRun();
}

void RenderRunner::Stop() {
  if (!busy_ || !process_) return;
  process_->disconnect(this);
  EndRun();
  process_->waitForFinished(2000);
  UnstageRender(staged_, invocation_);
  busy_ = false;
}

void RenderRunner::ReadOutput() {
  const QByteArray bytes = process_->readAll();
  if (bytes.isEmpty()) return;
  output_.append(bytes.constData(), static_cast<size_t>(bytes.size()));
  const int percent = RenderProgressPercent(output_);
  if (percent >= 0) emit Progress(percent);
}

void RenderRunner::Done(int exit_code) {
  if (!busy_) return;
  busy_ = false;
  UnstageRender(staged_, invocation_);
  RenderOutcome outcome = FinishRender(invocation_, exit_code, std::move(output_));
  output_.clear();
  if (!staged_.failure.empty()) outcome.failure = staged_.failure;

  if (cancelled_) outcome.failure = "Rendering cancelled";
  emit Finished(outcome);
}

void PrepareInBackground(QObject* context, std::shared_ptr<const ParameterSet> set,
                         const RenderSetup& setup, std::function<void(PreparedRender)> then) {
  QPointer<QObject> alive(context);
  QThreadPool::globalInstance()->start([alive, set, setup, then] {
    auto prepared = std::make_shared<PreparedRender>(PrepareRender(*set, setup));
    QMetaObject::invokeMethod(
        qApp,
        [alive, prepared, then] {
          if (alive) then(std::move(*prepared));
        },
        Qt::QueuedConnection);
  });
}

}  // namespace vermora::app
