#include "texture_panel.h"

#include "look_fakes.h"
#include "window_test_main.h"

using vermora::app::test::FakeColours;

namespace {

constexpr const char* kStartTexture =
    "texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}";

QString ReadAll(const QString& path) { return QString::fromLatin1(Bytes(path)); }

}  // namespace

class TexturePanelTest : public WindowTest {
  Q_OBJECT

 private:
  FakeColours colours_;

  QString Path(const char* name) const { return Beside(name); }

  std::unique_ptr<MainWindow> NewWindow() {
    WindowSetup setup = TestSetup(Home(), &prompts_);
    setup.colours = &colours_;
    return std::make_unique<MainWindow>(setup);
  }
  template <typename T = QWidget>
  static T* Get(MainWindow& w, const char* name) {
    T* found = w.findChild<T*>(name);
    if (!found) qFatal("no control %s", name);
    return found;
  }
  static void Click(MainWindow& w, const char* name) { Get<QPushButton>(w, name)->click(); }
  static void Choose(MainWindow& w, const char* list, int index) {
    auto* combo = Get<QComboBox>(w, list);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  static QColor SwatchColour(MainWindow& w, const char* name) {
    return Get<Swatch>(w, name)->colour();
  }
  static QString Field(MainWindow& w, const char* name) { return Get<QLineEdit>(w, name)->text(); }
  // Clicks into the field and types `text` over what it held.
  static void Type(MainWindow& w, const char* name, const char* text) {
    auto* field = Get<QLineEdit>(w, name);
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, text);
  }
  static QStringList Cells(MainWindow& w) {
    QStringList cells;
    for (const std::string& c : w.set().GridValue("sgColorMap").cells) cells << FromCore(c);
    return cells;
  }

 private slots:
  void init() {
    Reset(kPovray);
    colours_ = FakeColours();
  }

  void startValuesAndNamedColours() {
    auto w = NewWindow();
    for (const char* list : {"cbColor1", "cbColor2", "cbColor3"})
      QCOMPARE(Get<QComboBox>(*w, list)->currentText(), QString("Eggshell  "));
    QCOMPARE(Get<QComboBox>(*w, "cbColor4")->currentText(), QString("Custom Color"));
    QCOMPARE(SwatchColour(*w, "colorBox1"), QColor(252, 230, 201));
    QCOMPARE(SwatchColour(*w, "colorBox4"), QColor(Qt::white));
    QCOMPARE(Get<QLabel>(*w, "lblPosition")->text(), QString("0.000"));
    QCOMPARE(Get<QTableWidget>(*w, "sgColorMap")->rowCount(), 2);
    QVERIFY(!w->modified());
    // "Red" in row 2: its swatch and fields, and rows 1 and 3 refreshed too.
    w->set().SetText("editRed1", "0.5");
    Choose(*w, "cbColor2", 0);
    QCOMPARE(SwatchColour(*w, "colorBox2"), QColor(255, 0, 0));
    QCOMPARE(Field(*w, "editRed2"), QString("1.0000"));
    QCOMPARE(Field(*w, "editRed1"), QString("0.9882"));
    // A map cell that is no colour is reported, when read and when assigned.
    Get<QTableWidget>(*w, "sgColorMap")->item(0, 1)->setText("nocolour");
    Get<QSlider>(*w, "TrackBar1")->setValue(10);
    QCOMPARE(prompts_.errors, QStringList{"'nocolour' is not a valid integer value"});
    const std::string before = w->set().Text("EdThingTexture");
    Choose(*w, "cbPigmentType", 5);
    Click(*w, "sbAssignThing");
    QCOMPARE(prompts_.errors.size(), 2);
    QCOMPARE(w->set().Text("EdThingTexture"), before);
  }

