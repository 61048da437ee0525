#pragma once

#include <QColor>
#include <QFrame>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "background_dialogs.h"
#include "common/status.h"
#include "params/number_reading.h"
#include "params/parameter_set.h"
#include "prompts.h"

class QMainWindow;
class QTabWidget;
class QVBoxLayout;

namespace vermora::app {

// The system colour dialog, behind a seam so the window can be driven headless.
class ColourDialog {
 public:
  virtual ~ColourDialog() = default;
  // The colour confirmed, or nothing when the user cancels.
  virtual std::optional<QColor> Choose(QWidget* parent, const QColor& start) = 0;
};

// QColorDialog; it starts with the colour it last returned when `start` is invalid.
class SystemColourDialog final : public ColourDialog {
 public:
  std::optional<QColor> Choose(QWidget* parent, const QColor& start) override;
};

// What the texture and background panels need of the window.
struct PanelHost {
  ParameterSet* set = nullptr;
  QMainWindow* window = nullptr;
  QTabWidget* pages = nullptr;
  Prompts* prompts = nullptr;
  ColourDialog* colours = nullptr;
  std::function<void()> refresh_fields;
  // After a change to the scene made outside the fields (a texture assigned, a
  // background colour or file chosen): one undo step, and the 3-D view and auto
  // render follow as after an edit.
  std::function<void()> changed;
  // Starts a render of `scene` through the render command, as F5 does.
  std::function<void(const std::string& scene)> render;
};

// A colour swatch: only displays a colour.
class Swatch : public QFrame {
  Q_OBJECT

 public:
  Swatch(const QString& name, QWidget* parent);
  void SetColour(const QColor& colour);
  QColor colour() const { return colour_; }

 private:
  QColor colour_;
};

// Packed colours (red + 256 * green + 65536 * blue) as the core holds them.
QColor FromPacked(int packed);
int ToPacked(const QColor& colour);

// A core dialog text ("Desc (*.x)|*.x|All Files|*.*") as the prompts take it.
FileDialogTexts DialogTexts(const FileDialogText& text);

// The top of a generated leaf page, where a panel puts its own controls.
QVBoxLayout* PageTop(QWidget* page);

// Resizes a window or dialog to `wanted`, never larger than the screen it is on
// allows, so its buttons stay on a 1280×720 screen.
void ResizeWithinScreen(QWidget* window, QSize wanted);

// Shows or hides the form row (label and fields) holding `field`.
void SetRowShown(QWidget* field, bool shown);
// Adds `extra` beside `field` in its form row; false when no row holds it.
bool AddBesideField(QWidget* field, QWidget* extra);

// The message for a chosen picture or image file that is not there.
QString MissingFileMessage(const QString& path);

}  // namespace vermora::app
