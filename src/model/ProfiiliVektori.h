// The section library: named rectangles b x h and circles d, kept in order, and the chosen one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Kinds.h"
#include "model/QELvektori.h"

// Section records: text 0 name, int 0 shape, real 0 b (or d), real 1 h (0 for circles),
// reals 2..9 always 0. A library file holds one record per line, name;shape;b;h;0;...;0.
class ProfiiliVektori : public QELvektori {
 public:
  // Field positions inside a section record.
  static constexpr int kTextName = 0;
  static constexpr int kIntShape = 0;
  static constexpr int kRealB = 0;  // b of a rectangle, d of a circle
  static constexpr int kRealH = 1;
  static constexpr int kRealCount = 10;
  static constexpr int kNameMaxChars = 79;
  // Accepted dimensions in mm, the same for the dialog and for library files.
  static constexpr double kMinDimension = 1.0;
  static constexpr double kMaxDimension = 10000.0;

  static const char* const kDefaultLibraryName;   // "Sahattu_puutavara.pl1"
  static const char* const kFallbackSectionLine;  // the one section used without a library
  static const char* const kNewLibraryLine;       // first section of a new library file

  ProfiiliVektori();

  // Shape ascending; rectangles by b, then h; circles by d. A new section goes after an
  // equal one.
  int InsertPosition(const QELalkio& record) const override;

  // Adds a section in order: name cut to 79 characters (an empty name becomes a blank),
  // reals 2..9 zero, h 0 for a circle. Returns its index.
  int AddSection(const std::string& name, qv::SectionShape shape, double b, double h);

  std::string Name(int i) const { return TextOr(i, kTextName, "?"); }
  // Shape of section i; none for a stored number that names no shape.
  std::optional<qv::SectionShape> Shape(int i) const {
    qv::SectionShape shape;
    if (qv::SectionShapeFromInt(GetInt(i, kIntShape), shape)) return shape;
    return std::nullopt;
  }
  double B(int i) const { return GetReal(i, kRealB); }
  double H(int i) const { return GetReal(i, kRealH); }
  double D(int i) const { return GetReal(i, kRealB); }
  bool IsValidIndex(int i) const { return i >= 0 && i < Count(); }
  bool HasCurrent() const { return IsValidIndex(CurrentIndex); }

  // True when section i has a known shape and its dimensions lie in 1..10000 mm.
  bool IsUsableSection(int i) const;
  // Index of the first section with the same name, shape and dimensions as section i of
  // other, or -1.
  int FindSame(const ProfiiliVektori& other, int i) const;

  // Reads a library file (cleared first). Sections that cannot be designed (unknown
  // shape, a dimension outside 1..10000 mm) are left out of the list, and so reported by
  // -2, but kept in UnusableLines to be written back; the comment lines before the first
  // section are kept for writing back too. Returns 0, or the
  // negative code of the record reader (-1 missing file or empty field, -2 bad number,
  // -3 overlong line). CurrentIndex is left to the caller.
  int ReadLibrary(const std::string& name);
  // Writes the library under the name given (or its own file name when none), its
  // leading comment lines first and the sections it could not use last: 0 or -1.
  int WriteLibrary(const std::string* name = nullptr);
  int WriteLibrary(const std::string& name) { return WriteLibrary(&name); }

  // Reads the library and selects its first section (the library chosen from the design
  // page). Returns what ReadLibrary returned.
  int LoadLibrary(const std::string& name);
  // The start-up library: the default library of the program folder with its first
  // section chosen, or, when that file is missing or holds no section, the single
  // section "50*100" with no library file (file name "?"). Returns 0 when the default
  // library was used, 1 when the single section stands in.
  int LoadDefaultLibrary(const std::string& programFolder);
  // Only the one section of the line, chosen, with no library file.
  void SetSingleSection(const std::string& line);

  // CurrentIndex made valid: -1 for an empty library, 0 when it points outside the list.
  void ClampCurrentIndex();

  // Path of a file in a folder; the folder may end with a separator or be empty.
  static std::string PathInFolder(const std::string& folder, const std::string& file);
  // Folder part of a path ("" when it has no separator); '/' and '\' both separate.
  static std::string FolderOf(const std::string& path);
  // True when a regular file of that name exists.
  static bool FileExists(const std::string& path);

  // Comment lines ("//...") written before the sections.
  std::vector<std::string> HeaderComments;
  // Sections of the file the program cannot choose, as lines: the user's file keeps them.
  std::vector<std::string> UnusableLines;
  // The library's name as the project file gave it (a name relative to the project or the
  // program's data folder) while the library is the one it named; "" otherwise. A save
  // writes it back instead of the path it was found at.
  std::string ProjectName;
  int CurrentIndex = -1;  // the chosen section
};
