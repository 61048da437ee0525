#include "prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "common/status.h"

namespace vermora::app {

QString FromCore(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCore(const QString& text) { return text.toLatin1().toStdString(); }

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& message) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, kAppTitle,
                                           FromCore(ErrorBoxText(ToCore(message))), QMessageBox::Ok,
                                           parent);
  return box;
}

void DialogPrompts::Error(QWidget* parent, const QString& message) {
  MakeErrorBox(parent, message)->exec();
}

void DialogPrompts::Warning(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, kAppTitle, message, QMessageBox::Ok);
}

void DialogPrompts::Inform(QWidget* parent, const QString& message) {
  QMessageBox::information(parent, kAppTitle, message, QMessageBox::Ok);
}

bool DialogPrompts::Confirm(QWidget* parent, const QString& message) {
  return QMessageBox::question(parent, kAppTitle, message, QMessageBox::Yes | QMessageBox::Cancel,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

bool DialogPrompts::Ask(QWidget* parent, const QString& message) {
  return QMessageBox::information(parent, kAppTitle, message, QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::Yes) == QMessageBox::Yes;
}

UnsavedAnswer DialogPrompts::AskUnsaved(QWidget* parent) {
  const auto answer = QMessageBox::warning(
      parent, kAppTitle, "The design has changed since it was last saved or loaded.\nSave it?",
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return UnsavedAnswer::kSave;
  if (answer == QMessageBox::Discard) return UnsavedAnswer::kDiscard;
  return UnsavedAnswer::kCancel;
}

namespace {

QString RunFileDialog(QWidget* parent, const FileDialogTexts& texts, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, texts.title);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(texts.suffix);
  dialog.setNameFilter(texts.filter);
  if (!texts.name.contains('*')) dialog.selectFile(texts.name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

QString DialogPrompts::OpenFile(QWidget* parent, const FileDialogTexts& texts) {
  return RunFileDialog(parent, texts, QFileDialog::AcceptOpen);
}

QString DialogPrompts::SaveFile(QWidget* parent, const FileDialogTexts& texts) {
  return RunFileDialog(parent, texts, QFileDialog::AcceptSave);
}

std::optional<QString> DialogPrompts::Input(QWidget* parent, const QString& title,
                                            const QString& prompt, const QString& text) {
  bool ok = false;
  const QString entered =
      QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
  if (!ok) return std::nullopt;
  return entered;
}

QString DialogPrompts::ChooseFolder(QWidget* parent, const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, title, start);
}

const FileDialogTexts& OpenSetTexts() {
  static const FileDialogTexts texts{"Open Vermora File", "vmx", "*.vmx",
                                     "Vermora Files (*.vmx);;All Files (*)"};
  return texts;
}

const FileDialogTexts& OpenDesignTexts() {
  static const FileDialogTexts texts{
      "Open Vermora File", "vmx", "*.vmx",
      "Vermora Files and Pictures (*.vmx *.png);;Vermora Files (*.vmx);;"
      "Pictures that carry their set (*.png);;All Files (*)"};
  return texts;
}

}  // namespace vermora::app
