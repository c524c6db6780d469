// Small helpers every page and dialog builds its widgets with.
#pragma once

#include <QString>

#include <initializer_list>
#include <string>

class QHBoxLayout;
class QPushButton;
class QTreeWidget;
class QObject;
class QWidget;

namespace qv {

// Texts cross between the core (UTF-8 std::string) and the widgets here.
inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

// A push button with its caption and the object name tests find it by.
QPushButton* Button(QWidget* parent, const char* name, const char* caption);
// The same for a dialog button that Enter never presses: Enter belongs to the dialog's
// default button (or to the field being edited).
QPushButton* NonDefaultButton(QWidget* parent, const char* name, const char* caption);

// A right-aligned row of the buttons in their order (OK, Peruuta, Ohje at a dialog's foot).
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);

// A page's tree: one column without a header, 16-pixel icons, a double click left to the
// page; keys go through keyFilter first.
QTreeWidget* PageTree(QWidget* parent, const char* name, QObject* keyFilter);

}  // namespace qv
