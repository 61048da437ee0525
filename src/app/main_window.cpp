#include "main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>

#include "anim/second_set.h"
#include "animation_runner.h"
#include "background_panel.h"
#include "creature_view.h"
#include "export_control.h"
#include "file_control.h"
#include "form/window_pages.h"
#include "form_rules.h"
#include "full_screen_picture.h"
#include "lineage_control.h"
#include "look_helpers.h"
#include "manual_window.h"
#include "object_images.h"
#include "page_builder.h"
#include "params/param_table.h"
#include "params/settings_file.h"
#include "params/working_files.h"
#include "picture_pane.h"
#include "preview_picture.h"
#include "queue_panel.h"
#include "recent_files.h"
#include "render_control.h"
#include "render_output.h"
#include "render_picture_dialog.h"
#include "splash.h"
#include "texture_panel.h"
#include "undo_control.h"
#include "variations_view.h"
#include "view_angle_command.h"

namespace vermora::app {
namespace {

// The top pages in the window's order; the Output page follows them.
const char* const kTopPages[] = {"General",  "Worms",   "Things", "Textures",
                                 "Features", "Backgrd", "Povray"};

}  // namespace

MainWindow::MainWindow(const WindowSetup& setup, QWidget* parent)
    : QMainWindow(parent),
      folder_(setup.folder),
      include_dirs_(setup.include_dirs),
      prompts_(setup.prompts) {
  static SystemColourDialog system_colours;
  colours_ = setup.colours ? setup.colours : &system_colours;
  setObjectName("Form1");
  setWindowTitle(QString(kCaption) + "[*]");
  BuildPages();
  // The form on the left, the picture on the right; the user moves the line between.
  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setObjectName("MainSplitter");
  splitter_->setContentsMargins(4, 4, 4, 4);
  splitter_->addWidget(pages_);
  splitter_->addWidget(BuildSidePanel());
  splitter_->setStretchFactor(0, 3);
  splitter_->setStretchFactor(1, 2);
  splitter_->setChildrenCollapsible(false);
  setCentralWidget(splitter_);
  output_ = new RenderOutput(pages_, preview_, statusBar());
  BuildMenusAndToolbar();
  BuildParts();
  BuildHelpMenu();
  RestoreLayout();
  StartUp();
  undo_->Start();
  render_->ScheduleAutoRender();
}

void MainWindow::BuildParts() {
  render_ = new RenderControl(*this, *output_,
                              {pages_, pane_, auto_render_, estimate_, statusBar()}, this);
  connect(render_, &RenderControl::RenderDone, this, &MainWindow::RenderDone);
  connect(undo_, &UndoControl::Restored, render_, &RenderControl::ScheduleAutoRender);
  animation_ = new AnimationRunner(*this, *output_, statusBar(), this);
  connect(render_, &RenderControl::SeriesWanted, animation_, &AnimationRunner::RunSeries);
  connect(render_, &RenderControl::StopSeries, animation_, &AnimationRunner::Stop);
  connect(animation_, &AnimationRunner::RenderWanted, render_, &RenderControl::RenderScene);
  // The picture shows the last frame, the 3-D view the start set again: auto
  // render brings the picture back to the set on show.
  connect(animation_, &AnimationRunner::SeriesDone, render_, &RenderControl::ScheduleAutoRender);
  lineage_ = new LineageControl(*this, side_tabs_, fields_, this);
  AddViewAngleButton(*this);
  form_rules_ = new FormRules(set_, this, statusBar(), this);
  form_rules_->Apply();
  BuildLookPanels();
  FileControl::Hooks hooks;
  hooks.look_refresh = LookRefresh();
  hooks.open_texture = [this](const QString& path) { texture_panel_->LoadTexture(path); };
  hooks.open_background = [this](const QString& path) { background_panel_->LoadBackground(path); };
  files_ = new FileControl(*this, *lineage_, *render_, recent_, std::move(hooks), this);
  connect(lineage_, &LineageControl::AncestorChosen, files_, &FileControl::OpenAncestor);
  connect(undo_, &UndoControl::Restored, files_, &FileControl::ShowModified);
  connect(animation_, &AnimationRunner::SecondSetMixed, files_, &FileControl::MixedWith);
  exports_ = new ExportControl(*this, this);
  connect(exports_, &ExportControl::MeshExported, this, &MainWindow::MeshExported);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildPages() {
  const PageNode root = WindowPageTree();
  const EditedFn edited = [this](size_t i) { Edited(i); };
  pages_ = new QTabWidget;
  pages_->setObjectName("PageControl1");
  auto* drop = new ObjectDrop(this);
  for (const char* name : kTopPages) {
    for (const PageNode& node : root.children) {
      if (node.name == name) pages_->addTab(BuildPage(set_, node, edited, fields_, pages_), name);
    }
  }
  // Pages the list above does not know still appear, so no parameter is hidden.
  for (const PageNode& node : root.children) {
    const bool known = node.name == "Main" || std::find(std::begin(kTopPages), std::end(kTopPages),
                                                        node.name) != std::end(kTopPages);
    if (!known) {
      pages_->addTab(BuildPage(set_, node, edited, fields_, pages_), FromCore(node.name));
    }
  }
  connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::PagesChanged);

  for (const QString& name : ObjectFieldNames()) {
    if (auto* edit = pages_->findChild<QLineEdit*>(name)) edit->installEventFilter(drop);
  }
}

QWidget* MainWindow::BuildSidePanel() {
  side_ = new QWidget;
  side_->setObjectName("Panel4");
  side_->setMinimumWidth(260);
  auto* column = new QVBoxLayout(side_);
  column->setContentsMargins(0, 0, 0, 0);

  preview_ = new PreviewPicture(side_);
  preview_->setObjectName("Image1");
  preview_->setText("Press F5 to render, or switch on View > Auto render");
  preview_->setWordWrap(true);
  connect(preview_, &PreviewPicture::Resized, this, [this] {
    if (auto_render_->isChecked()) render_->ScheduleAutoRender();
  });
  // The picture takes the column; the scene's fields and the ancestry share a
  // tab below it, which the splitter between them shrinks or folds away.
  side_split_ = new QSplitter(Qt::Vertical, side_);
  side_split_->setObjectName("SideSplitter");
  pane_ = new PicturePane(preview_, side_split_);
  connect(pane_, &PicturePane::Message, this,
          [this](const QString& text) { statusBar()->showMessage(text, 8000); });
  side_split_->addWidget(pane_);
  side_tabs_ = new QTabWidget(side_split_);
  side_tabs_->setObjectName("SceneAndAncestry");
  const PageNode root = WindowPageTree();
  for (const PageNode& node : root.children) {
    if (node.name != "Main") continue;
    auto* scroll = new QScrollArea(side_tabs_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    QWidget* page = BuildLeafPage(
        set_, node.params, [this](size_t i) { Edited(i); }, fields_, scroll);
    page->setObjectName(PageObjectName(node.path));
    scroll->setWidget(page);
    side_tabs_->addTab(scroll, "Scene");
  }
  side_split_->addWidget(side_tabs_);
  side_split_->setStretchFactor(0, 1);
  side_split_->setStretchFactor(1, 0);
  side_split_->setCollapsible(0, false);
  column->addWidget(side_split_);
  return side_;
}

void MainWindow::BuildMenusAndToolbar() {
  auto add = [this](QMenu* menu, const QString& name, const QString& text,
                    std::function<void()> fn) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, std::move(fn));
    return action;
  };
  QMenu* file = menuBar()->addMenu("&File");
  add(file, "New", "&New", [this] { files_->NewSet(); })->setShortcut(QKeySequence::New);
  QAction* open = add(file, "Open", "&Open VMX ...", [this] { files_->OpenSettings(); });
  open->setShortcut(QKeySequence::Open);
  recent_ = new RecentFiles(
      file->addMenu("&Recent files"),
      [this](const QString& path) { return files_->OpenPath(path); }, this);
  QAction* save = add(file, "SaveAs", "Save VMX &As...", [this] { files_->SaveSettingsAs(); });
  save->setShortcuts({QKeySequence::Save, QKeySequence::SaveAs});
  QAction* examples = add(file, "Examples", "Examp&les ...", [this] { files_->OpenExamples(); });
  QMenu* export_menu = file->addMenu("&Export");
  QAction* pov31 =
      add(export_menu, "Pov31", "Pov-Ray 3.1 ...", [this] { exports_->ExportPov31(); });
  QAction* pov22 =
      add(export_menu, "Pov22", "Pov-Ray 2.2 ...", [this] { exports_->ExportPov22(); });
  add(export_menu, "ExportMesh", "&Mesh (glTF, OBJ, STL) ...",
      [this] { exports_->ExportMeshFile(); });
  file->addSeparator();
  add(file, "SaveMyDefault", "Save settings as MyDefault", [this] { files_->SaveMyDefault(); });
  QAction* mydefault = add(file, "MyDefault", "&MyDefault", [this] { files_->LoadMyDefault(); });
  add(file, "RemoveMyDefault", "Get rid of MyDefault", [this] { files_->RemoveMyDefault(); });
  file->addSeparator();
  add(file, "Exit", "E&xit", [this] { close(); })->setShortcut(QKeySequence::Quit);

