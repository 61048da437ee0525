#include "background_panel.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "background/background_file.h"
#include "background/background_rules.h"
#include "background/colour_rows.h"
#include "compose/background_scenes.h"

namespace vermora::app {
namespace {

QColor ToQColor(Rgb8 c) {
  auto held = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
  return QColor(held(c.red), held(c.green), held(c.blue));
}

QString Text(std::string_view text) { return FromCore(std::string(text)); }

}  // namespace

BackgroundPanel::BackgroundPanel(const PanelHost& host, QObject* parent)
    : QObject(parent), host_(host), set_(*host.set) {
  setObjectName("BackgroundPanel");
  BuildRows();
  BuildCommands();
  for (const char* name : {"edBGName", "edHFName"}) {
    if (QWidget* field = Find(name)) field->installEventFilter(this);
  }
}

QWidget* BackgroundPanel::Find(std::string_view name) const {
  return host_.pages->findChild<QWidget*>(Text(name));
}

void BackgroundPanel::BuildRows() {
  for (const ColourRow& row : BackgroundColourRows()) {
    auto* holder = new QWidget;
    auto* line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    auto* swatch = new Swatch(Text(row.swatch), holder);
    swatch->SetColour(ToQColor(row.start));
    auto* choose = new QPushButton("...", holder);
    choose->setObjectName(Text(row.dialog_button));
    choose->setToolTip("Choose a colour");
    choose->setMaximumWidth(30);
    connect(choose, &QPushButton::clicked, this, [this, &row] { ChooseColour(row); });
    auto* update = new QPushButton(Text(kUpdateCaption), holder);
    update->setObjectName(Text(row.update_button));
    update->hide();
    connect(update, &QPushButton::clicked, this, [this, &row] { UpdateRow(row); });
    line->addWidget(swatch);
    line->addWidget(choose);
    line->addWidget(update);
    if (!AddBesideField(Find(row.blue), holder)) holder->setParent(host_.pages);
    for (std::string_view field : {row.red, row.green, row.blue}) {
      if (QWidget* w = Find(field)) w->installEventFilter(this);
    }
  }
  auto add_load = [this](const char* page, const char* name, bool height_field) {
    QVBoxLayout* top = PageTop(Find(page));
    if (!top) return;
    auto* b = new QPushButton(Text(kLoadFileCaption));
    b->setObjectName(name);
    b->setToolTip(height_field ? "Load Heightfield File" : "Load Picture File");
    connect(b, &QPushButton::clicked, this, [this, height_field] { LoadPicture(height_field); });
    auto* line = new QHBoxLayout;
    line->addWidget(b);
    line->addStretch(1);
    top->insertLayout(0, line);
  };
  add_load("TabBackgrdPicture", "sbLoadPict", false);
  add_load("TabBackgrdLand", "sbLoadHF", true);
}

void BackgroundPanel::BuildCommands() {
  QMenuBar* bar = host_.window->menuBar();
  auto* menu = new QMenu("&Background", bar);
  menu->setObjectName("BackgroundMenu");
  bar->addMenu(menu);
  auto add = [this, menu](const char* name, std::string_view text, std::function<void()> fn) {
    QAction* a = menu->addAction(Text(text));
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, std::move(fn));
    return a;
  };
  add("SaveBackground1", kSaveBackgroundMenu, [this] { SaveBackground(); });
  add("LoadBackground1", kLoadBackgroundMenu, [this] { LoadBackground(); });
  add("ExportBackground1", kExportBackgroundMenu, [this] { ExportBackground(); });
  QAction* preview = add("BackgroundPreview1", kBackgroundPreviewMenu, [this] { Preview(); });
  if (auto* tools = host_.window->findChild<QToolBar*>("ToolBar1")) {
    auto* bp = new QAction("BackPrev", tools);
    bp->setToolTip(Text(kBackgroundPreviewMenu));
    connect(bp, &QAction::triggered, preview, &QAction::trigger);
    tools->addAction(bp);
    tools->widgetForAction(bp)->setObjectName("sbBackPrev");
  }
}

