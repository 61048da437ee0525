#include "main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
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
#include <QVBoxLayout>
#include <functional>

#include "anim/second_set.h"
#include "animation_runner.h"
#include "creature_view.h"
#include "form_rules.h"
#include "full_screen_picture.h"
#include "look_helpers.h"
#include "manual_window.h"
#include "object_images.h"
#include "page_builder.h"
#include "params/page_path.h"
#include "params/param_table.h"
#include "params/settings_file.h"
#include "params/working_files.h"
#include "picture_pane.h"
#include "preview_picture.h"
#include "recent_files.h"
#include "render_runner.h"
#include "texture_panel.h"

namespace vermora::app {
namespace {

constexpr const char* kGeometryKey = "window/geometry";
constexpr const char* kSplitterKey = "window/splitter";
constexpr const char* kSideSplitterKey = "window/side splitter";
constexpr const char* kAutoRenderKey = "view/auto render";
// The top pages in the window's order; the Output page follows them.
const char* const kTopPages[] = {"General",  "Worms",   "Things", "Textures",
                                 "Features", "Backgrd", "Povray"};

QPixmap ErrorPicture() {
  QPixmap pixmap(56, 56);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(200, 30, 30, 230));
  p.setPen(QPen(Qt::white, 3));
  p.drawEllipse(QRectF(4, 4, 48, 48));
  p.drawLine(QPointF(18, 18), QPointF(38, 38));
  p.drawLine(QPointF(38, 18), QPointF(18, 38));
  return pixmap;
}

}  // namespace

