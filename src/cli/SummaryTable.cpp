// Summary table of a batch: fixed columns measured in characters, so Finnish names line up.
#include "cli/SummaryTable.h"

#include <algorithm>
#include <ostream>

#include "cli/CommandLineDesigner.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"

namespace qv {
namespace {

constexpr std::size_t kMaxNameWidth = 40;
constexpr std::size_t kSectionWidth = 14;
constexpr std::size_t kUtilisationWidth = 10;
constexpr std::size_t kCheckWidth = 44;

bool Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string FitText(const std::string& text, std::size_t width, bool right) {
  const std::size_t w = CharCount(text);
  if (w > width) return width == 0 ? std::string() : CutChars(text, width - 1) + "…";
  const std::string pad(width - w, ' ');
  return right ? pad + text : text + pad;
}

std::string FitTail(const std::string& text, std::size_t width) {
  const std::size_t w = CharCount(text);
  if (w <= width) return FitText(text, width);
  if (width == 0) return std::string();
  // Keep the last width - 1 characters, never splitting one.
  std::size_t begin = text.size(), kept = 0;
  while (begin > 0 && kept < width - 1) {
    --begin;
    while (begin > 0 && Continuation(text[begin])) --begin;
    ++kept;
  }
  return "…" + text.substr(begin);
}

SummaryTable::SummaryTable(const std::vector<std::string>& names) {
  for (const std::string& n : names) nameWidth_ = std::max(nameWidth_, CharCount(n));
  nameWidth_ = std::min(nameWidth_, kMaxNameWidth);
}

void SummaryTable::WriteHeader(std::ostream& out) const {
  out << FitText("Projekti", nameWidth_) << "  " << FitText("Poikkileikkaus", kSectionWidth) << "  "
      << FitText("Käyttöaste", kUtilisationWidth, true) << "  "
      << FitText("Määräävä tarkastelu", kCheckWidth) << "  Tulos\n";
}

void SummaryTable::WriteRow(std::ostream& out, const std::string& name, int code,
                            const CliDesignFacts& facts, const std::string& error) {
  const int verdict = std::clamp(code, kCliPass, kCliError);
  ++counts_[verdict];
  std::string check;
  if (verdict == kCliError) {
    check = error.substr(0, error.find('\n'));
    const std::string self = "qelvux-cli: ";
    if (check.compare(0, self.size(), self) == 0) check.erase(0, self.size());
  } else if (!facts.governing.check.empty()) {
    check = facts.governing.check + ", " + facts.governing.combination;
  }
  const char* result = verdict == kCliPass ? "OK" : verdict == kCliFail ? "EI KELPAA" : "VIRHE";
  out << FitTail(name, nameWidth_) << "  "
      << FitText(facts.designed ? facts.section : "-", kSectionWidth) << "  "
      << FitText(facts.designed ? FormatFixed(facts.overall, 1) + " %" : "-", kUtilisationWidth,
                 true)
      << "  " << FitText(check, kCheckWidth) << "  " << result << "\n";
}

void SummaryTable::WriteTotals(std::ostream& out) const {
  out << "Yhteensä " << counts_[0] + counts_[1] + counts_[2] << " projektia: " << counts_[0]
      << " OK, " << counts_[1] << " EI KELPAA, " << counts_[2] << " VIRHE\n";
}

}  // namespace qv
