// Sizes of texts already measured, by font and text, so that a drawing measures each only once.
#pragma once

#include <cstring>
#include <string>
#include <unordered_map>

#include "ui/drawing/Canvas.h"

namespace qv {

// Measuring a text shapes it anew each time, and a long member's load drawing measures
// thousands of labels and dimension figures, many of them the same, on every paint. The
// size depends only on the text and the font's face, height, weight and slant (not its
// colour), so a size once measured is kept; whoever measures on another surface (another
// resolution) clears the cache first.
class TextSizeCache {
 public:
  // The size measure() returns for the text in the font, calling it only the first time.
  template <typename Measure>
  TextSize Get(const Font& font, const std::string& text, Measure measure) {
    key_.assign(font.name);
    char flags[sizeof font.height + 2];
    std::memcpy(flags, &font.height, sizeof font.height);
    flags[sizeof font.height] = font.bold ? 'b' : '-';
    flags[sizeof font.height + 1] = font.italic ? 'i' : '-';
    key_.push_back('\0');
    key_.append(flags, sizeof flags);
    key_.append(text);
    const auto found = sizes_.find(key_);
    if (found != sizes_.end()) return found->second;
    if (sizes_.size() >= kMostKept) sizes_.clear();
    const TextSize size = measure();
    sizes_.emplace(key_, size);
    return size;
  }

  void Clear() { sizes_.clear(); }
  std::size_t Size() const { return sizes_.size(); }

 private:
  // Beyond this many texts the cache starts over rather than grow without end.
  static constexpr std::size_t kMostKept = 50000;

  std::unordered_map<std::string, TextSize> sizes_;
  std::string key_;
};

}  // namespace qv
