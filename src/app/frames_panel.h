#pragma once

#include <QGroupBox>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vermora {
class ParameterSet;
}

namespace vermora::app {

class Design;

// Where the frames of a series go and how large they are: the program folder
// and the Povray page's picture size, unless the user chose others. The choice
// is the user's, not the set's, so it is kept in the settings. POV-Ray still
// renders each frame in the program folder; a finished frame is then moved to
// the chosen folder, so a set never writes there itself.
class FramesPanel : public QGroupBox {
  Q_OBJECT

 public:
  FramesPanel(Design& design, QWidget* parent);

  // The folder the frames end up in, ending in "/".
  std::string folder() const;
  // The frame size as the series makes it.
  int width() const;
  int height() const;
  bool own_size() const;
  // Gives a set that is to be rendered as a frame the frame size.
  void ApplySize(ParameterSet& set) const;

  // Why the series cannot put its frames in the folder, or empty.
  QString FolderProblem() const;
  // Moves a rendered frame from the program folder into the chosen folder;
  // nothing to do without one. False, with `error` set, when it cannot.
  bool Deliver(const std::string& picture, QString* error) const;

  // The folder the user picked ("" is the program folder).
  void SetFolder(const QString& folder);
  void ChooseFolder();

 signals:
  void Changed();

 private:
  void Show();
  void Keep() const;

  Design& design_;
  QString chosen_;
  QLabel* where_;
  QPushButton* program_folder_;
  QCheckBox* own_size_;
  QSpinBox* width_;
  QSpinBox* height_;
};

}  // namespace vermora::app
