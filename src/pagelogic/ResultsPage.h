// The results page's choices: result kinds offered, combinations or cases listed, the stored
// selections and the display switch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Kinds.h"

class QELVUX_data;

namespace qv {

// Result kind codes; the force and displacement codes also say which table column is shown.
constexpr int kResultMx = 1;  // not offered in the list
constexpr int kResultMy = 2;
constexpr int kResultMz = 3;
constexpr int kResultN = 4;
constexpr int kResultVy = 5;
constexpr int kResultVz = 6;
constexpr int kResultUx = 7;  // not offered in the list
constexpr int kResultUy = 8;
constexpr int kResultUz = 9;
constexpr int kResultReactionsCombination = 101;
constexpr int kResultReactionsCase = 201;

inline bool IsForceKind(int kind) { return kind >= kResultMx && kind <= kResultVz; }
inline bool IsDisplacementKind(int kind) { return kind >= kResultUx && kind <= kResultUz; }
// Kinds drawn as a diagram in the chart; the others show the reactions picture.
inline bool IsDiagramKind(int kind) { return kind >= kResultMx && kind <= kResultUz; }
inline bool IsReactionKind(int kind) {
  return kind == kResultReactionsCombination || kind == kResultReactionsCase;
}

// "Mz (Momentti)", "Tukireaktiot (KY)", ...; "" for an unknown code.
std::string ResultKindName(int kind);
// "kNm", "kN" or "mm" of a diagram kind, "" otherwise.
std::string ResultUnit(int kind);
// Factor from analysis units (N, N·mm, mm) to the unit shown; 0 for a non-diagram kind.
double ResultScale(int kind);
// Real field of the MemberForces or MemberDisplacements record shown; -1 otherwise.
int ResultField(int kind);
// "Jännitystarkastelu", "Siirtymätarkastelu", "Ei mitoitusta"; "" for anything else.
std::string DesignKindText(std::optional<CombinationKind> designKind);

struct ResultKindEntry {
  int code = 0;
  std::string text;
};

// TuloslajiCB in order: Mz, Vy, then Nx (axial loads or an inclined member), Uy, then My and
// Vz and Uz (out-of-plane loads), then the two reaction kinds.
std::vector<ResultKindEntry> ResultKindEntries(const QELVUX_data& project);

// KTorKYCB for a kind: the combinations of the kind's design kind ("Jännitystarkastelu" for
// forces, "Siirtymätarkastelu" for displacements, any for combination reactions) as
// "name (design kind)", or the load-case names for case reactions.
std::vector<std::string> ResultCaseEntries(const QELVUX_data& project, int kind);

// What the stored list position stands for: a combination, a load case or nothing.
struct ResultChoice {
  int combination = -1;
  int loadCase = -1;
  bool Valid() const { return combination >= 0 || loadCase >= 0; }
};
ResultChoice ResolveResultChoice(const QELVUX_data& project, int kind, int position);

// "KY%d (%s)" of a combination, the load-case name cut to 40 characters, "" for no choice.
std::string ResultChoiceText(const QELVUX_data& project, const ResultChoice& choice);

// Both lists with the entries to select, after the stored selections were made valid: the
// kind stays when offered, else the first entry's kind is stored; the position is reset to 0
// when outside the list and to -1 when the list is empty.
struct ResultsPageLists {
  std::vector<ResultKindEntry> kinds;
  int kindIndex = -1;
  std::vector<std::string> cases;
  int caseIndex = -1;
};
ResultsPageLists RefreshResultsLists(QELVUX_data& project);

// TuloslajiCBChange: an index 0..19 naming an entry stores that kind. 1 when stored (the page
// refreshes with the cases refilled), else 0.
int ResultKindChanged(QELVUX_data& project, const std::vector<ResultKindEntry>& kinds, int index);
// KTorKYCBChange: an index of 0 or more is stored. 1 when stored (the page refreshes
// without refilling), else 0.
int ResultCaseChanged(QELVUX_data& project, int index);

// The switch between maxima only (TulosMaksimiRB) and all values (TulosAllRB); the main window
// keeps it and starts with maxima.
constexpr int kShowMaxima = 0;
constexpr int kShowAll = 1;
struct DisplayModeButtons {
  bool maxima = true;  // TulosMaksimiRB checked
  bool all = false;    // TulosAllRB checked
};
DisplayModeButtons DisplayModeButtonsOf(int showAll);
// The flag after a click on one of the two buttons.
inline int ShowAllFlagOf(bool allClicked) { return allClicked ? kShowAll : kShowMaxima; }

}  // namespace qv
