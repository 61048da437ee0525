#include "common/examples.h"
#include "common/file_io.h"
#include "examples_dialog.h"
#include "params/settings_file.h"
#include "picture/png_set_chunk.h"
#include "render_picture_dialog.h"
#include "window_test_main.h"

class FilesTest : public WindowTest {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> NewWindow() {
    prompts_.unsaved_answers = {UnsavedAnswer::kDiscard, UnsavedAnswer::kDiscard,
                                UnsavedAnswer::kDiscard};
    auto w = WindowTest::NewWindow();
    w->set().SetText("EdCamLocZ", "-7.5");
    return w;
  }

  void Drop(MainWindow& w, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
  }

 private slots:
  void init() { Reset(kPovray); }

  void renderedPictureCarriesTheSetBackIntoTheWindow() {
    auto w = NewWindow();
    const std::string designed = SettingsText(w->set());
    const QString picture = dir_->path() + "/creature.png";
    w->OpenRenderPicture();
    auto* dialog = w->findChild<RenderPictureDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    dialog->sizes()->setCurrentIndex(dialog->sizes()->count() - 1);  // "Other size"
    dialog->findChild<QSpinBox*>("PictureWidth")->setValue(32);
    dialog->findChild<QSpinBox*>("PictureHeight")->setValue(24);
    dialog->file_field()->setText(picture);
    QSignalSpy written(dialog, &RenderPictureDialog::Written);
    dialog->findChild<QPushButton*>("PictureRender")->click();
    QVERIFY(written.wait(kHangMs));
    QVERIFY2(written.front().at(1).toBool(),
             qPrintable(dialog->findChild<QLabel*>("PictureStatus")->text()));
    QCOMPARE(QImage(picture).size(), QSize(32, 24));
    QCOMPARE(w->set().Text("edImageW"), std::string("209"));  // the design keeps its own size
    // Changed, then the picture dropped on the window: the set as it was rendered,
    // as if its settings file had been opened.
    QVERIFY(WriteFileReplacing(ToCore(dir_->path()) + "/designed.vmx", designed).ok());
    QVERIFY(w->files().OpenPath(dir_->path() + "/designed.vmx"));
    const std::string opened = SettingsText(w->set());
    w->set().SetText("EdCamLocZ", "-3");
    Drop(*w, picture);
    QCOMPARE(w->set().Text("EdCamLocZ"), std::string("-7.5"));
    QCOMPARE(SettingsText(w->set()), opened);
    // A PNG without a set, or a damaged one, is refused and changes nothing.
    QImage(8, 8, QImage::Format_RGB32).save(dir_->path() + "/plain.png");
    w->set().SetText("EdCamLocZ", "-3");
    const std::string before = SettingsText(w->set());
    QVERIFY(!w->files().OpenPath(dir_->path() + "/plain.png"));
    QVERIFY(!w->files().OpenPath(dir_->path() + "/creature.vtx"));
    QCOMPARE(prompts_.errors.size(), 2);
    QVERIFY(prompts_.errors.front().contains("holds no Vermora set"));
    QCOMPARE(SettingsText(w->set()), before);
  }

  void anExampleOpensFromTheGallery() {
    auto w = NewWindow();
    std::vector<std::string> warnings;
    const std::vector<Example> examples = ReadExamples(VERMORA_DATA_DIR, warnings);
    QVERIFY(examples.size() >= 12);
    const int count = static_cast<int>(examples.size());
    QTimer::singleShot(0, this, [count] {
      auto* dialog = qobject_cast<ExamplesDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      QCOMPARE(dialog->list()->count(), count);
      QVERIFY(!dialog->list()->item(1)->icon().isNull());
      dialog->list()->setCurrentRow(1);
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
    });
    w->findChild<QAction*>("Examples")->trigger();
    std::string file;
    QVERIFY(ReadWholeFile(examples[1].set_path, file).ok());
    // Every value of the file is in the window, but for what loading refreshes.
    ParameterSet loaded;
    QVERIFY(LoadSettingsText(file, loaded).ok());
    for (const char* name : {"RadioGroup1", "EdCamLocZ", "ChkFanOn", "EdSpace"}) {
      QCOMPARE(w->set().Text(name), loaded.Text(name));
    }
    QCOMPARE(Caption(*w), "Example: " + QString::fromStdString(examples[1].title));
  }

  // File > Export > Mesh writes the creature's triangles, whose counts it tells;
  // a name of another kind is refused before anything is written.
  void theCreatureExportsAsAMesh() {
    auto w = NewWindow();
    prompts_.file_answers = {dir_->path() + "/creature.txt", dir_->path() + "/creature.obj"};
    QAction* action = w->findChild<QAction*>("ExportMesh");
    action->trigger();
    QCOMPARE(prompts_.errors, QStringList{"A mesh is a .glb, .obj or .stl file, not " +
                                          dir_->path() + "/creature.txt"});
    QSignalSpy exported(w.get(), &MainWindow::MeshExported);
    action->trigger();
    QVERIFY(exported.wait(kHangMs));
    QVERIFY2(w->statusBar()->currentMessage().contains(": 240 objects, "),
             qPrintable(w->statusBar()->currentMessage()));
    const QByteArray obj = Bytes(dir_->path() + "/creature.obj");
    QVERIFY(obj.count("\nf ") > 240 * 12);
    QVERIFY(obj.contains("mtllib ") && QFile::exists(dir_->path() + "/creature.mtl"));
    // A creature drawn at random from the clock comes out as the one on screen,
    // export after export.
    QVERIFY(
        LoadSettings(std::string(VERMORA_DATA_DIR) + "/examples/star-spores.vmx", w->set()).ok());
    for (const char* name : {"/spores1.glb", "/spores2.glb"}) {
      prompts_.file_answers = {dir_->path() + name};
      action->trigger();
      QVERIFY(exported.wait(kHangMs));
    }
    QCOMPARE(Bytes(dir_->path() + "/spores1.glb"), Bytes(dir_->path() + "/spores2.glb"));
  }
};

VERMORA_WINDOW_TEST_MAIN(FilesTest)
#include "files_test.moc"
