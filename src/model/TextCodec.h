// Conversion between the program's UTF-8 text and the Windows-1252 files it reads and writes.
#pragma once

#include <string>
#include <vector>

namespace qv {

// Converts Windows-1252 bytes to UTF-8.
std::string Cp1252ToUtf8(const std::string& bytes);

// Converts UTF-8 text to Windows-1252; characters the code page lacks become '?'.
std::string Utf8ToCp1252(const std::string& text);

// True when the bytes are valid UTF-8 (pure ASCII included).
bool IsValidUtf8(const std::string& bytes);

// Decodes the bytes of a file: valid UTF-8 stays as it is, anything else is Windows-1252.
std::string DecodeFileText(const std::string& bytes);

// Splits decoded text into lines at LF, dropping a CR before it; a final line end adds no line.
std::vector<std::string> SplitLines(const std::string& text);

// The lines with LF between them (none after the last), in one string.
std::string JoinedLines(const std::vector<std::string>& lines);

// Largest text file read: a project, table or library is a few hundred kilobytes at most.
constexpr std::size_t kMaxTextFileBytes = std::size_t(50) << 20;

// Why a path cannot be read as a file, in the program's words ("ei ole", "on kansio eikä
// tiedosto", "on erikoistiedosto ..."), or "" for a regular file.
std::string UnreadableReason(const std::string& path);

// Reads a whole file as UTF-8 lines (a UTF-8 byte-order mark skipped); false when it is no
// regular file, cannot be opened or read, or is larger than kMaxTextFileBytes, with the
// reason in error (when given). Never throws.
bool ReadTextFileLines(const std::string& path, std::vector<std::string>& lines,
                       std::string* error = nullptr);

// Writes lines as Windows-1252 with CR LF after each; false when the file cannot be written.
bool WriteTextFileLines(const std::string& path, const std::vector<std::string>& lines);

// Like WriteTextFileLines, but the old file is replaced only once the new one is wholly on
// disk: the lines go to a temporary file in the same folder, which is then renamed over
// the old one. On failure the old file is untouched, the temporary file removed, and
// error (when given) receives the system's reason.
bool ReplaceTextFileLines(const std::string& path, const std::vector<std::string>& lines,
                          std::string* error = nullptr);
// The same for bytes written as they are (pictures, PDF, RTF).
bool ReplaceFileBytes(const std::string& path, const std::string& bytes,
                      std::string* error = nullptr);

// Number of characters (code points) of UTF-8 text.
std::size_t CharCount(const std::string& text);

// The first n characters of UTF-8 text (as "%.ns" would cut, counting characters).
std::string CutChars(const std::string& text, std::size_t n);

}  // namespace qv