  void customColourThroughTheDialog() {
    auto w = NewWindow();
    colours_.answers = {QColor(10, 20, 30)};
    Click(*w, "sbChooseColor1");
    QCOMPARE(colours_.starts.value(0), QColor(252, 230, 201));
    QCOMPARE(SwatchColour(*w, "colorBox1"), QColor(10, 20, 30));
    QCOMPARE(Field(*w, "editRed1"), QString("0.0392"));
    QCOMPARE(Get<QComboBox>(*w, "cbColor1")->currentText(), QString("Custom Color"));
    // Cancelled: nothing changes. A named colour, then "Custom Color" by hand again.
    Click(*w, "sbChooseColor1");
    QCOMPARE(SwatchColour(*w, "colorBox1"), QColor(10, 20, 30));
    Choose(*w, "cbColor1", 0);
    QCOMPARE(SwatchColour(*w, "colorBox1"), QColor(255, 0, 0));
    Choose(*w, "cbColor1", 125);
    QCOMPARE(SwatchColour(*w, "colorBox1"), QColor(10, 20, 30));
    // "Upd" waits for a click in the row, then shows the typed colour.
    auto* update = Get<QPushButton>(*w, "sbUpdate1");
    QVERIFY(update->isHidden());
    QTest::mouseClick(Get<QLineEdit>(*w, "editRed1"), Qt::LeftButton);
    QVERIFY(!update->isHidden());
    Type(*w, "editRed1", "0.5");
    update->click();
    QCOMPARE(SwatchColour(*w, "colorBox1"), QColor(128, 20, 30));
    QVERIFY(update->isHidden());
    QVERIFY(prompts_.warnings.isEmpty());
    // A colour for the map row goes to colorBox4.
    colours_.answers = {QColor(0, 0, 255)};
    Click(*w, "sbChooseColor4");
    QCOMPARE(SwatchColour(*w, "colorBox4"), QColor(0, 0, 255));
    // A component that is no number warns on "Upd"; the other components stay.
    Type(*w, "editGreen2", "abc");
    Click(*w, "sbUpdate2");
    QCOMPARE(prompts_.warnings, QStringList{"abc ... is not valid"});
    QCOMPARE(SwatchColour(*w, "colorBox2"), QColor(252, 0, 201));
    QCOMPARE(Field(*w, "editGreen2"), QString("abc"));
  }

  void colourMapGridAddAndDeleteAtTheEnds() {
    auto w = NewWindow();
    Choose(*w, "cbPigmentType", 5);
    auto* slider = Get<QSlider>(*w, "TrackBar1");
    slider->setValue(500);
    QCOMPARE(Get<QLabel>(*w, "lblPosition")->text(), QString("0.500"));
    QCOMPARE(SwatchColour(*w, "colorBox4"), QColor(Qt::white));
    Click(*w, "sbAddColor");  // the grids themselves: the colour map editor's own test
    QCOMPARE(Cells(*w).mid(4, 4), (QStringList{"0.500", "16777215", "0", "0"}));
    QCOMPARE(Get<QTableWidget>(*w, "sgColorMap")->rowCount(), 3);
    Click(*w, "sbDeleteColor");
    QCOMPARE(Cells(*w).size(), 8);
    Click(*w, "sbDeleteColor");
    QCOMPARE(prompts_.informs, QStringList{"Cannot have less than 2 colors in color map."});
    QCOMPARE(Cells(*w).size(), 8);
    // At the ends a new colour replaces the entry.
    colours_.answers = {QColor(255, 0, 0), QColor(0, 255, 0)};
    for (int at : {0, 1000}) {
      slider->setValue(at);
      Click(*w, "sbChooseColor4");
      Click(*w, "sbAddColor");
    }
    QCOMPARE(Cells(*w), (QStringList{"0.000", "255", "0", "0", "1.000", "65280", "0", "0"}));
    // The strip paints the map: red on the left, green on the right.
    QWidget* strip = Get(*w, "pbColorMap");
    strip->resize(100, 10);
    const QImage painted = strip->grab().toImage();
    QCOMPARE(QColor(painted.pixel(0, 5)), QColor(255, 0, 0));
    const QColor right(painted.pixel(painted.width() - 1, 5));
    QVERIFY(right.red() <= 2 && right.green() >= 253 && right.blue() == 0);
    Click(*w, "sbDefaultMap");
    QCOMPARE(Cells(*w), (QStringList{"0.000", "16777215", "0", "0", "1.000", "0", "0", "0"}));
    QCOMPARE(slider->value(), 0);
    QVERIFY(prompts_.errors.isEmpty());
  }

