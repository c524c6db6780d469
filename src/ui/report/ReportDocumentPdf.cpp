// The calculation document written through Qt's PDF writer.
#include "ui/report/ReportDocumentPdf.h"

#include <QBuffer>
#include <QDate>
#include <QPdfWriter>
#include <QString>

#include "model/TextCodec.h"
#include "pagelogic/ReportDocument.h"
#include "ui/TpaaikkunaFRM.h"
#include "ui/report/ReportDocumentPainter.h"

namespace qv {

namespace {
constexpr int kResolution = 1200;  // device units per inch
}  // namespace

std::string PrintDateText() {
  return QDate::currentDate().toString(QStringLiteral("d.M.yyyy")).toStdString();
}

QByteArray ReportDocumentPdfBytes(QELVUX_data& project, const QFont& font,
                                  const std::vector<double>& tabStopsPt, int* pageCount) {
  const ReportDocument doc = BuildReportDocument(project, kProgramTitle, PrintDateText());
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  int pages = 0;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setCreator(QString::fromUtf8(kProgramTitle));
    writer.setTitle(QString::fromStdString(doc.member));
    SetReportPageLayout(writer);
    pages = PaintReportDocument(writer, project, doc, font, tabStopsPt);
  }
  if (pageCount) *pageCount = pages;
  return buffer.data();
}

bool SaveReportDocumentPdf(const std::string& path, QELVUX_data& project, const QFont& font,
                           const std::vector<double>& tabStopsPt, std::string* error) {
  const QByteArray bytes = ReportDocumentPdfBytes(project, font, tabStopsPt);
  return ReplaceFileBytes(
      path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
}

}  // namespace qv
