// "Random viewangle" on the thing's post-processing page.
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "form/enabling_rules.h"
#include "main_window.h"
#include "page_builder.h"

namespace vermora::app {

void AddViewAngleButton(MainWindow& w) {
  auto* page = w.findChild<QScrollArea*>(PageObjectName("Things/TPostproc"));
  auto* stack = page && page->widget() ? qobject_cast<QVBoxLayout*>(page->widget()->layout()) : nullptr;
  if (!stack) return;
  auto* button = new QPushButton("Random viewangle", page->widget());
  button->setObjectName("sbRotRandom");
  button->setToolTip("Random viewangle");
  stack->insertWidget(1, button);
  QObject::connect(button, &QPushButton::clicked, &w, [&w] {
    static SystemClock clock;
    RandomViewAngle(w.set(), ProgramRandom(), clock);
    w.RefreshFields();
    w.RecordStep("Random viewangle");
  });
}

}  // namespace vermora::app
