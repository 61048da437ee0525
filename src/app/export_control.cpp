// File > Export: the scene for POV-Ray 3.1 or 2.2, and the creature as triangles.
#include "export_control.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <memory>

#include "compose/composer.h"
#include "design.h"
#include "model/mesh_export.h"
#include "model_builder.h"
#include "prompts.h"

namespace vermora::app {
namespace {

const FileDialogTexts kPov31Texts{"Export to POV-Ray 3.1 File", "pov", "*.pov",
                                  "Povray Files (*.pov);;All Files (*)"};
const FileDialogTexts kPov22Texts{"Export to POV-Ray 2.2 File", "pov", "*.pov",
                                  "Povray Files (*.pov);;All Files (*)"};
const FileDialogTexts kMeshTexts{
    "Export mesh", "glb", "creature.glb",
    "glTF binary (*.glb);;Wavefront OBJ with materials (*.obj);;STL (*.stl)"};

// Above this many triangles the user is asked first: such files run to hundreds of megabytes.
constexpr size_t kAskAboveTriangles = 4'000'000;

}  // namespace

ExportControl::ExportControl(Design& design, QObject* parent) : QObject(parent), design_(design) {}

void ExportControl::ExportPov31() {
  if (design_.rendering()) return;
  ExportSceneTo(design_.prompts()->SaveFile(design_.dialog_parent(), kPov31Texts), true);
}

void ExportControl::ExportPov22() {
  if (design_.rendering()) return;
  if (const std::string refusal = Pov22Refusal(design_.set()); !refusal.empty()) {
    design_.prompts()->Warning(design_.dialog_parent(), FromCore(refusal));
    return;
  }
  ExportSceneTo(design_.prompts()->SaveFile(design_.dialog_parent(), kPov22Texts), false);
}

void ExportControl::ExportSceneTo(const QString& path, bool pov31) {
  if (path.isEmpty()) return;
  std::vector<std::string> warnings, switched_off;
  Status s = ExportScene(design_.set(), ToCore(path), pov31, &warnings, &switched_off);
  design_.ShowWarnings(warnings);
  if (!switched_off.empty()) {  // as after F5: the design shows what the scene did
    ApplySwitchesTurnedOff(switched_off, design_.set());
    design_.RefreshFields();
  }
  if (!s.ok())
    design_.prompts()->Error(design_.dialog_parent(), FromCore(s.message()));
  else
    design_.Say("Exported " + path);
}

void ExportControl::ExportMeshFile() {
  const QString path = design_.prompts()->SaveFile(design_.dialog_parent(), kMeshTexts);
  if (path.isEmpty()) return;
  MeshFormat format;
  if (!MeshFormatFor(ToCore(path), format)) {
    design_.prompts()->Error(design_.dialog_parent(),
                             "A mesh is a .glb, .obj or .stl file, not " + path);
    return;
  }
  // A large creature takes a while to read: the window goes on meanwhile.
  design_.Say("Reading the creature for the mesh ...");
  QPointer<ExportControl> self(this);
  QThreadPool::globalInstance()->start([self, set = design_.set(), path] {
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

void ExportControl::WriteMeshFile(const BuiltModel& built, const QString& path, int detail,
                                  size_t triangles) {
  const SceneModel& model = *built.model;
  if (!model.error.empty()) {
    design_.Say({});
    design_.prompts()->Error(design_.dialog_parent(),
                             "The scene could not be read into a mesh: " + FromCore(model.error));
    return;
  }
  if (triangles > kAskAboveTriangles &&
      !design_.prompts()->Ask(
          design_.dialog_parent(),
          QString("The mesh will have %L1 triangles, a file of about %2 MB. Export it ?")
              .arg(triangles)
              .arg(triangles * 60 / 1'000'000))) {
    design_.Say({});
    return;
  }
  design_.Say("Exporting the mesh ...");
  QPointer<ExportControl> self(this);
  QThreadPool::globalInstance()->start([self, built, path, detail] {
    auto counts = std::make_shared<MeshCounts>();
    MeshPlacement placement;  // an STL stands on z, as slicers take it
    MeshFormat format = MeshFormat::kGlb;
    placement.z_up = MeshFormatFor(ToCore(path), format) && format == MeshFormat::kStl;
    auto status = std::make_shared<Status>(
        ExportMesh(*built.model, ToCore(path), detail, counts.get(), placement));
    QMetaObject::invokeMethod(
        qApp,
        [self, path, counts, status, stand_ins = built.model->stand_ins] {
          if (!self) return;
          if (!status->ok()) {
            self->design_.prompts()->Error(self->design_.dialog_parent(),
                                           FromCore(status->message()));
            return;
          }
          QString said = QString("Exported %1: %L2 objects, %L3 triangles")
                             .arg(path)
                             .arg(counts->objects)
                             .arg(counts->triangles);
          if (stand_ins)
            said += QString(" (%1 objects it could not read are boxes)").arg(stand_ins);
          self->design_.Say(said);
          emit self->MeshExported(path);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace vermora::app
