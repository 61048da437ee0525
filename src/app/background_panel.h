#pragma once

#include <QObject>
#include <map>

#include "common/random.h"
#include "look_helpers.h"

namespace vermora {
struct ColourRow;
}

class QPushButton;

namespace vermora::app {

// The controls of the Backgrd pages (and the light colours of the Povray page)
// beyond the generated fields: colour swatches with their dialogs and updates, the
// switch rules, the picture and height-field files, background files and preview.
class BackgroundPanel : public QObject {
  Q_OBJECT

 public:
  // Loads a background file into the page shown (asked for when `path` is empty).
  void LoadBackground(const QString& path = {});
  BackgroundPanel(const PanelHost& host, QObject* parent);

  // Random draws and clock re-seeds come from here (tests fix the clock).
  void SetClock(const Clock* clock) { clock_ = clock; }

  // The swatch refresh after any load.
  void AfterLoad();

  void ChooseColour(const ColourRow& row);
  void UpdateRow(const ColourRow& row);
  void SaveBackground();
  void ExportBackground();
  void Preview();
  void LoadPicture(bool height_field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Find(std::string_view name) const;
  void BuildRows();
  void BuildCommands();
  void Report(const Status& status, const std::vector<std::string>& warnings);

  PanelHost host_;
  ParameterSet& set_;
  Random random_;
  SystemClock system_clock_;
  const Clock* clock_ = &system_clock_;
};

}  // namespace vermora::app
