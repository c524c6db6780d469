// Growable vector of records with typed field groups, read and written as ';' separated lines.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/FieldHelpers.h"

// The reals or the integers of one record: up to N of them stored in the record itself,
// more on the heap. A text of tens of thousands of lines becomes as many records, and two
// small heap blocks for each of them cost more than the values they hold.
template <typename T, std::size_t N>
class QELkentat {
 public:
  QELkentat() = default;
  QELkentat(const QELkentat& other) { CopyFrom(other); }
  QELkentat(QELkentat&& other) noexcept { TakeFrom(other); }
  QELkentat& operator=(const QELkentat& other) {
    if (this != &other) {
      Release();
      CopyFrom(other);
    }
    return *this;
  }
  QELkentat& operator=(QELkentat&& other) noexcept {
    if (this != &other) {
      Release();
      TakeFrom(other);
    }
    return *this;
  }
  ~QELkentat() { Release(); }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T* data() const { return size_ > N ? heap_ : local_; }
  T* data() { return size_ > N ? heap_ : local_; }
  const T& operator[](std::size_t i) const { return data()[i]; }
  T& operator[](std::size_t i) { return data()[i]; }
  const T* begin() const { return data(); }
  const T* end() const { return data() + size_; }
  friend bool operator==(const QELkentat& a, const QELkentat& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }
  friend bool operator!=(const QELkentat& a, const QELkentat& b) { return !(a == b); }
  // Exactly n fields, every one value.
  void assign(std::size_t n, T value) {
    Release();
    Allocate(n);
    std::fill(data(), data() + n, value);
  }

 private:
  void Allocate(std::size_t n) {
    if (n > N) heap_ = new T[n];
    size_ = n;
  }
  void Release() {
    if (size_ > N) delete[] heap_;
    size_ = 0;
  }
  void CopyFrom(const QELkentat& other) {
    Allocate(other.size_);
    std::copy(other.data(), other.data() + other.size_, data());
  }
  void TakeFrom(QELkentat& other) {
    if (other.size_ > N) {
      heap_ = other.heap_;
    } else {
      std::copy(other.local_, other.local_ + other.size_, local_);
    }
    size_ = other.size_;
    other.size_ = 0;
  }

  union {
    T local_[N];
    T* heap_;
  };
  std::size_t size_ = 0;
};

// One record: texts (each may be absent), reals and integers, counts fixed by the vector.
struct QELalkio {
  std::vector<std::optional<std::string>> texts;
  QELkentat<double, 4> reals;
  QELkentat<int, 6> ints;
};

// Field kinds in a FieldLayout.
enum QELFieldKind { QEL_TEXT = 1, QEL_REAL = 2, QEL_INT = 3 };

class QELvektori {
 public:
  static constexpr int kMaxFileLines = 1000;
  static constexpr int kMaxLineLength = 255;

  explicit QELvektori(int capacity = 20, int growth = 20);
  virtual ~QELvektori() = default;
  QELvektori(const QELvektori&) = default;
  QELvektori& operator=(const QELvektori&) = default;
  QELvektori(QELvektori&&) = default;
  QELvektori& operator=(QELvektori&&) = default;

  // Sets the field counts (once, right after construction) and the default layout:
  // all texts, then all integers, then all reals.
  void SetLayout(int textCount, int intCount, int realCount);

  // Index at which a new record goes; the base rule appends.
  virtual int InsertPosition(const QELalkio& record) const;

  // Adds a record; a null group leaves its fields absent / 0.0 / 0, and a shorter list
  // leaves the remaining fields so. Returns the index of the new record.
  int AddRecord(const std::vector<std::string>* texts, const std::vector<double>* reals,
                const std::vector<int>* ints);
  int AddRecord(const std::vector<std::string>& texts, const std::vector<double>& reals,
                const std::vector<int>& ints) {
    return AddRecord(&texts, &reals, &ints);
  }
  // Overwrites the given groups of record i in place; out of range does nothing.
  void ReplaceRecord(int i, const std::vector<std::string>* texts, const std::vector<double>* reals,
                     const std::vector<int>* ints);
  // Removes record i: 0, or -1 when i is out of range.
  int RemoveRecord(int i);
  void ClearRecords();
  // Room for n records in all: a reader that knows how many are coming does not have the
  // stored records moved again and again as the vector grows. The nominal capacity stays.
  void Reserve(int n);

  int Count() const { return static_cast<int>(records_.size()); }
  int Capacity() const { return capacity_; }
  int TextCount() const { return textCount_; }
  int RealCount() const { return realCount_; }
  int IntCount() const { return intCount_; }

