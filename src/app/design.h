#pragma once

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace vermora {
class GeneLocks;
class ParameterSet;
}  // namespace vermora

namespace vermora::app {

class Prompts;

// What the parts of the window reach of the design on show, and no more: the
// set, how the user is asked, the folders and the renderer, and the few things
// a command does afterwards. The window implements it; its parts hold it.
class Design {
 public:
  virtual ParameterSet& set() = 0;
  virtual Prompts* prompts() const = 0;
  // The parent of the dialogs a part opens.
  virtual QWidget* dialog_parent() = 0;
  // The program folder, ending in "/", and the folders POV-Ray gets with +L.
  virtual const std::string& folder() const = 0;
  virtual const std::vector<std::string>& include_dirs() const = 0;
  virtual const std::string& povray_path() const = 0;
  // The parameters the engines leave alone.
  virtual const GeneLocks& locks() const = 0;
  // A render or a series runs that no other command may disturb.
  virtual bool rendering() const = 0;

  // Every control shows the set again (after a rule, a load or an engine's change).
  virtual void RefreshFields() = 0;
  // After a change of the whole set: one undo step, noted in the lineage.
  virtual void RecordStep(const QString& label) = 0;
  // The design takes no edits while a render of its own runs.
  virtual void LockDesign(bool locked) = 0;
  // On the status bar.
  virtual void Say(const QString& text) = 0;
  // The warnings of a load or a scene, in one box.
  virtual void ShowWarnings(const std::vector<std::string>& warnings) = 0;

 protected:
  ~Design() = default;
};

}  // namespace vermora::app
