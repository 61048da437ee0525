#pragma once

#include <QObject>
#include <array>
#include <memory>

#include "common/random.h"
#include "look_helpers.h"
#include "texture/texture_page.h"
#include "texture/texture_preview.h"

class QAction;
class QLabel;
class QPushButton;

namespace vermora::app {

class ColourMapGrid;

// The controls of the Textures pages beyond the generated fields: colour swatches
// and dialogs, the colour map editor, the type rules, the dice, the assign buttons,
// texture files and the texture preview.
class TexturePanel : public QObject {
  Q_OBJECT

 public:
  // Loads a texture file into the page shown (asked for when `path` is empty).
  void LoadTexture(const QString& path = {});
  TexturePanel(const PanelHost& host, QObject* parent);

  TexturePage& page() { return page_; }
  PreviewShape shape() const { return shape_; }
  // Random draws and clock re-seeds come from here (tests fix the clock).
  void SetClock(const Clock* clock) { clock_ = clock; }

  // The refresh after any load of a design or a texture file.
  void AfterLoad();
  // Shows the page state: swatches, slider, strip, the groups the types choose.
  void Show();

  void ColourListChosen(int row);
  void ChooseColour(int row);
  void UpdateRow(int row);
  void Assign(const QString& button);
  void RandomPigment();
  void RandomNormal();
  void RandomFinish();
  void SaveTexture();
  void ExportTexture();
  void Preview();
  void SetShape(PreviewShape shape);
  void LoadImageFile(bool bump_map);
  // Shows the rows the pigment and normal types use, after the form rules,
  // which know nothing of the types, and names the map files.
  void ApplyTypeGroups();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Find(const char* name) const;
  void BuildGeneral();
  void BuildPigment();
  void BuildNormalAndFinish();
  void BuildCommands();
  void Report(const Status& status, const Diagnostics& diagnostics);

  PanelHost host_;
  ParameterSet& set_;
  TexturePage page_;
  PreviewShape shape_ = PreviewShape::kSphere;
  Random random_;
  SystemClock system_clock_;
  const Clock* clock_ = &system_clock_;
  std::array<Swatch*, 3> swatches_{};
  std::array<QPushButton*, 3> update_buttons_{};
  std::array<bool, 3> update_armed_{};
  std::array<QAction*, 3> shape_actions_{};
  ColourMapGrid* map_ = nullptr;
  // The image-map and bump-map files, named beside their Load buttons.
  QLabel* image_name_ = nullptr;
  QLabel* bump_name_ = nullptr;
};

}  // namespace vermora::app