MainWindow::MainWindow(const WindowSetup& setup, QWidget* parent)
    : QMainWindow(parent),
      folder_(setup.folder),
      include_dirs_(setup.include_dirs),
      prompts_(setup.prompts) {
  static SystemColourDialog system_colours;
  colours_ = setup.colours ? setup.colours : &system_colours;
  setObjectName("Form1");
  setWindowTitle(kCaption);
  runner_ = new RenderRunner(this);
  auto_timer_ = new QTimer(this);
  auto_timer_->setObjectName("AutoRenderTimer");
  auto_timer_->setSingleShot(true);
  auto_timer_->setInterval(300);
  connect(auto_timer_, &QTimer::timeout, this, &MainWindow::AutoRender);
  connect(runner_, &RenderRunner::Finished, this, &MainWindow::RenderFinished);
  connect(runner_, &RenderRunner::Progress, this, [this](int percent) {
    progress_->setRange(0, 100);
    progress_->setValue(percent);
  });

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
  BuildMenusAndToolbar();
  BuildStatusBar();
  animation_ = new AnimationRunner(this);
  AddBreedingButton();
  AddViewAngleButton(*this);
  AddLockMenus();
  AddAncestryRow();
  form_rules_ = new FormRules(set_, this, statusBar(), this);
  form_rules_->Apply();
  BuildLookPanels();
  BuildHelpMenu();
  RestoreLayout();
  StartUp();
  shown_ = set_;
  PushFiles(true);  // the working files as the first step finds them
  ScheduleAutoRender();
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
  output_page_ = new QWidget;
  output_page_->setObjectName("TabOut");
  auto* out_layout = new QVBoxLayout(output_page_);
  memo_ = new QPlainTextEdit(output_page_);
  memo_->setObjectName("Memo2");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setFont(QFont("Monospace", 9));
  out_layout->addWidget(memo_);
  pages_->addTab(output_page_, "Output");
  pages_->setTabVisible(pages_->indexOf(output_page_), false);
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
  error_picture_ = new QLabel(preview_);
  error_picture_->setObjectName("Image2");
  error_picture_->setPixmap(ErrorPicture());
  error_picture_->setToolTip("POV-Ray reported an error: see the Output page");
  error_picture_->setStyleSheet("background: transparent;");
  error_picture_->adjustSize();
  error_picture_->hide();
  connect(preview_, &PreviewPicture::Resized, this, [this] {
    error_picture_->move((preview_->width() - error_picture_->width()) / 2,
                         (preview_->height() - error_picture_->height()) / 2);
    if (auto_render_ && auto_render_->isChecked()) ScheduleAutoRender();
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
  add(file, "New", "&New", [this] { NewSet(); })->setShortcut(QKeySequence::New);
  QAction* open = add(file, "Open", "&Open VMX ...", [this] { OpenSettings(); });
  open->setShortcut(QKeySequence::Open);
  recent_ = new RecentFiles(
      file->addMenu("&Recent files"), [this](const QString& path) { return OpenPath(path); }, this);
  QAction* save = add(file, "SaveAs", "Save VMX &As...", [this] { SaveSettingsAs(); });
  save->setShortcuts({QKeySequence::Save, QKeySequence::SaveAs});
  QAction* examples = add(file, "Examples", "Examp&les ...", [this] { OpenExamples(); });
  QMenu* export_menu = file->addMenu("&Export");
  QAction* pov31 = add(export_menu, "Pov31", "Pov-Ray 3.1 ...", [this] { ExportPov31(); });
  QAction* pov22 = add(export_menu, "Pov22", "Pov-Ray 2.2 ...", [this] { ExportPov22(); });
  add(export_menu, "ExportMesh", "&Mesh (glTF, OBJ, STL) ...", [this] { ExportMeshFile(); });
  file->addSeparator();
  add(file, "SaveMyDefault", "Save settings as MyDefault", [this] { SaveMyDefault(); });
  QAction* mydefault = add(file, "MyDefault", "&MyDefault", [this] { LoadMyDefault(); });
  add(file, "RemoveMyDefault", "Get rid of MyDefault", [this] { RemoveMyDefault(); });
  file->addSeparator();
  add(file, "Exit", "E&xit", [this] { close(); })->setShortcut(QKeySequence::Quit);

  BuildEditMenu();
  QMenu* view = menuBar()->addMenu("&View");
  add(view, "FullScreenPicture", "&Full-screen picture", [this] {
    ToggleFullScreenPicture(preview_, this);
  })->setShortcut(Qt::Key_F11);
  auto_render_ = add(view, "AutoRender", "&Auto render", [this] {
    QSettings(kSettingsOrg, kSettingsApp).setValue(kAutoRenderKey, auto_render_->isChecked());
    if (auto_render_->isChecked()) ScheduleAutoRender();
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
  QAction* render = add(povray, "Render", "Render scene", [this] { RenderScene(); });
  render->setShortcut(Qt::Key_F5);
  QAction* picture =
      add(povray, "RenderPicture", "Render picture ...", [this] { OpenRenderPicture(); });
  picture->setShortcut(Qt::SHIFT | Qt::Key_F5);
  add(povray, "Variations", "Variations", [this] { OpenVariations(); });
  add(povray, "PovrayPath", "Povray Path ...", [this] { AskPovrayPath(); });
  add(povray, "ObjectLimit", "Object limit ...", [this] { AskObjectLimit(); });
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

void MainWindow::BuildStatusBar() {
  progress_ = new QProgressBar(this);
  progress_->setObjectName("RenderProgress");
  progress_->setMaximumWidth(160);
  progress_->hide();
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("CancelRender");
  cancel_->hide();
  connect(cancel_, &QPushButton::clicked, this, &MainWindow::CancelRender);
  fit_range_ = new QPushButton("Fit the range", this);
  fit_range_->setObjectName("FitRange");
  fit_range_->hide();
  connect(fit_range_, &QPushButton::clicked, this, &MainWindow::FitRanges);
  statusBar()->addPermanentWidget(fit_range_);
  statusBar()->addPermanentWidget(progress_);
  statusBar()->addPermanentWidget(cancel_);
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
  MarkSaved();
}

void MainWindow::RefreshFields() {
  for (const Field& field : fields_) field.refresh();
  if (animation_) animation_->ShowButtons();
  if (form_rules_) form_rules_->Apply();
  if (texture_panel_) texture_panel_->ApplyTypeGroups();
}

void MainWindow::Edited(size_t index) {
  const ParamKind kind = set_.def(index).kind;
  // Switching the animation on starts every end value at its parameter's value.
  if (set_.def(index).name == "chkAnim" && set_.On("chkAnim")) CopyFieldsToTwins(set_);
  animation_->FieldEdited(index);
  // A switch, choice or slider may run a rule that changes or shows other parameters.
  if (kind == ParamKind::kSwitch || kind == ParamKind::kChoice || kind == ParamKind::kSlider) {
    RefreshFields();
  }
  const std::string field(set_.def(index).name);
  PushFiles(field == last_field_);
  last_field_ = field;
  history_.Record(shown_, field);
  shown_ = set_;
  UpdateUndoActions();
  ScheduleAutoRender();
}

bool MainWindow::modified() const {
  return std::hash<std::string>{}(SettingsText(set_)) != saved_hash_;
}

void MainWindow::MarkSaved() { saved_hash_ = std::hash<std::string>{}(SettingsText(set_)); }

bool MainWindow::auto_rendering() const {
  return composing_ || auto_running_ || auto_timer_->isActive();
}

bool MainWindow::rendering() const {
  // An automatic render never counts: any command may stop it.
  return (runner_->busy() && !auto_running_) || (composing_ && !compose_automatic_) ||
         after_compose_ || animation_->busy();
}

void MainWindow::PagesChanged(int index) {
  QWidget* page = pages_->widget(index);
  // Entering the Features page makes the current set the next engine step's base.
  if (page && page->objectName() == PageObjectName("Features")) {
    RemoveWorkingFiles(folder_, RemovedOnFeatures());
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!MaySetAside()) {
    event->ignore();
    return;
  }
  // The renderer must be gone before its files are removed, or it writes them again.
  runner_->Stop();
  animation_->Abort();
  RemoveWorkingFiles(folder_, RemovedAtClose());
  SaveLayout();
  event->accept();
}

}  // namespace vermora::app
