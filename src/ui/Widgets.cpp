// Small widget helpers shared by the pages and dialogs.
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>

namespace qv {

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(QLatin1String(name));
  return b;
}

QPushButton* NonDefaultButton(QWidget* parent, const char* name, const char* caption) {
  QPushButton* b = Button(parent, name, caption);
  b->setAutoDefault(false);
  return b;
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QWidget* b : buttons) row->addWidget(b);
  return row;
}

QTreeWidget* PageTree(QWidget* parent, const char* name, QObject* keyFilter) {
  auto* tree = new QTreeWidget(parent);
  tree->setObjectName(QLatin1String(name));
  tree->setHeaderHidden(true);
  tree->setColumnCount(1);
  tree->setExpandsOnDoubleClick(false);
  tree->setIconSize(QSize(16, 16));
  tree->installEventFilter(keyFilter);
  return tree;
}

}  // namespace qv
