#include "range_notice.h"

#include <QPushButton>
#include <QStatusBar>
#include <QVariant>

#include "design.h"
#include "params/part_ranges.h"
#include "prompts.h"

namespace vermora::app {
namespace {
constexpr const char* kOwnHint = "vermora-own-hint";
}  // namespace

RangeNotice::RangeNotice(Design& design, QStatusBar* status)
    : QObject(status), design_(design), status_(status) {
  fit_ = new QPushButton("Fit the range", status);
  fit_->setObjectName("FitRange");
  fit_->hide();
  connect(fit_, &QPushButton::clicked, this, &RangeNotice::FitRanges);
  status->addPermanentWidget(fit_);
}

void RangeNotice::Show() {
  QWidget* window = design_.dialog_parent();
  for (const std::string& name : fields_) {
    if (auto* field = window->findChild<QWidget*>(FromCore(name)))
      field->setToolTip(field->property(kOwnHint).toString());
  }
  fields_.clear();
  const std::vector<PartRangeProblem> problems = PartRangeProblems(design_.set());
  fit_->setVisible(!problems.empty());
  if (problems.empty()) return;
  QStringList lines;
  for (const PartRangeProblem& problem : problems) {
    const QString message = FromCore(problem.message);
    lines << message;
    auto* field = window->findChild<QWidget*>(FromCore(problem.field));
    if (!field) continue;
    if (!field->property(kOwnHint).isValid()) field->setProperty(kOwnHint, field->toolTip());
    field->setToolTip(message + "\n\n" + field->property(kOwnHint).toString());
    fields_.push_back(problem.field);
  }
  fit_->setToolTip(lines.join('\n'));
  status_->showMessage(lines.front());
}

void RangeNotice::FitRanges() {
  ParameterSet& set = design_.set();
  for (const PartRangeProblem& problem : PartRangeProblems(set)) FitPartRange(set, problem);
  design_.RefreshFields();
  design_.RecordStep("The range fits the worm now");
}

}  // namespace vermora::app
