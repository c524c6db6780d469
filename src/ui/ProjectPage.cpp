// Page base, the hint helper and the placeholder page.
#include "ui/ProjectPage.h"

#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

namespace qv {

void SetHint(QWidget* widget, const std::string& hint) {
  if (!widget) return;
  const QString text = QString::fromStdString(hint);
  const int bar = text.indexOf(QLatin1Char('|'));
  widget->setToolTip(bar < 0 ? text : text.left(bar));
  widget->setStatusTip(bar < 0 ? text : text.mid(bar + 1));
}

QSplitter* MakePageSplitter(Qt::Orientation orientation, QWidget* parent) {
  auto* splitter = new QSplitter(orientation, parent);
  splitter->setHandleWidth(5);
  splitter->setChildrenCollapsible(false);
  splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: #ffff00; }"));
  return splitter;
}

void LayOutSideBySide(QWidget* page, QWidget* side, QWidget* main, int sideWidth, int mainWidth) {
  auto* splitter = MakePageSplitter(Qt::Horizontal, page);
  splitter->addWidget(side);
  splitter->addWidget(main);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({sideWidth, mainWidth});
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(splitter);
}

ProjectPage::ProjectPage(const UiContext& ui, QWidget* parent) : QWidget(parent), ui_(ui) {}

PlaceholderPage::PlaceholderPage(const UiContext& ui, const QString& text, QWidget* parent)
    : ProjectPage(ui, parent) {
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(text, this);
  label->setObjectName(QStringLiteral("PlaceholderLabel"));
  label->setAlignment(Qt::AlignCenter);
  label->setEnabled(false);
  layout->addWidget(label);
}

}  // namespace qv
