// Build step: writes the user manual (README.md's user guide as HTML) and its pictures into a
// folder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include "ui/ManualDocument.h"

int main(int argc, char* argv[]) {
  // The text document takes its fonts from a GUI application; no display is needed for that.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3) {
    err << "usage: qelvux-manual README.md OUTPUT_FOLDER\n";
    return 2;
  }
  QFile readme(args.at(1));
  if (!readme.open(QIODevice::ReadOnly)) {
    err << "cannot read " << args.at(1) << "\n";
    return 1;
  }
  const QString source = QFileInfo(args.at(1)).absolutePath();
  const qv::ManualPage page = qv::ManualFromReadme(QString::fromUtf8(readme.readAll()), source);
  if (!page.error.isEmpty()) {
    err << args.at(1) << ": " << page.error << "\n";
    return 1;
  }
  const QDir out(args.at(2));
  const QString pictures = out.filePath(QLatin1String(qv::kManualPictureFolder));
  // Pictures no longer in the guide go, so the folder ships only what the page shows.
  QDir(pictures).removeRecursively();
  if (!QDir().mkpath(pictures)) {
    err << "cannot create " << pictures << "\n";
    return 1;
  }
  for (const QString& p : page.pictures) {
    const QString target = QDir(pictures).filePath(QFileInfo(p).fileName());
    if (!QFile::copy(QDir(source).filePath(p), target)) {
      err << "cannot copy " << p << " to " << target << "\n";
      return 1;
    }
  }
  QFile html(out.filePath(QLatin1String(qv::kManualFileName)));
  if (!html.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      html.write(page.html.toUtf8()) < 0) {
    err << "cannot write " << html.fileName() << "\n";
    return 1;
  }
  return 0;
}