  undo_ = new UndoControl(*this, menuBar(), this);
  QMenu* view = menuBar()->addMenu("&View");
  add(view, "FullScreenPicture", "&Full-screen picture", [this] {
    ToggleFullScreenPicture(preview_, this);
  })->setShortcut(Qt::Key_F11);
  auto_render_ = add(view, "AutoRender", "&Auto render", [this] {
    QSettings(kSettingsOrg, kSettingsApp).setValue(kAutoRenderKey, auto_render_->isChecked());
    if (auto_render_->isChecked()) render_->ScheduleAutoRender();
  });
  auto_render_->setCheckable(true);
  auto_render_->setChecked(
      QSettings(kSettingsOrg, kSettingsApp).value(kAutoRenderKey, true).toBool());
  // Until the first picture, the preview says how one comes.
  auto hint = [this] {
    if (!preview_->pixmap().isNull()) return;
    preview_->setText(auto_render_->isChecked()
                          ? "The picture follows each change; F5 renders it at full size"
                          : "Press F5 to render, or switch on View > Auto render");
  };
  connect(auto_render_, &QAction::toggled, this, hint);
  hint();
  view->addSeparator();
  auto* panes = new QActionGroup(this);
  const char* pane_names[] = {"ShowModel", "ShowPicture", "ShowBoth"};
  const char* pane_texts[] = {"&3-D view", "&Ray-traced picture", "3-D view &and picture"};
  for (int m = 0; m < 3; ++m) {
    QAction* action = add(view, pane_names[m], pane_texts[m],
                          [this, m] { pane_->Choose(static_cast<PicturePane::Mode>(m)); });
    action->setCheckable(true);
    action->setChecked(pane_->mode() == m);
    action->setEnabled(pane_->view() != nullptr);
    panes->addAction(action);
  }
  connect(pane_, &PicturePane::ModeChanged, panes,
          [panes](int m) { panes->actions().at(m)->setChecked(true); });
  add(view, "SceneCamera", "Back to the scene &camera", [this] {
    if (pane_->view()) pane_->view()->ResetCamera();
  })->setEnabled(pane_->view() != nullptr);
  QMenu* povray = menuBar()->addMenu("&Povray");
  QAction* render = add(povray, "Render", "Render scene", [this] { render_->RenderScene(); });
  render->setShortcut(Qt::Key_F5);
  QAction* picture =
      add(povray, "RenderPicture", "Render picture ...", [this] { OpenRenderPicture(); });
  picture->setShortcut(Qt::SHIFT | Qt::Key_F5);
  // The render queue, in a dock of its own: hidden until asked for.
  auto* dock = new QDockWidget("Render queue", this);
  dock->setObjectName("QueueDock");
  queue_ = new QueuePanel(*this, dock);
  dock->setWidget(queue_);
  addDockWidget(Qt::BottomDockWidgetArea, dock);
  dock->hide();
  add(povray, "AddToQueue", "Add to render queue ...", [this] { OpenRenderPicture(); });
  add(povray, "AddSeriesToQueue", "Add frame series to render queue", [this, dock] {
    if (!render_->TrustedToRender() || !animation_->QueueSeries()) return;
    queue_->Reload();
    dock->show();
  });
  QAction* queue = dock->toggleViewAction();
  queue->setObjectName("RenderQueue");
  queue->setText("Render &queue");
  povray->addAction(queue);
  add(povray, "RenderHosts", "Render hosts ...", [this] { queue_->EditHosts(); });
  add(povray, "Variations", "Variations", [this] { OpenVariations(); });
  add(povray, "PovrayPath", "Povray Path ...", [this] { AskPovrayPath(); });
  add(povray, "ObjectLimit", "Object limit ...", [this] { render_->AskObjectLimit(); });
  estimate_ = add(povray, "Preview", "Estimation of used objects", [] {});
  estimate_->setCheckable(true);
  locked_actions_ = {open, examples, mydefault, render, pov31, pov22};

