#pragma once

#include <QGroupBox>
#include <string>
#include <vector>

#include "params/parameter_set.h"

class QCheckBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace vermora::app {

class Design;

// The key sets an animation runs through after the window's own set, in turn,
// and the video the frames of the last series can be joined into.
class KeySetPanel : public QGroupBox {
  Q_OBJECT

 public:
  struct Key {
    QString path;
    ParameterSet set;
  };

  KeySetPanel(Design& design, QWidget* parent);

  const std::vector<Key>& keys() const { return keys_; }
  int frames_per_step() const;
  bool loop() const;
  QString fps() const;

  // Asks for a set file and puts it at the end of the list; a file that does
  // not load, or that uses files and is not wanted, changes nothing.
  void AddKey();
  void RemoveKey();
  void MoveKey(int by);
  // The frames of the last series, from `first`, `count` of them (0: none), in `folder`.
  void SetFrames(int first, int count, const std::string& folder);
  // Asks where, and joins the last series' frames into a video with ffmpeg.
  void MakeVideo();

 signals:
  void VideoDone(const QString& path, bool ok);
  // The list, the frames a step or the loop changed.
  void Changed();

 private:
  void ShowKeys();

  Design& design_;
  std::vector<Key> keys_;
  QListWidget* list_;
  QSpinBox* frames_;
  QCheckBox* loop_;
  QSpinBox* fps_;
  QPushButton* video_;
  int first_frame_ = 0, frame_count_ = 0;
  std::string frames_folder_;  // ends in "/"
};

}  // namespace vermora::app
