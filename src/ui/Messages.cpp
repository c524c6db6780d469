// Message boxes shown with QMessageBox. Button texts are set here, so they are Finnish even
// without Qt's translations.
#include "ui/Messages.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace qv {

void QtMessages::Inform(const std::string& text, const std::string& caption, MessageIcon icon) {
  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  if (icon == MessageIcon::Information) qicon = QMessageBox::Information;
  if (icon == MessageIcon::Warning) qicon = QMessageBox::Warning;
  QMessageBox box(qicon, QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

bool QtMessages::AskYesNo(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                  QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, parent_);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Kyllä"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Ei"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

Messages::Answer QtMessages::AskYesNoCancel(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                  QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Kyllä"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Ei"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("Peruuta"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

}  // namespace qv