  QToolBar* bar = addToolBar("Tools");
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto button = [bar](QAction* action, const char* name, const char* text, const char* hint) {
    // The button shows the action's icon text, which outlives enabling and disabling.
    action->setIconText(text);
    action->setToolTip(hint);
    bar->addAction(action);
    bar->widgetForAction(action)->setObjectName(name);
  };
  button(render, "SBGo", "Render", "Render scene F5");
  button(open, "SBOpen", "Open", "Open VMX");
  button(save, "SBSave", "Save", "Save VMX");
  button(pov31, "SBExport", "POV 3.1", "Export POV 3.1");
  button(mydefault, "SpeedButton1", "MyDefault", "MyDefault");
  button(pov22, "sbPov22", "POV 2.2", "Export POV 2.2 for Pov2mdl");
  bar->addSeparator();
  for (const auto& [image, object] : ObjectImageNames()) {
    bar->addWidget(new ObjectImage(image, object, bar));
  }
}

void MainWindow::BuildHelpMenu() {
  // Help comes last, after the menus the look panels add.
  QMenu* help = menuBar()->addMenu("&Help");
  QAction* manual = help->addAction("&Manual");
  manual->setObjectName("ManualItem");
  manual->setShortcut(QKeySequence::HelpContents);
  connect(manual, &QAction::triggered, this, [this] {
    ShowManual(this, ManualSectionForPage(pages_->tabText(pages_->currentIndex())));
  });
  QAction* about = help->addAction("About");
  about->setObjectName("AboutItem");
  connect(about, &QAction::triggered, this, &MainWindow::About);
}

