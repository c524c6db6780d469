// The manual window: a text browser over the manual page, its headings listed beside it.
#include "ui/HelpWindow.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <vector>

#include "ui/ManualDocument.h"

namespace qv {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("QEL-VUX 2.0 – käyttöohje"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Closing the main window ends the program even while the manual is open.
  setAttribute(Qt::WA_QuitOnClose, false);

  auto* back = new QPushButton(QStringLiteral("Takaisin"), this);
  back->setObjectName(QStringLiteral("TakaisinButton"));
  auto* forward = new QPushButton(QStringLiteral("Eteenpäin"), this);
  forward->setObjectName(QStringLiteral("EteenpainButton"));
  auto* close = new QPushButton(QStringLiteral("Sulje"), this);
  close->setObjectName(QStringLiteral("SuljeButton"));

  contents_ = new QTreeWidget(this);
  contents_->setObjectName(QStringLiteral("SisallysTree"));
  contents_->setHeaderLabel(QStringLiteral("Sisällys"));
  contents_->header()->setStretchLastSection(true);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("OhjeBrowser"));
  // Links are followed here: pictures open in a window of their own, not as text.
  browser_->setOpenLinks(false);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({300, 900});

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);
  resize(1200, 800);

  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    const QString anchor = item->data(0, Qt::UserRole).toString();
    QUrl url = browser_->source();
    url.setFragment(anchor);
    browser_->setSource(url);
  });
}

void HelpWindow::Open(const QString& path, const QString& anchor) {
  QUrl url = QUrl::fromLocalFile(path);
  const bool load = browser_->source().adjusted(QUrl::RemoveFragment) != url;
  url.setFragment(anchor);
  browser_->setSource(url);
  if (load) FillContents();
  show();
  raise();
  activateWindow();
}

void HelpWindow::FillContents() {
  contents_->clear();
  std::vector<std::pair<int, QTreeWidgetItem*>> open;  // the latest item of each level above
  for (const ManualHeading& h : ManualHeadings(*browser_->document())) {
    while (!open.empty() && open.back().first >= h.level) open.pop_back();
    auto* item =
        open.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(open.back().second);
    item->setText(0, h.text);
    item->setToolTip(0, h.text);
    item->setData(0, Qt::UserRole, h.anchor);
    open.emplace_back(h.level, item);
  }
  contents_->expandAll();
}

void HelpWindow::FollowLink(const QUrl& link) {
  const QUrl url = browser_->source().resolved(link);
  if (!url.isLocalFile()) {
    QDesktopServices::openUrl(url);
  } else if (url.adjusted(QUrl::RemoveFragment) ==
             browser_->source().adjusted(QUrl::RemoveFragment)) {
    browser_->setSource(url);
  } else {
    ShowPicture(url.toLocalFile());
  }
}

void HelpWindow::ShowPicture(const QString& path) {
  auto* window = new QScrollArea(this);
  window->setWindowFlag(Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QFileInfo(path).fileName());
  auto* label = new QLabel(window);
  label->setPixmap(QPixmap(path));
  window->setWidget(label);
  window->resize(label->sizeHint().boundedTo(QSize(1200, 800)) + QSize(4, 4));
  window->show();
}

}  // namespace qv
