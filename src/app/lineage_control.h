#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "field_factory.h"
#include "variation/gene_locks.h"
#include "variation/lineage.h"

class QLabel;
class QMenu;
class QTabWidget;

namespace vermora::app {

class Design;

// Locks, lineage and breeding. Gene locks: a context menu on every field, the
// tint of locked fields, the side file NAME.locks. Lineage: each engine step is
// noted and written beside the set when it is saved; the ancestors of the set on
// show sit in a row of buttons on the Ancestry tab. Breeding: the button of the
// Breeding page that crosses the design with a partner set.
class LineageControl : public QObject {
  Q_OBJECT

 public:
  // Adds the Ancestry tab to `side_tabs` and a lock menu to each of `fields`.
  LineageControl(Design& design, QTabWidget* side_tabs, const std::vector<Field>& fields,
                 QObject* parent);

  const GeneLocks& locks() const { return locks_; }
  // Locks or unlocks one parameter, or a page group by its path ("textures/finish").
  void SetLock(const std::string& name, bool on, bool group);
  void LoadLocksFor(const QString& set_path);
  void SaveLocksFor(const QString& set_path);

  // An engine's step (its undo label) made the set on show from `parent_file`
  // (empty: from no file).
  void NoteOffspring(const QString& step_label, const QString& parent_file);
  // The set went to `path`: the noted step goes beside it, its ancestors show.
  void LineageSaved(const QString& path);
  // The ancestors of the set in `path` (empty: none).
  void ShowAncestry(const QString& path);
  // A set came that no engine step made.
  void ForgetStep() { pending_ = {}; }

  // Loads a partner set (or, cancelled, the design itself) and breeds the child.
  void BreedWithPartner();

 signals:
  // An ancestor's button was clicked.
  void AncestorChosen(const QString& path);

 private:
  void AddBreedingButton();
  void AddLockMenus(const std::vector<Field>& fields);
  void AddLockActions(QMenu& menu, const QString& control);
  void ShowLocks();
  void AddAncestryRow(QTabWidget* side_tabs);

  Design& design_;
  const std::vector<Field>& fields_;
  GeneLocks locks_;
  LineageRecord pending_;  // the last engine step's record, until saved
  QWidget* ancestry_ = nullptr;
  QLabel* ancestry_note_ = nullptr;
};

}  // namespace vermora::app
