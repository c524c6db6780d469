// Grabbing the main window to a PNG after start-up.
#include "ui/Screenshot.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "project/QELVUX_data.h"
#include "ui/StructurePage.h"
#include "ui/TRakenneFRM.h"
#include "ui/TpaaikkunaFRM.h"

namespace qv {

namespace {

constexpr int kSettleMs = 400;

int EnvInt(const char* name, int fallback) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(name, &ok);
  return ok ? v : fallback;
}

}  // namespace

std::optional<ScreenshotRequest> ScreenshotFromEnvironment() {
  const QString file = qEnvironmentVariable("QELVUX_SCREENSHOT");
  if (file.isEmpty()) return std::nullopt;
  ScreenshotRequest r;
  r.file = file.toStdString();
  r.page = EnvInt("QELVUX_SCREENSHOT_PAGE", 0);
  r.select = EnvInt("QELVUX_SCREENSHOT_SELECT", -2);
  r.dialogMode = EnvInt("QELVUX_SCREENSHOT_DIALOG", 0);
  r.dialogPoint = EnvInt("QELVUX_SCREENSHOT_POINT", -1);
  r.menu = qEnvironmentVariable("QELVUX_SCREENSHOT_MENU").toStdString();
  r.question = EnvInt("QELVUX_SCREENSHOT_QUESTION", 0) == 1;
  const QStringList size = qEnvironmentVariable("QELVUX_SCREENSHOT_SIZE").split(QLatin1Char('x'));
  if (size.size() == 2) {
    const int w = size[0].toInt(), h = size[1].toInt();
    if (w > 100 && h > 100) {
      r.width = w;
      r.height = h;
    }
  }
  return r;
}

void ScheduleScreenshot(TpaaikkunaFRM& window, const ScreenshotRequest& request) {
  window.SetAskOnClose(false);
  window.resize(request.width, request.height);
  TpaaikkunaFRM* w = &window;
  QTimer::singleShot(kSettleMs, w, [w, request] {
    if (request.page >= 0 && request.page < kMainPageCount)
      w->PageControl1()->setCurrentIndex(request.page);
    if (request.select >= -1 && request.select < w->Project().Member.Count()) {
      w->Project().Member.CurrentIndex = request.select;
      w->RefreshStructurePage();
    }
    QWidget* target = w;
    if (request.dialogMode >= 1 && request.dialogMode <= 3) {
      auto* dialog = new TRakenneFRM(w->Ui(), request.dialogMode, request.dialogPoint, w);
      dialog->show();
      target = dialog;
    }
    // A menu and a message box are windows of their own: the screen is grabbed where the
    // window and they stand.
    QMenu* menu = request.menu.empty()
                      ? nullptr
                      : w->menuBar()->findChild<QMenu*>(QString::fromStdString(request.menu));
    const bool screen = menu || request.question;
    // A change the menu can undo and the question asks about.
    if (screen) {
      w->Project().Member.Name += " (muutettu)";
      w->ProjectEdited(QStringLiteral("Nimi"));
    }
    if (menu) w->menuBar()->setActiveAction(menu->menuAction());
    QTimer::singleShot(kSettleMs, w, [w, target, request, screen] {
      QPixmap picture = target->grab();
      if (screen) {
        QRect area = w->frameGeometry();
        for (QWidget* top : QApplication::topLevelWidgets())
          if (top->isVisible()) area = area.united(top->frameGeometry());
        picture = QGuiApplication::primaryScreen()->grabWindow(0).copy(area);
      }
      const bool saved = picture.save(QString::fromStdString(request.file), "PNG");
      // Leaves the question's own loop as well.
      QCoreApplication::exit(saved ? 0 : 1);
    });
    if (request.question) {
      w->SetAskOnClose(true);
      w->close();
    }
  });
}

}  // namespace qv
