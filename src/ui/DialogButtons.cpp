// The OK / Peruuta / Ohje row shared by the dialogs.
#include "ui/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace qv {

QHBoxLayout* MakeDialogButtonRow(QDialog* dialog, std::function<void()> onOk,
                                 std::function<void()> onHelp) {
  auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
  ok->setObjectName(QStringLiteral("OKbutton"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Peruuta"), dialog);
  cancel->setObjectName(QStringLiteral("PeruutaButton"));
  auto* help = new QPushButton(QStringLiteral("Ohje"), dialog);
  help->setObjectName(QStringLiteral("OhjeButton"));
  QObject::connect(ok, &QPushButton::clicked, dialog, [onOk] { onOk(); });
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  QObject::connect(help, &QPushButton::clicked, dialog, [onHelp] { onHelp(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  return buttons;
}

}  // namespace qv
