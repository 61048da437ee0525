#include "texture_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "colour_map_grid.h"
#include "texture/colour_rows.h"
#include "texture/randomizers.h"
#include "texture/texture_assign.h"
#include "texture/texture_file.h"
#include "texture/texture_start.h"
#include "texture/type_rules.h"

namespace vermora::app {
namespace {

// "Image map: name.png", the whole path in its tooltip; the file stays named
// while the pigment is of another type, so a chosen file is never out of sight.
QLabel* FileNameLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

void ShowFileName(QLabel* label, const QString& what, const std::string& path) {
  if (!label) return;
  const QString file = FromCore(path).trimmed();
  label->setText(file.isEmpty() ? "No " + what.toLower() + " file"
                                : what + ": " + QFileInfo(file).fileName());
  label->setToolTip(file);
}

constexpr FileDialogText kSaveTextureDialog = {"Save Texture File", "vtr", "*.vtr",
                                               "Vermora Texture Files (*.vtr)|*.vtr|All Files|*.*"};
constexpr FileDialogText kOpenTextureDialog = {"Open Texture File", "vtr", "*.vtr",
                                               "Vermora Texture Files (*.vtr)|*.vtr|All Files|*.*"};
constexpr FileDialogText kExportTextureDialog = {"Export to Texture Include File", "inc", "*.inc",
                                                 "Include Files (*.inc)|*.inc|All Files|*.*"};
constexpr std::string_view kImageFilter =
    "bmp file (*.bmp)|*.bmp|tga file (*.tga)|*.tga|png file (*.png)|*.png|gif file (*.gif)|*.gif";
constexpr FileDialogText kImageMapDialog = {"Load Image_Map File", "", " ", kImageFilter};
constexpr FileDialogText kBumpMapDialog = {"Load Bump_Map File", "", " ", kImageFilter};

QString Name(const char* stem, int row) { return QString("%1%2").arg(stem).arg(row); }

QPushButton* Button(const QString& name, const QString& caption, const QString& hint,
                    QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  return b;
}

}  // namespace

TexturePanel::TexturePanel(const PanelHost& host, QObject* parent)
    : QObject(parent), host_(host), set_(*host.set) {
  setObjectName("TexturePanel");
  const Status started = ApplyTextureStartValues(set_, page_);
  BuildGeneral();
  BuildPigment();
  BuildNormalAndFinish();
  BuildCommands();
  Show();
  if (!started.ok()) host_.prompts->Error(host_.window, FromCore(started.message()));
}

QWidget* TexturePanel::Find(const char* name) const {
  return host_.pages->findChild<QWidget*>(name);
}

void TexturePanel::BuildGeneral() {
  QVBoxLayout* top = PageTop(Find("TabTexturesGeneral"));
  if (!top) return;
  auto* assign = new QGroupBox("Assign the texture to");
  auto* grid = new QGridLayout(assign);
  int k = 0;
  for (const AssignTarget& target : AssignTargets()) {
    if (target.button == "sbTexPreview") continue;  // the preview button below
    const QString name = FromCore(std::string(target.button));
    QPushButton* b =
        Button(name, FromCore(std::string(target.caption)),
               "Build the texture into " + FromCore(std::string(target.field)), assign);
    connect(b, &QPushButton::clicked, this, [this, name] { Assign(name); });
    grid->addWidget(b, k / 5, k % 5);
    ++k;
  }
  top->insertWidget(0, assign);
  auto* line = new QHBoxLayout;
  QPushButton* preview = Button("sbTexPreview", "Preview Texture", "Texture Preview", assign);
  connect(preview, &QPushButton::clicked, this, [this] { Preview(); });
  QPushButton* save = Button("sbSaveTexture", "Save Texture ...", "Save Texture", assign);
  connect(save, &QPushButton::clicked, this, [this] { SaveTexture(); });
  QPushButton* load = Button("sbLoadTexture", "Load Texture ...", "Load Texture", assign);
  connect(load, &QPushButton::clicked, this, [this] { LoadTexture(); });
  for (QPushButton* b : {preview, save, load}) line->addWidget(b);
  line->addStretch(1);
  top->insertLayout(1, line);
}

void TexturePanel::BuildPigment() {
  QWidget* page = Find("TabTexturesPigment");
  QVBoxLayout* top = PageTop(page);
  if (!top) return;
  for (int row = 1; row <= 3; ++row) {
    auto* holder = new QWidget;
    auto* line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    swatches_[row - 1] = new Swatch(Name("colorBox", row), holder);
    QPushButton* choose = Button(Name("sbChooseColor", row), "...", "Choose a colour", holder);
    choose->setMaximumWidth(30);
    connect(choose, &QPushButton::clicked, this, [this, row] { ChooseColour(row); });
    update_buttons_[row - 1] =
        Button(Name("sbUpdate", row), "Upd", "Show the typed colour", holder);
    update_buttons_[row - 1]->setMaximumWidth(40);
    connect(update_buttons_[row - 1], &QPushButton::clicked, this, [this, row] { UpdateRow(row); });
    line->addWidget(swatches_[row - 1]);
    line->addWidget(choose);
    line->addWidget(update_buttons_[row - 1]);
    if (!AddBesideField(Find(qPrintable(Name("editBlue", row))), holder)) top->addWidget(holder);
    for (const char* stem : {"editRed", "editGreen", "editBlue"}) {
      if (QWidget* field = Find(qPrintable(Name(stem, row)))) field->installEventFilter(this);
    }
  }
  for (int row = 1; row <= 4; ++row) {
    if (auto* list = qobject_cast<QComboBox*>(Find(qPrintable(Name("cbColor", row))))) {
      // Runs after the list's own slot has set the index.
      connect(list, &QComboBox::activated, this, [this, row] { ColourListChosen(row); });
    }
  }
  for (const char* type : {"cbPigmentType", "cbNormalType"}) {
    if (auto* list = qobject_cast<QComboBox*>(Find(type))) {
      connect(list, &QComboBox::activated, this, [this] { Show(); });
    }
  }
  auto* tools = new QHBoxLayout;
  QPushButton* dice = Button("sbPigmRand", "Random", "Random Pigment", page);
  connect(dice, &QPushButton::clicked, this, [this] { RandomPigment(); });
  QPushButton* image = Button("SpeedButton3", "Load file", "Load Image_Map File", page);
  connect(image, &QPushButton::clicked, this, [this] { LoadImageFile(false); });
  image_name_ = FileNameLabel("ImageMapFile", page);
  tools->addWidget(dice);
  tools->addWidget(image);
  tools->addWidget(image_name_);
  tools->addStretch(1);
  top->insertLayout(0, tools);
  map_ = new ColourMapGrid(
      set_, page_, host_.prompts, [this] { Show(); }, [this] { ChooseColour(4); }, page);
  top->insertWidget(1, map_);
  if (auto* table = qobject_cast<QTableWidget*>(Find("sgColorMap"))) {
    connect(table, &QTableWidget::cellChanged, map_, [this] { map_->Show(); });
  }
  for (const char* hidden : {"editFilter4", "editTransmit4"}) SetRowShown(Find(hidden), false);
}

void TexturePanel::BuildNormalAndFinish() {
  if (QVBoxLayout* top = PageTop(Find("TabTexturesNormal"))) {
    auto* tools = new QHBoxLayout;
    QPushButton* dice = Button("sbNormRand", "Random", "Random Normal", nullptr);
    connect(dice, &QPushButton::clicked, this, [this] { RandomNormal(); });
    QPushButton* bump = Button("SpeedButton4", "Load file", "Load Bump_Map File", nullptr);
    connect(bump, &QPushButton::clicked, this, [this] { LoadImageFile(true); });
    bump_name_ = FileNameLabel("BumpMapFile", nullptr);
    tools->addWidget(dice);
    tools->addWidget(bump);
    tools->addWidget(bump_name_);
    tools->addStretch(1);
    top->insertLayout(0, tools);
  }
  if (QVBoxLayout* top = PageTop(Find("TabTexturesFinish"))) {
    auto* tools = new QHBoxLayout;
    QPushButton* dice = Button("sbFinRand", "Random", "Random Finish", nullptr);
    connect(dice, &QPushButton::clicked, this, [this] { RandomFinish(); });
    tools->addWidget(dice);
    tools->addStretch(1);
    top->insertLayout(0, tools);
  }
}

void TexturePanel::BuildCommands() {
  QMenuBar* bar = host_.window->menuBar();
  auto* menu = new QMenu("&Textures", bar);
  menu->setObjectName("TexturesMenu");
  bar->addMenu(menu);
  auto add = [this](QMenu* m, const char* name, const char* text, std::function<void()> fn) {
    QAction* a = m->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, std::move(fn));
    return a;
  };
  add(menu, "SaveTexture1", "Save Texture ...", [this] { SaveTexture(); });
  add(menu, "LoadTexture1", "Load Texture ...", [this] { LoadTexture(); });
  add(menu, "Exporttexture1", "Export texture ...", [this] { ExportTexture(); });
  QAction* preview = add(menu, "TexturePreview1", "Texture Preview", [this] { Preview(); });
  QMenu* shapes = menu->addMenu("TextPreview as");
  const std::array<std::pair<const char*, const char*>, 3> items = {
      {{"Sphere1", "Sphere"}, {"Box1", "Box"}, {"Plane1", "Plane"}}};
  for (int k = 0; k < 3; ++k) {
    const auto shape = static_cast<PreviewShape>(k);
    shape_actions_[k] =
        add(shapes, items[k].first, items[k].second, [this, shape] { SetShape(shape); });
    shape_actions_[k]->setCheckable(true);
  }
  SetShape(PreviewShape::kSphere);
  if (auto* tools = host_.window->findChild<QToolBar*>("ToolBar1")) {
    auto* tp = new QAction("TexPrev", tools);
    tp->setToolTip("Texture Preview");
    connect(tp, &QAction::triggered, this, [this] { Preview(); });
    tools->addAction(tp);
    tools->widgetForAction(tp)->setObjectName("SbTP");
  }
  (void)preview;
}

