#include "manual_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "common/data_folder.h"
#include "look_helpers.h"

namespace vermora::app {

QString ManualSectionForPage(const QString& page) { return QString(page).remove('&').toLower(); }

void ShowManual(QWidget* window, const QString& section) {
  auto* dialog = window->findChild<QDialog*>("Manual");
  if (!dialog) {
    const DataFolder data = ProgramDataFolder();
    const QString index = QString::fromStdString(data.path) + "manual/index.html";
    if (data.path.empty() || !QFileInfo::exists(index)) {
      QMessageBox::warning(
          window, "Manual",
          "The manual was not found (" +
              (data.path.empty() ? QString::fromStdString(data.Problem()) : index) + ").");
      return;
    }
    dialog = new QDialog(window);
    dialog->setObjectName("Manual");
    dialog->setWindowTitle("Vermora manual");
    auto* layout = new QVBoxLayout(dialog);
    auto* browser = new QTextBrowser(dialog);
    browser->setObjectName("ManualText");
    browser->setSource(QUrl::fromLocalFile(index));
    layout->addWidget(browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(buttons);
    ResizeWithinScreen(dialog, QSize(760, 700));
  }
  dialog->show();
  dialog->raise();
  // Scrolled once shown, when the text has its width.
  auto* browser = dialog->findChild<QTextBrowser*>("ManualText");
  if (section.isEmpty()) {
    browser->moveCursor(QTextCursor::Start);
  } else {
    browser->scrollToAnchor(section);
  }
}

}  // namespace vermora::app
