#include "batch_command.h"

#include <memory>

#include "progress.h"
#include "talk.h"

namespace vermora {

int BatchCommand(const BatchSettings& args, const ParameterSet& parent, const GeneLocks& locks) {
  std::unique_ptr<cli::Progress> progress;
  BatchTalk talk;
  talk.note = [](const std::string& what) { cli::Note(what); };
  talk.wrote = [](const std::string& path) { cli::Wrote(path); };
  talk.fail = [](const std::string& what) { cli::Fail(what); };
  talk.starting = [&](int children) {
    progress = std::make_unique<cli::Progress>("children", children);
  };
  talk.step = [&](const std::string& line, bool failed) { progress->Step(line, failed); };
  return RunBatch(args, parent, locks, talk);
}

}  // namespace vermora
