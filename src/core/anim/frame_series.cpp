#include "anim/frame_series.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <filesystem>
#include <future>

#include "anim/curves.h"
#include "anim/grow_in.h"
#include "anim/serie_triggers.h"
#include "anim/update_groups.h"
#include "compose/composer.h"
#include "params/param_reader.h"
#include "params/settings_file.h"
#include "render/command_line.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

// The rings whose members are spread by a frozen count, with their switches.
struct RingSwitch {
  const char* count;
  const char* twin;
  const char* on1;
  const char* on2;
};
constexpr RingSwitch kRings[] = {
    {"EdTNumber", "edTNumber2", "ChkFanOn", "ChkWheelOn"},
    {"EdBaseNumber", "EdBaseNumber3", "ChkBaseOn", nullptr},
    {"EdBranchNumber", "EdBranchNumber3", "ChkBranchON", nullptr},
    {"EdTopNumber", "EdTopNumber3", "ChkTopOn", nullptr},
    {"edHullNumber", "edHullNumber2", "chkHullOn", nullptr},
    {"EdTentNumber", "EdTentNumber2", "ChkTentacle", nullptr},
};

// One frame waiting for its render.
struct Pending {
  FrameReport report;
  RenderInvocation invocation;
  std::future<RenderOutcome> outcome;
};

class Series {
 public:
  Series(ParameterSet& set, const FrameSeriesSettings& settings)
      : set_(set), settings_(settings), reader_(set, diagnostics_) {}

  FrameSeriesResult Run();

 private:
  void ReadStart();
  void RenderFrame();
  bool OwnMessages() const { return settings_.own_messages || settings_.jobs > 1; }
  void Update();
  bool Report(Pending& frame);
  void Drain();
  void End();

  ParameterSet& set_;
  const FrameSeriesSettings& settings_;
  Diagnostics diagnostics_;
  ParamReader reader_;
  FrameSeriesResult result_;
  GrowInState grow_;
  std::vector<float> start_, value_;
  int start_frame_ = 0, end_frame_ = 0, count_start_ = 0, counter_ = 0;
  float frames_ = 0, t_ = 0;
  bool going_ = true;
  std::deque<Pending> pending_;
};

FrameSeriesResult Series::Run() {
  try {
    ReadStart();
  } catch (const CommandError& error) {
    result_.status = Status::Error(error.message);
    return result_;
  }
  const ParameterSet start_set = set_;
  if (Status saved = SaveSettings(settings_.folder + "_anim.vmx", set_); !saved.ok()) {
    diagnostics_.Warn(saved.message());
  }
  counter_ = count_start_ - 1;
  try {
    for (int k = 0; going_ && k < frames_; ++k) {
      if (settings_.running && !settings_.running()) {
        result_.stopped = true;
        break;
      }
      if (start_frame_ - 1 <= k && k < end_frame_) RenderFrame();
      if (going_ && k != frames_ - 1) Update();
    }
  } catch (const CommandError& error) {
    result_.status = Status::Error(error.message);
  }
  Drain();
  // The start set comes back exactly as it was saved, whatever ended the series.
  set_.TakeValues(start_set);
  End();
  result_.warnings = std::move(diagnostics_.warnings);
  return result_;
}

void Series::ReadStart() {
  grow_.Reset();
  for (const RingSwitch& ring : kRings) {
    if (set_.On(ring.on1) || (ring.on2 && set_.On(ring.on2))) {
      grow_.SetCounts(ring.count, reader_.Number(ring.count), reader_.Number(ring.twin));
    }
  }
  end_frame_ = reader_.Integer("edEndFrame");
  start_frame_ = reader_.Integer("edStartFrame");
  frames_ = reader_.Number("edTotalFrames");
  count_start_ = reader_.Integer("edCountStart");
  NormaliseSerieTriggers(set_, reader_);
  for (const AnimatedParam& p : AnimatedParams()) start_.push_back(reader_.Number(p.name));
  value_ = start_;
}

