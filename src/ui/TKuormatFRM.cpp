// The load dialog over the load dialog logic.
#include "ui/TKuormatFRM.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "project/QELVUX_data.h"
#include "ui/DialogButtons.h"
#include "ui/HelpLauncher.h"
#include "ui/KuormaOhjeKuvat.h"
#include "ui/Messages.h"
#include "ui/PaintBox.h"
#include "ui/NumberCombo.h"
#include "ui/Widgets.h"

namespace qv {

namespace {

constexpr int kPictureWidth = 230;
constexpr int kPictureHeight = 180;

QString Name(const char* prefix, int number) {
  return QLatin1String(prefix) + QString::number(number);
}

QComboBox* ValueCombo(QWidget* parent, const QString& name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  MakeNumberEntry(box);
  return box;
}

// A fixed list: wide enough for its longest item ("Pystyprojektiota kohden (Y-akseli)").
QComboBox* ListCombo(QWidget* parent, const QString& name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return box;
}

// Refills a list; an editable one keeps the text typed in it.
void SetItems(QComboBox* box, const std::vector<std::string>& items, int selected = -1) {
  if (!box) return;
  const QSignalBlocker hold(box);
  const QString text = box->currentText();
  box->clear();
  for (const auto& item : items) box->addItem(Q(item));
  if (box->isEditable())
    box->setCurrentText(text);
  else
    box->setCurrentIndex(selected);
}

void SetText(QComboBox* box, const std::string& text) {
  if (!box) return;
  const QSignalBlocker hold(box);
  box->setCurrentText(Q(text));
}

QLabel* Caption(QWidget* parent, const std::string& text) { return new QLabel(Q(text), parent); }

}  // namespace

TKuormatFRM::TKuormatFRM(const UiContext& ui, int loadCase, LoadKind kind, int loadIndex,
                         QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("KuormatFRM"));
  view_ = OpenKuormaDialog(*ui_.project, loadCase, kind, loadIndex);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  static const char* const kTabs[3] = {"Pistekuormat", "Viivakuormat", "Pintakuormat"};
  for (int k = 0; k < 3; ++k)
    pages_->addTab(BuildTab(kLoadKinds[k], tabs_[k]), QString::fromUtf8(kTabs[k]));
  // Only the tab of the load's kind is there to see.
  for (int i = 0; i < pages_->count(); ++i) pages_->setTabVisible(i, i == view_.tab);
  pages_->setCurrentIndex(view_.tab);

  picture_ = new PaintBox(this);
  picture_->setObjectName(QStringLiteral("KuormaKuva"));
  picture_->setFixedSize(kPictureWidth, kPictureHeight);
  picture_->SetDrawFunction(
      [this](Canvas& canvas, int w, int h) { DrawKuormaOhje(canvas, view_.image, w, h); });

  LayOutPagesPictureAndButtons(
      this, pages_, picture_, [this] { OkClicked(); }, [this] { HelpClicked(); });

  Fill();
  setWindowTitle(Q(view_.caption));
}

QWidget* TKuormatFRM::BuildTab(LoadKind kind, Tab& tab) {
  // Point loads: Edit1, ComboBox2 .. ComboBox6; line loads Edit11, ComboBox12 .. 18; surface
  // loads Edit21, ComboBox22 .. 28.
  const int base = (ToInt(kind) - 1) * 10;
  const bool point = kind == LoadKind::kPoint;
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  tab.name = new QLineEdit(page);
  tab.name->setObjectName(Name("Edit", base + 1));
  tab.name->setMaxLength(kKuormaNameMaxChars);
  tab.type = ListCombo(page, Name("ComboBox", base + 2));
  tab.direction = ListCombo(page, Name("ComboBox", base + 3));
  form->addRow(Caption(page, kLabelKuormaName), tab.name);
  form->addRow(tab.type);
  form->addRow(tab.direction);
  const int first = point ? base + 4 : base + 5;
  if (!point) {
    tab.referenceLabel = Caption(page, kLabelKuormaReference);
    tab.reference = ListCombo(page, Name("ComboBox", base + 4));
    form->addRow(tab.referenceLabel, tab.reference);
  }
  tab.x1Label = Caption(page, point ? kLabelKuormaPointX1 : kLabelKuormaStartX1);
  tab.x1 = ValueCombo(page, Name("ComboBox", first));
  form->addRow(tab.x1Label, tab.x1);
  if (!point) {
    tab.x2Label = Caption(page, kLabelKuormaEndX2);
    tab.x2 = ValueCombo(page, Name("ComboBox", first + 1));
    form->addRow(tab.x2Label, tab.x2);
  }
  tab.q1Label = Caption(page, std::string());
  tab.q1 = ValueCombo(page, Name("ComboBox", point ? first + 1 : first + 2));
  form->addRow(tab.q1Label, tab.q1);
  if (!point) {
    tab.q2Label = Caption(page, std::string());
    tab.q2 = ValueCombo(page, Name("ComboBox", first + 3));
    form->addRow(tab.q2Label, tab.q2);
  }
  if (point) BuildCopyRow(page, form);

  // Only the shown tab's inputs drive the dialog.
  const int index = ToInt(kind) - 1;
  connect(tab.type, &QComboBox::currentIndexChanged, this, [this, index](int item) {
    if (index == view_.tab) TypeChanged(item);
  });
  connect(tab.direction, &QComboBox::currentIndexChanged, this, [this, index](int item) {
    if (index == view_.tab) DirectionChanged(item);
  });
  if (tab.reference) {
    connect(tab.reference, &QComboBox::currentIndexChanged, this, [this, index](int item) {
      if (index == view_.tab) ReferenceChanged(item);
    });
  }
  connect(tab.q1, &QComboBox::editTextChanged, this, [this, index](const QString& text) {
    if (index == view_.tab) Q1Edited(text);
  });
  return page;
}

