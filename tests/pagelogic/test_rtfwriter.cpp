// Report files: the rich text read back by a small RTF reader, the plain text bytes, the save-mode
// rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/TextCodec.h"
#include "pagelogic/RtfWriter.h"

namespace {

using qv::ReportFileMode;

// What a reader of the document sees: paragraphs with their tab stops, and the header.
struct Paragraph {
  std::string text;  // UTF-8, tabs as '\t'
  std::vector<int> tabs;
};

struct RtfRead {
  std::string error;
  std::vector<std::string> headerWords;  // control words before the first \pard
  std::string fontTable;                 // text inside {\fonttbl ...}
  int fontSize = -1;
  bool bold = false, italic = false;
  std::vector<Paragraph> paragraphs;
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Tokenizes as an RTF reader does: control words end at the first non-letter, a
// numeric parameter may follow, and one space after them is a delimiter.
RtfRead ReadRtf(const std::string& rtf) {
  RtfRead r;
  int depth = 0, fontGroupDepth = -1, skip = 0;
  bool inBody = false;
  Paragraph cur;
  std::u16string pendingSurrogate;
  auto addText = [&](const std::string& utf8) {
    if (fontGroupDepth >= 0)
      r.fontTable += utf8;
    else
      cur.text += utf8;
  };
  for (std::size_t i = 0; i < rtf.size();) {
    const char c = rtf[i];
    if (c == '{') {
      ++depth, ++i;
      continue;
    }
    if (c == '}') {
      if (depth - 1 == fontGroupDepth) fontGroupDepth = -1;
      --depth, ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      if (static_cast<unsigned char>(c) >= 0x80) r.error = "non-ASCII byte";
      if (skip > 0) {
        --skip, ++i;
        continue;
      }
      addText(std::string(1, c));
      ++i;
      continue;
    }
    ++i;
    if (i >= rtf.size()) return r.error = "lone backslash", r;
    if (rtf[i] == '\'') {
      const std::string byte(1, static_cast<char>(std::stoi(rtf.substr(i + 1, 2), nullptr, 16)));
      addText(qv::Cp1252ToUtf8(byte));
      i += 3;
      continue;
    }
    if (!IsLetter(rtf[i])) {
      addText(std::string(1, rtf[i]));
      ++i;
      continue;
    }
    std::string word;
    while (i < rtf.size() && IsLetter(rtf[i])) word += rtf[i++];
    std::string num;
    if (i < rtf.size() && (rtf[i] == '-' || isdigit(static_cast<unsigned char>(rtf[i]))))
      while (i < rtf.size() && (rtf[i] == '-' || isdigit(static_cast<unsigned char>(rtf[i]))))
        num += rtf[i++];
    if (i < rtf.size() && rtf[i] == ' ') ++i;
    const int value = num.empty() ? 0 : std::stoi(num);
    if (word == "fonttbl") {
      fontGroupDepth = depth - 1;
    } else if (word == "pard") {
      inBody = true;
      cur.tabs.clear();
    } else if (word == "tx") {
      cur.tabs.push_back(value);
    } else if (word == "tab") {
      cur.text += '\t';
    } else if (word == "par") {
      r.paragraphs.push_back(cur);
      cur.text.clear();
    } else if (word == "u") {
      const auto unit = static_cast<char16_t>(static_cast<std::uint16_t>(value));
      if (unit >= 0xD800 && unit < 0xDC00) {
        pendingSurrogate = std::u16string(1, unit);
      } else {
        char32_t cp = unit;
        if (!pendingSurrogate.empty())
          cp = 0x10000 + ((pendingSurrogate[0] - 0xD800) << 10) + (unit - 0xDC00);
        pendingSurrogate.clear();
        std::string utf8;
        if (cp < 0x800) {
          utf8 += static_cast<char>(0xC0 | (cp >> 6));
        } else if (cp < 0x10000) {
          utf8 += static_cast<char>(0xE0 | (cp >> 12));
          utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        } else {
          utf8 += static_cast<char>(0xF0 | (cp >> 18));
          utf8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
          utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        }
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
        addText(utf8);
      }
      skip = 1;  // \uc1: one fallback character follows
    } else if (word == "fs") {
      r.fontSize = value;
    } else if (word == "b") {
      r.bold = num != "0";
    } else if (word == "i") {
      r.italic = num != "0";
    } else if (!inBody) {
      r.headerWords.push_back(word + num);
    }
  }
  if (depth != 0) r.error = "unbalanced braces";
  if (!cur.text.empty()) r.error = "text after the last paragraph";
  return r;
}

const std::vector<int> kReportTwips{1500, 2500, 3660, 5000, 6000, 7000, 8000};

std::vector<std::string> Texts(const RtfRead& r) {
  std::vector<std::string> out;
  for (const Paragraph& p : r.paragraphs) out.push_back(p.text);
  return out;
}

std::string Rtf(const std::vector<std::string>& lines, const qv::RtfFont& font = {}) {
  return qv::RtfDocument(lines, font, qv::ReportTabStopsPt());
}

TEST(RtfWriter, HeaderDeclaresCodePageAndFont) {
  qv::RtfFont font;
  font.family = "Courier New";
  font.pointSize = 9.5;
  font.bold = true;
  const std::string doc = Rtf({"x"}, font);
  EXPECT_EQ(doc.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0", 0), 0u);
  const RtfRead r = ReadRtf(doc);
  ASSERT_EQ(r.error, "");
  EXPECT_NE(std::find(r.headerWords.begin(), r.headerWords.end(), "f0"), r.headerWords.end());
  EXPECT_EQ(r.fontTable, "Courier New;");
  EXPECT_EQ(r.fontSize, 19);  // half points
  EXPECT_TRUE(r.bold);
  EXPECT_FALSE(r.italic);
}

TEST(RtfWriter, EveryParagraphCarriesTheTabStopsInTwips) {
  const RtfRead r = ReadRtf(Rtf({"PROJEKTITIEDOT:", "Laskija:\tMatti", "", "12\tKY1"}));
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.paragraphs.size(), 4u);
  for (const Paragraph& p : r.paragraphs) EXPECT_EQ(p.tabs, kReportTwips);
  // A line starting with digits is not read as part of the last tab stop.
  EXPECT_EQ(Texts(r),
            (std::vector<std::string>{"PROJEKTITIEDOT:", "Laskija:\tMatti", "", "12\tKY1"}));
}

TEST(RtfWriter, TabStopsAreSortedAndNonsenseDropped) {
  const RtfRead r = ReadRtf(qv::RtfDocument({"a"}, {}, {300, -5, 75, 0, 75, 183.3}));
  ASSERT_EQ(r.paragraphs.size(), 1u);
  EXPECT_EQ(r.paragraphs[0].tabs, (std::vector<int>{1500, 3666, 6000}));
}

TEST(RtfWriter, FinnishLettersAsCodePageEscapes) {
  const std::string doc = Rtf({"Jännitys Öljy åäö ÄÖÅ € Ω 😀"});
  EXPECT_NE(doc.find("J\\'e4nnitys \\'d6ljy \\'e5\\'e4\\'f6 \\'c4\\'d6\\'c5 \\'80 \\u937?"),
            std::string::npos);
  EXPECT_NE(doc.find("\\u-10179?\\u-8704?"), std::string::npos);  // surrogate pair, signed
  const RtfRead r = ReadRtf(doc);
  ASSERT_EQ(r.error, "");  // pure ASCII
  EXPECT_EQ(Texts(r), (std::vector<std::string>{"Jännitys Öljy åäö ÄÖÅ € Ω 😀"}));
}

TEST(RtfWriter, ControlCharactersEscaped) {
  const std::string line = "C:\\raportit\\{uusi}\\tab";
  const std::string doc = Rtf({line});
  EXPECT_NE(doc.find("C:\\\\raportit\\\\\\{uusi\\}\\\\tab"), std::string::npos);
  EXPECT_EQ(Texts(ReadRtf(doc)), std::vector<std::string>{line});
  // Other control characters have no place in a line and are left out.
  EXPECT_EQ(qv::RtfEscapeText(std::string("a\x01"
                                          "b\x7f"
                                          "c")),
            "abc");
}

TEST(RtfWriter, LinesWithLineFeedsAndOldBytes) {
  // "Muut tiedot" may hold several lines; a stray Windows-1252 byte is read as its letter.
  const RtfRead r = ReadRtf(Rtf({"eka\r\ntoka", "M\xE4nty", "  sisennys "}));
  EXPECT_EQ(Texts(r), (std::vector<std::string>{"eka", "toka", "Mänty", "  sisennys "}));
}

TEST(RtfWriter, EmptyReportIsAValidDocument) {
  const std::string doc = Rtf({});
  const RtfRead r = ReadRtf(doc);
  EXPECT_EQ(r.error, "");
  EXPECT_TRUE(r.paragraphs.empty());
  EXPECT_EQ(doc.substr(doc.size() - 3), "}\r\n");
}

TEST(RtfWriter, FontNameCannotBreakTheTable) {
  qv::RtfFont font;
  font.family = "Bad;{Font}";
  const RtfRead r = ReadRtf(Rtf({"x"}, font));
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.fontTable, "Bad{Font};");
}

TEST(PlainReport, Windows1252WithCrLf) {
  EXPECT_EQ(qv::PlainTextReport({"Mäntä\tÖ", "", "€ Ω"}), "M\xE4nt\xE4\t\xD6\r\n\r\n\x80 ?\r\n");
  EXPECT_EQ(qv::PlainTextReport({"a\nb"}), "a\r\nb\r\n");
  EXPECT_EQ(qv::PlainTextReport({}), "");
}

TEST(ReportSaveMode, ExtensionDecidesWithoutRegardToCase) {
  EXPECT_EQ(qv::ReportModeForFile("/tmp/raportti.TXT", ReportFileMode::Rich),
            ReportFileMode::Plain);
  EXPECT_EQ(qv::ReportModeForFile("raportti.txt", ReportFileMode::Rich), ReportFileMode::Plain);
  EXPECT_EQ(qv::ReportModeForFile("raportti.Rtf", ReportFileMode::Plain), ReportFileMode::Rich);
  // Any other extension keeps the mode last used.
  EXPECT_EQ(qv::ReportModeForFile("raportti.doc", ReportFileMode::Plain), ReportFileMode::Plain);
  EXPECT_EQ(qv::ReportModeForFile("raportti.doc", ReportFileMode::Rich), ReportFileMode::Rich);
  EXPECT_EQ(qv::ReportModeForFile("raportti.pdf", ReportFileMode::Plain), ReportFileMode::Plain);
  EXPECT_EQ(qv::ReportModeForFile("raportti.txt.bak", ReportFileMode::Rich), ReportFileMode::Rich);
  // A dot in a folder name is no extension.
  EXPECT_EQ(qv::ReportModeForFile("/home/a.txt/raportti", ReportFileMode::Rich),
            ReportFileMode::Rich);
  EXPECT_EQ(qv::ReportModeForFile("C:\\a.txt\\raportti", ReportFileMode::Rich),
            ReportFileMode::Rich);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(ReportSaveMode, SavedFilesHoldWhatTheWritersGive) {
  const std::vector<std::string> lines{"KY1:\t(Jännitystarkastelu)", "Tuki:\tFY [kN]:"};
  const std::vector<double>& tabs = qv::ReportTabStopsPt();
  const std::string rich = ::testing::TempDir() + "qv_report_test.rtf";
  const std::string plain = ::testing::TempDir() + "qv_report_test.txt";
  ASSERT_TRUE(qv::SaveReportFile(rich, lines, ReportFileMode::Rich, {}, tabs));
  ASSERT_TRUE(qv::SaveReportFile(plain, lines, ReportFileMode::Plain, {}, tabs));
  EXPECT_EQ(ReadFile(rich), qv::RtfDocument(lines, {}, tabs));
  EXPECT_EQ(ReadFile(plain), qv::PlainTextReport(lines));
  std::remove(rich.c_str());
  std::remove(plain.c_str());
  std::string error;
  EXPECT_FALSE(qv::SaveReportFile("/nonexistent-qv-folder/r.rtf", lines, ReportFileMode::Rich, {},
                                  tabs, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
