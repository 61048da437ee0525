#pragma once

#include <QObject>
#include <memory>

#include "common/random.h"
#include "ground_pictures.h"
#include "model/include_library.h"
#include "model/scene_model.h"
#include "params/parameter_set.h"

namespace vermora::app {

// What the 3-D view shows of one set: its model, the picture's proportions
// (width over height) and how long composing and reading took.
struct BuiltModel {
  std::shared_ptr<const SceneModel> model;
  double aspect = 4.0 / 3.0;
  double ms = 0;
  std::shared_ptr<const GroundPictures> pictures;  // the grounds' pictures (may be null)
};

// Composes `set` as F5 would and reads the scene into a model, with the
// pictures its grounds show; a scene that cannot be composed gives a model
// with its error. The scene's clock seeds
// read the window's own clock, which stands still between renders: a
// creature drawn at random (Star spores) keeps its shape through edits, and
// the 3-D view, the picture and a mesh exported from them are one creature.
BuiltModel BuildModel(const ParameterSet& set);
const Clock& ModelClock();
// The window's clock moves on to now: F5 draws such a creature anew.
void ResetModelClock();
// The include files the models read: ours, then POV-Ray's installed ones.
IncludeLibrary& ModelIncludes();

// Builds models off the window's thread, the newest set first: while one is
// being built, further edits only replace the set that waits.
class ModelBuilder : public QObject {
  Q_OBJECT

 public:
  explicit ModelBuilder(QObject* parent = nullptr) : QObject(parent) {}
  void Build(const ParameterSet& set);
  bool busy() const { return running_; }

 signals:
  void Ready(vermora::app::BuiltModel built);

 private:
  void Start(std::shared_ptr<ParameterSet> set);

  bool running_ = false;
  std::shared_ptr<ParameterSet> waiting_;
};

}  // namespace vermora::app

Q_DECLARE_METATYPE(vermora::app::BuiltModel)
