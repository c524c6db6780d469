// Help requests, the manual section of each context, and opening the manual window.
#include "ui/HelpLauncher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QUrl>

#include "project/QELVUX_data.h"
#include "ui/HelpWindow.h"
#include "ui/ManualDocument.h"
#include "ui/Messages.h"

namespace qv {

namespace {

constexpr const char* kManualMissing = "Käyttöohjetta ei löytynyt: ";

// Anchors of README headings (GitHub's form, so the README's own links agree).
constexpr const char* kGuide = "user-guide";
constexpr const char* kMenus = "menus-and-the-top-panel";
constexpr const char* kRakenne = "rakenne--the-member-its-supports-and-hinges";
constexpr const char* kKuormitus = "kuormitus--loads-load-cases-and-combinations";
constexpr const char* kMitoitus = "mitoitus--the-design";
constexpr const char* kTulokset =
    "voimasuure-ja-siirtymäkäyrät--internal-forces-deflections-and-reactions";
constexpr const char* kTulostiedosto = "tulostiedosto--the-report";
constexpr const char* kVarahtely = "floor-vibration-of-joists-värähtelytarkastelu";

}  // namespace

std::string HelpAnchor(int context) {
  struct Section {
    int first, last;
    const char* anchor;
  };
  // The start page opens the guide's start (its workflow); the others their own section.
  static const Section sections[] = {
      {100, 100, kGuide},
      {101, 101, kKuormitus},
      {102, 102, kMitoitus},
      {103, 103, kTulokset},
      {106, 106, kTulostiedosto},
      {321, 324, kRakenne},    // member, support, hinge, project information
      {331, 336, kKuormitus},  // load dialog by kind, load cases and combinations
      {341, 344, kMitoitus},   // design settings pages
      {345, 345, kVarahtely},  // its floor vibration page (design code 4)
      {370, 370, kMenus},      // section library ("Tietokannat → Poikkileikkaukset...")
  };
  for (const Section& s : sections)
    if (context >= s.first && context <= s.last) return s.anchor;
  return kGuide;
}

HelpRequest HelpRequestFor(const std::string& programPath, int context) {
  // Clean, so that a message names an installed manual without "bin/../".
  const std::string manual =
      QDir::cleanPath(QString::fromStdString(QELVUX_data::DataFolderFor(programPath) +
                                             kManualFolder + kManualFileName))
          .toStdString();
  return HelpRequest{QELVUX_data::FolderOf(programPath) + kHelpFileName, context, manual,
                     HelpAnchor(context)};
}

bool HelpLauncher::Show(const std::string& programPath, int context) {
  const HelpRequest request = HelpRequestFor(programPath, context);
  requests_.push_back(request);
  if (!FileExists(request.manualFile)) {
    if (messages_)
      messages_->Inform(kManualMissing + request.manualFile, kCaptionFileError,
                        MessageIcon::Warning);
    return false;
  }
  return ShowManual(request.manualFile, request.anchor);
}

bool HelpLauncher::ShowManual(const std::string& path, const std::string& anchor) {
  // Over a modal dialog the window must belong to it, or the dialog would block it.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = QApplication::activeWindow();
  auto* window = qobject_cast<HelpWindow*>(owner);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* help = qobject_cast<HelpWindow*>(w);
    if (!window && help && help->parentWidget() == owner) window = help;
  }
  if (!window) window = new HelpWindow(owner);
  window->Open(QString::fromStdString(path), QString::fromStdString(anchor));
  return true;
}

bool HelpLauncher::OpenDocument(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool HelpLauncher::FileExists(const std::string& path) const {
  const QFileInfo info(QString::fromStdString(path));
  return info.exists() && info.isFile();
}

}  // namespace qv
