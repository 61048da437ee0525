#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

#include "field_factory.h"
#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "prompts.h"
#include "render/renderer.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace vermora::app {

class BackgroundPanel;
class ColourDialog;
class RenderRunner;
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
  void SaveMyDefault();
  void LoadMyDefault();
  void RemoveMyDefault();
  void AskPovrayPath();
  void About();
  // Renders a preview scene in place of the creature (texture and background previews).
  void RenderPreview(const std::string& scene);
  TexturePanel* texture_panel() const { return texture_panel_; }
  BackgroundPanel* background_panel() const { return background_panel_; }

 signals:
  // After a render ended and its picture and messages are shown.
  void RenderDone(bool ok);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPages();
  QWidget* BuildSidePanel();
  void BuildMenusAndToolbar();
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
  void ShowMessages(const QString& text, bool error);
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
  qint64 render_started_ms_ = 0;

  QTabWidget* pages_ = nullptr;
  QWidget* side_ = nullptr;
  QWidget* output_page_ = nullptr;
  QLabel* preview_ = nullptr;        // Image1
  QLabel* error_picture_ = nullptr;  // Image2
  QPlainTextEdit* memo_ = nullptr;   // Memo2
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  RenderRunner* runner_ = nullptr;
  std::vector<QAction*> locked_actions_;
  TexturePanel* texture_panel_ = nullptr;
  BackgroundPanel* background_panel_ = nullptr;
  ColourDialog* colours_ = nullptr;
  QAction* estimate_ = nullptr;  // "Estimation of used objects", asked before rendering
};

}  // namespace vermora::app
