// The settings dialog: a button row over an empty panel.
#include "ui/TAsetuksetFRM.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

TAsetuksetFRM::TAsetuksetFRM(const UiContext& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("TAsetuksetFRM"));
  setWindowTitle(QStringLiteral("AsetuksetFRM"));
  ok_ = NonDefaultButton(this, "OKbutton", "OK");
  cancel_ = NonDefaultButton(this, "CANCELbutton", "Peruuta");
  help_ = NonDefaultButton(this, "HELPbutton", "Ohje");
  connect(ok_, &QPushButton::clicked, this, [this] { OKbuttonClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { CANCELbuttonClick(); });
  connect(help_, &QPushButton::clicked, this, [this] { HELPbuttonClick(); });
  QHBoxLayout* buttons = ButtonRow({ok_, cancel_, help_});
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  layout->addLayout(buttons);
  setFixedSize(536, 348);
}

}  // namespace qv
