// The dialog "Projektitiedot": the four project information texts that head the report.
#pragma once

#include <QDialog>

#include "ui/ProjectPage.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qv {

constexpr int kHelpProjectInfo = 324;

// Modal; fills its edits from the project when shown and copies them back only on OK.
class TProjektiTiedotFRM : public QDialog {
  Q_OBJECT

 public:
  explicit TProjektiTiedotFRM(const UiContext& ui, QWidget* parent = nullptr);

  // Shows the dialog modally: 1 when OK stored the texts, 0 when cancelled.
  int Run();

  // The handlers, public so that tests drive what the buttons drive.
  void FormShow();
  void OKbuttonClick();
  void CANCELbuttonClick();
  void HELPbuttonClick();

  QLineEdit* Edit1() const { return designer_; }
  QLineEdit* Edit2() const { return contact_; }
  QLineEdit* Edit3() const { return site_; }
  QPlainTextEdit* Memo1() const { return other_; }
  QPushButton* OKbutton() const { return ok_; }
  QPushButton* CANCELbutton() const { return cancel_; }
  QPushButton* HELPbutton() const { return help_; }

 private:
  UiContext ui_;
  QLineEdit* designer_ = nullptr;    // Edit1 "Laskelmien tekijä:"
  QLineEdit* contact_ = nullptr;     // Edit2 "Yhteystiedot:"
  QLineEdit* site_ = nullptr;        // Edit3 "Kohde:"
  QPlainTextEdit* other_ = nullptr;  // Memo1 "Muut tiedot:"
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace qv
