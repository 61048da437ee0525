#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "common/random.h"
#include "params/parameter_set.h"

class QLabel;
class QStatusBar;
class QWidget;

namespace vermora::app {

// Makes the window follow the form's rules: pages and fields shown, enabled and
// captioned as the switches require, and each control's hint in the status bar
// while the pointer is over it (and as its tooltip). The rules' resets run in
// the set itself, so clicks, loads, engines and the animation all meet them.
class FormRules : public QObject {
  Q_OBJECT

 public:
  // `root` holds every field and page; `set` must outlive this object.
  FormRules(ParameterSet& set, QWidget* root, QStatusBar* status, QObject* parent);

  // Shows the rules' state of the set in the controls.
  void Apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FindLabels(QWidget* root);
  void SetHints();
  void KeepOnSwitchesReachable();

  ParameterSet& set_;
  QWidget* root_;
  QStatusBar* status_;
  std::vector<QWidget*> widgets_;  // by table index, null where none
  std::map<QWidget*, QLabel*> labels_;
  std::map<QObject*, QString> hints_;
  // A thing that came on or a worm chosen shows its page at the next Apply.
  std::string thing_page_;
};

}  // namespace vermora::app
