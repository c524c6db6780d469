// The OK / Peruuta / Ohje row shared by the dialogs, and the layout of the dialogs with a picture.
#include "ui/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

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

void LayOutPagesPictureAndButtons(QDialog* dialog, QWidget* pages, QWidget* picture,
                                  std::function<void()> onOk, std::function<void()> onHelp) {
  auto* top = new QHBoxLayout;
  top->addWidget(pages, 1);
  top->addWidget(picture, 0, Qt::AlignTop);
  QHBoxLayout* buttons = MakeDialogButtonRow(dialog, std::move(onOk), std::move(onHelp));
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

}  // namespace qv
