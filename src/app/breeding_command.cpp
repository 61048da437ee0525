#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include "main_window.h"
#include "variation/breeding.h"

namespace vermora::app {

void MainWindow::AddBreedingButton() {
  auto* page = findChild<QScrollArea*>("TabFeaturesBreeding");
  auto* stack = page && page->widget() ? qobject_cast<QVBoxLayout*>(page->widget()->layout()) : nullptr;
  if (!stack) return;
  auto* breed = new QPushButton("Load in partner and let them have their fun !!!", page->widget());
  breed->setObjectName("SpeedButton2");
  stack->insertWidget(0, breed);
  connect(breed, &QPushButton::clicked, this, &MainWindow::BreedWithPartner);
}

void MainWindow::BreedWithPartner() {
  if (rendering()) return;
  // Cancelling the dialog breeds the design with itself.
  const QString path = prompts_->OpenFile(this, OpenSetTexts());
  EngineOptions options;
  options.program_folder = folder_;
  options.locks = &locks_;
  const EngineResult result = path.isEmpty() ? Breed(set_, ParameterSet(set_), options)
                                             : BreedWithFile(set_, ToCore(path), options);
  RefreshFields();
  ShowWarnings(result.warnings);
  if (!result.status.ok()) {
    prompts_->Error(this, FromCore(result.status.message()));
    return;
  }
  RecordStep("Breeding");
  statusBar()->showMessage("A child of the two sets");
}

}  // namespace vermora::app
