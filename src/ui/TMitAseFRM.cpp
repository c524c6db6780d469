// The design settings dialog over the settings pages' show, check and store functions.
#include "ui/TMitAseFRM.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "model/NumberText.h"
#include "project/QELVUX_data.h"
#include "ui/DialogButtons.h"
#include "ui/HelpLauncher.h"
#include "ui/Messages.h"
#include "ui/NumberCombo.h"
#include "ui/Widgets.h"

namespace qv {

namespace ma = mitoitusasetukset;

namespace {

QComboBox* Combo(QWidget* parent, const QString& name, const std::vector<std::string>& items,
                 bool editable) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  if (editable) MakeNumberEntry(box);
  box->setMinimumContentsLength(7);  // "Ei tarkastella" and "6000.0" whole
  for (const auto& item : items) box->addItem(Q(item));
  return box;
}

QLabel* Label(QWidget* parent, const std::string& text) { return new QLabel(Q(text), parent); }

const char kAxis[2] = {'Y', 'Z'};

QString Named(const char* before, int column, const char* after) {
  return QString::fromLatin1(before) + QLatin1Char(kAxis[column]) + QString::fromLatin1(after);
}

}  // namespace

TMitAseFRM::TMitAseFRM(const UiContext& ui, int page, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("TMitAseFRM"));
  page_ = page >= ma::kBucklingPage && page <= ma::kVibrationPage ? page : ma::kBucklingPage;
  setWindowTitle(QString::fromUtf8(ma::kCaption));

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->addTab(BuildBucklingPage(), Q(ma::PageCaption(ma::kBucklingPage)));
  pages_->addTab(BuildLtbPage(), Q(ma::PageCaption(ma::kLtbPage)));
  pages_->addTab(BuildDeflectionPage(), Q(ma::PageCaption(ma::kDeflectionPage)));
  pages_->addTab(BuildStressPage(), Q(ma::PageCaption(ma::kStressPage)));
  pages_->addTab(BuildVibrationPage(), Q(ma::PageCaption(ma::kVibrationPage)));
  for (int i = 0; i < pages_->count(); ++i) {
    pages_->setTabVisible(i, i == page_ - 1);
    // The hidden pages do not size the dialog.
    if (i != page_ - 1)
      pages_->widget(i)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  }
  pages_->setCurrentIndex(page_ - 1);

  auto* buttons = MakeDialogButtonRow(
      this, [this] { OkClicked(); }, [this] { HelpClicked(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);

  filling_ = true;
  switch (page_) {
    case ma::kLtbPage:
      ShowLtbPage();
      break;
    case ma::kDeflectionPage:
      ShowDeflectionPage();
      break;
    case ma::kStressPage:
      ShowStressPage();
      break;
    case ma::kVibrationPage:
      ShowVibrationPage();
      break;
    default:
      ShowBucklingPage();
      break;
  }
  filling_ = false;
}

qv::DesignCode TMitAseFRM::Code() const { return ui_.project->DesignCode; }

double TMitAseFRM::MemberLength() const { return ui_.project->Member.Length; }

// ---- Page 1, buckling ----

QWidget* TMitAseFRM::BuildBucklingPage() {
  auto* tab = new QWidget;
  auto* row = new QHBoxLayout(tab);
  row->addWidget(BuildBucklingColumn(tab, 0));
  row->addWidget(BuildBucklingColumn(tab, 1));
  return tab;
}

QWidget* TMitAseFRM::BuildBucklingColumn(QWidget* parent, int column) {
  auto* box = new QGroupBox(parent);
  bucklingOn_[column] =
      new QCheckBox(QString::fromUtf8(column == 0 ? "y-akselin suuntainen nurjahdus:"
                                                  : "z-akselin suuntainen nurjahdus:"),
                    box);
  bucklingOn_[column]->setObjectName(Named("", column, "nurjCheck"));
  factorMode_[column] = new QRadioButton(QString::fromUtf8(ma::kFactorLabel), box);
  factorMode_[column]->setObjectName(Named("", column, "nurjKerroinRB"));
  factorMode_[column]->setToolTip(QString::fromUtf8("Nurjahduspituus = aukon pituus x kerroin"));
  lengthMode_[column] = new QRadioButton(QString::fromUtf8(ma::kLcLabel), box);
  lengthMode_[column]->setObjectName(Named("", column, "nurjPituusRB"));
  lengthMode_[column]->setToolTip(QString::fromUtf8("Nurjahduspituus annetaan millimetreinä"));
  auto* modes = new QButtonGroup(box);
  modes->addButton(factorMode_[column], MitoitusAsetukset::kFactorMode);
  modes->addButton(lengthMode_[column], MitoitusAsetukset::kLengthMode);
  factor_[column] = Combo(box, Named("NurjKerr", column, "CB"), ma::BucklingFactorItems(), true);
  lc_[column] = Combo(box, Named("Lc", column, "CB"), {}, true);
  eccentricityLabel_[column] = Label(box, "Epäkeskisyys:");
  eccentricity_[column] = Combo(box, Named("Epak", column, "CB"), ma::EccentricityItems(), false);

  auto* grid = new QGridLayout(box);
  grid->addWidget(bucklingOn_[column], 0, 0, 1, 2);
  grid->addWidget(factorMode_[column], 1, 0);
  grid->addWidget(factor_[column], 1, 1);
  grid->addWidget(lengthMode_[column], 2, 0);
  grid->addWidget(lc_[column], 2, 1);
  grid->addWidget(eccentricityLabel_[column], 3, 0);
  grid->addWidget(eccentricity_[column], 3, 1);
  grid->setRowStretch(4, 1);
  connect(modes, &QButtonGroup::idToggled, this, [this, column](int id, bool on) {
    if (on) BucklingModeChanged(column, id);
  });
  return box;
}

void TMitAseFRM::ShowBucklingPage() {
  const ma::NurjahdusSivu p = ma::ShowBucklingPage(ui_.project->Settings);
  const bool on[2] = {p.Ynurj, p.Znurj};
  const int mode[2] = {p.YMode, p.ZMode};
  const std::string factor[2] = {p.YKerroin, p.ZKerroin};
  const std::string lc[2] = {p.YLc, p.ZLc};
  const int epak[2] = {p.YEpakItem, p.ZEpakItem};
  const bool eccentricityShown = ma::EccentricityShown(Code());
  for (int c = 0; c < 2; ++c) {
    bucklingOn_[c]->setChecked(on[c]);
    factor_[c]->setCurrentText(Q(factor[c]));
    lc_[c]->setCurrentText(Q(lc[c]));
    (mode[c] == MitoitusAsetukset::kLengthMode ? lengthMode_[c] : factorMode_[c])->setChecked(true);
    BucklingModeChanged(c, mode[c]);
    eccentricity_[c]->setCurrentIndex(epak[c]);
    eccentricity_[c]->setVisible(eccentricityShown);
    eccentricityLabel_[c]->setVisible(eccentricityShown);
  }
}

void TMitAseFRM::BucklingModeChanged(int column, int mode) {
  const bool length = mode == MitoitusAsetukset::kLengthMode;
  factor_[column]->setEnabled(!length);
  lc_[column]->setEnabled(length);
  if (filling_) return;
  if (length)
    lc_[column]->setCurrentText(Q(ma::LengthModeText(MemberLength())));
  else
    factor_[column]->setCurrentText(Q(ma::FactorModeText()));
}

// ---- Page 2, lateral-torsional buckling ----

QWidget* TMitAseFRM::BuildLtbPage() {
  auto* tab = new QWidget;
  userLk_ = new QRadioButton(
      QString::fromUtf8(
          "Käyttäjä määrittelee kiertymisen estävien sivutukien välimatkan Lk (alla):"),
      tab);
  userLk_->setObjectName(QStringLiteral("KiepahdusTuentaVali1RB"));
  spanLk_ = new QRadioButton(
      QString::fromUtf8("Ohjelma käyttää aukkomittoja kiertymisen estävien tukien välimatkoina"),
      tab);
  spanLk_->setObjectName(QStringLiteral("KiepahdusTuentaVali2RB"));
  lkLabel_ = Label(tab, ma::kLkLabel);
  lk_ = Combo(tab, QStringLiteral("LkCB"), ma::LkItems(MemberLength()), true);
  ltbFactorLabel_ = Label(tab, ma::LtbFactorLabel(Code()));
  ltbFactor_ = Combo(tab, QStringLiteral("Kk1CB"), ma::LtbFactorItems(Code()), true);
  ltbFactorSource_ = Label(tab, ma::LtbFactorSource(Code()));

  auto* grid = new QGridLayout(tab);
  grid->addWidget(userLk_, 0, 0, 1, 3);
  grid->addWidget(lkLabel_, 1, 0);
  grid->addWidget(lk_, 1, 1);
  grid->addWidget(spanLk_, 2, 0, 1, 3);
  grid->addItem(new QSpacerItem(1, 12), 3, 0);
  grid->addWidget(ltbFactorLabel_, 4, 0);
  grid->addWidget(ltbFactor_, 4, 1);
  grid->addWidget(ltbFactorSource_, 4, 2);
  if (Code() == qv::DesignCode::kEc5) {
    loadPosition_ = Combo(tab, QStringLiteral("KuormanPaikkaCB"), ma::LoadPositionItems(), false);
    grid->addWidget(Label(tab, "Kuorman paikka:"), 5, 0);
    grid->addWidget(loadPosition_, 5, 1);
  }
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(6, 1);
  connect(userLk_, &QRadioButton::toggled, this, [this](bool on) { LtbModeChanged(on); });
  return tab;
}

void TMitAseFRM::ShowLtbPage() {
  const ma::KiepahdusSivu p = ma::ShowLtbPage(ui_.project->Settings, Code(), MemberLength());
  (p.UserLk ? userLk_ : spanLk_)->setChecked(true);
  LtbModeChanged(p.UserLk);
  lk_->setCurrentText(Q(p.Lk));
  ltbFactor_->setCurrentText(Q(p.Kerroin));
  if (loadPosition_) loadPosition_->setCurrentIndex(p.LoadPosition);
}

void TMitAseFRM::LtbModeChanged(bool userLk) {
  lk_->setEnabled(userLk);
  lkLabel_->setEnabled(userLk);
  if (filling_) return;
  // The spans are used: the box shows the member length as it does on opening.
  const std::vector<std::string> items = ma::LkItems(MemberLength());
  lk_->setCurrentText(Q(userLk ? ma::LengthModeText(MemberLength()) : items.back()));
}

// ---- Page 3, deflection limits ----

QWidget* TMitAseFRM::BuildDeflectionPage() {
  auto* tab = new QWidget;
  auto* grid = new QGridLayout(tab);
  directionHeader_[0] = Label(tab, "y-suunta");
  directionHeader_[1] = Label(tab, "z-suunta");
  grid->addWidget(directionHeader_[0], 0, 1, 1, 2, Qt::AlignHCenter);
  grid->addWidget(directionHeader_[1], 0, 3, 1, 2, Qt::AlignHCenter);
  for (int col = 0; col < 2; ++col) {
    kindHeader_[col][0] = Label(tab, "Suhteellinen:");
    kindHeader_[col][1] = Label(tab, ma::kAbsoluteLabel);
    grid->addWidget(kindHeader_[col][0], 1, 1 + 2 * col);
    grid->addWidget(kindHeader_[col][1], 1, 2 + 2 * col);
  }
  for (int c = 0; c < 3; ++c) {
    rowLabel_[c] = Label(tab, ma::DeflectionRowLabel(qv::DesignCode::kEc5Env, c + 1));
    grid->addWidget(rowLabel_[c], 2 + c, 0);
    for (int col = 0; col < 2; ++col) {
      const QString n = QString::number(c + 1);
      relative_[c][col] = Combo(tab, Named("", col, "lperehto") + n + QStringLiteral("CB"),
                                ma::RelativeLimitItems(), false);
      absolute_[c][col] = Combo(tab, Named("", col, "absoluuttinen") + n + QStringLiteral("CB"),
                                {ma::kNotChecked}, true);
      grid->addWidget(relative_[c][col], 2 + c, 1 + 2 * col);
      grid->addWidget(absolute_[c][col], 2 + c, 2 + 2 * col);
    }
  }
  cantilever_ = Combo(tab, QStringLiteral("UlokeKerroinCB"), ma::CantileverFactorItems(), true);
  grid->addItem(new QSpacerItem(1, 12), 5, 0);
  grid->addWidget(Label(tab, ma::kCantileverLabel), 6, 0, 1, 3);
  grid->addWidget(cantilever_, 6, 3);
  grid->setRowStretch(7, 1);
  return tab;
}

void TMitAseFRM::ShowDeflectionPage() {
  const ma::SiirtymaSivu p = ma::ShowDeflectionPage(ui_.project->Settings, Code());
  const int rows = ma::DeflectionRowsShown(Code());
  for (int c = 0; c < 3; ++c) {
    const bool shown = c < rows;
    rowLabel_[c]->setText(Q(ma::DeflectionRowLabel(Code(), c + 1)));
    rowLabel_[c]->setVisible(shown);
    for (int col = 0; col < 2; ++col) {
      relative_[c][col]->setCurrentIndex(p.RelItem[c][col]);
      absolute_[c][col]->setCurrentText(Q(p.Abs[c][col]));
      // Code 4 has one L/x per deflection for both directions and no absolute limit.
      const bool ec5 = Code() == qv::DesignCode::kEc5;
      relative_[c][col]->setVisible(shown && !(ec5 && col == 1));
      absolute_[c][col]->setVisible(shown && !ec5);
    }
  }
  cantilever_->setCurrentText(Q(p.UlokeKerroin));
  const bool ec5 = Code() == qv::DesignCode::kEc5;
  directionHeader_[0]->setText(QString::fromUtf8(ec5 ? "y- ja z-suunta" : "y-suunta"));
  directionHeader_[1]->setVisible(!ec5);
  kindHeader_[1][0]->setVisible(!ec5);
  for (int col = 0; col < 2; ++col) kindHeader_[col][1]->setVisible(!ec5);
}

// ---- Page 4, stresses ----

QWidget* TMitAseFRM::BuildStressPage() {
  auto* tab = new QWidget;
  stressLabel_ = Label(tab, ma::StressFactorLabel(Code()));
  stressFactor_ = Combo(tab, QStringLiteral("JannKerroinCB"), ma::StressFactorItems(Code()), true);
  auto* grid = new QGridLayout(tab);
  grid->addWidget(stressLabel_, 0, 0);
  grid->addWidget(stressFactor_, 0, 1);
  if (Code() == qv::DesignCode::kEc5) {
    kc90_ = Combo(tab, QStringLiteral("Kc90CB"), ma::Kc90Items(), true);
    grid->addWidget(Label(tab, ma::kKc90Label), 1, 0);
    grid->addWidget(kc90_, 1, 1);
  }
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(2, 1);
  return tab;
}

void TMitAseFRM::ShowStressPage() {
  stressFactor_->setCurrentText(Q(ma::StressFactorText(StressFactor())));
  // Code 4 takes gamma_M of the material's family from its table.
  stressFactor_->setEnabled(Code() != qv::DesignCode::kEc5);
  if (kc90_) kc90_->setCurrentText(Q(qv::FormatFixed(ui_.project->Settings.ec5.kc90, 2)));
}

// ---- Page 5, floor vibration (design code 4) ----

QWidget* TMitAseFRM::BuildVibrationPage() {
  static const char* const kNames[ma::kVibrationFieldCount] = {
      "LattianLeveysCB", "PoikkiJaykkyysCB", "MassaCB",      "VaimennusCB",
      "NopeusKantaCB",   "TaipumarajaCB",    "TaajuusrajaCB"};
  auto* tab = new QWidget;
  auto* grid = new QGridLayout(tab);
  const ma::VibrationFieldText* texts = ma::VibrationFieldTexts();
  for (int i = 0; i < ma::kVibrationFieldCount; ++i) {
    std::vector<std::string> items;
    if (i == 2) items.push_back(ma::kDerivedMass);
    vibration_[i] = Combo(tab, QString::fromLatin1(kNames[i]), items, true);
    grid->addWidget(Label(tab, texts[i].label), i, 0);
    grid->addWidget(vibration_[i], i, 1);
    grid->addWidget(Label(tab, texts[i].unit), i, 2);
    auto* note = Label(tab, texts[i].note);
    note->setEnabled(false);  // greyed: a remark, not an input
    grid->addWidget(note, i, 3);
  }
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(ma::kVibrationFieldCount, 1);
  return tab;
}

void TMitAseFRM::ShowVibrationPage() {
  const ma::VarahtelySivu p = ma::ShowVibrationPage(ui_.project->Settings.ec5.vibration);
  const std::string* texts[ma::kVibrationFieldCount] = {
      &p.LattianLeveys, &p.PoikkiJaykkyys, &p.Massa,      &p.Vaimennus,
      &p.NopeusKanta,   &p.Taipumaraja,    &p.Taajuusraja};
  for (int i = 0; i < ma::kVibrationFieldCount; ++i) vibration_[i]->setCurrentText(Q(*texts[i]));
}

double TMitAseFRM::StressFactor() const {
  const MateriaaliTiedot& m = ui_.project->Materials;
  switch (Code()) {
    case qv::DesignCode::kAllowableStress:
      return m.AllowableRaiseFactor();
    case qv::DesignCode::kLimitState:
      return m.LimitStatePartialFactor();
    case qv::DesignCode::kEc5Env:
      return m.Ec5PartialFactor();
    case qv::DesignCode::kEc5: {
      // Read from the table, shown only.
      const int material = m.Material(qv::DesignCode::kEc5);
      const qv::Ec5FamilyValues* family =
          material >= 1 ? m.Ec5Extra().FamilyOf(static_cast<std::size_t>(material) - 1) : nullptr;
      return family ? family->gammaM : 0.0;
    }
  }
  return m.LimitStatePartialFactor();
}

void TMitAseFRM::SetStressFactor(double value) {
  MateriaaliTiedot& m = ui_.project->Materials;
  switch (Code()) {
    case qv::DesignCode::kAllowableStress:
      m.SetAllowableRaiseFactor(value);
      break;
    case qv::DesignCode::kLimitState:
      m.SetLimitStatePartialFactor(value);
      break;
    case qv::DesignCode::kEc5Env:
      m.SetEc5PartialFactor(value);
      break;
    case qv::DesignCode::kEc5:
      break;  // gamma_M is the table's
  }
}

// ---- OK, help ----

std::string TMitAseFRM::StoreShownPage() {
  MitoitusAsetukset& settings = ui_.project->Settings;
  switch (page_) {
    case ma::kVibrationPage: {
      ma::VarahtelySivu p;
      std::string* texts[ma::kVibrationFieldCount] = {
          &p.LattianLeveys, &p.PoikkiJaykkyys, &p.Massa,      &p.Vaimennus,
          &p.NopeusKanta,   &p.Taipumaraja,    &p.Taajuusraja};
      for (int i = 0; i < ma::kVibrationFieldCount; ++i)
        *texts[i] = S(vibration_[i]->currentText());
      return ma::StoreVibrationPage(p, settings.ec5.vibration);
    }
    case ma::kLtbPage: {
      ma::KiepahdusSivu p;
      p.UserLk = userLk_->isChecked();
      p.Lk = S(lk_->currentText());
      p.Kerroin = S(ltbFactor_->currentText());
      if (loadPosition_) p.LoadPosition = loadPosition_->currentIndex();
      return ma::StoreLtbPage(p, Code(), settings);
    }
    case ma::kDeflectionPage: {
      ma::SiirtymaSivu p;
      for (int c = 0; c < 3; ++c) {
        for (int col = 0; col < 2; ++col) {
          p.RelItem[c][col] = relative_[c][col]->currentIndex();
          p.Abs[c][col] = S(absolute_[c][col]->currentText());
        }
      }
      p.UlokeKerroin = S(cantilever_->currentText());
      return ma::StoreDeflectionPage(p, Code(), settings);
    }
    case ma::kStressPage: {
      double value = 0.0;
      // Code 4's gamma_M is shown, not typed.
      std::string msg =
          Code() == qv::DesignCode::kEc5
              ? std::string()
              : ma::ValidateStressFactor(S(stressFactor_->currentText()), Code(), value);
      double kc90 = settings.ec5.kc90;
      if (msg.empty() && kc90_) msg = ma::ValidateKc90(S(kc90_->currentText()), kc90);
      if (!msg.empty()) return msg;
      SetStressFactor(value);
      settings.ec5.kc90 = kc90;
      return msg;
    }
    default: {
      ma::NurjahdusSivu p;
      p.Ynurj = bucklingOn_[0]->isChecked();
      p.Znurj = bucklingOn_[1]->isChecked();
      p.YMode = lengthMode_[0]->isChecked() ? MitoitusAsetukset::kLengthMode
                                            : MitoitusAsetukset::kFactorMode;
      p.ZMode = lengthMode_[1]->isChecked() ? MitoitusAsetukset::kLengthMode
                                            : MitoitusAsetukset::kFactorMode;
      p.YKerroin = S(factor_[0]->currentText());
      p.ZKerroin = S(factor_[1]->currentText());
      p.YLc = S(lc_[0]->currentText());
      p.ZLc = S(lc_[1]->currentText());
      p.YEpakItem = eccentricity_[0]->currentIndex();
      p.ZEpakItem = eccentricity_[1]->currentIndex();
      return ma::StoreBucklingPage(p, Code(), settings);
    }
  }
}

bool TMitAseFRM::OkClicked() {
  const std::string msg = StoreShownPage();
  if (!msg.empty()) {
    ui_.messages->Inform(msg, ma::kErrorCaption, MessageIcon::Information);
    return false;
  }
  accept();
  return true;
}

void TMitAseFRM::HelpClicked() {
  if (ui_.help) ui_.help->Show(ui_.project->ProgramPath, ma::HelpContext(page_));
}

int TMitAseFRM::Run() { return exec() == QDialog::Accepted ? 1 : 0; }

}  // namespace qv
