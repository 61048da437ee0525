#include "file_control.h"

#include <QFileInfo>
#include <QWidget>

#include "common/file_io.h"
#include "design.h"
#include "examples_dialog.h"
#include "lineage_control.h"
#include "params/working_files.h"
#include "picture/png_set_chunk.h"
#include "prompts.h"
#include "recent_files.h"
#include "render_control.h"
#include "window_keys.h"

namespace vermora::app {
namespace {

const FileDialogTexts kSaveTexts{"Save Vermora File", "vmx", "*.vmx",
                                 "Vermora Files (*.vmx);;All Files (*)"};

size_t HashOf(const ParameterSet& set) { return std::hash<std::string>{}(SettingsText(set)); }

}  // namespace

FileControl::FileControl(Design& design, LineageControl& lineage, RenderControl& render,
                         RecentFiles* recent, Hooks hooks, QObject* parent)
    : QObject(parent),
      design_(design),
      lineage_(lineage),
      render_(render),
      recent_(recent),
      hooks_(std::move(hooks)) {}

bool FileControl::modified() const { return HashOf(design_.set()) != saved_hash_; }

void FileControl::MarkSaved() {
  saved_hash_ = HashOf(design_.set());
  ShowModified();
}

void FileControl::ShowModified() { design_.dialog_parent()->setWindowModified(modified()); }

void FileControl::ShowFile(const QString& file, const QString& title) {
  file_ = file;
  mixed_ = false;
  design_.dialog_parent()->setWindowTitle(!file.isEmpty()   ? file
                                          : title.isEmpty() ? kCaption
                                                            : title);
}

void FileControl::MixedWith(const QString& path) {
  ShowFile(path);
  mixed_ = true;
}

bool FileControl::MaySetAside() {
  if (!modified()) return true;
  switch (design_.prompts()->AskUnsaved(design_.dialog_parent())) {
    case UnsavedAnswer::kDiscard:
      return true;
    case UnsavedAnswer::kCancel:
      return false;
    case UnsavedAnswer::kSave:
      if (!file_.isEmpty() && !mixed_) return SaveTo(file_);
      return SaveSettingsAs();
  }
  return false;
}

bool FileControl::SaveTo(const QString& path) {
  if (Status s = SaveSettings(ToCore(path), design_.set()); !s.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
    return false;
  }
  lineage_.SaveLocksFor(path);
  lineage_.LineageSaved(path);
  // The caption names the file only once the set is really in it.
  ShowFile(path);
  MarkSaved();
  recent_->Add(path);
  design_.Say("Saved " + path);
  return true;
}

bool FileControl::LoadFrom(const QString& path) {
  // A PNG picture brings the set it carries and nothing else: a picture without
  // one is refused before anything changes. A set file brings its locks and lineage.
  const bool picture = QFileInfo(path).suffix().toLower() == "png";
  std::string text;
  Status s = picture ? ReadSetFromPng(ToCore(path), text) : ReadWholeFile(ToCore(path), text);
  if (s.ok()) s = LoadSettingsText(text, design_.set(), hooks_.look_refresh);
  design_.RefreshFields();
  if (!s.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
    return false;
  }
  render_.ForgetApprovals();
  if (!picture) lineage_.LoadLocksFor(path);
  lineage_.ForgetStep();
  if (!picture) lineage_.ShowAncestry(path);
  MarkSaved();
  design_.RecordStep("Load");
  return true;
}

bool FileControl::OpenPath(const QString& path) {
  if (design_.rendering()) {
    design_.Say("A render is running: open " + path + " when it is done");
    return false;
  }
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == "vtr") {
    hooks_.open_texture(path);
    return true;
  }
  if (ext == "vbk") {
    hooks_.open_background(path);
    return true;
  }
  if (ext != "vmx" && ext != "png") {
    design_.prompts()->Error(
        design_.dialog_parent(),
        path + " is not a settings, texture or background file, nor a PNG picture");
    return false;
  }
  if (!MaySetAside()) return false;
  const bool loaded = LoadFrom(path);
  if (loaded) {
    ShowFile(QFileInfo(path).absoluteFilePath());
    recent_->Add(path);
  }
  return loaded;
}

void FileControl::OpenSettings() {
  if (design_.rendering() || !MaySetAside()) return;
  const QString path = design_.prompts()->OpenFile(design_.dialog_parent(), OpenDesignTexts());
  if (path.isEmpty()) return;
  ShowFile(path);
  if (LoadFrom(path)) recent_->Add(path);
}

void FileControl::OpenExamples() {
  if (design_.rendering()) return;
  const std::vector<std::string>& dirs = design_.include_dirs();
  ExamplesDialog dialog(dirs.empty() ? std::string() : dirs.front(), design_.dialog_parent());
  if (dialog.exec() != QDialog::Accepted || dialog.chosen().set_path.empty()) return;
  if (!MaySetAside()) return;
  if (LoadFrom(FromCore(dialog.chosen().set_path))) {
    // An example is a start, not a file of the user's: Save asks where.
    ShowFile({}, "Example: " + FromCore(dialog.chosen().title));
  }
}

void FileControl::OpenAncestor(const QString& path) {
  if (design_.rendering() || !MaySetAside()) return;
  lineage_.ForgetStep();
  ShowFile(path);
  LoadFrom(path);
}

bool FileControl::SaveSettingsAs() {
  const QString path = design_.prompts()->SaveFile(design_.dialog_parent(), kSaveTexts);
  if (path.isEmpty()) return false;
  return SaveTo(path);
}

void FileControl::NewSet() {
  if (design_.rendering() || !MaySetAside()) return;
  // Through the loader, so that the texture and background panels follow.
  const Status s =
      LoadSettingsText(SettingsText(ParameterSet()), design_.set(), hooks_.look_refresh);
  design_.RefreshFields();
  ShowFile({});
  if (!s.ok()) design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
  render_.ForgetApprovals();
  lineage_.ForgetStep();
  lineage_.ShowAncestry({});
  MarkSaved();
  design_.RecordStep("New");
}

void FileControl::SaveMyDefault() {
  if (Status s = vermora::SaveMyDefault(design_.folder(), design_.set()); !s.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
    return;
  }
  design_.Say("Saved as MyDefault");
}

void FileControl::LoadMyDefault() {
  if (design_.rendering()) return;
  if (!HasMyDefault(design_.folder())) {
    design_.prompts()->Warning(design_.dialog_parent(), kNoMyDefault);
    return;
  }
  if (!MaySetAside()) return;
  Status s = vermora::LoadMyDefault(design_.folder(), design_.set(), hooks_.look_refresh);
  design_.RefreshFields();
  ShowFile({});
  if (!s.ok()) {
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
    return;
  }
  MarkSaved();
}

void FileControl::RemoveMyDefault() {
  vermora::RemoveMyDefault(design_.folder());
  design_.Say("MyDefault removed");
}

}  // namespace vermora::app
