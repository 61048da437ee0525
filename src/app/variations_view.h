#pragma once

#include <QWidget>
#include <cstdint>
#include <deque>
#include <vector>

#include "params/parameter_set.h"
#include "render/renderer.h"

class QComboBox;
class QGridLayout;
class QToolButton;

namespace vermora::app {

class MainWindow;
class RenderRunner;

// A grid of variants of the window's set, rendered as thumbnails side by side;
// clicking one makes it the window's set.
class VariationsView : public QWidget {
  Q_OBJECT

 public:
  explicit VariationsView(MainWindow* window, QWidget* parent = nullptr);
  ~VariationsView() override;

  // Engine index: 0 Random, 1 Evolve, 2 Mutate.
  void SetEngine(int index);
  void SetThumbnailSize(int width, int height);
  // Makes rows*columns variants with the seed and starts their renders; false
  // (with the reason in the grid's title) when the engine failed.
  bool Produce(std::uint32_t seed, int rows = 3, int columns = 3);
  void Adopt(int index);
  void CancelAll();

  const std::vector<ParameterSet>& variants() const { return variants_; }
  int running() const { return running_; }
  int finished() const { return finished_; }
  QToolButton* slot(int index) const { return slots_.at(static_cast<size_t>(index)); }

 signals:
  void AllDone();

 private:
  void StartNext();
  void SlotFinished(int index, const RenderOutcome& outcome, bool ran);
  void ClearGrid();

  MainWindow* window_;
  QComboBox* engine_ = nullptr;
  QGridLayout* grid_ = nullptr;
  int thumb_width_ = 80, thumb_height_ = 60;
  std::vector<ParameterSet> variants_;
  std::vector<QToolButton*> slots_;
  std::vector<RenderRunner*> runners_;
  std::vector<std::string> images_;
  std::vector<RenderInvocation> invocations_;
  std::deque<int> pending_;
  bool producing_ = false;  // the grid is still being filled
  int running_ = 0;
  int finished_ = 0;
};

}  // namespace vermora::app
