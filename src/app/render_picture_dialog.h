#pragma once

#include <QDialog>
#include <QTemporaryDir>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace vermora {
struct RenderOutcome;
}

namespace vermora::app {

class Design;
class RenderControl;
class RenderRunner;

// "Render picture...": the creature at a chosen size, with or without
// anti-aliasing, into a file of the user's. It renders beside the window's own
// preview and never blocks it; a PNG carries the set it was rendered from.
class RenderPictureDialog : public QDialog {
  Q_OBJECT

 public:
  RenderPictureDialog(Design& design, RenderControl& render);
  ~RenderPictureDialog() override;

  void Start();
  // Adds the creature as it is now, at the chosen size and into the chosen
  // file, to the render queue of the program folder (vermora-cli queue run
  // renders it).
  void Queue();
  bool busy() const;
  QLineEdit* file_field() const { return file_; }
  QComboBox* sizes() const { return sizes_; }

 signals:
  void Written(const QString& path, bool ok);
  // A job went into the render queue.
  void Queued(int id);

 private:
  void Browse();
  // The chosen file when it is a .png or .bmp, else empty (and said why).
  QString ChosenFile();
  void Finished(const vermora::RenderOutcome& outcome);
  void Say(const QString& text);

  Design& design_;
  RenderControl& control_;
  QComboBox* sizes_;
  QSpinBox* width_;
  QSpinBox* height_;
  QCheckBox* antialias_;
  QSpinBox* parts_;  // bands a queued job renders on the hosts
  QLineEdit* file_;
  QProgressBar* progress_;
  QLabel* status_;
  QPushButton* render_;
  QPushButton* cancel_;
  RenderRunner* runner_;
  std::unique_ptr<QTemporaryDir> work_;
  std::string set_text_;  // the set as designed when the render started
  std::string image_path_;
  QString target_;
  bool composing_ = false;
};

}  // namespace vermora::app
