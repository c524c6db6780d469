// The manual window: the manual page with its contents beside it.
#pragma once

#include <QWidget>

class QTextBrowser;
class QTreeWidget;
class QUrl;

namespace qv {

// A window of its own (not modal); it is deleted when closed.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Loads the page unless it is shown already, scrolls to the anchor and brings the window up.
  void Open(const QString& path, const QString& anchor);

  QTextBrowser* Browser() const { return browser_; }
  QTreeWidget* Contents() const { return contents_; }

 private:
  void FillContents();
  void FollowLink(const QUrl& link);
  void ShowPicture(const QString& path);

  QTreeWidget* contents_ = nullptr;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace qv
