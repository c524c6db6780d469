// The table of every section designed, lightest first; sortable by any column.
#include "ui/SectionSweepDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "pagelogic/SweepTable.h"
#include "project/QELVUX_data.h"
#include "ui/Messages.h"
#include "ui/Widgets.h"

namespace qv {

namespace {

// Numbers sort by their value, texts by their text.
constexpr int kSortRole = Qt::UserRole + 1;
// The row of the sweep an item belongs to, whatever the sorting.
constexpr int kRowRole = Qt::UserRole + 2;

class SweepItem : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant a = data(kSortRole);
    const QVariant b = other.data(kSortRole);
    if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
    if (a.isValid() != b.isValid()) return a.isValid();  // an unknown number after the known
    return QTableWidgetItem::operator<(other);
  }
};

}  // namespace

SectionSweepDialog::SectionSweepDialog(const UiContext& ui, QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("KaikkiPoikkileikkauksetFRM"));
  setWindowTitle(QStringLiteral("Kaikki poikkileikkaukset"));
  orderLabel_ = new QLabel(this);
  verdictLabel_ = new QLabel(this);
  verdictLabel_->setObjectName(QStringLiteral("KevyinL"));
  verdictLabel_->setWordWrap(true);
  allLibraries_ = new QCheckBox(QStringLiteral("Kaikki kirjastot"), this);
  allLibraries_->setObjectName(QStringLiteral("KaikkiKirjastotCheck"));
  SetHint(allLibraries_,
          "Kaikki kirjastot|Mitoittaa myös ohjelman datakansion muiden kirjastojen "
          "poikkileikkaukset");
  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("PoikkileikkausTaulukko"));
  table_->setColumnCount(kSweepColumnCount);
  QStringList headers;
  for (const std::string& h : SweepHeaders()) headers << Q(h);
  table_->setHorizontalHeaderLabels(headers);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->setAlternatingRowColors(true);
  table_->horizontalHeader()->setStretchLastSection(true);

  auto* choose = Button(this, "ValitseBTN", "Valitse");
  auto* close = NonDefaultButton(this, "SuljeBTN", "Sulje");
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(orderLabel_, 1);
  top->addWidget(allLibraries_);
  layout->addLayout(top);
  layout->addWidget(verdictLabel_);
  layout->addWidget(table_, 1);
  layout->addLayout(ButtonRow({choose, close}));
  resize(1120, 600);

  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ChooseRow(row); });
  connect(choose, &QPushButton::clicked, this, [this] { ChooseRow(table_->currentRow()); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(allLibraries_, &QCheckBox::toggled, this, [this] { Sweep(); });
  Sweep();
}

void SectionSweepDialog::Sweep() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  sweep_ = SweepSections(*ui_.project, allLibraries_->isChecked());
  QApplication::restoreOverrideCursor();
  Fill();
}

void SectionSweepDialog::Fill() {
  table_->setSortingEnabled(false);
  table_->clearContents();
  table_->setRowCount(static_cast<int>(sweep_.rows.size()));
  QFont bold = table_->font();
  bold.setBold(true);
  for (int r = 0; r < table_->rowCount(); ++r) {
    const SweepRow& row = sweep_.rows[static_cast<std::size_t>(r)];
    const std::vector<std::string> cells = SweepCells(row);
    for (int c = 0; c < kSweepColumnCount; ++c) {
      auto* item = new SweepItem(Q(cells[static_cast<std::size_t>(c)]));
      item->setData(kRowRole, r);
      if (const auto v = SweepSortValue(row, static_cast<SweepColumn>(c))) {
        item->setData(kSortRole, *v);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      }
      // The verdict is in words ("EI KELPAA"); the shade and the bold type only repeat it.
      if (!row.Passes()) item->setForeground(QColor(0x9a, 0x1c, 0x1c));
      if (row.lightestPassing || (c == static_cast<int>(SweepColumn::kVerdict) && !row.Passes()))
        item->setFont(bold);
      table_->setItem(r, c, item);
    }
  }
  table_->setSortingEnabled(true);
  table_->sortItems(static_cast<int>(sweep_.byMass ? SweepColumn::kMass : SweepColumn::kArea));
  table_->resizeColumnsToContents();
  // A long combination name must not push the library out of sight.
  const int combination = static_cast<int>(SweepColumn::kCombination);
  table_->setColumnWidth(combination, std::min(table_->columnWidth(combination), 260));
  orderLabel_->setText(Q(SweepOrderText(sweep_)));
  if (sweep_.analysisStatus != 0) {
    verdictLabel_->setText(QStringLiteral("Laskentamallia ei voitu ratkaista."));
  } else if (sweep_.lightest >= 0) {
    const SweepRow& best = sweep_.rows[static_cast<std::size_t>(sweep_.lightest)];
    verdictLabel_->setText(Q("Kevyin kelpaava: " + best.name + " (" + best.library + ")"));
    for (int r = 0; r < table_->rowCount(); ++r) {
      if (table_->item(r, 0)->data(kRowRole).toInt() == sweep_.lightest) {
        table_->selectRow(r);
        table_->scrollToItem(table_->item(r, 0), QAbstractItemView::PositionAtCenter);
      }
    }
  } else {
    verdictLabel_->setText(Q(NoPassingSectionText(sweep_)));
  }
}

bool SectionSweepDialog::ChooseRow(int tableRow) {
  if (tableRow < 0 || tableRow >= table_->rowCount() || !table_->item(tableRow, 0)) return false;
  const int r = table_->item(tableRow, 0)->data(kRowRole).toInt();
  if (r < 0 || r >= static_cast<int>(sweep_.rows.size())) return false;
  const SweepRow& row = sweep_.rows[static_cast<std::size_t>(r)];
  if (ChooseSweepRow(*ui_.project, row) != 0) {
    if (ui_.messages)
      ui_.messages->Inform(
          "Poikkileikkausta " + row.name + " ei löytynyt kirjastosta " + row.library + ".",
          kCaptionError, MessageIcon::Warning);
    return false;
  }
  accept();
  return true;
}

}  // namespace qv