  // Field getters; out of range gives none / 0.0 / 0. Inline: the analysis and the design
  // read hundreds of thousands of fields per run.
  const char* GetText(int i, int j) const {
    const QELalkio* r = Record(i);
    if (!r || j < 0 || j >= static_cast<int>(r->texts.size())) return nullptr;
    const auto& t = r->texts[static_cast<std::size_t>(j)];
    return t ? t->c_str() : nullptr;
  }
  // The text, or the fallback when it is absent or out of range.
  std::string TextOr(int i, int j, const std::string& fallback = std::string()) const;
  double GetReal(int i, int j) const {
    const QELalkio* r = Record(i);
    if (!r || j < 0 || j >= static_cast<int>(r->reals.size())) return 0.0;
    return r->reals[static_cast<std::size_t>(j)];
  }
  int GetInt(int i, int j) const {
    const QELalkio* r = Record(i);
    if (!r || j < 0 || j >= static_cast<int>(r->ints.size())) return 0;
    return r->ints[static_cast<std::size_t>(j)];
  }
  const QELalkio* Record(int i) const {
    if (i < 0 || i >= Count()) return nullptr;
    return &records_[static_cast<std::size_t>(i)];
  }

  // Per-field setters for single fields of an existing record (range checked).
  void SetText(int i, int j, const std::string& text);
  void SetReal(int i, int j, double value) {
    if (i < 0 || i >= Count()) return;
    QELalkio& r = MutableRecord(i);
    if (j >= 0 && j < static_cast<int>(r.reals.size()))
      r.reals[static_cast<std::size_t>(j)] = value;
  }
  void SetInt(int i, int j, int value) {
    if (i < 0 || i >= Count()) return;
    QELalkio& r = MutableRecord(i);
    if (j >= 0 && j < static_cast<int>(r.ints.size())) r.ints[static_cast<std::size_t>(j)] = value;
  }

  // One record as a line in FieldLayout order. Texts never carry the separator or a line
  // break: they are written as ',' and ' ' so that every line reads back as one record.
  std::string FormatRecord(int i) const;
  // Splits a line by the layout and adds the record: 1 when added, -1 empty field,
  // -2 bad number.
  int ParseRecord(const std::string& line);
  // The same with the field lists of the caller, who reads many lines.
  int ParseRecord(const std::string& line, qv::FieldBuffers& fields);

  // Reads records from a file: 0, -1 missing file or empty field, -2 bad number,
  // -3 a line longer than kMaxLineLength characters. Records before a bad line stay.
  int ReadRecordFile(const std::string& name, bool clearFirst);
  // Writes every record as one line (Windows-1252, CR LF): 0 or -1.
  int WriteRecordFile(const std::string* name = nullptr);
  int WriteRecordFile(const std::string& name) { return WriteRecordFile(&name); }

  const std::vector<int>& FieldLayout() const { return fieldLayout_; }
  void SetFieldLayout(const std::vector<int>& layout) { fieldLayout_ = layout; }
  // Decimals of real field j when written (negative: exponent form).
  int Decimals(int j) const;
  void SetDecimals(int j, int decimals);
  // Real field j keeps at least this many significant digits when written (0: decimals only).
  void SetSignificantDigits(int j, int digits);

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name; }
  const std::string& FileDate() const { return fileDate_; }
  char Separator() const { return separator_; }

 protected:
  QELalkio& MutableRecord(int i) { return records_[static_cast<std::size_t>(i)]; }
  // Builds a record of this vector's shape from the given groups.
  QELalkio MakeRecord(const std::vector<std::string>* texts, const std::vector<double>* reals,
                      const std::vector<int>* ints) const;

 private:
  int capacity_;
  int growth_;
  std::vector<QELalkio> records_;
  int textCount_ = 0;
  int intCount_ = 0;
  int realCount_ = 0;
  std::vector<int> fieldLayout_{0};
  std::vector<int> decimals_;
  std::vector<int> significant_;
  std::string fileName_ = "?";
  std::string fileDate_ = "?";
  char separator_ = ';';
};

// Sorted set of distinct reals (mode 1 ascending, 2 descending) or an append list (mode 0).
class QELlukuvektori {
 public:
  explicit QELlukuvektori(int capacity = 20, int growth = 20, int mode = 1);
  // Index at which x was inserted, or -1 when x is already present.
  int Add(double x);
  void Clear() { values_.clear(); }
  int Count() const { return static_cast<int>(values_.size()); }
  int Capacity() const { return capacity_; }
  double operator[](int i) const { return values_[static_cast<std::size_t>(i)]; }
  const std::vector<double>& Values() const { return values_; }

 private:
  int capacity_;
  int growth_;
  int mode_;
  std::vector<double> values_;
};
