#pragma once

#include <QObject>
#include <string>
#include <vector>

class QPushButton;
class QStatusBar;

namespace vermora::app {

class Design;

// Parts whose range lies outside their worm: bubbles from segment 100 on a worm
// of 30 segments change nothing, and the window says so instead of staying quiet:
// on the status bar, in the field's hint, and with a button that fits the range.
class RangeNotice : public QObject {
  Q_OBJECT

 public:
  RangeNotice(Design& design, QStatusBar* status);

  // Says what lies outside now, and takes back what no longer does.
  void Show();
  void FitRanges();

 private:
  Design& design_;
  QStatusBar* status_;
  QPushButton* fit_ = nullptr;       // FitRange, shown while a range lies outside
  std::vector<std::string> fields_;  // the fields whose hint says so
};

}  // namespace vermora::app