void TexturePanel::SetShape(PreviewShape shape) {
  shape_ = shape;
  for (int k = 0; k < 3; ++k) shape_actions_[k]->setChecked(k == static_cast<int>(shape));
}

void TexturePanel::ApplyTypeGroups() {
  const PigmentGroups pigment = PigmentTypeGroups(set_.Index("cbPigmentType"));
  const bool rows[3] = {pigment.row1, pigment.row2, pigment.row3};
  for (int row = 1; row <= 3; ++row) {
    const bool shown = rows[row - 1];
    for (const char* stem : {"editRed", "editFilter", "cbColor"}) {
      SetRowShown(Find(qPrintable(Name(stem, row))), shown);
    }
    // Showing a row shows everything in it; "Upd" waits for a click in the row.
    if (update_buttons_[row - 1]) {
      update_buttons_[row - 1]->setVisible(shown && update_armed_[row - 1]);
    }
  }
  SetRowShown(Find("cbColor4"), pigment.colour_map);
  if (map_) map_->setVisible(pigment.colour_map);
  for (const char* name : {"edIMName", "RadioGroup4", "edIMTurb", "edIMScale"}) {
    SetRowShown(Find(name), pigment.image_map);
  }
  const NormalGroups normal = NormalTypeGroups(set_.Index("cbNormalType"));
  for (const char* name : {"editNTurbulence", "editNOctaves"}) {
    SetRowShown(Find(name), normal.pattern);
  }
  for (const char* name : {"edBMName", "RadioGroup6", "edBMTurb", "edBMScale"}) {
    SetRowShown(Find(name), normal.bump_map);
  }
  SetRowShown(Find("editNormalDepth"), normal.depth);
  ShowFileName(image_name_, "Image map", set_.Text("edIMName"));
  ShowFileName(bump_name_, "Bump map", set_.Text("edBMName"));
}

