// The texture and background previews: their own scene, rendered by the render
// command into the preview picture, with the messages on the Output page.
#include <QDateTime>
#include <QLabel>
#include <QStatusBar>

#include "background_panel.h"
#include "main_window.h"
#include "render/render_command.h"
#include "render_runner.h"
#include "texture_panel.h"

namespace vermora::app {

void MainWindow::RenderPreview(const std::string& scene) {
  if (rendering()) {
    statusBar()->showMessage("A render is already running");
    return;
  }
  if (!TrustedToRender()) return;
  StopAutoRender();
  if (composing_) {
    after_compose_ = [this, scene] { RenderPreview(scene); };
    return;
  }
  error_picture_->hide();
  render_started_ms_ = QDateTime::currentMSecsSinceEpoch();
  RenderSetup setup;
  setup.povray_path = povray_path_;
  setup.folder = folder_;
  setup.include_dirs = include_dirs_;
  const PreparedRender prepared = PrepareRender(scene, set_, setup);
  if (!prepared.status.ok()) {
    prompts_->Error(this, FromCore(prepared.status.message()));
    return;
  }
  if (!prepared.renderer_problem.empty()) {
    ShowFailure(FromCore(prepared.renderer_problem));
    return;
  }
  LockDesign(true);
  statusBar()->showMessage("Rendering the preview ...");
  runner_->Start(prepared.invocation);
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
    if (!(set_ == shown_)) RecordStep("");
  };
  host.render = [this](const std::string& scene) { RenderPreview(scene); };
  texture_panel_ = new TexturePanel(host, this);
  background_panel_ = new BackgroundPanel(host, this);
}

LoadRefresh MainWindow::LookRefresh() {
  return [this](ParameterSet&) {
    texture_panel_->AfterLoad();
    background_panel_->AfterLoad();
  };
}

}  // namespace vermora::app
