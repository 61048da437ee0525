#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "field_factory.h"
#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "params/undo_history.h"
#include "prompts.h"
#include "render/file_directives.h"
#include "render/render_command.h"
#include "render/renderer.h"
#include "variation/gene_locks.h"
#include "variation/lineage.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTimer;

namespace vermora::app {

class AnimationRunner;
class PicturePane;
class PreviewPicture;
class FormRules;
class RecentFiles;
class RenderRunner;
class RenderPictureDialog;
class VariationsView;
struct BuiltModel;
class BackgroundPanel;
class ColourDialog;
class TexturePanel;

inline constexpr const char* kCaption = "Vermora 0.99g : creatures for POV-Ray";
inline constexpr const char* kSettingsOrg = "Lumenfold";
inline constexpr const char* kSettingsApp = "Quorel";
inline constexpr const char* kPovrayPathKey = "POVRAY path";

// Where the window keeps its files and how it asks the user.
struct WindowSetup {
  std::string folder;                     // the program folder, ending in "/"
  std::vector<std::string> include_dirs;  // passed to POV-Ray with +L
  Prompts* prompts = nullptr;             // not owned
  ColourDialog* colours = nullptr;        // not owned; none: the system colour dialog
};

// The tabbed parameter window: pages generated from the parameter table, the
// preview, the Output page, and the commands of the menu and the toolbar.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(const WindowSetup& setup, QWidget* parent = nullptr);
  ~MainWindow() override;

  ParameterSet& set() { return set_; }
  const std::string& povray_path() const { return povray_path_; }
  const std::string& folder() const { return folder_; }
  const std::vector<std::string>& include_dirs() const { return include_dirs_; }
  bool modified() const;
  bool rendering() const;

  // Shows the set's values in every control (after a load or an engine's change).
  void RefreshFields();

  // The commands, callable as the menu calls them.
  void RenderScene();
  void CancelRender();
  void OpenSettings();
  bool SaveSettingsAs();
  void ExportPov31();
  void ExportPov22();
  // The creature as a glTF, OBJ or STL mesh, read and written off the window's thread.
  void ExportMeshFile();
  void SaveMyDefault();
  void LoadMyDefault();
  void RemoveMyDefault();
  void AskPovrayPath();
  // Asks for the number of objects above which F5 asks before rendering and
  // auto render stops; kept in the settings.
  void AskObjectLimit();
  double ObjectLimit() const;
  void About();
  void NewSet();  // the built-in defaults, as a new unsaved set
  // Shows the grid of variants of the current set.
  void OpenVariations();
  // Loads a partner set (or, cancelled, the design itself) and breeds the child.
  void BreedWithPartner();
  // The parameters the engines leave alone, kept beside the set in NAME.locks.
  const GeneLocks& locks() const { return locks_; }
  // Locks or unlocks one parameter, or a page group by its path ("textures/finish").
  void SetLock(const std::string& name, bool on, bool group);
  // Call after a change of the whole set (a load, an engine step): one undo step.
  void RecordStep(const QString& label);
  void Undo();
  void Redo();
  // Renders a preview scene in place of the creature (texture and background previews).
  void RenderPreview(const std::string& scene);
  // Before the first render of a loaded set whose texts read or write files:
  // shows those lines and asks; false when the user says no.
  bool TrustedToRender();
  // Within the object limit, or the user says to render anyway.
  bool WithinObjectLimit();
  // Every entry field usable, or the user says to render anyway.
  bool EntriesUsable();
  std::vector<FileDirective> UnapprovedFileUses() const;
  TexturePanel* texture_panel() const { return texture_panel_; }
  RecentFiles* recent_files() const { return recent_; }
  BackgroundPanel* background_panel() const { return background_panel_; }
  // Opens a settings, texture or background file, or the set a PNG picture
  // carries, by its extension (the command line, a drop, File > Examples).
  bool OpenPath(const QString& path);
  void OpenExamples();
  void OpenRenderPicture();
  Prompts* prompts() const { return prompts_; }

 signals:
  // After a render ended and its picture and messages are shown.
  void RenderDone(bool ok);
  void MeshExported(const QString& path);

 private:
  // Writes the scene for POV-Ray 3.1 or 2.2 to `path` (none: nothing done).
  void ExportSceneTo(const QString& path, bool pov31);
  // The second half of ExportMeshFile, once the model is read: asks first for
  // a huge mesh, then writes it.
  void WriteMeshFile(const BuiltModel& built, const QString& path, int detail, size_t triangles);
  friend class AnimationRunner;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildPages();
  void AddBreedingButton();
  // Gene locks: a context menu on every field, the tint of locked fields, the side file.
  void AddLockMenus();
  void AddLockActions(QMenu& menu, const QString& control);
  void ShowLocks();
  void LoadLocksFor(const QString& set_path);
  // Lineage: each engine step is noted, written beside the set when it is saved;
  // the ancestors of the set on show sit in a row of buttons that load them.
  void AddAncestryRow();
  void NoteOffspring(const QString& step_label);
  void LineageSaved(const QString& path);
  void ShowAncestry(const QString& path);
  void GoToAncestor(const QString& path);
  void SaveLocksFor(const QString& set_path);
  QWidget* BuildSidePanel();
  void BuildMenusAndToolbar();
  void BuildHelpMenu();
  // The window's size and the splitter, kept between runs.
  void RestoreLayout();
  void SaveLayout();
  void BuildStatusBar();
  void StartUp();

