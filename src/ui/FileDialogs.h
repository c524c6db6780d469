// Open and save dialogs behind one small interface, so tests can answer them.
#pragma once

#include <string>

class QWidget;

namespace qv {

// What a dialog is opened with. The filter is in the program's own form, description and
// pattern pairs separated by '|' ("Lähtötiedostot|*.vux").
struct FileDialogRequest {
  std::string title;
  std::string filter;
  int filterIndex = 1;        // 1-based pair shown first
  std::string fileName;       // proposed name, e.g. "*.vux"
  std::string folder;         // start folder; empty = the current one
  std::string defaultSuffix;  // added to a name typed without one (save), when the chosen
                              // filter names no extension of its own
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // True with the chosen file's full name, false when the user cancelled.
  virtual bool OpenFile(const FileDialogRequest& request, std::string& chosen) = 0;
  // The same for saving; the dialog asks before an existing file is overwritten.
  virtual bool SaveFile(const FileDialogRequest& request, std::string& chosen) = 0;
};

// "Lähtötiedostot|*.vux|Kaikki|*.*" as QFileDialog wants it: "Lähtötiedostot (*.vux);;Kaikki
// (*.*)".
std::string QtFilterText(const std::string& filter);
// The n-th (1-based) entry of QtFilterText, or the first when n is out of range.
std::string QtFilterEntry(const std::string& filter, int n);
// Extension of an entry's first pattern: "PDF (*.pdf)" gives "pdf"; "Kaikki (*.*)" gives "".
std::string QtFilterEntrySuffix(const std::string& entry);

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  bool OpenFile(const FileDialogRequest& request, std::string& chosen) override;
  bool SaveFile(const FileDialogRequest& request, std::string& chosen) override;
  void SetParent(QWidget* parent) { parent_ = parent; }

 private:
  bool Run(const FileDialogRequest& request, bool save, std::string& chosen);
  QWidget* parent_;
};

}  // namespace qv
