// Windows-1252 <-> UTF-8 conversion and whole-file line reading and writing.
#include "model/TextCodec.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace qv {
namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; 0 marks the five undefined bytes.
const char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not valid.
std::size_t Utf8SequenceLength(const std::string& s, std::size_t i, char32_t* cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t n;
  char32_t c;
  if (b0 < 0x80) {
    if (cp) *cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    n = 2;
    c = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3;
    c = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4;
    c = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode are not UTF-8.
  if ((n == 2 && c < 0x80) || (n == 3 && c < 0x800) || (n == 4 && c < 0x10000) || c > 0x10FFFF ||
      (c >= 0xD800 && c <= 0xDFFF))
    return 0;
  if (cp) *cp = c;
  return n;
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    // Runs of ASCII, nearly all of every file, are copied whole.
    std::size_t end = i;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) ++end;
    out.append(bytes, i, end - i);
    if (end == bytes.size()) break;
    i = end;
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0xA0) {
      const char32_t c = kHigh[b - 0x80];
      AppendUtf8(out, c ? c : b);  // undefined bytes map to the C1 control of the same value
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

std::string Utf8ToCp1252(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = 0;
    std::size_t n = Utf8SequenceLength(text, i, &c);
    if (n == 0) {  // not UTF-8: keep the byte as it is
      out += text[i];
      ++i;
      continue;
    }
    i += n;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += static_cast<char>(c);
      continue;
    }
    char mapped = '?';
    for (int k = 0; k < 32; ++k) {
      if (kHigh[k] == c || (kHigh[k] == 0 && c == static_cast<char32_t>(0x80 + k))) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

bool IsValidUtf8(const std::string& bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t n = Utf8SequenceLength(bytes, i, nullptr);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string DecodeFileText(const std::string& bytes) {
  return IsValidUtf8(bytes) ? bytes : Cp1252ToUtf8(bytes);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.emplace_back(text, start, stop - start);
    start = end + 1;
  }
  return lines;
}

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::size_t size = lines.empty() ? 0 : lines.size() - 1;
  for (const auto& line : lines) size += line.size();
  std::string text;
  text.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  return text;
}

namespace {

// What a path that exists but is no regular file is, in the program's words; "" for a file.
std::string NoFileReason(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return "on kansio eikä tiedosto";
  if (!S_ISREG(st.st_mode))
    return "on erikoistiedosto (laite, putki tai pistoke) eikä tavallinen tiedosto";
  return std::string();
}

}  // namespace

std::string UnreadableReason(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    switch (errno) {
      case ENOENT:
      case ENOTDIR:
        return "ei ole";
      case ELOOP:
        return "on kehään kiertyvä linkki";
      default:
        return std::string("ei ole luettavissa: ") + std::strerror(errno);
    }
  }
  return NoFileReason(st);
}

bool ReadTextFileLines(const std::string& path, std::vector<std::string>& lines,
                       std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  // A folder, a pipe or a device is never opened: a pipe would wait for a writer and
  // /dev/zero would never end.
  const std::string reason = UnreadableReason(path);
  if (!reason.empty()) return fail(reason);
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(std::string("ei ole luettavissa: ") + std::strerror(errno));
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      close(fd);
      return fail(std::string("lukeminen epäonnistui: ") + std::strerror(err));
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<std::size_t>(n) > kMaxTextFileBytes) {
      close(fd);
      return fail("on liian suuri (yli " + std::to_string(kMaxTextFileBytes >> 20) + " Mt)");
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  // A byte-order mark written by an editor is no part of the first line.
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  lines = SplitLines(DecodeFileText(bytes));
  if (error) error->clear();
  return true;
}

bool WriteTextFileLines(const std::string& path, const std::vector<std::string>& lines) {
  // Every file the program writes is replaced whole or not at all.
  return ReplaceTextFileLines(path, lines, nullptr);
}

namespace {

// The file a path names: a link is written through to its target, not replaced by a file.
std::string WriteTarget(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_symlink(path, ec)) return path;
  const fs::path target = fs::weakly_canonical(path, ec);
  return ec ? path : target.string();
}

}  // namespace

bool ReplaceFileBytes(const std::string& path, const std::string& bytes, std::string* error) {
  auto refuse = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (path.empty()) return refuse("tiedoston nimi puuttuu");
  const std::string target = WriteTarget(path);
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists && !NoFileReason(old).empty()) return refuse(NoFileReason(old));
  // Renaming over a write-protected file would replace it without asking (as root, or in a
  // writable folder): the protection is the user's word.
  if (exists && (old.st_mode & 0222) == 0) return refuse("tiedosto on kirjoitussuojattu");
  // A short temporary name in the same folder: the target's own name may be at the limit.
  const std::size_t slash = target.find_last_of('/');
  std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string pattern = folder + ".qelvux-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  auto fail = [&](int err, bool created) {
    if (error) *error = std::strerror(err);
    if (created) unlink(name.data());
    return false;
  };
  if (fd < 0) return fail(errno, false);
  if (exists) {
    fchmod(fd, old.st_mode & 07777);
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int err = n < 0 ? errno : EIO;
      close(fd);
      return fail(err, true);
    }
    done += static_cast<std::size_t>(n);
  }
  if (fsync(fd) != 0 || close(fd) != 0) return fail(errno, true);
  if (std::rename(name.data(), target.c_str()) != 0) return fail(errno, true);
  return true;
}

bool ReplaceTextFileLines(const std::string& path, const std::vector<std::string>& lines,
                          std::string* error) {
  std::string bytes;
  for (const auto& line : lines) bytes += Utf8ToCp1252(line) + "\r\n";
  return ReplaceFileBytes(path, bytes, error);
}

std::size_t CharCount(const std::string& text) {
  std::size_t count = 0;
  for (char ch : text) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string CutChars(const std::string& text, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (count == n) return text.substr(0, i);
      ++count;
    }
  }
  return text;
}

}  // namespace qv
