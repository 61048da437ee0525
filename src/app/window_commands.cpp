// The file commands of the main window: settings files, exports, the user default,
// the POV-Ray path and About.
#include <QFileInfo>
#include <QSettings>
#include <QStatusBar>

#include "common/file_io.h"
#include "compose/composer.h"
#include "main_window.h"
#include "params/settings_file.h"
#include "params/working_files.h"
#include "picture/png_set_chunk.h"
#include "recent_files.h"
#include "render/file_directives.h"
#include "scene/object_count.h"
#include "splash.h"

namespace vermora::app {
namespace {

const FileDialogTexts kSaveTexts{"Save Vermora for Windows File", "vmx", "*.vmx",
                                 "Vermora for Windows Files (*.vmx);;All Files (*)"};
const FileDialogTexts kPov31Texts{"Export to POV-Ray 3.1 File", "pov", "*.pov",
                                  "Povray Files (*.pov);;All Files (*)"};
const FileDialogTexts kPov22Texts{"Export to POV-Ray 2.2 File", "pov", "*.pov",
                                  "Povray Files (*.pov);;All Files (*)"};

}  // namespace

bool MainWindow::MaySetAside() {
  if (!modified()) return true;
  switch (prompts_->AskUnsaved(this)) {
    case UnsavedAnswer::kDiscard:
      return true;
    case UnsavedAnswer::kCancel:
      return false;
    case UnsavedAnswer::kSave: {
      // The caption holds the path of a set that came from or went to a file.
      const QString caption = windowTitle();
      if (caption != kCaption && caption != mixed_caption_) return SaveTo(caption);
      return SaveSettingsAs();
    }
  }
  return false;
}

bool MainWindow::SaveTo(const QString& path) {
  if (Status s = SaveSettings(ToCore(path), set_); !s.ok()) {
    prompts_->Error(this, FromCore(s.message()));
    return false;
  }
  SaveLocksFor(path);
  LineageSaved(path);
  // The caption names the file only once the set is really in it.
  setWindowTitle(path);
  MarkSaved();
  recent_->Add(path);
  statusBar()->showMessage("Saved " + path);
  return true;
}

bool MainWindow::LoadFrom(const QString& path) {
  // A PNG picture brings the set it carries and nothing else: a picture without
  // one is refused before anything changes. A set file brings its locks and lineage.
  const bool picture = QFileInfo(path).suffix().toLower() == "png";
  std::string text;
  Status s = picture ? ReadSetFromPng(ToCore(path), text) : ReadWholeFile(ToCore(path), text);
  if (s.ok()) s = LoadSettingsText(text, set_, LookRefresh());
  RefreshFields();
  if (!s.ok()) {
    prompts_->Error(this, FromCore(s.message()));
    return false;
  }
  approved_file_uses_.clear();  // what the last set was allowed is not this one's
  if (!picture) LoadLocksFor(path);
  pending_lineage_ = {};
  if (!picture) ShowAncestry(path);
  MarkSaved();
  RecordStep("Load");
  return true;
}

void MainWindow::NewSet() {
  if (rendering() || !MaySetAside()) return;
  mixed_caption_.clear();
  // Through the loader, so that the texture and background panels follow.
  const Status s = LoadSettingsText(SettingsText(ParameterSet()), set_, LookRefresh());
  RefreshFields();
  setWindowTitle(kCaption);
  if (!s.ok()) prompts_->Error(this, FromCore(s.message()));
  approved_file_uses_.clear();
  pending_lineage_ = {};
  ShowAncestry({});
  MarkSaved();
  RecordStep("New");
}

void MainWindow::OpenSettings() {
  if (rendering() || !MaySetAside()) return;
  const QString path = prompts_->OpenFile(this, OpenSetTexts());
  if (path.isEmpty()) return;
  mixed_caption_.clear();
  setWindowTitle(path);
  if (LoadFrom(path)) recent_->Add(path);
}

bool MainWindow::SaveSettingsAs() {
  const QString path = prompts_->SaveFile(this, kSaveTexts);
  if (path.isEmpty()) return false;
  return SaveTo(path);
}

void MainWindow::ShowWarnings(const std::vector<std::string>& warnings) {
  if (warnings.empty()) return;
  // One box for the lot: a scene may read the same bad field many times.
  QStringList lines;
  for (const std::string& w : warnings) {
    const QString line = FromCore(w);
    if (!lines.contains(line)) lines << line;
  }
  prompts_->Warning(this, lines.join('\n'));
}

void MainWindow::ExportPov31() {
  if (rendering()) return;
  ExportSceneTo(prompts_->SaveFile(this, kPov31Texts), true);
}

void MainWindow::ExportPov22() {
  if (rendering()) return;
  if (const std::string refusal = Pov22Refusal(set_); !refusal.empty()) {
    prompts_->Warning(this, FromCore(refusal));
    return;
  }
  ExportSceneTo(prompts_->SaveFile(this, kPov22Texts), false);
}

void MainWindow::ExportSceneTo(const QString& path, bool pov31) {
  if (path.isEmpty()) return;
  std::vector<std::string> warnings, switched_off;
  Status s = ExportScene(set_, ToCore(path), pov31, &warnings, &switched_off);
  ShowWarnings(warnings);
  if (!switched_off.empty()) {  // as after F5: the design shows what the scene did
    ApplySwitchesTurnedOff(switched_off, set_);
    RefreshFields();
  }
  if (!s.ok())
    prompts_->Error(this, FromCore(s.message()));
  else
    statusBar()->showMessage("Exported " + path);
}

void MainWindow::SaveMyDefault() {
  if (Status s = vermora::SaveMyDefault(folder_, set_); !s.ok()) {
    prompts_->Error(this, FromCore(s.message()));
    return;
  }
  statusBar()->showMessage("Saved as MyDefault");
}

void MainWindow::LoadMyDefault() {
  if (rendering()) return;
  if (!HasMyDefault(folder_)) {
    prompts_->Warning(this, kNoMyDefault);
    return;
  }
  if (!MaySetAside()) return;
  Status s = vermora::LoadMyDefault(folder_, set_, LookRefresh());
  RefreshFields();
  setWindowTitle(kCaption);
  if (!s.ok()) {
    prompts_->Error(this, FromCore(s.message()));
    return;
  }
  MarkSaved();
}

void MainWindow::RemoveMyDefault() {
  vermora::RemoveMyDefault(folder_);
  statusBar()->showMessage("MyDefault removed");
}

void MainWindow::AskPovrayPath() {
  const std::optional<QString> entered = prompts_->Input(
      this, "POV-RAY Path", "Enter full path of executable", FromCore(povray_path_));
  if (!entered) return;
  povray_path_ = ToCore(*entered);
  QSettings registry(kSettingsOrg, kSettingsApp);
  registry.setValue(kPovrayPathKey, *entered);
  registry.sync();
}

namespace {
constexpr const char* kObjectLimitKey = "Object limit";
}  // namespace

double MainWindow::ObjectLimit() const {
  const double limit =
      QSettings(kSettingsOrg, kSettingsApp).value(kObjectLimitKey, kTooManyObjects).toDouble();
  return limit > 0 ? limit : kTooManyObjects;
}

void MainWindow::AskObjectLimit() {
  const std::optional<QString> entered =
      prompts_->Input(this, "Object limit", "Ask before rendering scenes of more objects than",
                      QString::number(ObjectLimit(), 'f', 0));
  if (!entered) return;
  bool ok = false;
  const qlonglong limit = entered->trimmed().remove(',').toLongLong(&ok);
  if (!ok || limit < 1) {
    prompts_->Error(this,
                    "The object limit must be a whole number above 0, not \"" + *entered + "\"");
    return;
  }
  QSettings(kSettingsOrg, kSettingsApp).setValue(kObjectLimitKey, static_cast<double>(limit));
}

void MainWindow::About() {
  Splash about(this);
  about.exec();
}

}  // namespace vermora::app