  void typeRulesOnClicksAndAfterLoad() {
    auto w = NewWindow();
    // Shown on its page, whichever page is in front.
    auto shown = [&](const char* name) {
      QWidget* c = Get(*w, name);
      while (c && !qobject_cast<QStackedWidget*>(c->parentWidget()) && !c->isHidden())
        c = c->parentWidget();
      return !c || qobject_cast<QStackedWidget*>(c->parentWidget());
    };
    QVERIFY(shown("editRed1") && !shown("editRed2") && !shown("ColourMapEditor"));
    QVERIFY(!shown("edIMName") && !shown("editNormalDepth") && !shown("edBMName"));
    Choose(*w, "cbPigmentType", 3);
    QVERIFY(shown("editRed1") && shown("editRed2") && shown("editBlue3") && shown("colorBox3"));
    Choose(*w, "cbPigmentType", 5);
    QVERIFY(!shown("editRed1") && !shown("colorBox1") && shown("ColourMapEditor"));
    QVERIFY(!shown("sgColorMap") && shown("sbDefaultMap"));  // the strip stands for the grid
    Choose(*w, "cbPigmentType", 20);
    QVERIFY(shown("edIMName") && !shown("ColourMapEditor"));
    Choose(*w, "cbNormalType", 20);
    QVERIFY(shown("edBMName") && shown("editNormalDepth") && !shown("editNTurbulence"));
    Choose(*w, "cbNormalType", 14);
    QVERIFY(!shown("edBMName") && shown("editNormalDepth") && shown("editNOctaves"));
    // A design loaded with other types shows their groups.
    w->set().SetIndex("cbPigmentType", 2);
    w->set().SetIndex("cbNormalType", 0);
    prompts_.file_answers = {SaveBeside("looks.vmx", w->set())};
    Choose(*w, "cbPigmentType", 0);
    prompts_.unsaved_answers = {UnsavedAnswer::kDiscard};
    w->files().OpenSettings();
    QVERIFY(shown("editRed2") && !shown("editRed3") && !shown("editNormalDepth"));
    // The dice for the normal apply the rule to the type drawn.
    Click(*w, "sbNormRand");
    const int type = w->set().Index("cbNormalType");
    QVERIFY(type >= 0 && type < 20);
    QCOMPARE(shown("editNormalDepth"), type != 0);
    QCOMPARE(Get<QComboBox>(*w, "cbNormalType")->currentIndex(), type);
  }

  void dicePigmentAndFinish() {
    auto w = NewWindow();
    FixedClock clock(12345);
    w->texture_panel()->SetClock(&clock);
    Choose(*w, "cbPigmentType", 1);
    Click(*w, "sbPigmRand");
    QCOMPARE((QList<int>{w->set().Index("cbColor1"), w->set().Index("cbColor2"),
                         w->set().Index("cbColor3")}),
             (QList<int>{125, 125, 30}));
    QVERIFY(SwatchColour(*w, "colorBox1") != QColor(252, 230, 201));
    Choose(*w, "cbPigmentType", 9);
    Click(*w, "sbPigmRand");
    const int rows = w->set().GridValue("sgColorMap").rows;
    QVERIFY(rows >= 2 && rows <= 6);
    QCOMPARE(Get<QTableWidget>(*w, "sgColorMap")->rowCount(), rows);
    Click(*w, "sbFinRand");
    // The same clock gives the same finish.
    const std::string once = SettingsText(w->set());
    Click(*w, "sbFinRand");
    QCOMPARE(SettingsText(w->set()), once);
    QVERIFY(prompts_.errors.isEmpty());
  }

