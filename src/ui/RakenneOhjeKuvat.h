// The member dialog's hint pictures on white paper, for the dialog.
#pragma once

#include <QPixmap>
#include <QSize>

#include "ui/drawing/StructureHintPicture.h"

namespace qv {

// The picture on white paper.
QPixmap RakenneOhjeKuva(int image, QSize size);

}  // namespace qv
