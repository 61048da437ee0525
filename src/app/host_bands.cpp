#include "host_bands.h"

#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThreadPool>

#include "picture/band_join.h"
#include "prompts.h"

namespace vermora::app {

HostBands::HostBands(QObject* parent) : QObject(parent) {}

HostBands::~HostBands() {
  if (process_ && process_->state() != QProcess::NotRunning) {
    ::kill(-static_cast<pid_t>(process_->processId()), SIGTERM);
    process_->waitForFinished(5000);
  }
}

void HostBands::Start(std::shared_ptr<const ParameterSet> set, const RenderSetup& setup, int parts,
                      const std::string& hosts, const std::string& set_text) {
  if (busy_) return;
  busy_ = true;
  cancelled_ = false;
  work_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("vermora-hosts-XXXXXX"));
  if (!work_->isValid()) return End("no working folder in " + QDir::tempPath());
  RenderSetup band = setup;
  band.folder = folder_ = ToCore(work_->path()) + "/";
  band.share = {};  // the hosts give a band all they have
  QPointer<HostBands> alive(this);
  QThreadPool::globalInstance()->start([alive, set, band, parts, hosts, set_text] {
    auto bands = std::make_shared<PreparedBands>(PrepareBands(*set, band, parts));
    auto call = std::make_shared<std::vector<std::string>>();
    Status status = bands->status;
    if (status.ok())
      status = ReadyBandsForHosts(*bands, set_text, band.include_dirs, band.folder, hosts, *call);
    const QString failure = status.ok() ? QString() : FromCore(status.message());
    QMetaObject::invokeMethod(
        qApp,
        [alive, bands, call, failure] {
          if (!alive) return;
          if (!failure.isEmpty()) return alive->End(failure);
          alive->Run(*bands, *call);
        },
        Qt::QueuedConnection);
  });
}

void HostBands::Run(const PreparedBands& bands, const std::vector<std::string>& call) {
  if (cancelled_) return End("Rendering cancelled");
  bands_ = bands;
  delete process_;
  process_ = new QProcess(this);
  process_->setProgram(FromCore(call.front()));
  QStringList args;
  for (size_t i = 1; i < call.size(); ++i) args << FromCore(call[i]);
  process_->setArguments(args);
  // A session of its own, so that Cancel ends parallel and every render it started.
  process_->setChildProcessModifier([] { setsid(); });
  process_->setStandardInputFile(QProcess::nullDevice());
  process_->setProcessChannelMode(QProcess::MergedChannels);
  // Each band's picture as it comes back.
  connect(process_, &QProcess::readyRead, this, [this] {
    process_->readAll();
    int back = 0;
    for (const std::string& name : bands_.names)
      back += QFile::exists(FromCore(folder_ + name + ".png"));
    emit Progress(static_cast<int>(100 * back / std::max<size_t>(1, bands_.names.size())));
  });
  connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    Done(status == QProcess::NormalExit ? code : -1);
  });
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart)
      End("GNU Parallel could not start (the package parallel)");
  });
  process_->start();
}

void HostBands::Cancel() {
  if (!busy_) return;
  cancelled_ = true;
  if (process_ && process_->state() != QProcess::NotRunning)
    ::kill(-static_cast<pid_t>(process_->processId()), SIGTERM);
}

void HostBands::Done(int exit_code) {
  // GNU Parallel's record of the jobs, then what POV-Ray said of each band.
  QString log;
  QFile record(FromCore(folder_ + "jobs.log"));
  if (record.open(QIODevice::ReadOnly)) log = QString::fromUtf8(record.readAll());
  for (const std::string& name : bands_.names) {
    QFile said(FromCore(folder_ + name + ".log.err"));
    if (said.open(QIODevice::ReadOnly)) log += "\n" + FromCore(name) + ":\n" + said.readAll();
  }
  if (cancelled_) return End("Rendering cancelled");
  if (exit_code != 0)
    return End("the hosts did not render every part (GNU Parallel's jobs.log)", log);
  std::vector<std::string> pictures;
  for (const std::string& name : bands_.names) pictures.push_back(folder_ + name + ".png");
  if (Status s = JoinBands(pictures, bands_.bands, folder_ + "joined.png"); !s.ok())
    return End(FromCore(s.message()), log);
  busy_ = false;
  emit Finished({}, log, FromCore(folder_ + "joined.png"));
}

void HostBands::End(const QString& failure, const QString& log) {
  if (!busy_) return;
  busy_ = false;
  // Told after the caller's call returns, as a render's end always is.
  QMetaObject::invokeMethod(
      this, [this, failure, log] { emit Finished(failure, log, {}); }, Qt::QueuedConnection);
}

}  // namespace vermora::app
