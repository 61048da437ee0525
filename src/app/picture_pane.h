#pragma once

#include <QWidget>

#include "model_builder.h"

class QButtonGroup;
class QLabel;
class QSplitter;

namespace vermora::app {

class CreatureView;

// The side panel's picture: the 3-D view, POV-Ray's picture, or both one above
// the other. The 3-D view follows every edit; without OpenGL only the picture shows.
class PicturePane : public QWidget {
  Q_OBJECT

 public:
  enum Mode { kModel = 0, kPicture = 1, kBoth = 2 };

  PicturePane(QWidget* picture, QWidget* parent);

  void SetMode(Mode mode);
  // The user's choice: shown, and kept for the next start.
  void Choose(Mode mode);
  Mode mode() const { return mode_; }
  // The set changed: the 3-D view draws it anew once it is read.
  void SetChanged(const ParameterSet& set);
  CreatureView* view() const { return view_; }  // null without OpenGL
  ModelBuilder* builder() const { return builder_; }

 signals:
  // A text for the status bar: what the 3-D view could not read.
  void Message(const QString& text);
  void ModeChanged(int mode);

 private:
  void Built(const BuiltModel& built);

  QWidget* picture_;
  CreatureView* view_ = nullptr;
  QSplitter* split_;
  QButtonGroup* modes_;
  QLabel* info_;
  ModelBuilder* builder_;
  Mode mode_ = kBoth;
  std::unique_ptr<ParameterSet> pending_;  // edits made while the 3-D view was hidden
};

// Whether this display gives OpenGL at all.
bool HaveOpenGL();

}  // namespace vermora::app