  void assignButtonsFillThePartsFields() {
    auto w = NewWindow();
    w->set().SetText("EdThingTexture", "");
    Click(*w, "sbAssignThing");
    QCOMPARE(Field(*w, "EdThingTexture"), QString(kStartTexture));
    Choose(*w, "cbColor1", 0);
    Click(*w, "sbAssignTopHart");
    const QString red =
        "texture {pigment { color rgbf <1.0000,0.0000,0.0000,0>} scale <1,1,1> rotate <0,0,0>}";
    for (const char* field : {"edTopHartTexture", "edCTopHartT"}) QCOMPARE(Field(*w, field), red);
    QCOMPARE(Field(*w, "EdThingTexture"), QString(kStartTexture));
    QCOMPARE(Get<QPushButton>(*w, "sbAssignCoat")->text(), QString("Husk"));
    // An assignment changes the creature: the picture follows, and it is one undo step.
    w->findChild<QAction*>("AutoRender")->setChecked(true);
    auto* delay = w->findChild<QTimer*>("AutoRenderTimer");
    delay->stop();
    Choose(*w, "cbColor1", 1);
    Click(*w, "sbAssignTopHart");
    QVERIFY(delay->isActive());
    delay->stop();
    w->undo().Undo();
    QCOMPARE(Field(*w, "edTopHartTexture"), red);
  }

  void textureFileRoundTripThroughTheWindow() {
    auto w = NewWindow();
    Choose(*w, "cbPigmentType", 5);
    Get<QSlider>(*w, "TrackBar1")->setValue(250);
    Click(*w, "sbAddColor");
    w->set().SetOn("sbPhong", true);
    const std::string saved = SettingsText(w->set());
    prompts_.file_answers = {Path("look.vtr")};
    Click(*w, "sbSaveTexture");
    QCOMPARE(prompts_.dialog_titles, QStringList{"Save Texture File"});
    const QString text = ReadAll(Path("look.vtr"));
    QVERIFY(text.startsWith("Quorel 0.9\r\ncbPigmentType|5\r\n"));
    QVERIFY(text.contains("sgColorMap|3~4:0.000~16777215~0~0~0.250~16777215~0~0~1.000~0~0~0~"));
    Click(*w, "sbDefaultMap");
    Choose(*w, "cbPigmentType", 0);
    w->set().SetOn("sbPhong", false);
    prompts_.file_answers = {Path("look.vtr")};
    Click(*w, "sbLoadTexture");
    QCOMPARE(prompts_.dialog_titles.last(), QString("Open Texture File"));
    QVERIFY(prompts_.errors.isEmpty());
    QCOMPARE(w->set().GridValue("sgColorMap").rows, 3);
    QCOMPARE(Get<QComboBox>(*w, "cbPigmentType")->currentIndex(), 5);
    QVERIFY(!Get(*w, "ColourMapEditor")->isHidden());
    QVERIFY(w->set().On("sbPhong"));
    QCOMPARE(Get<QTableWidget>(*w, "sgColorMap")->rowCount(), 3);
    QCOMPARE(SettingsText(w->set()), saved);
    // A file that is no texture file: the loader's message, nothing changed.
    WriteFile(Path("bad.vtr"), "Something else\r\ncbPigmentType|3\r\n");
    prompts_.file_answers = {Path("bad.vtr")};
    Click(*w, "sbLoadTexture");
    QCOMPARE(prompts_.errors.size(), 1);
    QVERIFY(prompts_.errors.first().contains("format", Qt::CaseInsensitive));
    QCOMPARE(SettingsText(w->set()), saved);
    // The include export: the texture as one line; no texture field written.
    Choose(*w, "cbPigmentType", 0);
    prompts_.file_answers = {Path("look.inc")};
    w->findChild<QAction*>("Exporttexture1")->trigger();
    QCOMPARE(prompts_.dialog_titles.last(), QString("Export to Texture Include File"));
    QCOMPARE(ReadAll(Path("look.inc")),
             QString("texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} finish { phong 0.4 "
                     "phong_size 60 } scale <1,1,1> rotate <0,0,0>}\r\n"));
  }

