// The section library dialog "Poikkileikkauskirjastojen muokkaus" over the library's working state.
#pragma once

#include <QDialog>

#include <memory>

#include "pagelogic/ProfiiliKirjasto.h"
#include "ui/ProjectPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv {

// Boxes of a library file that could not be written or created, followed by its name.
constexpr const char* kLibraryWriteFailed = "Poikkileikkauskirjastoa ei voitu tallentaa: ";
constexpr const char* kLibraryCreateFailed = "Uutta poikkileikkauskirjastoa ei voitu luoda: ";

// Modal. Edits working copies of library files; OK writes the edits back and has the project
// read its own library again, Peruuta (or the window's close button, or Esc) drops them.
// Components carry the program's names (Button1, ListBox1, Edit1, ComboBox1, Parametri1E,
// Parametri2E, Image1, LisaaNappi, MuutaNappi, PoistaNappi).
class TProfiilitFRM : public QDialog {
  Q_OBJECT

 public:
  explicit TProfiilitFRM(const UiContext& ui, QWidget* parent = nullptr);
  ~TProfiilitFRM() override;

  // Shows the dialog modally; after OK the project's library has been read again.
  void Run();

  // The buttons; each shows the box of a refused edit and returns whether it was done.
  bool AddClicked();      // "Lisää"
  bool ChangeClicked();   // "Muuta"
  bool DeleteClicked();   // "Poista"
  void LibraryClicked();  // Button1: another library
  void HelpClicked();
  void ListClicked(int row);
  void ShapeChanged(int item);

  const ProfiiliKirjasto& Library() const { return *library_; }
  // Which shape picture is shown (0 rectangle, 1 circle).
  int ImageIndex() const { return image_; }

  void done(int result) override;

 private:
  void FillList();
  void ShowFields(int row);
  void ShowShape(int item);
  void SetEditEnabled(bool on);
  ProfiiliSyote Input() const;
  bool Shown(const ProfiiliViesti& message);

  UiContext ui_;
  std::unique_ptr<ProfiiliKirjasto> library_;
  bool closed_ = false;
  int image_ = 0;

  QPushButton* libraryButton_ = nullptr;  // Button1
  QListWidget* list_ = nullptr;           // ListBox1
  QLineEdit* name_ = nullptr;             // Edit1
  QComboBox* shape_ = nullptr;            // ComboBox1
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLineEdit* parameter1_ = nullptr;      // Parametri1E
  QLineEdit* parameter2_ = nullptr;      // Parametri2E
  QLabel* picture_ = nullptr;            // Image1
  QPushButton* addButton_ = nullptr;     // LisaaNappi
  QPushButton* changeButton_ = nullptr;  // MuutaNappi
  QPushButton* deleteButton_ = nullptr;  // PoistaNappi
};

}  // namespace qv
