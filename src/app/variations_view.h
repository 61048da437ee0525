#pragma once

#include <QWidget>
#include <cstdint>
#include <deque>
#include <vector>

#include "params/parameter_set.h"
#include "render/renderer.h"

class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace vermora::app {

class Design;
class PreviewPicture;
class RenderRunner;

// Breeding by eye: the centre cell holds the set being bred from, the eight cells
// around it its variants, each rendered as a thumbnail side by side. A click on a
// variant makes it the centre and breeds eight new ones around it; Back returns to
// the centre before; Take gives the centre to the window as one undo step.
class VariationsView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCells = 9;
  static constexpr int kCentre = 4;

  explicit VariationsView(Design& design, QWidget* parent = nullptr);
  ~VariationsView() override;

  // Engine index: 0 Random, 1 Evolve, 2 Mutate.
  void SetEngine(int index);
  void SetThumbnailSize(int width, int height);
  // Starts again from the window's set.
  void StartFromWindow();
  // Breeds eight variants of the centre with the seed and starts the renders; false
  // (with the reason in the title) when the engine failed.
  bool Produce(std::uint32_t seed);
  // Makes variant `cell` the centre and breeds on from it.
  void Choose(int cell);
  // Returns to the previous centre and its variants.
  void Back();
  // The centre becomes the window's set.
  void Take();
  void CancelAll();
  // Asks how many children of the centre and into which empty folder, and
  // puts that batch into the render queue (rendered as vermora-cli batch does).
  void QueueBatch();

  // The sets of the nine cells, the centre at kCentre.
  const std::vector<ParameterSet>& cells() const { return sets_; }
  const ParameterSet& centre() const { return sets_[kCentre]; }
  int steps() const { return static_cast<int>(history_.size()); }
  int running() const { return running_; }
  int finished() const { return finished_; }
  PreviewPicture* cell(int index) const { return pictures_.at(static_cast<size_t>(index)); }

 signals:
  void AllDone();
  // A batch of the centre's children went into the render queue.
  void BatchQueued(int id);
  // A cell shows its variant drawn in 3-D while POV-Ray renders it.
  void ModelDrawn(int cell);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Step {
    ParameterSet centre;
    std::uint32_t seed;
  };
  void StartRenders();
  void StartNext();
  void DrawModelFirst(int index);
  void CellFinished(int index, const RenderOutcome& outcome, bool ran);
  void StopRenders();
  // The strength field the engine in use reads, or empty for Random.
  const char* StrengthField() const;

  Design& design_;
  QComboBox* engine_ = nullptr;
  QDoubleSpinBox* strength_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* back_ = nullptr;
  int thumb_width_ = 240, thumb_height_ = 180;
  std::uint32_t seed_ = 1;
  std::vector<ParameterSet> sets_;
  std::vector<Step> history_;
  std::vector<PreviewPicture*> pictures_;
  std::vector<RenderRunner*> runners_;
  std::vector<std::string> images_;
  std::vector<RenderInvocation> invocations_;
  std::deque<int> pending_;
  bool producing_ = false;  // the cells are still being prepared
  int running_ = 0;
  int finished_ = 0;
  int generation_ = 0;       // counts the rounds of renders, so a late 3-D picture is dropped
  std::vector<bool> shown_;  // POV-Ray's picture (or its failure) is in the cell
};

}  // namespace vermora::app