void Series::RenderFrame() {
  ++counter_;
  Pending frame;
  frame.report.counter = counter_;
  frame.report.scene_path = settings_.folder + FrameFileName(counter_);
  ComposeOptions options;
  options.clock = settings_.clock;
  options.animation = &grow_;
  std::vector<std::string> warnings;
  if (std::string problem = PictureSizeProblem(set_); !problem.empty()) {
    result_.failed_counter = counter_;
    result_.status = Status::Error("Frame " + std::to_string(counter_) + ": " + problem);
    going_ = false;
    return;
  }
  if (Status composed = ComposeSceneToFile(set_, frame.report.scene_path, &warnings, options);
      !composed.ok()) {
    result_.failed_counter = counter_;
    result_.status = Status::Error("Frame " + std::to_string(counter_) + ": " + composed.message());
    going_ = false;
    return;
  }
  for (std::string& w : warnings) diagnostics_.Warn(std::move(w));

  const std::string line =
      FrameCommandLine(settings_.povray, settings_.folder, frame.report.scene_path,
                       set_.Text("edImageW"), set_.Text("edImageH"));
  frame.invocation = TranslateCommandLine(line, settings_.include_dirs);
  ApplyShare(settings_.share, frame.invocation);
  if (OwnMessages()) {
    // Renders that overlap each keep their own messages file.
    const std::string own = fs::path(frame.report.scene_path).stem().string() + ".out";
    frame.invocation.messages_path = settings_.folder + own;
    for (std::string& arg : frame.invocation.args) {
      if (arg.rfind("All_File=", 0) == 0) arg = "All_File=" + own;
    }
  }
  ClearRenderFiles(frame.invocation);
  auto render = [inv = frame.invocation, s = &settings_] {
    return s->render ? s->render(inv) : RunRenderer(inv, s->timeout_seconds);
  };
  if (settings_.jobs > 1) {
    frame.outcome = std::async(std::launch::async, render);
    pending_.push_back(std::move(frame));
    while (going_ && static_cast<int>(pending_.size()) >= settings_.jobs) {
      going_ = Report(pending_.front());
      pending_.pop_front();
    }
  } else {
    std::promise<RenderOutcome> done;
    done.set_value(render());
    frame.outcome = done.get_future();
    going_ = Report(frame);
  }
}

// Hands one finished frame to the caller; false ends the series.
bool Series::Report(Pending& frame) {
  frame.report.outcome = frame.outcome.get();
  const bool failed = !frame.report.outcome.ok();
  if (failed) {
    if (result_.failed_counter == 0) result_.failed_counter = frame.report.counter;
  } else {
    ++result_.rendered;
  }
  bool go_on = settings_.after_frame ? settings_.after_frame(frame.report) : !failed;
  if (failed && go_on == false && result_.status.ok()) {
    result_.status = Status::Error("Frame " + std::to_string(frame.report.counter) + ": " +
                                   frame.report.outcome.failure);
  }
  if (OwnMessages() && !failed) {
    std::error_code ec;
    fs::remove(frame.invocation.messages_path, ec);
  }
  return go_on;
}

void Series::Drain() {
  while (!pending_.empty()) {
    const bool go_on = Report(pending_.front());
    going_ = going_ && go_on;
    pending_.pop_front();
  }
}

void Series::Update() {
  t_ = AdvanceProgress(t_, frames_);
  const Curve curve = static_cast<Curve>(set_.Index("RadioGroup5"));
  const bool strong = curve == Curve::kAccelerate || curve == Curve::kDecelerate;
  const float f = CurveFraction(t_, curve, strong ? reader_.Number("edAStrength") : 0.0f);
  const auto params = AnimatedParams();
  for (size_t i = 0; i < params.size(); ++i) {
    const AnimatedParam& p = params[i];
    if (!GroupApplies(p.group, set_)) continue;
    const float E = reader_.Number(p.twin);
    value_[i] = NextValue(start_[i], E, value_[i], f, frames_, curve);
    set_.SetText(p.name, WriteBackText(value_[i], p.kind));
    if (p.kind == WriteBack::kWhole) grow_.WroteCount(std::string(p.name), value_[i]);
  }
}

void Series::End() {
  if (set_.On("chkDelPovs")) {
    std::error_code ec;
    for (int i = 0; i <= end_frame_ - start_frame_ + count_start_; ++i) {
      fs::remove(settings_.folder + FrameFileName(i), ec);
    }
  }
  grow_.Reset();
}

}  // namespace

std::string FrameFileName(int counter) {
  std::string digits = std::to_string(counter);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return "anim" + digits + ".pov";
}

FrameSeriesResult RunFrameSeries(ParameterSet& set, const FrameSeriesSettings& settings) {
  return Series(set, settings).Run();
}

int FramesToRender(const ParameterSet& set) {
  Diagnostics diagnostics;
  ParamReader reader(set, diagnostics);
  try {
    // The steps k = 0 .. ceil(total) - 1 that lie from start - 1 to end - 1.
    const int steps = static_cast<int>(std::ceil(reader.Number("edTotalFrames")));
    const int first = std::max(0, reader.Integer("edStartFrame") - 1);
    const int last = std::min(steps, reader.Integer("edEndFrame"));
    return std::max(0, last - first);
  } catch (const CommandError&) {
    return 0;
  }
}

}  // namespace vermora