void TexturePanel::Show() {
  for (int row = 0; row < 3; ++row) {
    if (swatches_[row]) swatches_[row]->SetColour(FromPacked(page_.swatch[row]));
  }
  if (map_) map_->Show();
  ApplyTypeGroups();
  host_.refresh_fields();
}

void TexturePanel::Report(const Status& status, const Diagnostics& diagnostics) {
  QStringList warnings;
  for (const std::string& w : diagnostics.warnings) {
    if (!warnings.contains(FromCore(w))) warnings << FromCore(w);
  }
  if (!warnings.isEmpty()) host_.prompts->Warning(host_.window, warnings.join('\n'));
  if (!status.ok()) host_.prompts->Error(host_.window, FromCore(status.message()));
}

void TexturePanel::AfterLoad() {
  Diagnostics diagnostics;
  const Status s = TextureLoadRefresh(set_, page_, diagnostics);
  Show();
  Report(s, diagnostics);
}

bool TexturePanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) {
    const QString name = watched->objectName();
    const int row = name.right(1).toInt();
    if (row >= 1 && row <= 3 && update_buttons_[row - 1]) {
      update_armed_[row - 1] = true;
      update_buttons_[row - 1]->show();
    }
  }
  return QObject::eventFilter(watched, event);
}

void TexturePanel::ColourListChosen(int row) {
  ColourChange(set_, page_, ColourListName(row));
  Show();
}

