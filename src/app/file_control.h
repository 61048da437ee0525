#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "params/settings_file.h"

namespace vermora::app {

class Design;
class LineageControl;
class RecentFiles;
class RenderControl;

// The set's files: open, save, new, the examples, MyDefault, the files that come
// by name (the command line, a drop, a recent file), and which file the set on
// show belongs to, which the caption shows and a save goes to.
class FileControl : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    LoadRefresh look_refresh;  // the texture and background controls after a load
    std::function<void(const QString&)> open_texture;
    std::function<void(const QString&)> open_background;
  };
  FileControl(Design& design, LineageControl& lineage, RenderControl& render, RecentFiles* recent,
              Hooks hooks, QObject* parent);

  // The file the set came from or went to; empty for a new set or an example.
  const QString& file() const { return file_; }
  bool modified() const;
  // The set on show is the one in its file.
  void MarkSaved();
  // The caption's "*" follows whether the set differs from its file.
  void ShowModified();
  // Asks about unsaved changes; false when the user cancels.
  bool MaySetAside();

  // Opens a settings, texture or background file, or the set a PNG picture
  // carries, by its extension.
  bool OpenPath(const QString& path);
  void OpenSettings();
  void OpenExamples();
  // An ancestor's set from the Ancestry tab.
  void OpenAncestor(const QString& path);
  bool SaveSettingsAs();
  void NewSet();  // the built-in defaults, as a new unsaved set
  void SaveMyDefault();
  void LoadMyDefault();
  void RemoveMyDefault();
  // An end set from `path` is mixed into the animation: the file holds the end
  // set alone, so saving the mix asks for a name instead of overwriting it.
  void MixedWith(const QString& path);

 private:
  bool SaveTo(const QString& path);
  bool LoadFrom(const QString& path);
  // The caption names `file`, or `title` for a set without one.
  void ShowFile(const QString& file, const QString& title = {});

  Design& design_;
  LineageControl& lineage_;
  RenderControl& render_;
  RecentFiles* recent_;
  Hooks hooks_;
  QString file_;
  bool mixed_ = false;
  size_t saved_hash_ = 0;
};

}  // namespace vermora::app
