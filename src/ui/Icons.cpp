// Resource pictures rendered from their SVG sources.
#include "ui/Icons.h"

#include <QPainter>
#include <QSvgRenderer>

#include "pagelogic/StructureTree.h"

// The resources live in a static library: they are registered here, by name, before use.
static void InitUiResources() { Q_INIT_RESOURCE(resources); }

namespace qv {

namespace {

void EnsureResources() {
  static const bool done = [] {
    InitUiResources();
    return true;
  }();
  (void)done;
}

}  // namespace

QPixmap ResourcePixmap(const QString& name, QSize size) {
  EnsureResources();
  QSvgRenderer renderer(QStringLiteral(":/qelvux/") + name);
  if (!renderer.isValid() || size.isEmpty()) return QPixmap();
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  return pixmap;
}

QIcon StructureTreeIcon(int image) {
  const char* name = nullptr;
  switch (image) {
    case kStructureImageGroup: name = "tree_group.svg"; break;
    case kStructureImageMember: name = "tree_member.svg"; break;
    case kStructureImagePinned: name = "tree_pinned.svg"; break;
    case kStructureImageSlidingX: name = "tree_sliding_x.svg"; break;
    case kStructureImageSlidingY: name = "tree_sliding_y.svg"; break;
    case kStructureImageFixed: name = "tree_fixed.svg"; break;
    case kStructureImageHinge: name = "tree_hinge.svg"; break;
    default: return QIcon();
  }
  QIcon icon;
  for (int px : {16, 32}) icon.addPixmap(ResourcePixmap(QString::fromLatin1(name), QSize(px, px)));
  return icon;
}

QPixmap LogoPixmap(int height) {
  const int h = height > 0 ? height : 32;
  return ResourcePixmap(QStringLiteral("logo.svg"), QSize(h * 150 / 32, h));
}

}  // namespace qv
