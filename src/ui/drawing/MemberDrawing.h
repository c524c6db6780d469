// The member as a band with its supports, support numbers and hinges; the origin mark; pointer
// text.
#pragma once

#include <string>

#include "ui/drawing/DrawStyle.h"
#include "ui/drawing/LabelLayout.h"
#include "ui/drawing/ViewTransform.h"

class QELVUX_data;

namespace qv {

// Unit vector of the member axis; exact at 0 and 90 degrees so that a column has no
// stray horizontal component.
void MemberDirection(double angleDegrees, double& c, double& s);

// Member band (width w centred on the axis), supports numbered from 1 in list order (each
// number kept clear of its symbol), hinges as circles of radius 2w/3 but at least 1.5 mm on
// the surface; a selected support or hinge has a thicker outline, a selected hinge is
// half as big again. Without sizes s = w = 0.05 L; without style filled, in
// colours, no highlight. Nothing without a canvas (its own or the view's) or a project.
// The pen, brush and font are as before on return.
// The layout, when given, receives how far down and right the supports and their numbers
// reach.
void DrawMember(Canvas* canvas, const ViewTransform& view, const QELVUX_data* project,
                const DrawStyle* style = nullptr, const SymbolSizes* sizes = nullptr,
                LabelLayout* layout = nullptr);

// Black cross of half-size s at the origin and "(0,0)" ending at (-s, 0); with the project,
// the text keeps clear of a fixed support's block at the start.
void DrawOriginMark(Canvas* canvas, const ViewTransform& view, double size,
                    const QELVUX_data* project = nullptr);

// World position under a device point (whole millimetres) and its text "x,y".
void PointerText(const ViewTransform& view, double deviceX, double deviceY, std::string& text,
                 double& worldX, double& worldY);

}  // namespace qv
