#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "params/parameter_set.h"
#include "render/band_render.h"

class QProcess;
class QTemporaryDir;

namespace vermora::app {

// A still of the render queue rendered in bands on the hosts a file names,
// through the GNU Parallel command of the bands' job list, and joined here.
// The scene is written on a worker thread; everything runs in a private folder.
class HostBands : public QObject {
  Q_OBJECT

 public:
  explicit HostBands(QObject* parent = nullptr);
  ~HostBands() override;

  // Renders `set` (its size and anti-aliasing set) in `parts` bands on the
  // hosts of the file `hosts`; `set_text` is what the joined picture carries.
  void Start(std::shared_ptr<const ParameterSet> set, const RenderSetup& setup, int parts,
             const std::string& hosts, const std::string& set_text);
  // Ends the run and every render it started; Finished follows, cancelled.
  void Cancel();
  bool busy() const { return busy_; }

 signals:
  void Progress(int percent);
  // `failure` is empty when `picture` holds the joined bands; `log` is GNU
  // Parallel's record of the jobs and how each ended.
  void Finished(const QString& failure, const QString& log, const QString& picture);

 private:
  void Run(const PreparedBands& bands, const std::vector<std::string>& call);
  void Done(int exit_code);
  void End(const QString& failure, const QString& log = {});

  std::unique_ptr<QTemporaryDir> work_;
  QProcess* process_ = nullptr;
  PreparedBands bands_;
  std::string folder_;
  bool busy_ = false;
  bool cancelled_ = false;
};

}  // namespace vermora::app
