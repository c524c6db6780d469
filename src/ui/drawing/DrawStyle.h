// Styles, sizes and colours shared by the member, support, load and dimension drawings.
#pragma once

#include "ui/drawing/Canvas.h"

namespace qv {

struct DrawStyle {
  int highlight = 0;   // 1: the selected item or load in its highlight colour
  int hollow = 0;      // 1: outlines on a clear brush
  int colourMode = 0;  // 0 colours, 1 black and white, 2 grey
};

// Member drawing: symbol size and band width. Load drawing: head size g and offset d.
struct SymbolSizes {
  double symbol = 0.0;
  double width = 0.0;
};

struct DimensionStyle {
  int verticalLabelsRight = 0;    // 1 right of the vertical chain, 0 left
  int horizontalLabelsAbove = 0;  // 1 above the horizontal chain, 0 below
  int slantedTicks = 0;  // 1 slanted strokes and segment lengths, 0 arrows and running distances
};

struct DimensionPlacement {
  double tick = 0.0;         // tick size t
  double verticalX = 0.0;    // x of the vertical chain
  double horizontalY = 0.0;  // y of the horizontal chain
};

namespace colours {
constexpr Colour kMemberFill = 0x00FFFF;    // yellow
constexpr Colour kSupport = 0x0000FF;       // red
constexpr Colour kHinge = 0xFF0000;         // blue
constexpr Colour kLoad = 0xFF0000;          // blue
constexpr Colour kSelectedLoad = 0x0000FF;  // red
constexpr Colour kOutline = 0x000000;       // black, also texts
constexpr Colour kHollowFill = 0xFFFFFF;    // white
constexpr Colour kGrey = 0x808080;
}  // namespace colours

// Thin black lines and black text on a clear brush: dimension chains and the origin mark.
inline void UseOutline(Canvas* c) {
  c->SetPenColour(colours::kOutline);
  c->SetPenWidth(1);
  c->SetPenStyle(PenStyle::Solid);
  c->SetFontColour(colours::kOutline);
  c->SetBrushStyle(BrushStyle::Clear);
}

// The colour as the colour mode shows it: black (mode 1) or grey (mode 2) for every colour
// but white, which stays the paper it is.
inline Colour ModeColour(Colour c, int colourMode) {
  if (colourMode == 1 && c != colours::kHollowFill) return colours::kOutline;
  if (colourMode == 2 && c != colours::kHollowFill) return colours::kGrey;
  return c;
}

}  // namespace qv
