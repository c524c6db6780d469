// The settings dialog: a button row over an empty panel.
#include "ui/TAsetuksetFRM.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TAsetuksetFRM::TAsetuksetFRM(const UiContext& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("TAsetuksetFRM"));
  setWindowTitle(QStringLiteral("AsetuksetFRM"));
  ok_ = Button(this, "OKbutton", "OK");
  cancel_ = Button(this, "CANCELbutton", "Peruuta");
  help_ = Button(this, "HELPbutton", "Ohje");
  connect(ok_, &QPushButton::clicked, this, [this] { OKbuttonClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { CANCELbuttonClick(); });
  connect(help_, &QPushButton::clicked, this, [this] { HELPbuttonClick(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addWidget(help_);
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  layout->addLayout(buttons);
  setFixedSize(536, 348);
}

}  // namespace qv
