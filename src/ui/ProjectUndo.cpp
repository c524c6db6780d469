// Undo steps as before-and-after project file lines.
#include "ui/ProjectUndo.h"

#include <QUndoCommand>

#include <utility>

namespace qv {

class ProjectStep : public QUndoCommand {
 public:
  ProjectStep(ProjectUndo& owner, ProjectUndo::Lines before, ProjectUndo::Lines after,
              const QString& text)
      : QUndoCommand(text), owner_(owner), before_(std::move(before)), after_(std::move(after)) {}

  // The action has already changed the project when its step is pushed.
  void redo() override {
    if (pushed_) owner_.Apply(after_);
    pushed_ = true;
  }
  void undo() override { owner_.Apply(before_); }

 private:
  ProjectUndo& owner_;
  ProjectUndo::Lines before_;
  ProjectUndo::Lines after_;
  bool pushed_ = false;
};

ProjectUndo::ProjectUndo(std::function<void(const Lines&)> restore, QObject* parent)
    : QObject(parent), restore_(std::move(restore)) {
  stack_.setUndoLimit(kDepth);
}

void ProjectUndo::Reset(const Lines& lines) {
  stack_.clear();
  current_ = lines;
}

void ProjectUndo::Record(const Lines& lines, const QString& text) {
  if (lines == current_) return;
  Lines before = std::move(current_);
  current_ = lines;
  stack_.push(new ProjectStep(*this, std::move(before), lines, text));
}

void ProjectUndo::Apply(const Lines& lines) {
  current_ = lines;
  restore_(lines);
}

}  // namespace qv