void BackgroundPanel::Report(const Status& status, const std::vector<std::string>& warnings) {
  QStringList lines;
  for (const std::string& w : warnings) {
    if (!lines.contains(FromCore(w))) lines << FromCore(w);
  }
  if (!lines.isEmpty()) host_.prompts->Warning(host_.window, lines.join('\n'));
  if (!status.ok()) host_.prompts->Error(host_.window, FromCore(status.message()));
}

void BackgroundPanel::AfterLoad() {
  Diagnostics diagnostics;
  for (const SwatchColour& s : RefreshSwatches(set_, diagnostics)) {
    if (auto* swatch = qobject_cast<Swatch*>(Find(s.swatch))) swatch->SetColour(ToQColor(s.colour));
  }
  Report(Status::Ok(), diagnostics.warnings);
}

bool BackgroundPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const std::string name = ToCore(watched->objectName());
    if (name == "edBGName" || name == "edHFName") {
      FileFieldClicked(set_, name);
      host_.refresh_fields();
    } else if (const ColourRow* row = FindColourRow(name)) {
      if (QWidget* update = Find(row->update_button)) update->show();
    }
  }
  return QObject::eventFilter(watched, event);
}

void BackgroundPanel::ChooseColour(const ColourRow& row) {
  auto* swatch = qobject_cast<Swatch*>(Find(row.swatch));
  // An invalid start lets the dialog start with the colour it last returned.
  const std::optional<QColor> chosen = host_.colours->Choose(host_.window, QColor());
  if (!chosen) return;
  const Rgb8 shown = ApplyChosenColour(set_, row, {chosen->red(), chosen->green(), chosen->blue()});
  if (swatch) swatch->SetColour(ToQColor(shown));
  host_.refresh_fields();
  host_.changed();
}

void BackgroundPanel::UpdateRow(const ColourRow& row) {
  Diagnostics diagnostics;
  const Rgb8 shown = SwatchFromFields(set_, row, diagnostics);
  if (auto* swatch = qobject_cast<Swatch*>(Find(row.swatch))) swatch->SetColour(ToQColor(shown));
  if (QWidget* update = Find(row.update_button)) update->hide();
  Report(Status::Ok(), diagnostics.warnings);
}

void BackgroundPanel::SaveBackground() {
  const QString path = host_.prompts->SaveFile(host_.window, DialogTexts(kSaveBackgroundDialog));
  if (path.isEmpty()) return;
  if (Status s = vermora::SaveBackground(ToCore(path), set_); !s.ok()) {
    host_.prompts->Error(host_.window, FromCore(s.message()));
    return;
  }
  host_.window->statusBar()->showMessage("Saved " + path);
}

void BackgroundPanel::LoadBackground(const QString& given) {
  const QString path =
      given.isEmpty() ? host_.prompts->OpenFile(host_.window, DialogTexts(kOpenBackgroundDialog))
                      : given;
  if (path.isEmpty()) return;
  const Status s =
      vermora::LoadBackground(ToCore(path), set_, [this](ParameterSet&) { AfterLoad(); });
  host_.refresh_fields();
  Report(s, {});
  host_.changed();
}

void BackgroundPanel::ExportBackground() {
  const QString path = host_.prompts->SaveFile(host_.window, DialogTexts(kExportBackgroundDialog));
  if (path.isEmpty()) return;
  const Status s = vermora::ExportBackground(ToCore(path), set_);
  if (!s.ok())
    host_.prompts->Error(host_.window, FromCore(s.message()));
  else
    host_.window->statusBar()->showMessage("Exported " + path);
}

void BackgroundPanel::Preview() {
  const ComposeResult scene = BackgroundPreviewScene(set_);
  Report(scene.status, scene.warnings);
  if (scene.status.ok()) host_.render(scene.scene);
}

void BackgroundPanel::LoadPicture(bool height_field) {
  const QString path = host_.prompts->OpenFile(
      host_.window, DialogTexts(height_field ? kLoadHeightFieldDialog : kLoadPictureDialog));
  if (path.isEmpty()) return;
  if (!QFile::exists(path)) {
    host_.prompts->Warning(host_.window, MissingFileMessage(path));
    return;
  }
  if (height_field)
    ChooseHeightFieldFile(set_, ToCore(path));
  else
    ChoosePictureFile(set_, ToCore(path));
  host_.refresh_fields();
  host_.changed();
}

}  // namespace vermora::app
