// The project information dialog: three edits and a memo moved to and from the project record.
#include "ui/TProjektiTiedotFRM.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "project/QELVUX_data.h"
#include "ui/HelpLauncher.h"
#include "ui/Widgets.h"

namespace qv {

namespace {

QLineEdit* Edit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(name));
  return e;
}

// The memo's lines as the project keeps them: one text, lines joined by CR LF.
std::string MemoText(const QPlainTextEdit* memo) {
  const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
  return lines.join(QStringLiteral("\r\n")).toStdString();
}

}  // namespace

TProjektiTiedotFRM::TProjektiTiedotFRM(const UiContext& ui, QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("TProjektiTiedotFRM"));
  setWindowTitle(QStringLiteral("Projektitiedot"));
  designer_ = Edit(this, "Edit1");
  contact_ = Edit(this, "Edit2");
  site_ = Edit(this, "Edit3");
  other_ = new QPlainTextEdit(this);
  other_->setObjectName(QStringLiteral("Memo1"));
  other_->setTabChangesFocus(true);

  auto* fields = new QVBoxLayout;
  const auto add = [&](const char* label, QWidget* field) {
    auto* l = new QLabel(QString::fromUtf8(label), this);
    l->setBuddy(field);
    fields->addWidget(l);
    fields->addWidget(field);
  };
  add("Laskelmien tekijä:", designer_);
  add("Yhteystiedot:", contact_);
  add("Kohde:", site_);
  add("Muut tiedot:", other_);

  ok_ = NonDefaultButton(this, "OKbutton", "OK");
  ok_->setDefault(true);
  cancel_ = NonDefaultButton(this, "CANCELbutton", "Peruuta");
  help_ = NonDefaultButton(this, "HELPbutton", "Ohje");
  connect(ok_, &QPushButton::clicked, this, [this] { OKbuttonClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { CANCELbuttonClick(); });
  connect(help_, &QPushButton::clicked, this, [this] { HELPbuttonClick(); });
  QHBoxLayout* buttons = ButtonRow({ok_, cancel_, help_});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addLayout(buttons);
  setFixedSize(372, 348);
  FormShow();
}

int TProjektiTiedotFRM::Run() { return exec() == QDialog::Accepted ? 1 : 0; }

void TProjektiTiedotFRM::FormShow() {
  const QELVUX_data& p = *ui_.project;
  designer_->setText(Q(p.CalculatedBy));
  contact_->setText(Q(p.Contact));
  site_->setText(Q(p.Site));
  other_->setPlainText(Q(p.OtherInfo).remove(QLatin1Char('\r')));
}

void TProjektiTiedotFRM::OKbuttonClick() {
  QELVUX_data& p = *ui_.project;
  p.CalculatedBy = designer_->text().toStdString();
  p.Contact = contact_->text().toStdString();
  p.Site = site_->text().toStdString();
  p.OtherInfo = MemoText(other_);
  accept();
}

void TProjektiTiedotFRM::CANCELbuttonClick() { reject(); }

void TProjektiTiedotFRM::HELPbuttonClick() {
  if (ui_.help) ui_.help->Show(ui_.project->ProgramPath, kHelpProjectInfo);
}

}  // namespace qv
