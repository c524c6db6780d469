// Rich text and plain text report files.
#include "pagelogic/RtfWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/TextCodec.h"
#include "pagelogic/PictureExport.h"

namespace qv {

namespace {

const char kHex[] = "0123456789abcdef";

// Decodes valid UTF-8 (the caller has made sure) into code points.
std::vector<char32_t> CodePoints(const std::string& s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t n = b0 < 0x80 ? 1 : (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : 4;
    if (i + n > s.size()) break;
    char32_t c = n == 1 ? b0 : n == 2 ? (b0 & 0x1F) : n == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < n; ++k)
      c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(c);
    i += n;
  }
  return out;
}

std::string Utf8Of(char32_t c) {
  std::string s;
  if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  s += static_cast<char>(0x80 | (c & 0x3F));
  return s;
}

void AppendHexByte(std::string& out, unsigned char b) {
  out += "\\'";
  out += kHex[b >> 4];
  out += kHex[b & 0x0F];
}

// \uN? takes a signed 16-bit number; the '?' is what a reader without Unicode shows.
void AppendUnicodeUnit(std::string& out, unsigned unit) {
  out += "\\u" + std::to_string(static_cast<int>(static_cast<std::int16_t>(unit))) + "?";
}

void AppendCodePoint(std::string& out, char32_t c) {
  if (c == '\\' || c == '{' || c == '}') {
    out += '\\';
    out += static_cast<char>(c);
  } else if (c == '\t') {
    out += "\\tab ";
  } else if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
    // Control characters have no place in a report line.
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c <= 0xFF) {
    AppendHexByte(out, static_cast<unsigned char>(c));
  } else {
    const std::string b = Utf8ToCp1252(Utf8Of(c));
    if (b.size() == 1 && b[0] != '?') {
      AppendHexByte(out, static_cast<unsigned char>(b[0]));
    } else if (c < 0x10000) {
      AppendUnicodeUnit(out, static_cast<unsigned>(c));
    } else {
      const char32_t v = c - 0x10000;
      AppendUnicodeUnit(out, 0xD800 + static_cast<unsigned>(v >> 10));
      AppendUnicodeUnit(out, 0xDC00 + static_cast<unsigned>(v & 0x3FF));
    }
  }
}

// Report lines as paragraphs: a line holding line feeds gives several.
std::vector<std::string> Paragraphs(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    const std::string text = IsValidUtf8(line) ? line : Cp1252ToUtf8(line);
    if (text.find('\n') == std::string::npos) {
      std::string t = text;
      t.erase(std::remove(t.begin(), t.end(), '\r'), t.end());
      out.push_back(t);
      continue;
    }
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = text.find('\n', start);
      std::string part = text.substr(start, end == std::string::npos ? end : end - start);
      part.erase(std::remove(part.begin(), part.end(), '\r'), part.end());
      out.push_back(part);
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  return out;
}

std::string TabStopWords(const std::vector<double>& tabStopsPt) {
  std::vector<long> twips;
  for (double pt : tabStopsPt) {
    if (!(pt > 0.0) || !std::isfinite(pt) || pt > 1e5) continue;
    twips.push_back(std::lround(pt * 20.0));
  }
  std::sort(twips.begin(), twips.end());
  twips.erase(std::unique(twips.begin(), twips.end()), twips.end());
  std::string out;
  for (long t : twips) out += "\\tx" + std::to_string(t);
  return out;
}

std::string FontTable(const RtfFont& font) {
  std::string name;
  for (char c : font.family)
    if (c != ';') name += c;  // ';' ends the name in the table
  if (name.empty()) name = "Courier New";
  return "{\\fonttbl{\\f0\\fnil\\fcharset0 " + RtfEscapeText(name) + ";}}";
}

std::string CharacterFormat(const RtfFont& font) {
  double pt = std::isfinite(font.pointSize) ? font.pointSize : 10.0;
  pt = std::min(std::max(pt, 1.0), 1638.0);
  std::string out = "\\f0\\fs" + std::to_string(std::lround(pt * 2.0));
  if (font.bold) out += "\\b";
  if (font.italic) out += "\\i";
  return out;
}

std::vector<std::string> RtfLines(const std::vector<std::string>& lines, const RtfFont& font,
                                  const std::vector<double>& tabStopsPt) {
  std::vector<std::string> out;
  out.push_back("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1035" + FontTable(font));
  out.push_back("\\viewkind4\\uc1" + CharacterFormat(font));
  const std::string pard = "\\pard" + TabStopWords(tabStopsPt) + " ";
  for (const std::string& p : Paragraphs(lines)) out.push_back(pard + RtfEscapeText(p) + "\\par");
  out.push_back("}");
  return out;
}

}  // namespace

const std::vector<double>& ReportTabStopsPt() {
  static const std::vector<double> stops{75, 125, 183, 250, 300, 350, 400};
  return stops;
}

std::string RtfEscapeText(const std::string& utf8) {
  const std::string text = IsValidUtf8(utf8) ? utf8 : Cp1252ToUtf8(utf8);
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char32_t c : CodePoints(text)) AppendCodePoint(out, c);
  return out;
}

std::string RtfDocument(const std::vector<std::string>& lines, const RtfFont& font,
                        const std::vector<double>& tabStopsPt) {
  std::string out;
  for (const std::string& l : RtfLines(lines, font, tabStopsPt)) out += l + "\r\n";
  return out;
}

std::string PlainTextReport(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& p : Paragraphs(lines)) out += Utf8ToCp1252(p) + "\r\n";
  return out;
}

ReportFileMode ReportModeForFile(const std::string& path, ReportFileMode current) {
  const std::string ext = LowerExtension(path);
  if (ext == ".txt") return ReportFileMode::Plain;
  if (ext == ".rtf") return ReportFileMode::Rich;
  return current;
}

bool SaveReportFile(const std::string& path, const std::vector<std::string>& lines,
                    ReportFileMode mode, const RtfFont& font, const std::vector<double>& tabStopsPt,
                    std::string* error) {
  // The rich text is pure ASCII, so the line writer passes it through unchanged.
  const std::vector<std::string> fileLines =
      mode == ReportFileMode::Rich ? RtfLines(lines, font, tabStopsPt) : Paragraphs(lines);
  return ReplaceTextFileLines(path, fileLines, error);
}

}  // namespace qv
