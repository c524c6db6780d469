// Printing and print preview of the calculation document through Qt's dialogs.
#pragma once

#include <QFont>

#include <functional>
#include <vector>

class QELVUX_data;
class QPrinter;
class QWidget;

namespace qv {

// Shows a dialog for the printer: true when the user accepted it (and printing should go on).
// Tests put their own in place of the print and preview dialogs.
using PrintDialogRunner = std::function<bool(QPrinter& printer)>;

// "Tulosta...": the print dialog, then the document onto the chosen printer. False when the
// user cancelled.
bool PrintReportDocument(QWidget* parent, QELVUX_data& project, const QFont& font,
                         const std::vector<double>& tabStopsPt,
                         const PrintDialogRunner& dialog = nullptr);

// "Esikatselu...": the print preview, which paints the document each time it asks for pages.
// The runner, when given, stands in for the preview dialog: the document is painted onto its
// printer when it returns true.
void PreviewReportDocument(QWidget* parent, QELVUX_data& project, const QFont& font,
                           const std::vector<double>& tabStopsPt,
                           const PrintDialogRunner& preview = nullptr);

}  // namespace qv
