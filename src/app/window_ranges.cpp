// Parts whose range lies outside their worm: bubbles from segment 100 on a worm
// of 30 segments change nothing, and the window says so instead of staying quiet.
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVariant>

#include "main_window.h"
#include "params/part_ranges.h"

namespace vermora::app {
namespace {
constexpr const char* kOwnHint = "vermora-own-hint";
}  // namespace

void MainWindow::ShowRangeProblems() {
  for (const std::string& name : range_fields_) {
    if (auto* field = findChild<QWidget*>(FromCore(name)))
      field->setToolTip(field->property(kOwnHint).toString());
  }
  range_fields_.clear();
  const std::vector<PartRangeProblem> problems = PartRangeProblems(set_);
  fit_range_->setVisible(!problems.empty());
  if (problems.empty()) return;
  QStringList lines;
  for (const PartRangeProblem& problem : problems) {
    const QString message = FromCore(problem.message);
    lines << message;
    auto* field = findChild<QWidget*>(FromCore(problem.field));
    if (!field) continue;
    if (!field->property(kOwnHint).isValid()) field->setProperty(kOwnHint, field->toolTip());
    field->setToolTip(message + "\n\n" + field->property(kOwnHint).toString());
    range_fields_.push_back(problem.field);
  }
  fit_range_->setToolTip(lines.join('\n'));
  statusBar()->showMessage(lines.front());
}

void MainWindow::FitRanges() {
  for (const PartRangeProblem& problem : PartRangeProblems(set_)) FitPartRange(set_, problem);
  RefreshFields();
  RecordStep("The range fits the worm now");
}

}  // namespace vermora::app
