#include "examples_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "look_helpers.h"
#include "prompts.h"

namespace vermora::app {

ExamplesDialog::ExamplesDialog(const std::string& data_folder, QWidget* parent) : QDialog(parent) {
  setObjectName("ExamplesDialog");
  setWindowTitle("Examples");
  std::vector<std::string> warnings;
  examples_ = ReadExamples(data_folder, warnings);

  list_ = new QListWidget(this);
  list_->setObjectName("ExampleList");
  list_->setViewMode(QListView::IconMode);
  list_->setIconSize(QSize(160, 120));
  list_->setGridSize(QSize(184, 156));
  list_->setResizeMode(QListView::Adjust);
  list_->setMovement(QListView::Static);
  list_->setWordWrap(true);
  for (const Example& e : examples_) {
    QPixmap picture(FromCore(e.picture_path));
    if (picture.isNull()) {
      picture = QPixmap(160, 120);
      picture.fill(Qt::lightGray);
    }
    auto* item = new QListWidgetItem(QIcon(picture), FromCore(e.title), list_);
    item->setToolTip(FromCore(e.about));
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
  QPushButton* open = buttons->button(QDialogButtonBox::Open);
  open->setEnabled(false);
  auto* about = new QLabel(this);
  about->setObjectName("ExampleAbout");
  about->setWordWrap(true);
  if (examples_.empty())
    about->setText(warnings.empty() ? "No examples." : FromCore(warnings.front()));

  connect(list_, &QListWidget::currentRowChanged, this, [this, open, about](int row) {
    open->setEnabled(row >= 0);
    if (row >= 0) about->setText(FromCore(examples_[row].about));
  });
  auto take = [this] {
    const int row = list_->currentRow();
    if (row < 0) return;
    chosen_ = examples_[row];
    accept();
  };
  connect(list_, &QListWidget::itemActivated, this, take);
  connect(buttons, &QDialogButtonBox::accepted, this, take);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(about);
  layout->addWidget(buttons);
  ResizeWithinScreen(this, QSize(4 * 184 + 48, 4 * 156 + 100));
}

}  // namespace vermora::app
