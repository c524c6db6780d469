// Saving and restoring the drawing state shared by every canvas.
#include "ui/drawing/Canvas.h"

namespace qv {

void Canvas::Save() { saved_.push_back(State{pen_, brush_, font_}); }

void Canvas::Restore() {
  if (saved_.empty()) return;
  const State& s = saved_.back();
  pen_ = s.pen;
  brush_ = s.brush;
  font_ = s.font;
  saved_.pop_back();
}

}  // namespace qv
