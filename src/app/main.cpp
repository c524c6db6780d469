// QEL-VUX 2.0: the desktop program.
#include <QApplication>

#include "ui/ProcessHeap.h"
#include "ui/Screenshot.h"
#include "ui/TpaaikkunaFRM.h"

int main(int argc, char* argv[]) {
  qv::PrepareProcessHeap();
  QApplication app(argc, argv);
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
