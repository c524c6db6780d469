// The PDF document without a window: a GUI application on the offscreen platform for the fonts
// and the painter, only for as long as the document is written.
#include "pagelogic/ReportPdfFile.h"

#include <QGuiApplication>

#include <memory>

#include "pagelogic/RtfWriter.h"
#include "ui/report/ReportDocumentPainter.h"
#include "ui/report/ReportDocumentPdf.h"

namespace qv {

bool WriteReportPdfFile(QELVUX_data& project, const std::string& path, std::string& error) {
  std::unique_ptr<QGuiApplication> app;
  if (!QCoreApplication::instance()) {
    // No display is needed or used: a script on a server writes its reports too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qelvux-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  error.clear();
  return SaveReportDocumentPdf(path, project, DefaultDocumentFont(), ReportTabStopsPt(), &error);
}

}  // namespace qv
