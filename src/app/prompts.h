#pragma once

#include <QString>
#include <memory>
#include <optional>

class QMessageBox;
class QWidget;

namespace vermora::app {

inline constexpr const char* kAppTitle = "Vermora";

// The texts of one file dialog.
struct FileDialogTexts {
  QString title;
  QString suffix;  // default extension, without the dot
  QString name;    // initial file name
  QString filter;  // Qt filter text
};

// The open dialog of a settings file: Open, the breeding partner, the second set.
const FileDialogTexts& OpenSetTexts();
// The Open command: sets, and the PNG pictures that carry one.
const FileDialogTexts& OpenDesignTexts();

enum class UnsavedAnswer { kSave, kDiscard, kCancel };

// Every question and box the window puts to the user goes through here, so the
// window can be driven headless with answers given in advance.
class Prompts {
 public:
  virtual ~Prompts() = default;
  // The program's error box: its title, a stop icon, OK, a final "." added.
  virtual void Error(QWidget* parent, const QString& message) = 0;
  virtual void Warning(QWidget* parent, const QString& message) = 0;
  // An information box with OK.
  virtual void Inform(QWidget* parent, const QString& message) = 0;
  // Yes / Cancel; true for Yes.
  virtual bool Confirm(QWidget* parent, const QString& message) = 0;
  // An information box with Yes / No; true for Yes.
  virtual bool Ask(QWidget* parent, const QString& message) = 0;
  virtual UnsavedAnswer AskUnsaved(QWidget* parent) = 0;
  // Empty when the user cancels.
  virtual QString OpenFile(QWidget* parent, const FileDialogTexts& texts) = 0;
  virtual QString SaveFile(QWidget* parent, const FileDialogTexts& texts) = 0;
  virtual std::optional<QString> Input(QWidget* parent, const QString& title, const QString& prompt,
                                       const QString& text) = 0;
  // A folder, starting at `start`; empty when the user cancels.
  virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
};

// The real dialogs.
class DialogPrompts final : public Prompts {
 public:
  void Error(QWidget* parent, const QString& message) override;
  void Warning(QWidget* parent, const QString& message) override;
  void Inform(QWidget* parent, const QString& message) override;
  bool Confirm(QWidget* parent, const QString& message) override;
  bool Ask(QWidget* parent, const QString& message) override;
  UnsavedAnswer AskUnsaved(QWidget* parent) override;
  QString OpenFile(QWidget* parent, const FileDialogTexts& texts) override;
  QString SaveFile(QWidget* parent, const FileDialogTexts& texts) override;
  std::optional<QString> Input(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& text) override;
  QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) override;
};

// The error box, built but not shown.
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& message);

// Core texts are 8-bit; Latin-1 keeps every byte as it was.
QString FromCore(const std::string& text);
std::string ToCore(const QString& text);

}  // namespace vermora::app
