// Files that reach the window by name: the command line, a drop, the examples.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "background_panel.h"
#include "examples_dialog.h"
#include "main_window.h"
#include "recent_files.h"
#include "render_picture_dialog.h"
#include "texture_panel.h"

namespace vermora::app {

namespace {

bool Opens(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  return ext == "vmx" || ext == "vtr" || ext == "vbk" || ext == "png";
}

}  // namespace

bool MainWindow::OpenPath(const QString& path) {
  if (rendering()) {
    statusBar()->showMessage("A render is running: open " + path + " when it is done");
    return false;
  }
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == "vtr") {
    texture_panel_->LoadTexture(path);
    return true;
  }
  if (ext == "vbk") {
    background_panel_->LoadBackground(path);
    return true;
  }
  if (ext != "vmx" && ext != "png") {
    prompts_->Error(this, path + " is not a settings, texture or background file, nor a PNG picture");
    return false;
  }
  if (!MaySetAside()) return false;
  mixed_caption_.clear();
  const bool loaded = LoadFrom(path);
  if (loaded) {
    setWindowTitle(QFileInfo(path).absoluteFilePath());
    recent_->Add(path);
  }
  return loaded;
}

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
  OpenPath(urls.front().toLocalFile());
}

void MainWindow::OpenExamples() {
  if (rendering()) return;
  ExamplesDialog dialog(include_dirs_.empty() ? std::string() : include_dirs_.front(), this);
  if (dialog.exec() != QDialog::Accepted || dialog.chosen().set_path.empty()) return;
  if (!MaySetAside()) return;
  mixed_caption_.clear();
  if (LoadFrom(FromCore(dialog.chosen().set_path))) {
    // An example is a start, not a file of the user's: Save asks where.
    setWindowTitle("Example: " + FromCore(dialog.chosen().title));
  }
}

void MainWindow::OpenRenderPicture() {
  if (!picture_dialog_) picture_dialog_ = new RenderPictureDialog(*this);
  picture_dialog_->show();
  picture_dialog_->raise();
}

}  // namespace vermora::app
