// Pictures shipped as Qt resources: structure tree node icons and the program logo.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace qv {

// A picture of the resources (e.g. "tree_pinned.svg") at the given size; a null pixmap when
// there is no such picture.
QPixmap ResourcePixmap(const QString& name, QSize size);
// Icon of a structure tree image number (kStructureImage...); a null icon for none.
QIcon StructureTreeIcon(int image);
// The logo at the right end of the top panel.
QPixmap LogoPixmap(int height);

}  // namespace qv
