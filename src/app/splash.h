#pragma once

#include <QDialog>

namespace vermora::app {

inline constexpr const char* kVersionText = "version 0.99g";

// The borderless start picture; the flat button over its right half closes it.
// Shown at start while the window is built, and modally by About.
class Splash : public QDialog {
  Q_OBJECT

 public:
  explicit Splash(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vermora::app
