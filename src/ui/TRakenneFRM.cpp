// The member, support and hinge dialog over the dialog logic.
#include "ui/TRakenneFRM.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "project/QELVUX_data.h"
#include "ui/DialogButtons.h"
#include "ui/HelpLauncher.h"
#include "ui/Messages.h"
#include "ui/RakenneOhjeKuvat.h"
#include "ui/NumberCombo.h"
#include "ui/Widgets.h"

namespace qv {

namespace {

constexpr int kPictureWidth = 220;
constexpr int kPictureHeight = 170;
// Each answer is asked once; more rounds than questions means the logic keeps asking.
constexpr int kMaxStoreRounds = 4;

QComboBox* ValueCombo(QWidget* parent, const char* name, const std::vector<std::string>& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  MakeNumberEntry(box);
  for (const auto& item : items) box->addItem(Q(item));
  return box;
}

QLineEdit* NameEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(kRakenneNameMaxChars);
  return edit;
}

QLabel* Caption(QWidget* parent, const char* text) {
  return new QLabel(QString::fromUtf8(text), parent);
}

}  // namespace

TRakenneFRM::TRakenneFRM(const UiContext& ui, int mode, int pointIndex, QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("RakenneFRM"));
  view_ = OpenRakenneDialog(*ui_.project, mode, pointIndex);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->addTab(BuildMemberTab(), Q(view_.tabCaption));
  pages_->addTab(BuildSupportTab(), Q(view_.tabCaption));
  pages_->addTab(BuildHingeTab(), Q(view_.tabCaption));
  // Only the tab of the mode is there to see.
  const int shown = view_.state.mode - 1;
  for (int i = 0; i < pages_->count(); ++i) pages_->setTabVisible(i, i == shown);
  pages_->setCurrentIndex(shown);

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("RakenneKuva"));
  picture_->setFixedSize(kPictureWidth, kPictureHeight);
  picture_->setFrameShape(QFrame::Panel);
  picture_->setFrameShadow(QFrame::Sunken);

  LayOutPagesPictureAndButtons(
      this, pages_, picture_, [this] { OkClicked(); }, [this] { HelpClicked(); });

  Fill();
  setWindowTitle(Q(view_.caption));
}

QWidget* TRakenneFRM::BuildMemberTab() {
  auto* tab = new QWidget;
  auto* form = new QFormLayout(tab);
  memberName_ = NameEdit(tab, "Edit1");
  length_ = ValueCombo(tab, "ComboBox2", view_.lengthItems);
  angle_ = ValueCombo(tab, "ComboBox3", view_.angleItems);
  ridgeBox_ = new QCheckBox(QString::fromUtf8(kRidgeCheckCaption), tab);
  ridgeBox_->setObjectName(QStringLiteral("CheckBox1"));
  ridge_ = ValueCombo(tab, "ComboBox4", {});
  loadWidth_ = ValueCombo(tab, "ComboBox5", view_.loadWidthItems);
  ridgeLabel_ = Caption(tab, kLabelRidge);
  loadWidthLabel_ = Caption(tab, kLabelLoadWidth);
  form->addRow(Caption(tab, kLabelMemberName), memberName_);
  form->addRow(Caption(tab, kLabelLength), length_);
  form->addRow(Caption(tab, kLabelAngle), angle_);
  form->addRow(ridgeBox_);
  form->addRow(ridgeLabel_, ridge_);
  form->addRow(loadWidthLabel_, loadWidth_);
  connect(ridgeBox_, &QCheckBox::toggled, this, [this](bool on) { RidgeToggled(on); });
  return tab;
}

QWidget* TRakenneFRM::BuildSupportTab() {
  auto* tab = new QWidget;
  auto* form = new QFormLayout(tab);
  supportName_ = NameEdit(tab, "Edit11");
  supportType_ = new QComboBox(tab);
  supportType_->setObjectName(QStringLiteral("ComboBox12"));
  for (const auto& item : view_.supportTypeItems) supportType_->addItem(Q(item));
  supportX_ = ValueCombo(tab, "ComboBox13", view_.positionItems);
  form->addRow(Caption(tab, kLabelSupportName), supportName_);
  form->addRow(Caption(tab, kLabelSupportType), supportType_);
  form->addRow(Caption(tab, kLabelSupportX), supportX_);
  connect(supportType_, &QComboBox::currentIndexChanged, this,
          [this](int item) { SupportTypeChanged(item); });
  return tab;
}

QWidget* TRakenneFRM::BuildHingeTab() {
  auto* tab = new QWidget;
  auto* form = new QFormLayout(tab);
  hingeName_ = NameEdit(tab, "Edit21");
  hingeX_ = ValueCombo(tab, "ComboBox22", view_.positionItems);
  form->addRow(Caption(tab, kLabelHingeName), hingeName_);
  form->addRow(Caption(tab, kLabelHingeX), hingeX_);
  return tab;
}

