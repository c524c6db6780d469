// In-memory text of lines grouped into numbered sections headed "[ ==== n ==== ]".
#pragma once

#include <string>
#include <vector>

class CSVTiedosto {
 public:
  static constexpr const char* kNoText = "NO TEXT";

  // Reads the whole file (Windows-1252 or UTF-8, CR LF or LF). False when it cannot be read.
  bool LoadFromFile(const std::string& name);
  // Why the last LoadFromFile failed ("" after a success).
  const std::string& LoadError() const { return loadError_; }
  // Copies lines from an outside list; the file name is cleared.
  void TakeLines(const std::vector<std::string>& lines);
  // The same, taking the list over (a generated text is tens of thousands of lines).
  void TakeLines(std::vector<std::string>&& lines);
  // Copies all lines to an outside list.
  void GiveLines(std::vector<std::string>& lines) const { lines = lines_; }
  // Writes the lines (Windows-1252, CR LF) to the file name when it is longer than one
  // character; a given name becomes the file name first. Returns 0, or -1 when the file
  // could not be written.
  int Save(const std::string* name = nullptr);
  int Save(const std::string& name) { return Save(&name); }
  void Clear();

  // Appends the header of section n: 0, or -1 when it already exists.
  int AddSection(int n);
  // Appends text as the last line of section n, adding the section at the end if needed. A line
  // that would read back as a section header is kept with a leading blank.
  void AddLine(int n, const std::string& text);
  bool HasSection(int n) const;
  // Content lines of section n, 0 when it does not exist.
  int LineCount(int n) const;
  // The k-th line (from 1) of section n, or of the whole file when n <= 0; "NO TEXT" when
  // there is no such line (out is then left unchanged).
  std::string GetLine(int n, int k, std::string* out = nullptr) const;

  static std::string HeaderLine(int n);
  // True when the line is a header; the section number goes to n.
  static bool ParseHeader(const std::string& line, int& n);

  const std::vector<std::string>& Lines() const { return lines_; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name; }
  int SectionCount() const { return static_cast<int>(sections_.size()); }

 private:
  struct Section {
    int headerLine;  // 0-based index into lines_
    int number;
    int count;
  };
  void RebuildIndex();
  // Index into sections_ of the last section numbered n, or -1.
  int FindSection(int n) const;

  std::vector<std::string> lines_;
  std::string fileName_;
  std::string loadError_;
  std::vector<Section> sections_;
};
