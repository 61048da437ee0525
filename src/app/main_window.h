#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

#include "design.h"
#include "field_factory.h"
#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "prompts.h"
#include "window_keys.h"

class QAction;
class QSplitter;
class QTabWidget;

namespace vermora::app {

class AnimationRunner;
class BackgroundPanel;
class ColourDialog;
class ExportControl;
class FileControl;
class FormRules;
class LineageControl;
class PicturePane;
class PreviewPicture;
class RecentFiles;
class RenderControl;
class RenderOutput;
class QueuePanel;
class RenderPictureDialog;
class TexturePanel;
class UndoControl;
class VariationsView;

// Where the window keeps its files and how it asks the user.
struct WindowSetup {
  std::string folder;                     // the program folder, ending in "/"
  std::vector<std::string> include_dirs;  // passed to POV-Ray with +L
  Prompts* prompts = nullptr;             // not owned
  ColourDialog* colours = nullptr;        // not owned; none: the system colour dialog
};

// The tabbed parameter window: the pages generated from the parameter table, the
// picture column, the menus and the toolbar. It holds the design (the set and
// where it lives) and owns the parts that act on it, each of which reaches the
// design only through the Design interface.
class MainWindow : public QMainWindow, public Design {
  Q_OBJECT

 public:
  explicit MainWindow(const WindowSetup& setup, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The design.
  ParameterSet& set() override { return set_; }
  Prompts* prompts() const override { return prompts_; }
  QWidget* dialog_parent() override { return this; }
  const std::string& folder() const override { return folder_; }
  const std::vector<std::string>& include_dirs() const override { return include_dirs_; }
  const std::string& povray_path() const override { return povray_path_; }
  const GeneLocks& locks() const override;
  bool rendering() const override;
  void RefreshFields() override;
  void RecordStep(const QString& label) override;
  void LockDesign(bool locked) override;
  void Say(const QString& text) override;
  void ShowWarnings(const std::vector<std::string>& warnings) override;

  // Its parts.
  RenderControl& render() const { return *render_; }
  FileControl& files() const { return *files_; }
  UndoControl& undo() const { return *undo_; }
  LineageControl& lineage() const { return *lineage_; }
  ExportControl& exports() const { return *exports_; }
  AnimationRunner& animation() const { return *animation_; }
  TexturePanel* texture_panel() const { return texture_panel_; }
  BackgroundPanel* background_panel() const { return background_panel_; }
  RecentFiles* recent_files() const { return recent_; }

  bool modified() const;
  void AskPovrayPath();
  void About();
  // Shows the grid of variants of the current set.
  void OpenVariations();
  void OpenRenderPicture();
  QueuePanel* queue() const { return queue_; }

 signals:
  // After a render ended and its picture and messages are shown.
  void RenderDone(bool ok);
  void MeshExported(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildPages();
  QWidget* BuildSidePanel();
  void BuildMenusAndToolbar();
  void BuildHelpMenu();
  void BuildParts();
  void BuildLookPanels();
  // The window's size and the splitters, kept between runs.
  void RestoreLayout();
  void SaveLayout();
  void StartUp();
  void Edited(size_t index);
  void PagesChanged(int index);
  // The refresh after a load that the texture and background controls need.
  LoadRefresh LookRefresh();

  ParameterSet set_;
  std::string folder_;
  std::vector<std::string> include_dirs_;
  std::string povray_path_;
  Prompts* prompts_;
  ColourDialog* colours_ = nullptr;
  std::vector<Field> fields_;

  QTabWidget* pages_ = nullptr;
  QWidget* side_ = nullptr;        // Panel4: the picture above, the scene and ancestry below
  QSplitter* splitter_ = nullptr;  // the pages and the side column
  QSplitter* side_split_ = nullptr;
  QTabWidget* side_tabs_ = nullptr;    // SceneAndAncestry
  PreviewPicture* preview_ = nullptr;  // Image1
  PicturePane* pane_ = nullptr;        // the 3-D view and the picture
  QAction* auto_render_ = nullptr;
  QAction* estimate_ = nullptr;           // "Estimation of used objects", asked before rendering
  std::vector<QAction*> locked_actions_;  // off while the design is locked

  RenderOutput* output_ = nullptr;
  RenderControl* render_ = nullptr;
  UndoControl* undo_ = nullptr;
  LineageControl* lineage_ = nullptr;
  FileControl* files_ = nullptr;
  ExportControl* exports_ = nullptr;
  AnimationRunner* animation_ = nullptr;
  FormRules* form_rules_ = nullptr;  // enabling rules and hints
  RecentFiles* recent_ = nullptr;
  TexturePanel* texture_panel_ = nullptr;
  BackgroundPanel* background_panel_ = nullptr;
  VariationsView* variations_ = nullptr;
  RenderPictureDialog* picture_dialog_ = nullptr;
  QueuePanel* queue_ = nullptr;
};

}  // namespace vermora::app
