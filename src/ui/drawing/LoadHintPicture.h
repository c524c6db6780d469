// The hint pictures "kuormaohje0".."kuormaohje11" and "kuormaohje21".."kuormaohje34" of the load
// dialog, drawn with the program's own drawing code.
#pragma once

#include "ui/drawing/Canvas.h"

namespace qv {

// True for a picture number the load dialog uses: 0 to 11 point loads, 21 to 34 line and
// surface loads.
bool IsKuormaOhje(int image);

// Draws hint picture `image` on a canvas of w x h device pixels: a sloping member with the
// axes of the direction and the load acting in its positive sense. An unknown number draws
// the member with the global axes only.
void DrawKuormaOhje(Canvas& canvas, int image, int width, int height);

}  // namespace qv
