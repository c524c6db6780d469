// Batch designing: many projects in one run, each on its own, in input order on any threads.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/CommandLineDesigner.h"
#include "model/NumberText.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

namespace fs = std::filesystem;

const std::string kData = QELVUX_SOURCE_DATA_DIR;
const std::string kExamples = std::string(QELVUX_SOURCE_DATA_DIR) + "/../examples/";

struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args, const std::string& stdinText = "",
           bool terminal = false) {
  std::istringstream in(stdinText);
  std::ostringstream out, err;
  CliRun r;
  r.code = qv::RunCommandLine(args, kData + "/qelvux-cli", in, out, err, terminal);
  r.out = out.str();
  r.err = err.str();
  return r;
}

double Number(const std::string& text) {
  double v = -1.0;
  EXPECT_EQ(qv::ParseNumber(text, -1e300, 1e300, v), 0) << text;
  return v;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A strict reader of one JSON value (RFC 8259): it must read the whole line. The top-level
// object's members are kept as their raw texts (strings unquoted), for the checks below.
class Json {
 public:
  explicit Json(const std::string& text) : s_(text) {}

  bool ParseObjectLine(std::map<std::string, std::string>& members) {
    members_ = &members;
    Blank();
    if (!Object(true)) return false;
    Blank();
    return i_ == s_.size();
  }

 private:
  void Blank() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r' || s_[i_] == '\n'))
      ++i_;
  }
  bool Eat(char c) {
    Blank();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  bool String(std::string* into) {
    if (!Eat('"')) return false;
    std::string v;
    while (i_ < s_.size() && s_[i_] != '"') {
      const unsigned char c = static_cast<unsigned char>(s_[i_]);
      if (c < 0x20) return false;
      if (c == '\\') {
        if (++i_ >= s_.size()) return false;
        const char e = s_[i_];
        if (e == 'u') {
          for (int k = 0; k < 4; ++k)
            if (++i_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_])))
              return false;
        } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
          return false;
        }
        v += e == 'n' ? '\n' : e;
      } else {
        v += static_cast<char>(c);
      }
      ++i_;
    }
    if (i_ >= s_.size()) return false;
    ++i_;
    if (into) *into = v;
    return true;
  }
  bool Number() {
    const std::size_t start = i_;
    if (i_ < s_.size() && s_[i_] == '-') ++i_;
    if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) return false;
    if (s_[i_] == '0')
      ++i_;
    else
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    if (i_ < s_.size() && s_[i_] == '.') {
      if (++i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) return false;
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
      ++i_;
      if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
      if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) return false;
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    return i_ > start;
  }
  bool Word(const char* w) {
    const std::string word(w);
    if (s_.compare(i_, word.size(), word) != 0) return false;
    i_ += word.size();
    return true;
  }
  bool Value(std::string* raw) {
    Blank();
    if (i_ >= s_.size()) return false;
    const std::size_t start = i_;
    const char c = s_[i_];
    bool ok;
    if (c == '"') return String(raw);
    if (c == '{')
      ok = Object(false);
    else if (c == '[')
      ok = Array();
    else if (c == 't')
      ok = Word("true");
    else if (c == 'f')
      ok = Word("false");
    else if (c == 'n')
      ok = Word("null");
    else
      ok = Number();
    if (ok && raw) *raw = s_.substr(start, i_ - start);
    return ok;
  }
  bool Array() {
    if (!Eat('[')) return false;
    if (Eat(']')) return true;
    do {
      if (!Value(nullptr)) return false;
    } while (Eat(','));
    return Eat(']');
  }
  bool Object(bool top) {
    if (!Eat('{')) return false;
    if (Eat('}')) return true;
    do {
      std::string key, value;
      Blank();
      if (!String(&key) || !Eat(':') || !Value(top ? &value : nullptr)) return false;
      if (top && !members_->emplace(key, value).second) return false;  // a key twice
    } while (Eat(','));
    return Eat('}');
  }

  const std::string& s_;
  std::size_t i_ = 0;
  std::map<std::string, std::string>* members_ = nullptr;
};

