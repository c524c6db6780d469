// Undo and redo of the project: every user action that changes it is one step on Qt's undo stack.
#pragma once

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <string>
#include <vector>

namespace qv {

// A step keeps the project file's lines before and after the action: whatever a save would
// keep is undone, and nothing else (the page shown, the tree selections) is touched.
class ProjectUndo : public QObject {
  Q_OBJECT

 public:
  using Lines = std::vector<std::string>;
  // restore puts the project back to the given lines and refreshes what shows it.
  explicit ProjectUndo(std::function<void(const Lines&)> restore, QObject* parent = nullptr);

  // A project opened or begun anew: the steps of the one before are gone.
  void Reset(const Lines& lines);
  // After a user action: a step when the project now differs from the last step's end.
  void Record(const Lines& lines, const QString& text);

  QUndoStack& Stack() { return stack_; }
  static constexpr int kDepth = 100;

 private:
  friend class ProjectStep;
  void Apply(const Lines& lines);

  std::function<void(const Lines&)> restore_;
  QUndoStack stack_;
  Lines current_;  // the project as the last step left it
};

}  // namespace qv
