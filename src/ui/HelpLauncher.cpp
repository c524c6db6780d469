// Help requests and opening the manual with the desktop's default program.
#include "ui/HelpLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QString>
#include <QUrl>

#include "project/QELVUX_data.h"

namespace qv {

HelpRequest HelpRequestFor(const std::string& programPath, int context) {
  const std::string folder = QELVUX_data::FolderOf(programPath);
  return HelpRequest{folder + kHelpFileName, context, folder + kHelpPdfName};
}

bool HelpLauncher::Show(const std::string& programPath, int context) {
  const HelpRequest request = HelpRequestFor(programPath, context);
  requests_.push_back(request);
  if (!FileExists(request.pdfFile)) return false;
  return OpenDocument(request.pdfFile);
}

bool HelpLauncher::OpenDocument(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool HelpLauncher::FileExists(const std::string& path) const {
  const QFileInfo info(QString::fromStdString(path));
  return info.exists() && info.isFile();
}

}  // namespace qv
