// The hint pictures "Rakenneohje0" to "Rakenneohje5" of the member dialog, drawn with the program's
// own drawing code.
#pragma once

#include "ui/drawing/Canvas.h"

namespace qv {

// Number of hint pictures: 0 member, 1 to 4 the support types, 5 hinge.
constexpr int kRakenneOhjeCount = 6;

// Draws hint picture `image` on a canvas of w x h device pixels; an unknown number draws
// the member's picture.
void DrawRakenneOhje(Canvas& canvas, int image, int width, int height);

}  // namespace qv