void TRakenneFRM::Fill() {
  const int mode = view_.state.mode;
  if (mode == kRakenneSupport) {
    supportName_->setText(Q(view_.name));
    supportType_->setCurrentIndex(view_.supportType);
    supportX_->setCurrentText(Q(view_.position));
  } else if (mode == kRakenneHinge) {
    hingeName_->setText(Q(view_.name));
    hingeX_->setCurrentText(Q(view_.position));
  } else {
    memberName_->setText(Q(view_.name));
    length_->setCurrentText(Q(view_.length));
    angle_->setCurrentText(Q(view_.angle));
    ridgeBox_->setChecked(view_.ridgeChecked);
    ridgeBox_->setVisible(view_.ridgeCheckBoxVisible);
    ridge_->setCurrentText(Q(view_.ridge));
    ridge_->setVisible(view_.ridgeVisible);
    ridgeLabel_->setVisible(view_.ridgeVisible);
    loadWidth_->setCurrentText(Q(view_.loadWidth));
    loadWidth_->setVisible(view_.loadWidthVisible);
    loadWidthLabel_->setVisible(view_.loadWidthVisible);
  }
  ShowImage(view_.image);
}

void TRakenneFRM::ShowImage(int image) {
  image_ = image;
  picture_->setPixmap(RakenneOhjeKuva(image, picture_->size()));
  picture_->setToolTip(Q(RakenneImageName(image)));
}

void TRakenneFRM::RidgeToggled(bool on) {
  ridge_->setVisible(on);
  ridgeLabel_->setVisible(on);
  if (on) ridge_->setCurrentText(QString::fromUtf8(kRidgeTickedText));
}

void TRakenneFRM::SupportTypeChanged(int item) {
  if (view_.state.mode == kRakenneSupport) ShowImage(RakenneImage(kRakenneSupport, item));
}

RakenneDialogInput TRakenneFRM::Input() const {
  RakenneDialogInput in;
  switch (view_.state.mode) {
    case kRakenneSupport:
      in.name = S(supportName_->text());
      in.supportType = supportType_->currentIndex();
      in.position = S(supportX_->currentText());
      break;
    case kRakenneHinge:
      in.name = S(hingeName_->text());
      in.position = S(hingeX_->currentText());
      break;
    default:
      in.name = S(memberName_->text());
      in.length = S(length_->currentText());
      in.angle = S(angle_->currentText());
      in.ridgeChecked = ridgeBox_->isChecked();
      in.ridge = S(ridge_->currentText());
      in.loadWidth = S(loadWidth_->currentText());
      break;
  }
  return in;
}

void TRakenneFRM::FocusField(RakenneField field) {
  QWidget* target = nullptr;
  const int mode = view_.state.mode;
  switch (field) {
    case RakenneField::kName:
      target = mode == kRakenneSupport ? static_cast<QWidget*>(supportName_)
               : mode == kRakenneHinge ? static_cast<QWidget*>(hingeName_)
                                       : static_cast<QWidget*>(memberName_);
      break;
    case RakenneField::kLength:
      target = length_;
      break;
    case RakenneField::kAngle:
      target = angle_;
      break;
    case RakenneField::kRidge:
      target = ridge_;
      break;
    case RakenneField::kLoadWidth:
      target = loadWidth_;
      break;
    case RakenneField::kSupportType:
      target = supportType_;
      break;
    case RakenneField::kPosition:
      target = mode == kRakenneHinge ? hingeX_ : supportX_;
      break;
    case RakenneField::kNone:
      break;
  }
  if (target) target->setFocus();
}

bool TRakenneFRM::OkClicked() {
  const RakenneDialogInput input = Input();
  RakenneAnswers answers;
  for (int round = 0; round < kMaxStoreRounds; ++round) {
    const RakenneStoreResult r = StoreRakenne(*ui_.project, view_.state, input, answers);
    if (r.status == RakenneStoreStatus::kStored) {
      accept();
      return true;
    }
    if (r.status == RakenneStoreStatus::kInvalid) {
      ui_.messages->Inform(r.error.message, r.error.caption, MessageIcon::Information);
      FocusField(r.error.field);
      return false;
    }
    const int yes = ui_.messages->AskYesNo(r.questionText, r.questionCaption) ? 1 : 0;
    if (r.question == RakenneQuestion::kMoveEndSupport)
      answers.moveEndSupport = yes;
    else if (r.question == RakenneQuestion::kLengthenLoads)
      answers.lengthenLoads = yes;
    else
      return false;
  }
  return false;
}

void TRakenneFRM::HelpClicked() {
  if (ui_.help) ui_.help->Show(ui_.project->ProgramPath, view_.helpContext);
}

int TRakenneFRM::Run() { return exec() == QDialog::Accepted ? 1 : 0; }

}  // namespace qv
