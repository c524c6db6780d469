// Record vector: insertion by a virtual rule, typed getters, ';' line form and record files.
#include "model/QELvektori.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "model/FieldHelpers.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"

QELvektori::QELvektori(int capacity, int growth)
    : capacity_(capacity > 0 ? capacity : 1), growth_(growth > 0 ? growth : 1) {}

void QELvektori::SetLayout(int textCount, int intCount, int realCount) {
  textCount_ = textCount < 0 ? 0 : textCount;
  intCount_ = intCount < 0 ? 0 : intCount;
  realCount_ = realCount < 0 ? 0 : realCount;
  decimals_.assign(static_cast<std::size_t>(realCount_), 3);
  significant_.assign(static_cast<std::size_t>(realCount_), 0);
  fieldLayout_.clear();
  fieldLayout_.push_back(textCount_ + intCount_ + realCount_);
  fieldLayout_.insert(fieldLayout_.end(), static_cast<std::size_t>(textCount_), QEL_TEXT);
  fieldLayout_.insert(fieldLayout_.end(), static_cast<std::size_t>(intCount_), QEL_INT);
  fieldLayout_.insert(fieldLayout_.end(), static_cast<std::size_t>(realCount_), QEL_REAL);
}

int QELvektori::InsertPosition(const QELalkio&) const { return Count(); }

QELalkio QELvektori::MakeRecord(const std::vector<std::string>* texts,
                                const std::vector<double>* reals,
                                const std::vector<int>* ints) const {
  QELalkio r;
  r.texts.resize(static_cast<std::size_t>(textCount_));
  r.reals.assign(static_cast<std::size_t>(realCount_), 0.0);
  r.ints.assign(static_cast<std::size_t>(intCount_), 0);
  if (texts)
    for (std::size_t j = 0; j < r.texts.size() && j < texts->size(); ++j) r.texts[j] = (*texts)[j];
  if (reals)
    for (std::size_t j = 0; j < r.reals.size() && j < reals->size(); ++j) r.reals[j] = (*reals)[j];
  if (ints)
    for (std::size_t j = 0; j < r.ints.size() && j < ints->size(); ++j) r.ints[j] = (*ints)[j];
  return r;
}

int QELvektori::AddRecord(const std::vector<std::string>* texts, const std::vector<double>* reals,
                          const std::vector<int>* ints) {
  // The nominal capacity grows before it is completely full, as the record storage always
  // has; the real storage grows geometrically underneath so large vectors stay linear.
  if (Count() > capacity_ - 2) capacity_ += growth_;
  QELalkio r = MakeRecord(texts, reals, ints);
  int pos = InsertPosition(r);
  if (pos < 0 || pos > Count()) pos = Count();
  records_.insert(records_.begin() + pos, std::move(r));
  return pos;
}

void QELvektori::ReplaceRecord(int i, const std::vector<std::string>* texts,
                               const std::vector<double>* reals, const std::vector<int>* ints) {
  if (i < 0 || i >= Count()) return;
  QELalkio& r = MutableRecord(i);
  if (texts)
    for (std::size_t j = 0; j < r.texts.size() && j < texts->size(); ++j) r.texts[j] = (*texts)[j];
  if (reals)
    for (std::size_t j = 0; j < r.reals.size() && j < reals->size(); ++j) r.reals[j] = (*reals)[j];
  if (ints)
    for (std::size_t j = 0; j < r.ints.size() && j < ints->size(); ++j) r.ints[j] = (*ints)[j];
}

int QELvektori::RemoveRecord(int i) {
  if (i < 0 || i >= Count()) return -1;
  records_.erase(records_.begin() + i);
  return 0;
}

void QELvektori::ClearRecords() { records_.clear(); }

void QELvektori::Reserve(int n) {
  if (n > 0) records_.reserve(static_cast<std::size_t>(n));
}

std::string QELvektori::TextOr(int i, int j, const std::string& fallback) const {
  const char* t = GetText(i, j);
  return t ? std::string(t) : fallback;
}

void QELvektori::SetText(int i, int j, const std::string& text) {
  if (i < 0 || i >= Count()) return;
  QELalkio& r = MutableRecord(i);
  if (j >= 0 && j < static_cast<int>(r.texts.size())) r.texts[static_cast<std::size_t>(j)] = text;
}

int QELvektori::Decimals(int j) const {
  if (j < 0 || j >= static_cast<int>(decimals_.size())) return 3;
  return decimals_[static_cast<std::size_t>(j)];
}

void QELvektori::SetDecimals(int j, int decimals) {
  if (j >= 0 && j < static_cast<int>(decimals_.size()))
    decimals_[static_cast<std::size_t>(j)] = decimals;
}

void QELvektori::SetSignificantDigits(int j, int digits) {
  if (j >= 0 && j < static_cast<int>(significant_.size()))
    significant_[static_cast<std::size_t>(j)] = digits;
}