  void Edited(size_t index);
  void MarkSaved();
  // Asks about unsaved changes; false when the user cancels.
  bool MaySetAside();
  bool SaveTo(const QString& path);
  bool LoadFrom(const QString& path);
  void ShowWarnings(const std::vector<std::string>& warnings);
  // Runs the engine of the Features sub-page in view, if any; false when it failed.
  bool RunVisibleEngine();
  // The object count question; false when the user stops the render.
  bool EstimateGoesOn();
  void LockDesign(bool locked);
  void RenderFinished(const RenderOutcome& outcome);
  // Auto render: the latest edit's picture, about 300 ms after the edits stop.
  void ScheduleAutoRender();
  // A part switched on whose range lies outside its worm: said on the status
  // bar and in the field's hint, with a button that fits the range.
  void ShowRangeProblems();
  void FitRanges();
  void AutoRender();
  void StopAutoRender();
  // Writes the scene of a copy of the set on a worker thread; ComposeDone goes on.
  void StartCompose(bool automatic);
  void ComposeDone(PreparedRender prepared);
  // Runs `next` now, or once the automatic scene being written is done.
  void WhenComposeFree(std::function<void()> next);
  void ShowMessages(const QString& text, bool error, bool to_front = true);
  void ShowFailure(const QString& text);
  void PagesChanged(int index);
  void BuildLookPanels();
  // The refresh after a load that the texture and background controls need.
  LoadRefresh LookRefresh();

  ParameterSet set_;
  std::string folder_;
  std::vector<std::string> include_dirs_;
  std::string povray_path_;
  Prompts* prompts_;
  std::vector<Field> fields_;
  size_t saved_hash_ = 0;
  GeneLocks locks_;
  LineageRecord pending_lineage_;  // the last engine step's record, until saved
  QWidget* ancestry_ = nullptr;
  // The caption of an end set mixed into the animation: the file holds the end
  // set alone, so saving the mix asks for a name instead of overwriting it.
  QString mixed_caption_;
  qint64 render_started_ms_ = 0;
  qint64 edited_ms_ = 0;
  QTimer* auto_timer_ = nullptr;
  bool composing_ = false;
  bool compose_automatic_ = false;
  bool compose_again_ = false;  // an edit came while an automatic scene was written
  bool compose_cancelled_ = false;
  std::function<void()> after_compose_;  // F5 or a preview came while a scene was written
  bool auto_running_ = false;            // the renderer runs an automatic render

 public:
  // Edit to picture of the last automatic render, or F5 to picture, in ms.
  qint64 last_picture_ms() const { return last_picture_ms_; }
  bool auto_rendering() const;
  // The scene is being written (F5's or an automatic render's), before the renderer starts.
  bool composing() const { return composing_; }

 private:
  qint64 last_picture_ms_ = 0;
  RenderPictureDialog* picture_dialog_ = nullptr;
  // The uses of files ("field: directive") the user agreed to render.
  std::vector<std::string> approved_file_uses_;

  QTabWidget* pages_ = nullptr;
  QWidget* side_ = nullptr;
  QSplitter* side_split_ = nullptr;  // the picture above, the scene and ancestry tabs below
  QTabWidget* side_tabs_ = nullptr;
  QLabel* ancestry_note_ = nullptr;
  QWidget* output_page_ = nullptr;
  PreviewPicture* preview_ = nullptr;  // Image1
  PicturePane* pane_ = nullptr;        // the 3-D view and the picture
  QSplitter* splitter_ = nullptr;
  QAction* auto_render_ = nullptr;
  QLabel* error_picture_ = nullptr;  // Image2
  QPlainTextEdit* memo_ = nullptr;   // Memo2
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* fit_range_ = nullptr;       // shown while a part's range lies outside its worm
  std::vector<std::string> range_fields_;  // the fields whose hint names that
  RenderRunner* runner_ = nullptr;
  RecentFiles* recent_ = nullptr;
  AnimationRunner* animation_ = nullptr;
  FormRules* form_rules_ = nullptr;  // enabling rules and hints
  std::vector<QAction*> locked_actions_;
  VariationsView* variations_ = nullptr;
  UndoHistory history_;
  ParameterSet shown_;  // the set as of the last step, the state an undo returns to
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  // The engines' kept parents, restored with the set so the next step starts right.
  std::vector<std::vector<std::pair<std::string, std::optional<std::string>>>> undo_files_,
      redo_files_;
  std::vector<std::pair<std::string, std::optional<std::string>>> shown_files_;
  std::string last_field_;
  void PushFiles(bool coalesced);
  void BuildEditMenu();
  void UpdateUndoActions();  // "Estimation of used objects", asked before rendering
  TexturePanel* texture_panel_ = nullptr;
  BackgroundPanel* background_panel_ = nullptr;
  ColourDialog* colours_ = nullptr;
  QAction* estimate_ = nullptr;  // "Estimation of used objects", asked before rendering
};

// The "Random viewangle" button of the thing's post-processing page.
void AddViewAngleButton(MainWindow& w);

}  // namespace vermora::app
