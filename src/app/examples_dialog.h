#pragma once

#include <QDialog>
#include <string>

#include "common/examples.h"

class QListWidget;

namespace vermora::app {

// The gallery of example creatures with their thumbnails; a double click or
// Open takes one.
class ExamplesDialog : public QDialog {
  Q_OBJECT

 public:
  ExamplesDialog(const std::string& data_folder, QWidget* parent = nullptr);
  const Example& chosen() const { return chosen_; }
  QListWidget* list() const { return list_; }

 private:
  std::vector<Example> examples_;
  Example chosen_;
  QListWidget* list_ = nullptr;
};

}  // namespace vermora::app
