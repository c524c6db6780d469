// Helpers shared by the fuzz targets: a broken invariant stops the run, bytes become files.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fuzz {

inline void Check(bool ok, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "broken invariant at %s:%d\n", file, line);
  std::abort();
}

// A private folder for the files a reader insists on, made once per process.
inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string name = std::string(base) + "/qvfuzz-" + std::to_string(getpid());
    std::string tmpl = std::string(base) + "/qvfuzz-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    const char* made = mkdtemp(buf.data());
    return made ? std::string(made) : name;
  }();
  // Removed when the process ends, so replays leave nothing behind.
  static const bool cleanup = [] {
    return std::atexit([] {
             std::error_code ec;
             std::filesystem::remove_all(ScratchFolder(), ec);
           }) == 0;
  }();
  (void)cleanup;
  return folder;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Cuts bytes into parts at every line that is exactly the marker.
inline std::vector<std::string> SplitParts(const std::string& bytes, const std::string& marker,
                                           std::size_t maxParts) {
  std::vector<std::string> parts(1);
  std::size_t start = 0;
  const std::string cut = "\n" + marker + "\n";
  while (parts.size() < maxParts) {
    const std::size_t at = bytes.find(cut, start);
    if (at == std::string::npos) break;
    parts.back() = bytes.substr(start, at + 1 - start);
    parts.emplace_back();
    start = at + cut.size();
  }
  parts.back() = bytes.substr(start);
  return parts;
}

}  // namespace fuzz
