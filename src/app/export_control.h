#pragma once

#include <QObject>
#include <QString>
#include <cstddef>

namespace vermora::app {

class Design;
struct BuiltModel;

// File > Export: the scene for POV-Ray 3.1 or 2.2, and the creature as a glTF,
// OBJ or STL mesh for other 3-D programs and printers, read and written off the
// window's thread.
class ExportControl : public QObject {
  Q_OBJECT

 public:
  ExportControl(Design& design, QObject* parent);

  void ExportPov31();
  void ExportPov22();
  void ExportMeshFile();

 signals:
  void MeshExported(const QString& path);

 private:
  // Writes the scene for POV-Ray 3.1 or 2.2 to `path` (none: nothing done).
  void ExportSceneTo(const QString& path, bool pov31);
  // The second half of ExportMeshFile, once the model is read: asks first for
  // a huge mesh, then writes it.
  void WriteMeshFile(const BuiltModel& built, const QString& path, int detail, size_t triangles);

  Design& design_;
};

}  // namespace vermora::app
