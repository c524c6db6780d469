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
  // Rendered once each, in image order from the group image on: a long member's tree shows
  // hundreds of them.
  static const auto render = [](const char* name) {
    QIcon icon;
    for (int px : {16, 32})
      icon.addPixmap(ResourcePixmap(QString::fromLatin1(name), QSize(px, px)));
    return icon;
  };
  static const QIcon icons[7] = {render("tree_group.svg"),     render("tree_member.svg"),
                                 render("tree_pinned.svg"),    render("tree_sliding_x.svg"),
                                 render("tree_sliding_y.svg"), render("tree_fixed.svg"),
                                 render("tree_hinge.svg")};
  static_assert(kStructureImageGroup == 0 && kStructureImageHinge == 6, "icons by image order");
  return image >= kStructureImageGroup && image <= kStructureImageHinge ? icons[image] : QIcon();
}

QPixmap LogoPixmap(int height) {
  const int h = height > 0 ? height : 32;
  return ResourcePixmap(QStringLiteral("logo.svg"), QSize(h * 150 / 32, h));
}

}  // namespace qv
