// The picture beside the reaction table: the member with its numbered supports and hinges.
#pragma once

#include "ui/drawing/Canvas.h"
#include "ui/drawing/MemberView.h"

class QELVUX_data;
class RakenneVektori;

namespace qv {

// The member's extent widened by 15 % of its width on the left and right and by 20 % of its
// height below and above.
WorldBox ReactionPictureBox(const RakenneVektori& member);

// TuloskuvaPB: the member drawing (filled, in colours, nothing highlighted) fitted centred
// into the client area, symbols 2 % of the larger side of the member's extent and the band
// half of that. Nothing when the surface is too small or there is no project.
void DrawReactionPicture(Canvas* canvas, const QELVUX_data* project, int clientWidth,
                         int clientHeight);

}  // namespace qv
