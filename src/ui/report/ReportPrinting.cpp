// The document on paper: Qt's print and preview dialogs over the document painter.
#include "ui/report/ReportPrinting.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "pagelogic/ReportDocument.h"
#include "ui/TpaaikkunaFRM.h"
#include "ui/report/ReportDocumentPainter.h"
#include "ui/report/ReportDocumentPdf.h"

namespace qv {

namespace {

void Paint(QPrinter& printer, QELVUX_data& project, const QFont& font,
           const std::vector<double>& tabStopsPt) {
  const ReportDocument doc = BuildReportDocument(project, kProgramTitle, PrintDateText());
  PaintReportDocument(printer, project, doc, font, tabStopsPt);
}

}  // namespace

bool PrintReportDocument(QWidget* parent, QELVUX_data& project, const QFont& font,
                         const std::vector<double>& tabStopsPt, const PrintDialogRunner& dialog) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("QEL-VUX"));
  SetReportPageLayout(printer);
  bool accepted = false;
  if (dialog) {
    accepted = dialog(printer);
  } else {
    QPrintDialog chooser(&printer, parent);
    chooser.setWindowTitle(QStringLiteral("Tulosta"));
    accepted = chooser.exec() == QDialog::Accepted;
  }
  if (!accepted) return false;
  Paint(printer, project, font, tabStopsPt);
  return true;
}

void PreviewReportDocument(QWidget* parent, QELVUX_data& project, const QFont& font,
                           const std::vector<double>& tabStopsPt,
                           const PrintDialogRunner& preview) {
  QPrinter printer(QPrinter::HighResolution);
  SetReportPageLayout(printer);
  if (preview) {
    if (preview(printer)) Paint(printer, project, font, tabStopsPt);
    return;
  }
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Esikatselu"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&](QPrinter* p) { Paint(*p, project, font, tabStopsPt); });
  dialog.exec();
}

}  // namespace qv
