// "Kaikki poikkileikkaukset": every section of the library designed, in a sortable table; a
// double click chooses a section.
#pragma once

#include <QDialog>

#include "design/SectionSweep.h"
#include "ui/ProjectPage.h"

class QCheckBox;
class QLabel;
class QTableWidget;

namespace qv {

class SectionSweepDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SectionSweepDialog(const UiContext& ui, QWidget* parent = nullptr);

  // Designs every section (of every library when "Kaikki kirjastot" is ticked) and fills the
  // table, lightest first.
  void Sweep();
  // The section of a table row (as the table is sorted now) becomes the project's and the
  // dialog closes with Accepted. False, with a box, when its library could not be read.
  bool ChooseRow(int tableRow);

  const SectionSweep& Result() const { return sweep_; }
  QTableWidget* Table() const { return table_; }
  QCheckBox* AllLibrariesBox() const { return allLibraries_; }

 private:
  void Fill();

  UiContext ui_;
  SectionSweep sweep_;
  QLabel* orderLabel_ = nullptr;
  QLabel* verdictLabel_ = nullptr;
  QCheckBox* allLibraries_ = nullptr;
  QTableWidget* table_ = nullptr;
};

}  // namespace qv
