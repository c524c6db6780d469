// The user manual: the user guide of README.md as one HTML page with an anchor per heading.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QTextDocument;

namespace qv {

// Where the manual lies in the data folder, and its pictures beside it.
constexpr const char* kManualFolder = "manual/";
constexpr const char* kManualFileName = "kayttoohje.html";
constexpr const char* kManualPictureFolder = "kuvat/";
// Wider pictures are shown scaled down to this width, so the page reads without side scrolling.
constexpr int kManualPictureMaxWidth = 760;

// The anchor GitHub gives a heading: lower case, punctuation dropped, each space a hyphen.
// The README's own links use these, so the manual keeps them.
QString ManualAnchor(const QString& headingText);

struct ManualPage {
  QString html;
  QStringList pictures;  // relative to the README's folder; the page names them kuvat/<file name>
  QString error;         // empty when the page was made
};

// The README's title and its "User guide" and "Data files" sections (the guide refers to the
// material data there), its pictures looked up under readmeFolder. A missing section or
// picture, a link to a missing heading or to a file that is not a picture is an error, so a
// broken manual never ships.
ManualPage ManualFromReadme(const QString& markdown, const QString& readmeFolder);

// The headings of a loaded manual page with their anchors, in order.
struct ManualHeading {
  int level = 0;
  QString text;
  QString anchor;
};
std::vector<ManualHeading> ManualHeadings(const QTextDocument& document);

}  // namespace qv
