// The OK / Peruuta / Ohje row that ends the program's dialogs.
#pragma once

#include <functional>

class QDialog;
class QHBoxLayout;

namespace qv {

// A right-aligned row of "OK" (default button), "Peruuta" (rejects the dialog) and "Ohje",
// with the object names tests find them by.
QHBoxLayout* MakeDialogButtonRow(QDialog* dialog, std::function<void()> onOk,
                                 std::function<void()> onHelp);

}  // namespace qv
