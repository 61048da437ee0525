// "Random viewangle" on the thing's post-processing page.
#include "view_angle_command.h"

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "design.h"
#include "form/enabling_rules.h"
#include "page_builder.h"

namespace vermora::app {

void AddViewAngleButton(Design& design) {
  auto* page = design.dialog_parent()->findChild<QScrollArea*>(PageObjectName("Things/TPostproc"));
  auto* stack =
      page && page->widget() ? qobject_cast<QVBoxLayout*>(page->widget()->layout()) : nullptr;
  if (!stack) return;
  auto* button = new QPushButton("Random viewangle", page->widget());
  button->setObjectName("sbRotRandom");
  button->setToolTip("Random viewangle");
  stack->insertWidget(1, button);
  QObject::connect(button, &QPushButton::clicked, button, [&design] {
    static SystemClock clock;
    RandomViewAngle(design.set(), ProgramRandom(), clock);
    design.RefreshFields();
    design.RecordStep("Random viewangle");
  });
}

}  // namespace vermora::app
