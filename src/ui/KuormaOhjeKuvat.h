// The load dialog's hint pictures on white paper, for the dialog.
#pragma once

#include <QPixmap>
#include <QSize>

#include "ui/drawing/LoadHintPicture.h"

namespace qv {

// The picture on white paper.
QPixmap KuormaOhjeKuva(int image, QSize size);

}  // namespace qv