  void aMissingImageFileIsNamedAndAChosenOneShown() {
    auto w = NewWindow();
    auto label = [&](const char* name) { return w->findChild<QLabel*>(name)->text(); };
    QCOMPARE(label("ImageMapFile"), QString("No image map file"));
    prompts_.file_answers = {Path("gone.png")};
    Click(*w, "SpeedButton3");
    QCOMPARE(prompts_.dialog_titles, QStringList{"Load Image_Map File"});
    QCOMPARE(prompts_.warnings.size(), 1);
    QVERIFY(prompts_.warnings.first().contains(Path("gone.png")));
    QCOMPARE(w->set().Text("edIMName"), std::string());
    // A chosen file stays named beside its button while the pigment is of another type.
    WriteFile(Path("map.png"), "");
    WriteFile(Path("bump.png"), "");
    prompts_.file_answers = {Path("map.png"), Path("bump.png")};
    Click(*w, "SpeedButton3");
    Click(*w, "SpeedButton4");
    QVERIFY(!w->findChild<QWidget*>("edIMName")->isVisibleTo(w.get()));
    QCOMPARE(label("ImageMapFile"), QString("Image map: map.png"));
    QCOMPARE(w->findChild<QLabel*>("ImageMapFile")->toolTip(), Path("map.png"));
    QCOMPARE(label("BumpMapFile"), QString("Bump map: bump.png"));
    QCOMPARE(Field(*w, "edBMName"), Path("bump.png"));
    w->undo().Undo();  // the label follows the set
    QCOMPARE(label("BumpMapFile"), QString("No bump map file"));
  }

  void previewRendersIntoThePicture() {
    auto w = NewWindow();
    w->set().SetText("edImageW", "32");
    w->set().SetText("edImageH", "24");
    const std::string camera = w->set().Text("edCamLocZ");
    QSignalSpy done(w.get(), &MainWindow::RenderDone);
    w->findChild<QAction*>("Box1")->trigger();
    QVERIFY(w->findChild<QAction*>("Box1")->isChecked());
    QVERIFY(!w->findChild<QAction*>("Sphere1")->isChecked());
    Click(*w, "sbTexPreview");
    QCOMPARE(w->set().Text("edCamLocZ"), camera);
    QVERIFY(done.wait(kHangMs));
    QVERIFY2(done.first().first().toBool(),
             qPrintable(w->findChild<QPlainTextEdit*>("Memo2")->toPlainText()));
    QCOMPARE(w->findChild<QLabel*>("Image1")->pixmap().size(), QSize(32, 24));
    const QString scene = ReadAll(dir_->path() + "/home/TEMP.POV");
    QVERIFY(scene.contains("  location <0.0, 0.0, -30>"));
    QVERIFY(scene.contains("box {<-5, -5, -5>, < 5,  5,  5> " + QString(kStartTexture)));
    QVERIFY(!scene.contains("sphere"));
    // An image map that is not there reaches POV-Ray, whose error is shown.
    Choose(*w, "cbPigmentType", 20);
    w->set().SetText("edIMName", "no_such_map.png");
    Click(*w, "sbTexPreview");
    QVERIFY(done.wait(kHangMs));
    QCOMPARE(done.last().first().toBool(), false);
    QCOMPARE(w->findChild<QTabWidget*>("PageControl1")->currentWidget()->objectName(),
             QString("TabOut"));
    QVERIFY(w->findChild<QPlainTextEdit*>("Memo2")->toPlainText().contains("no_such_map.png"));
    prompts_.unsaved_answers = {UnsavedAnswer::kDiscard};
    w->close();
  }
};

VERMORA_WINDOW_TEST_MAIN(TexturePanelTest)

#include "texture_panel_test.moc"
