// Base of the main window's pages: what every page is given, and the call made when it is entered.
#pragma once

#include <QWidget>

#include <string>

class QELVUX_data;
class QLabel;
class QSplitter;

namespace qv {

class Messages;
class FileDialogs;
class HelpLauncher;

// What the main window lends its pages and dialogs; it owns all of it for the whole run.
struct UiContext {
  QELVUX_data* project = nullptr;
  Messages* messages = nullptr;
  FileDialogs* files = nullptr;
  HelpLauncher* help = nullptr;
};

// Sets a hint in the program's "short|long" form: the short part becomes the tool tip, the
// long part (the whole text when it has no bar) the status bar text.
void SetHint(QWidget* widget, const std::string& hint);

// The pages' splitter: a yellow handle 5 pixels wide, panes never narrower than 150.
QSplitter* MakePageSplitter(Qt::Orientation orientation, QWidget* parent);
constexpr int kPageSplitterMinimum = 150;
// Lays a page out as a side panel that keeps its width and a main pane that takes the rest,
// side by side in the page's splitter.
void LayOutSideBySide(QWidget* page, QWidget* side, QWidget* main, int sideWidth, int mainWidth);

class ProjectPage : public QWidget {
  Q_OBJECT

 public:
  explicit ProjectPage(const UiContext& ui, QWidget* parent = nullptr);

  // Called every time the page is entered, after the analysis has been regenerated and
  // solved when the page needs results. Also after a code change or "Uusi malli" when the
  // page is the active one.
  virtual void Refresh() {}

 signals:
  // The page changed the project (the title and other pages may follow).
  void ProjectChanged();

 protected:
  QELVUX_data& Project() const { return *ui_.project; }
  UiContext ui_;
};

// A page that later work fills; it only says so.
class PlaceholderPage : public ProjectPage {
  Q_OBJECT

 public:
  PlaceholderPage(const UiContext& ui, const QString& text, QWidget* parent = nullptr);
  void Refresh() override { ++refreshCount_; }
  // How many times the page has been entered (the tests follow the workflow with it).
  int RefreshCount() const { return refreshCount_; }

 private:
  int refreshCount_ = 0;
};

}  // namespace qv
