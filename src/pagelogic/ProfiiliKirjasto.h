// Working state of the section library dialog: what it shows, its edits and their messages.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/ProfiiliVektori.h"

// A message box to show: caption "VIRHE" or "HUOMIO" and its text; empty text = none.
struct ProfiiliViesti {
  std::string Caption;
  std::string Text;
  bool Empty() const { return Text.empty(); }
};

// What the edit fields show for one section.
struct ProfiiliKentat {
  std::string Name;
  int ShapeItem = 0;       // item of the shape list: 0 rectangle, 1 circle
  std::string Parameter1;  // "%.1f"
  std::string Parameter2;  // "%.1f"; empty for a circle
};

// What the user typed, as taken from the edit fields.
struct ProfiiliSyote {
  std::string Name;
  int ShapeItem = 0;
  std::string Parameter1;
  std::string Parameter2;
};

// Labels, visibility and picture of the parameter inputs for one shape item.
struct ProfiiliParametrit {
  std::string Label1;  // "B [mm]:" or "D [mm]:"
  std::string Label2;  // "H [mm]:", empty for a circle
  bool ShowParameter2 = true;
  int ImageIndex = 0;  // picture of the shape
};

class ProfiiliKirjasto {
 public:
  static const char* const kCaption;           // "Poikkileikkauskirjastojen muokkaus"
  static const char* const kOpenTitle;         // "Profiilikirjaston avaus"
  static const char* const kOpenFilter;        // "Profiilikirjastot|*.pl1"
  static const char* const kNameInvalid;       // "Nimi ei ole kelvollinen!"
  static const char* const kCannotDeleteLast;  // "Viimeistä ei voi poistaa"
  static const int kHelpContext = 370;

  // Opens on the project's library (when its file exists) at the project's chosen section,
  // else on the default library of the program folder at its first section.
  ProfiiliKirjasto(const ProfiiliVektori& project, const std::string& programFolder);

  // Items of the shape list: "Suorakakaide", "Ympyrä".
  static std::vector<std::string> ShapeItems();
  static ProfiiliParametrit ParametersFor(int shapeItem);
  // Shape of an item of the shape list (a rectangle for an item beyond it), and back.
  static qv::SectionShape ShapeOfItem(int shapeItem);
  static int ItemOfShape(qv::SectionShape shape);
  // Checks the typed section; on success fills the section fields (name cut to 79 chars).
  static ProfiiliViesti Validate(const ProfiiliSyote& input, std::string& name,
                                 qv::SectionShape& shape, double& b, double& h);

  const ProfiiliVektori& Working() const { return working_; }
  std::vector<std::string> Names() const;
  int Selected() const { return selected_; }
  void Select(int i);
  // Fields of section i (empty fields outside the list).
  ProfiiliKentat FieldsOf(int i) const;
  bool Changed() const { return changed_; }
  bool EditButtonsEnabled() const { return editEnabled_; }
  const std::string& ActivePath() const { return activePath_; }
  // Caption of the library button: the active path shortened to 20 characters.
  std::string LibraryButtonText() const;
  // Folder the open dialog starts in.
  std::string OpenStartFolder() const;

  // "Lisää", "Muuta", "Poista": an empty message when done, else the box to show (and
  // nothing changed).
  ProfiiliViesti Add(const ProfiiliSyote& input);
  ProfiiliViesti Change(const ProfiiliSyote& input);
  ProfiiliViesti Delete();

  // Another library picked in the open dialog. Edits of the library left wait in the dialog
  // for OK and come back when it is picked again. Returns 0 when it was the active one
  // (nothing done), 1 when a new library file was created, 2 when a library was read
  // (possibly empty) or taken up again, and -1 when a new file could not be created
  // (nothing changed).
  int OpenLibrary(const std::string& path);

  // OK: the edits of every library go to their files, then the project's library is read
  // again from its own file and keeps its chosen section. Returns 0, or -1 when a file could
  // not be written (UnwrittenFiles names them). Peruuta calls nothing: no file has been
  // written but a new library file that OpenLibrary created.
  int Close(ProfiiliVektori& project);
  const std::vector<std::string>& UnwrittenFiles() const { return unwritten_; }

 private:
  // Takes the waiting edits of the library at path out of waiting_: false when there are none.
  bool TakeWaiting(const std::string& path, ProfiiliVektori& library);

  ProfiiliVektori working_;
  // Edited libraries the user went on from, by path, until OK writes them.
  std::vector<std::pair<std::string, ProfiiliVektori>> waiting_;
  std::vector<std::string> unwritten_;
  std::string programFolder_;
  std::string activePath_;
  int selected_ = -1;
  bool changed_ = false;
  bool editEnabled_ = false;
};