std::string QELvektori::FormatRecord(int i) const {
  const QELalkio* r = Record(i);
  if (!r) return std::string();
  std::string line;
  int ti = 0, ri = 0, ii = 0;
  const int fields = fieldLayout_.empty() ? 0 : fieldLayout_[0];
  for (int f = 1; f <= fields && f < static_cast<int>(fieldLayout_.size()); ++f) {
    switch (fieldLayout_[static_cast<std::size_t>(f)]) {
      case QEL_TEXT: {
        std::string t = "?";
        if (ti < static_cast<int>(r->texts.size()) && r->texts[static_cast<std::size_t>(ti)])
          t = *r->texts[static_cast<std::size_t>(ti)];
        ++ti;
        // A text must stay one field of one line: the separator and line breaks are
        // written as look-alikes, and an empty text as a blank (an empty field ends reading).
        for (auto& c : t) {
          if (c == separator_)
            c = ',';
          else if (c == '\n' || c == '\r')
            c = ' ';
        }
        if (t.empty()) t = " ";
        line += t;
        break;
      }
      case QEL_REAL: {
        const double v =
            ri < static_cast<int>(r->reals.size()) ? r->reals[static_cast<std::size_t>(ri)] : 0.0;
        const int digits = ri < static_cast<int>(significant_.size())
                               ? significant_[static_cast<std::size_t>(ri)]
                               : 0;
        line += digits > 0 ? qv::FormatFixedSignificant(v, Decimals(ri), digits)
                           : qv::FormatReal(v, Decimals(ri));
        ++ri;
        break;
      }
      case QEL_INT:
        line += std::to_string(
            ii < static_cast<int>(r->ints.size()) ? r->ints[static_cast<std::size_t>(ii)] : 0);
        ++ii;
        break;
      default:
        break;
    }
    line += separator_;
  }
  if (!line.empty() && line.back() == separator_) line.pop_back();
  return line;
}

int QELvektori::ParseRecord(const std::string& line) {
  qv::FieldBuffers fields;
  return ParseRecord(line, fields);
}

int QELvektori::ParseRecord(const std::string& line, qv::FieldBuffers& fields) {
  int rc = qv::SplitFields(separator_, line, fieldLayout_, fields.texts, fields.reals, fields.ints);
  if (rc < 0) return rc;
  AddRecord(&fields.texts, &fields.reals, &fields.ints);
  return 1;
}

namespace {
std::string FileDateText(const std::string& name) {
  struct stat st {};
  if (stat(name.c_str(), &st) != 0) return "?";
  std::tm tm{};
  const time_t t = st.st_mtime;
  if (!localtime_r(&t, &tm)) return "?";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%u.%u.%u", static_cast<unsigned>(tm.tm_mday),
                static_cast<unsigned>(tm.tm_mon + 1), static_cast<unsigned>(tm.tm_year + 1900));
  return buf;
}
}  // namespace

int QELvektori::ReadRecordFile(const std::string& name, bool clearFirst) {
  if (clearFirst) ClearRecords();
  std::vector<std::string> lines;
  if (!qv::ReadTextFileLines(name, lines)) return -1;
  fileName_ = name;
  fileDate_ = FileDateText(name);
  int read = 0;
  qv::FieldBuffers fields;
  for (const auto& line : lines) {
    if (read >= kMaxFileLines) break;
    ++read;
    // A comment carries nothing the program reads, whatever its length.
    if (line.compare(0, 2, "//") == 0) continue;
    if (qv::CharCount(line) > static_cast<std::size_t>(kMaxLineLength)) return -3;
    int rc = ParseRecord(line, fields);
    if (rc < 0) return rc;
  }
  return 0;
}

int QELvektori::WriteRecordFile(const std::string* name) {
  if (name) fileName_ = *name;
  std::vector<std::string> lines;
  lines.reserve(records_.size());
  for (int i = 0; i < Count(); ++i) lines.push_back(FormatRecord(i));
  return qv::WriteTextFileLines(fileName_, lines) ? 0 : -1;
}

QELlukuvektori::QELlukuvektori(int capacity, int growth, int mode)
    : capacity_(capacity > 0 ? capacity : 1), growth_(growth > 0 ? growth : 1), mode_(mode) {}

int QELlukuvektori::Add(double x) {
  std::size_t pos = values_.size();
  // A value beyond the last one in the order goes last at once: sets filled in order.
  const bool last =
      values_.empty() || (mode_ == 1 && values_.back() < x) || (mode_ == 2 && values_.back() > x);
  if ((mode_ == 1 || mode_ == 2) && !last) {
    for (std::size_t i = 0; i < values_.size(); ++i) {
      if (values_[i] == x) return -1;
      if ((mode_ == 1 && values_[i] > x) || (mode_ == 2 && values_[i] < x)) {
        pos = i;
        break;
      }
    }
  }
  if (Count() > capacity_ - 2) capacity_ += growth_;
  values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(pos), x);
  return static_cast<int>(pos);
}
