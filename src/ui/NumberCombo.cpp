// Editable combo boxes that keep what the user typed.
#include "ui/NumberCombo.h"

#include <QComboBox>

namespace qv {

void MakeNumberEntry(QComboBox* box) {
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
}

}  // namespace qv