void MainWindow::RestoreLayout() {
  QSettings settings(kSettingsOrg, kSettingsApp);
  if (!restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
    // First start: as large as a laptop screen allows, never larger than the screen.
    ResizeWithinScreen(this, QSize(1280, 820));
  }
  if (!splitter_->restoreState(settings.value(kSplitterKey).toByteArray())) {
    splitter_->setSizes({width() * 3 / 5, width() * 2 / 5});
  }
  if (!side_split_->restoreState(settings.value(kSideSplitterKey).toByteArray())) {
    // The scene's rows below, the rest for the picture.
    const int below = std::min(side_tabs_->sizeHint().height(), height() / 4);
    side_split_->setSizes({height() - below, below});
  }
}

void MainWindow::SaveLayout() {
  QSettings settings(kSettingsOrg, kSettingsApp);
  settings.setValue(kGeometryKey, saveGeometry());
  settings.setValue(kSplitterKey, splitter_->saveState());
  settings.setValue(kSideSplitterKey, side_split_->saveState());
}

void MainWindow::StartUp() {
  setAcceptDrops(true);
  if (Status s = EnsureFolder(folder_); !s.ok()) prompts_->Error(this, FromCore(s.message()));
  QSettings registry(kSettingsOrg, kSettingsApp);
  povray_path_ = ToCore(registry.value(kPovrayPathKey).toString());
  if (povray_path_.empty()) {
    povray_path_ = kDefaultPovrayPath;
    AskPovrayPath();
  }
  RemoveWorkingFiles(folder_, StaleAtStart());
  if (HasMyDefault(folder_)) {
    Status s = vermora::LoadMyDefault(folder_, set_, LookRefresh());
    RefreshFields();
    if (!s.ok()) prompts_->Error(this, FromCore(s.message()));
  }
  files_->MarkSaved();
}

void MainWindow::BuildLookPanels() {
  PanelHost host;
  host.set = &set_;
  host.window = this;
  host.pages = pages_;
  host.prompts = prompts_;
  host.colours = colours_;
  host.refresh_fields = [this] { RefreshFields(); };
  host.changed = [this] {
    if (undo_->HasChanges()) RecordStep("");
  };
  host.render = [this](const std::string& scene) { render_->RenderPreview(scene); };
  texture_panel_ = new TexturePanel(host, this);
  background_panel_ = new BackgroundPanel(host, this);
}

