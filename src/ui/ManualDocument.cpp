// Turns the README's user guide into the manual page with Qt's own Markdown reader.
#include "ui/ManualDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <utility>

namespace qv {

namespace {

// Sections of the README the manual carries, after its title.
const char* const kSections[] = {"User guide", "Data files"};

// The title line and the chosen level-2 sections, each up to the next level-2 heading.
// Lines inside fenced code are never headings.
QString ManualMarkdown(const QString& markdown, QString& error) {
  const QStringList lines = markdown.split(QLatin1Char('\n'));
  QString title;
  QString out;
  QSet<QString> found;
  bool inFence = false;
  bool taking = false;
  for (QString line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (line.startsWith(QLatin1String("```"))) inFence = !inFence;
    if (!inFence && title.isEmpty() && line.startsWith(QLatin1String("# "))) title = line;
    if (!inFence && line.startsWith(QLatin1String("## "))) {
      const QString name = line.mid(3).trimmed();
      taking = false;
      for (const char* s : kSections)
        if (name == QLatin1String(s)) taking = true;
      if (taking) found.insert(name);
    }
    if (taking) out += line + QLatin1Char('\n');
  }
  for (const char* s : kSections)
    if (!found.contains(QLatin1String(s)))
      error = QStringLiteral("README.md has no section \"## %1\"").arg(QLatin1String(s));
  return title + QLatin1String("\n\n") + out;
}

bool IsPicture(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("png") || suffix == QLatin1String("jpg") ||
         suffix == QLatin1String("jpeg") || suffix == QLatin1String("svg");
}

bool IsLocal(const QString& href) {
  const QUrl url(href);
  return url.scheme().isEmpty() && !href.startsWith(QLatin1Char('#'));
}

QString ShippedName(const QString& path) {
  return QLatin1String(kManualPictureFolder) + QFileInfo(path).fileName();
}

// Gives every heading its anchor; returns the anchors given.
QSet<QString> AnchorHeadings(QTextDocument& doc) {
  QSet<QString> used;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    if (b.blockFormat().headingLevel() == 0 || b.text().isEmpty()) continue;
    QString anchor = ManualAnchor(b.text());
    // GitHub numbers repeated headings.
    for (int n = 1; used.contains(anchor); ++n)
      anchor = ManualAnchor(b.text()) + QLatin1Char('-') + QString::number(n);
    used.insert(anchor);
    QTextCursor c(b);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setAnchor(true);
    f.setAnchorNames({anchor});
    c.mergeCharFormat(f);
  }
  return used;
}

// Points pictures and links to pictures at the shipped copies and checks every link.
QString ShipPictures(QTextDocument& doc, const QSet<QString>& anchors, const QString& readmeFolder,
                     QStringList& pictures) {
  std::vector<std::pair<QTextFragment, QTextCharFormat>> edits;
  const QDir folder(readmeFolder);
  auto ship = [&](const QString& path, int* width) -> QString {
    if (!IsPicture(path)) return QStringLiteral("the manual carries pictures only: %1").arg(path);
    if (!QFileInfo(folder.filePath(path)).isFile())
      return QStringLiteral("missing picture: %1").arg(path);
    if (width) *width = QImageReader(folder.filePath(path)).size().width();
    if (pictures.contains(path)) return QString();
    // The pictures share one folder in the manual.
    for (const QString& p : pictures)
      if (QFileInfo(p).fileName() == QFileInfo(path).fileName())
        return QStringLiteral("two pictures named %1").arg(QFileInfo(path).fileName());
    pictures.append(path);
    return QString();
  };
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextCharFormat format = fragment.charFormat();
      if (format.isImageFormat()) {
        QTextImageFormat image = format.toImageFormat();
        int width = 0;
        const QString error = ship(image.name(), &width);
        if (!error.isEmpty()) return error;
        image.setName(ShippedName(image.name()));
        if (width > kManualPictureMaxWidth) image.setWidth(kManualPictureMaxWidth);
        edits.emplace_back(fragment, image);
      } else if (format.isAnchor() && !format.anchorHref().isEmpty()) {
        const QString href = format.anchorHref();
        if (href.startsWith(QLatin1Char('#'))) {
          if (!anchors.contains(href.mid(1)))
            return QStringLiteral("link to a missing heading: %1").arg(href);
        } else if (IsLocal(href)) {
          const QString error = ship(href, nullptr);
          if (!error.isEmpty()) return error;
          format.setAnchorHref(ShippedName(href));
          edits.emplace_back(fragment, format);
        }
      }
    }
  }
  // Changed after the walk: a new format may split or join the fragments walked.
  for (const auto& [fragment, format] : edits) {
    QTextCursor c(&doc);
    c.setPosition(fragment.position());
    c.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
    c.setCharFormat(format);
  }
  return QString();
}

}  // namespace

QString ManualAnchor(const QString& headingText) {
  QString anchor;
  for (const QChar ch : headingText.toLower()) {
    if (ch == QLatin1Char(' '))
      anchor += QLatin1Char('-');
    else if (ch.isLetterOrNumber() || ch.isMark() || ch == QLatin1Char('-') ||
             ch == QLatin1Char('_'))
      anchor += ch;
  }
  return anchor;
}

ManualPage ManualFromReadme(const QString& markdown, const QString& readmeFolder) {
  ManualPage page;
  const QString text = ManualMarkdown(markdown, page.error);
  if (!page.error.isEmpty()) return page;
  QTextDocument doc;
  doc.setMarkdown(text);
  doc.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("QEL-VUX 2.0 – käyttöohje"));
  const QSet<QString> anchors = AnchorHeadings(doc);
  page.error = ShipPictures(doc, anchors, readmeFolder, page.pictures);
  if (page.error.isEmpty()) page.html = doc.toHtml();
  return page;
}

std::vector<ManualHeading> ManualHeadings(const QTextDocument& document) {
  std::vector<ManualHeading> headings;
  for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
    const int level = b.blockFormat().headingLevel();
    if (level == 0 || b.begin().atEnd()) continue;
    const QStringList names = b.begin().fragment().charFormat().anchorNames();
    headings.push_back({level, b.text(), names.isEmpty() ? QString() : names.first()});
  }
  return headings;
}

}  // namespace qv
