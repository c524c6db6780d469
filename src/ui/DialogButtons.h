// The OK / Peruuta / Ohje row that ends the program's dialogs.
#pragma once

#include <functional>

class QDialog;
class QHBoxLayout;
class QWidget;

namespace qv {

// A right-aligned row of "OK" (default button), "Peruuta" (rejects the dialog) and "Ohje",
// with the object names tests find them by.
QHBoxLayout* MakeDialogButtonRow(QDialog* dialog, std::function<void()> onOk,
                                 std::function<void()> onHelp);

// The member and load dialogs' layout: the pages with the picture beside them at the top,
// and the OK / Peruuta / Ohje row below.
void LayOutPagesPictureAndButtons(QDialog* dialog, QWidget* pages, QWidget* picture,
                                  std::function<void()> onOk, std::function<void()> onHelp);

}  // namespace qv