void TexturePanel::ChooseColour(int row) {
  const int start = BeginChooseColour(set_, page_, row);
  Show();
  const std::optional<QColor> chosen = host_.colours->Choose(host_.window, FromPacked(start));
  if (!chosen) return;
  vermora::ChooseColour(set_, page_, row, ToPacked(*chosen));
  Show();
}

void TexturePanel::UpdateRow(int row) {
  Diagnostics diagnostics;
  UpdateColourRow(set_, page_, row, diagnostics);
  update_armed_[row - 1] = false;
  Show();
  Report(Status::Ok(), diagnostics);
}

void TexturePanel::Assign(const QString& button) {
  const Status s = AssignTexture(set_, page_, ToCore(button));
  Show();
  if (!s.ok()) host_.prompts->Error(host_.window, FromCore(s.message()));
  host_.changed();
}

void TexturePanel::RandomPigment() {
  Diagnostics diagnostics;
  const Status s = vermora::RandomPigment(set_, page_, random_, *clock_, diagnostics);
  Show();
  Report(s, diagnostics);
}

void TexturePanel::RandomNormal() {
  vermora::RandomNormal(set_, random_, *clock_);
  Show();
}

void TexturePanel::RandomFinish() {
  vermora::RandomFinish(set_, random_, *clock_);
  Show();
}

void TexturePanel::SaveTexture() {
  const QString path = host_.prompts->SaveFile(host_.window, DialogTexts(kSaveTextureDialog));
  if (path.isEmpty()) return;
  if (Status s = SaveTextureFile(ToCore(path), set_); !s.ok()) {
    host_.prompts->Error(host_.window, FromCore(s.message()));
    return;
  }
  host_.window->statusBar()->showMessage("Saved " + path);
}

void TexturePanel::LoadTexture(const QString& given) {
  const QString path = given.isEmpty()
                           ? host_.prompts->OpenFile(host_.window, DialogTexts(kOpenTextureDialog))
                           : given;
  if (path.isEmpty()) return;
  Diagnostics diagnostics;
  const Status s = LoadTextureFile(ToCore(path), set_, page_, diagnostics);
  Show();
  Report(s, diagnostics);
}

void TexturePanel::ExportTexture() {
  const QString path = host_.prompts->SaveFile(host_.window, DialogTexts(kExportTextureDialog));
  if (path.isEmpty()) return;
  const Status s = ExportTextureInclude(ToCore(path), set_, page_);
  Show();
  if (!s.ok())
    host_.prompts->Error(host_.window, FromCore(s.message()));
  else
    host_.window->statusBar()->showMessage("Exported " + path);
}

void TexturePanel::Preview() {
  const Status s = RunTexturePreview(set_, page_, shape_, [this](const std::string& scene) {
    host_.render(scene);
    return Status::Ok();
  });
  Show();
  if (!s.ok()) host_.prompts->Error(host_.window, FromCore(s.message()));
}

void TexturePanel::LoadImageFile(bool bump_map) {
  const QString path = host_.prompts->OpenFile(
      host_.window, DialogTexts(bump_map ? kBumpMapDialog : kImageMapDialog));
  if (path.isEmpty()) return;
  if (!QFile::exists(path)) {
    host_.prompts->Warning(host_.window, MissingFileMessage(path));
    return;
  }
  set_.SetText(bump_map ? "edBMName" : "edIMName", ToCore(path));
  host_.refresh_fields();  // names the file beside its button
  host_.changed();
}

}  // namespace vermora::app