void TKuormatFRM::BuildCopyRow(QWidget* page, QFormLayout* form) {
  copyBox_ = new QCheckBox(QString::fromUtf8(kKuormaCopyCaption), page);
  copyBox_->setObjectName(QStringLiteral("KopioiPisteKuormatCheck"));
  spacing_ = ValueCombo(page, QStringLiteral("ComboBox6"));
  form->addRow(copyBox_, spacing_);
  connect(copyBox_, &QCheckBox::toggled, this, [this](bool on) { CopyToggled(on); });
}

void TKuormatFRM::Fill() {
  Tab& t = Current();
  t.name->setText(Q(view_.name));
  SetItems(t.type, view_.typeItems, view_.type);
  SetItems(t.x1, view_.positionItems);
  SetText(t.x1, view_.x1);
  SetItems(t.x2, view_.positionItems);
  SetText(t.x2, view_.x2);
  ShowLists();
  SetText(t.q1, view_.q1);
  SetText(t.q2, view_.q2);
  if (view_.state.kind == LoadKind::kPoint) {
    copyBox_->setVisible(view_.copyVisible);
    spacing_->setVisible(view_.copyVisible);
    {
      const QSignalBlocker hold(copyBox_);
      copyBox_->setChecked(view_.copyChecked);
    }
    SetItems(spacing_, view_.spacingItems);
    SetText(spacing_, view_.spacing);
    spacing_->setEnabled(view_.spacingEnabled);
  }
}

// Labels, value lists, direction items, reference and picture as the view has them now.
void TKuormatFRM::ShowLists() {
  Tab& t = Current();
  t.q1Label->setText(Q(view_.q1Label));
  if (t.q2Label) t.q2Label->setText(Q(view_.q2Label));
  SetItems(t.q1, view_.valueItems);
  SetItems(t.q2, view_.valueItems);
  SetItems(t.direction, view_.directionItems, view_.direction);
  ShowReference();
}

void TKuormatFRM::ShowReference() {
  Tab& t = Current();
  if (t.reference) {
    SetItems(t.reference, view_.referenceItems, view_.reference);
    t.reference->setVisible(view_.referenceVisible);
    t.referenceLabel->setVisible(view_.referenceVisible);
  }
  picture_->update();
  picture_->setToolTip(Q(KuormaImageName(view_.image)));
}

void TKuormatFRM::TypeChanged(int type) {
  ChangeKuormaType(*ui_.project, view_, type);
  ShowLists();
}

void TKuormatFRM::DirectionChanged(int direction) {
  ChangeKuormaDirection(view_, direction);
  ShowReference();
}

void TKuormatFRM::ReferenceChanged(int reference) {
  ChangeKuormaReference(view_, reference);
  picture_->update();
  picture_->setToolTip(Q(KuormaImageName(view_.image)));
}

void TKuormatFRM::Q1Edited(const QString& text) {
  ChangeKuormaQ1(view_, S(text));
  if (Current().q2) SetText(Current().q2, view_.q2);
}

void TKuormatFRM::CopyToggled(bool on) {
  SetKuormaCopy(view_, on);
  spacing_->setEnabled(view_.spacingEnabled);
}

// The typed texts into the view; the choices are already there through their handlers.
void TKuormatFRM::TakeTexts() {
  Tab& t = Current();
  view_.name = S(t.name->text());
  view_.x1 = S(t.x1->currentText());
  if (t.x2) view_.x2 = S(t.x2->currentText());
  view_.q1 = S(t.q1->currentText());
  if (t.q2) view_.q2 = S(t.q2->currentText());
  if (view_.state.kind == LoadKind::kPoint) {
    // An existing load has no copies, whatever the hidden box says.
    view_.copyChecked = view_.copyVisible && copyBox_->isChecked();
    view_.spacing = S(spacing_->currentText());
  }
}

void TKuormatFRM::FocusField(KuormaField field) {
  Tab& t = Current();
  QWidget* target = nullptr;
  switch (field) {
    case KuormaField::kName:
      target = t.name;
      break;
    case KuormaField::kX1:
      target = t.x1;
      break;
    case KuormaField::kX2:
      target = t.x2;
      break;
    case KuormaField::kQ1:
      target = t.q1;
      break;
    case KuormaField::kQ2:
      target = t.q2;
      break;
    case KuormaField::kSpacing:
      target = spacing_;
      break;
    case KuormaField::kNone:
      break;
  }
  if (target) target->setFocus();
}

bool TKuormatFRM::OkClicked() {
  TakeTexts();
  const KuormaStoreResult r = StoreKuorma(*ui_.project, view_.state, InputFromView(view_));
  if (r.stored) {
    if (!r.combinationProblem.empty())
      ui_.messages->Inform(r.combinationProblem, "VIRHE", MessageIcon::Warning);
    accept();
    return true;
  }
  ui_.messages->Inform(r.error.message, r.error.caption, MessageIcon::Information);
  FocusField(r.error.field);
  return false;
}

void TKuormatFRM::HelpClicked() {
  if (ui_.help) ui_.help->Show(ui_.project->ProgramPath, view_.helpContext);
}

int TKuormatFRM::Run() { return exec() == QDialog::Accepted ? 1 : 0; }

}  // namespace qv
