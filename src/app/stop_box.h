#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace vermora::app {

// The small window shown while a frame series runs: its caption tells the last
// finished frame and its one button asks the series to stop.
class StopBox : public QWidget {
  Q_OBJECT

 public:
  explicit StopBox(QWidget* parent = nullptr);

  void ShowCaption(const QString& caption);
  QPushButton* button() const { return button_; }

 signals:
  void StopClicked();

 private:
  QLabel* text_ = nullptr;
  QPushButton* button_ = nullptr;
};

}  // namespace vermora::app