// A good, a failing and an unreadable project: three results in order, each for itself, and
// the worst exit code. The verdicts and percentages are the examples' documented ones.
TEST(Batch, EachProjectReportsForItselfInOrder) {
  const std::string good = kExamples + "jatkuva_orsi.vux";     // 73.3 %, passes
  const std::string failing = kExamples + "lattiapalkki.vux";  // 126.4 %, fails
  const std::string unreadable = "/no/such/folder/projekti.vux";
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string stdinText;
  };
  const Case cases[] = {
      {"named", {"--data-dir", kData, "--json", good, failing, unreadable}, ""},
      {"listed on stdin",
       {"--data-dir", kData, "--json", "-"},
       good + "\r\n\n" + failing + "\n" + unreadable + "\n"},
      {"a name and a list",
       {"--data-dir", kData, "--json", good, "-"},
       failing + "\n" + unreadable},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.args, c.stdinText);
    EXPECT_EQ(r.code, qv::kCliError) << c.name;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u) << c.name << "\n" << r.out;
    std::map<std::string, std::string> m[3];
    for (int i = 0; i < 3; ++i)
      ASSERT_TRUE(Json(lines[static_cast<std::size_t>(i)]).ParseObjectLine(m[i]))
          << c.name << ": " << lines[static_cast<std::size_t>(i)];
    EXPECT_EQ(m[0]["file"], good);
    EXPECT_EQ(m[0]["passes"], "true");
    EXPECT_EQ(m[0]["error"], "null");
    EXPECT_EQ(m[0]["section"], "75*225");
    EXPECT_NEAR(Number(m[0]["overallUtilisation"]), 73.3, 0.05);
    EXPECT_EQ(m[1]["file"], failing);
    EXPECT_EQ(m[1]["passes"], "false");
    EXPECT_EQ(m[1]["error"], "null");
    EXPECT_EQ(m[1]["section"], "50*225");
    EXPECT_NEAR(Number(m[1]["overallUtilisation"]), 126.4, 0.05);
    EXPECT_NE(m[1]["governingCheck"], "null");
    EXPECT_EQ(m[2]["file"], unreadable);
    EXPECT_EQ(m[2]["passes"], "false");
    EXPECT_NE(m[2]["error"].find("ei ole"), std::string::npos) << m[2]["error"];
    EXPECT_EQ(m[2]["overallUtilisation"], "null");
    // The unreadable one's message names it.
    EXPECT_NE(r.err.find(unreadable + ": "), std::string::npos) << r.err;
  }

  // In a terminal: the summary table, one line per project, and the totals.
  const CliRun t = Cli({"--data-dir", kData, good, failing, unreadable}, "", true);
  EXPECT_EQ(t.code, qv::kCliError);
  const std::vector<std::string> rows = Lines(t.out);
  ASSERT_EQ(rows.size(), 5u) << t.out;
  EXPECT_NE(rows[1].find("jatkuva_orsi.vux  "), std::string::npos);  // a long path keeps its end
  EXPECT_NE(rows[1].find("75*225"), std::string::npos);
  EXPECT_NE(rows[1].find("73.3 %"), std::string::npos);
  EXPECT_EQ(rows[1].substr(rows[1].size() - 4), "  OK");
  EXPECT_NE(rows[2].find("126.4 %"), std::string::npos);
  EXPECT_EQ(rows[2].substr(rows[2].size() - 11), "  EI KELPAA");
  EXPECT_EQ(rows[3].substr(rows[3].size() - 7), "  VIRHE");
  EXPECT_EQ(rows[4], "Yhteensä 3 projektia: 1 OK, 1 EI KELPAA, 1 VIRHE");
}

// Threads change nothing but the time: every example, a broken and an unreadable file,
// reports and JSON, on two threads exactly as on one.
TEST(Batch, TwoThreadsWriteWhatOneWrites) {
  const fs::path broken = fs::temp_directory_path() / "qelvux_batch_broken.vux";
  std::ofstream(broken) << "ei projekti\n";
  std::vector<std::string> files;
  for (const char* name :
       {"lattiapalkki", "jatkuva_orsi", "pilari", "kattotuoli", "ec5_lattiapalkki", "ec5_orsi"})
    files.push_back(kExamples + name + ".vux");
  files.insert(files.begin() + 2, broken.string());
  files.push_back("/no/such/file.vux");
  for (bool json : {false, true}) {
    std::vector<std::string> args = {"--data-dir", kData};
    if (json) args.push_back("--json");
    args.insert(args.end(), files.begin(), files.end());
    std::vector<std::string> one = args, two = args;
    one.insert(one.begin(), {"-j", "1"});
    two.insert(two.begin(), {"-j", "2"});
    const CliRun a = Cli(one), b = Cli(two);
    EXPECT_EQ(a.code, qv::kCliError);
    EXPECT_EQ(b.code, a.code);
    EXPECT_EQ(b.out, a.out) << "json " << json;
    EXPECT_EQ(b.err, a.err) << "json " << json;
    EXPECT_NE(a.out.find(json ? "\"overallUtilisation\": 142.8" : "Kokonaiskäyttöaste:\t142.9 %"),
              std::string::npos);
  }
}

// --save names one file and is refused with several projects; --save-dir saves each under its
// own name, with the section the search found (the examples' documented ones).
TEST(Batch, SavingIsPerProject) {
  const std::string pilari = kExamples + "pilari.vux", joist = kExamples + "lattiapalkki.vux";
  // Options that name one output, or print one table, take one project.
  const struct {
    std::vector<std::string> option;
    const char* refusal;
  } single[] = {
      {{"--save", "/tmp/x.vux"}, "Valitsimella --save voi tallentaa vain yhden projektin"},
      {{"--pdf", "/tmp/x.pdf"}, "Valitsimella --pdf voi kirjoittaa vain yhden projektin"},
      {{"--sweep"}, "Valitsimella --sweep voi käydä läpi vain yhden projektin"}};
  CliRun r;
  for (const auto& c : single) {
    std::vector<std::string> args = c.option;
    args.insert(args.end(), {pilari, joist});
    r = Cli(args);
    EXPECT_EQ(r.code, qv::kCliError) << c.refusal;
    EXPECT_NE(r.err.find(c.refusal), std::string::npos) << r.err;
    args.resize(c.option.size());
    args.push_back("-");
    EXPECT_EQ(Cli(args, pilari).code, qv::kCliError) << c.refusal;
  }

  const fs::path dir = fs::temp_directory_path() / "qelvux_batch_saved";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path before = fs::current_path();
  fs::current_path(kData);  // the examples name their library relative to the working folder
  r = Cli({"--data-dir", kData, "--search", "--save-dir", dir.string(), "-j", "2", "-"},
          pilari + "\n" + joist + "\n");
  fs::current_path(before);
  EXPECT_EQ(r.code, qv::kCliPass) << r.err;
  struct Saved {
    const char* name;
    const char* section;
  };
  for (const Saved& s : {Saved{"pilari.vux", "100*150"}, Saved{"lattiapalkki.vux", "75*225"}}) {
    QELVUX_data p(kData + "/qelvux");
    ASSERT_EQ(qv::LoadProject(p, (dir / s.name).string()), 0) << s.name;
    EXPECT_EQ(p.Profiles.Name(p.Profiles.CurrentIndex), s.section);
  }
  fs::remove_all(dir);
}

}  // namespace
