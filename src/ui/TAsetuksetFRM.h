// The settings dialog behind the hidden menu item "Asetukset": buttons, no settings yet.
#pragma once

#include <QDialog>

#include "ui/ProjectPage.h"

class QPushButton;

namespace qv {

// Modal. Only "Peruuta" (or Esc, which presses it) and the window's close box end it;
// "OK" and "Ohje" do nothing while there is nothing to set.
class TAsetuksetFRM : public QDialog {
  Q_OBJECT

 public:
  explicit TAsetuksetFRM(const UiContext& ui, QWidget* parent = nullptr);

  void Run() { exec(); }

  void OKbuttonClick() {}
  void CANCELbuttonClick() { reject(); }
  void HELPbuttonClick() {}

  QPushButton* OKbutton() const { return ok_; }
  QPushButton* CANCELbutton() const { return cancel_; }
  QPushButton* HELPbutton() const { return help_; }

 private:
  UiContext ui_;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace qv
