// File > Export > Mesh: the creature as triangles for other 3-D programs and printers.
#include <QCoreApplication>
#include <QPointer>
#include <QStatusBar>
#include <QThreadPool>

#include "main_window.h"
#include "model/mesh_export.h"
#include "model_builder.h"

namespace vermora::app {

namespace {

const FileDialogTexts kMeshTexts{"Export mesh", "glb", "creature.glb",
                                 "glTF binary (*.glb);;Wavefront OBJ with materials (*.obj);;STL (*.stl)"};

// Above this many triangles the user is asked first: such files run to hundreds of megabytes.
constexpr size_t kAskAboveTriangles = 4'000'000;

}  // namespace

void MainWindow::ExportMeshFile() {
  const QString path = prompts_->SaveFile(this, kMeshTexts);
  if (path.isEmpty()) return;
  MeshFormat format;
  if (!MeshFormatFor(ToCore(path), format)) {
    prompts_->Error(this, "A mesh is a .glb, .obj or .stl file, not " + path);
    return;
  }
  // A large creature takes a while to read: the window goes on meanwhile.
  statusBar()->showMessage("Reading the creature for the mesh ...");
  QPointer<MainWindow> self(this);
  QThreadPool::globalInstance()->start([self, set = set_, path] {
    auto built = std::make_shared<BuiltModel>(BuildModel(set));
    const int detail = DefaultMeshDetail(built->model->instances.size());
    const size_t triangles = built->model->error.empty() ? MeshTriangles(*built->model, detail) : 0;
    QMetaObject::invokeMethod(
        qApp,
        [self, built, path, detail, triangles] {
          if (self) self->WriteMeshFile(*built, path, detail, triangles);
        },
        Qt::QueuedConnection);
  });
}

void MainWindow::WriteMeshFile(const BuiltModel& built, const QString& path, int detail,
                               size_t triangles) {
  const SceneModel& model = *built.model;
  if (!model.error.empty()) {
    statusBar()->clearMessage();
    prompts_->Error(this, "The scene could not be read into a mesh: " + FromCore(model.error));
    return;
  }
  if (triangles > kAskAboveTriangles &&
      !prompts_->Ask(this, QString("The mesh will have %L1 triangles, a file of about %2 MB. Export it ?")
                               .arg(triangles)
                               .arg(triangles * 60 / 1'000'000))) {
    statusBar()->clearMessage();
    return;
  }
  statusBar()->showMessage("Exporting the mesh ...");
  QPointer<MainWindow> self(this);
  QThreadPool::globalInstance()->start([self, built, path, detail] {
    auto counts = std::make_shared<MeshCounts>();
    auto status = std::make_shared<Status>(ExportMesh(*built.model, ToCore(path), detail, counts.get()));
    QMetaObject::invokeMethod(
        qApp,
        [self, path, counts, status, stand_ins = built.model->stand_ins] {
          if (!self) return;
          if (!status->ok()) {
            self->prompts_->Error(self, FromCore(status->message()));
            return;
          }
          QString said = QString("Exported %1: %L2 objects, %L3 triangles").arg(path).arg(counts->objects).arg(counts->triangles);
          if (stand_ins) said += QString(" (%1 objects it could not read are boxes)").arg(stand_ins);
          self->statusBar()->showMessage(said);
          emit self->MeshExported(path);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace vermora::app