LoadRefresh MainWindow::LookRefresh() {
  return [this](ParameterSet&) {
    texture_panel_->AfterLoad();
    background_panel_->AfterLoad();
  };
}

const GeneLocks& MainWindow::locks() const { return lineage_->locks(); }

bool MainWindow::rendering() const {
  return (render_ && render_->busy()) || (animation_ && animation_->busy());
}

bool MainWindow::modified() const { return files_->modified(); }

void MainWindow::RefreshFields() {
  for (const Field& field : fields_) field.refresh();
  if (animation_) animation_->ShowButtons();
  if (form_rules_) form_rules_->Apply();
  if (texture_panel_) texture_panel_->ApplyTypeGroups();
  if (files_) files_->ShowModified();
}

void MainWindow::RecordStep(const QString& label) {
  undo_->RecordStep();
  files_->ShowModified();
  lineage_->NoteOffspring(label, files_->file());
  if (!label.isEmpty()) Say(label);
  render_->ScheduleAutoRender();
}

void MainWindow::LockDesign(bool locked) {
  for (int i = 0; i < pages_->count(); ++i) {
    if (pages_->widget(i) != output_->page()) pages_->widget(i)->setEnabled(!locked);
  }
  side_->setEnabled(!locked);
  for (QAction* action : locked_actions_) action->setEnabled(!locked);
  render_->ShowProgress(locked);
}

void MainWindow::Say(const QString& text) { statusBar()->showMessage(text); }

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

void MainWindow::Edited(size_t index) {
  const ParamKind kind = set_.def(index).kind;
  const std::string field(set_.def(index).name);
  // Switching the animation on starts every end value at its parameter's value.
  if (field == "chkAnim" && set_.On("chkAnim")) CopyFieldsToTwins(set_);
  animation_->FieldEdited(index);
  // A switch, choice or slider may run a rule that changes or shows other parameters.
  if (kind == ParamKind::kSwitch || kind == ParamKind::kChoice || kind == ParamKind::kSlider) {
    RefreshFields();
  }
  undo_->RecordEdit(field);
  files_->ShowModified();
  render_->ScheduleAutoRender();
}

void MainWindow::PagesChanged(int index) {
  QWidget* page = pages_->widget(index);
  // Entering the Features page makes the current set the next engine step's base.
  if (page && page->objectName() == PageObjectName("Features")) {
    RemoveWorkingFiles(folder_, RemovedOnFeatures());
  }
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

void MainWindow::About() {
  Splash about(this);
  about.exec();
}

void MainWindow::OpenVariations() {
  if (!variations_) {
    variations_ = new VariationsView(*this, this);
    variations_->setWindowFlag(Qt::Window);
    connect(variations_, &VariationsView::BatchQueued, queue_, [this] {
      queue_->Reload();
      if (auto* dock = findChild<QDockWidget*>("QueueDock")) dock->show();
    });
  } else {
    variations_->StartFromWindow();
  }
  variations_->show();
  variations_->raise();
  variations_->Produce(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
}

void MainWindow::OpenRenderPicture() {
  if (!picture_dialog_) {
    picture_dialog_ = new RenderPictureDialog(*this, *render_);
    // The queue shows the job at once, in its dock.
    connect(picture_dialog_, &RenderPictureDialog::Queued, queue_, [this] {
      queue_->Reload();
      if (auto* dock = findChild<QDockWidget*>("QueueDock")) dock->show();
    });
  }
  picture_dialog_->show();
  picture_dialog_->raise();
}

namespace {

// What a drop may bring: a set, a texture, a background or a picture with its set.
bool Opens(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  return ext == "vmx" || ext == "vtr" || ext == "vbk" || ext == "png";
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && urls.front().isLocalFile() && Opens(urls.front().toLocalFile())) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  files_->OpenPath(urls.front().toLocalFile());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!files_->MaySetAside()) {
    event->ignore();
    return;
  }
  // The renderer must be gone before its files are removed, or it writes them again.
  render_->Stop();
  animation_->Abort();
  RemoveWorkingFiles(folder_, RemovedAtClose());
  SaveLayout();
  event->accept();
}

}  // namespace vermora::app
