// QEL-VUX 2.0: the desktop program.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/ProcessHeap.h"
#include "ui/Screenshot.h"
#include "ui/TpaaikkunaFRM.h"

int main(int argc, char* argv[]) {
  qv::PrepareProcessHeap();
  QApplication app(argc, argv);
  // The program speaks Finnish whatever the desktop's language: Qt's own dialogs and buttons
  // too, when Qt's translations are installed (qt6-translations-l10n).
  QTranslator qtFinnish;
  if (qtFinnish.load(QStringLiteral("qtbase_fi"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtFinnish);
  const QStringList args = QApplication::arguments();
  // The first argument may name a project to open; a second one is accepted and ignored.
  qv::TpaaikkunaFRM window(QApplication::applicationFilePath().toStdString(),
                           args.size() > 1 ? args.at(1).toStdString() : std::string());
  if (const auto shot = qv::ScreenshotFromEnvironment()) {
    qv::ScheduleScreenshot(window, *shot);
    window.show();
  } else {
    window.showMaximized();
  }
  return app.exec();
}
