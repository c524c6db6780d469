// Shared inside the metafile writers: little-endian bytes and the walk over the kept calls.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ui/drawing/MetafileCanvas.h"

namespace qv {
namespace metafile {

// Little-endian byte buffer.
class Bytes {
 public:
  void U8(unsigned v) { data_ += static_cast<char>(v & 0xFF); }
  void U16(unsigned v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void I16(int v) { U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))); }
  void I32(long v) { U32(static_cast<std::uint32_t>(static_cast<std::int32_t>(v))); }
  void F32(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, sizeof u);
    U32(u);
  }
  void Raw(const std::string& s) { data_ += s; }
  void PadTo(std::size_t multiple) {
    while (data_.size() % multiple != 0) U8(0);
  }
  void PatchU32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) data_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  std::size_t Size() const { return data_.size(); }
  const std::string& Data() const { return data_; }

 private:
  std::string data_;
};

// A point in metafile units.
struct UnitPoint {
  long x = 0;
  long y = 0;
};

inline int Clamp16(long v) { return v < -32768 ? -32768 : v > 32767 ? 32767 : static_cast<int>(v); }

// What a format writes for each step of the walk. Object indices are handed out by the
// walk: the lowest free slot from the format's first index, as a player fills its table.
class Encoder {
 public:
  virtual ~Encoder() = default;
  virtual void CreatePen(int index, const Pen& pen) = 0;
  virtual void CreateBrush(int index, const Brush& brush) = 0;
  virtual void CreateFont(int index, const Font& font) = 0;
  virtual void Select(int index) = 0;
  virtual void Delete(int index) = 0;
  virtual void SetTextColour(Colour colour) = 0;
  // Opaque: text cells are filled with the colour; transparent: the background stays.
  virtual void SetBackground(bool opaque, Colour colour) = 0;
  virtual void Line(UnitPoint from, UnitPoint to) = 0;
  virtual void Polyline(const std::vector<UnitPoint>& points) = 0;
  virtual void Polygon(const std::vector<UnitPoint>& points) = 0;
  virtual void Ellipse(UnitPoint topLeft, UnitPoint bottomRight) = 0;
  virtual void Text(UnitPoint topLeft, const std::string& utf8) = 0;
  // Before the last objects are deleted: let go of them (stock objects where the format
  // has them).
  virtual void ReleaseObjects() = 0;
};

// Walks the canvas's calls through the encoder: objects are created when the state
// changes, selected, and the replaced one deleted; at the end every object is deleted.
// Returns the size the player's object table needs (highest index + 1).
int PlayCalls(const MetafileCanvas& canvas, Encoder& encoder, int firstIndex);

// Windows COLORREF from the canvas colour (both 0x00BBGGRR).
inline std::uint32_t ColourRef(Colour c) { return c & 0x00FFFFFF; }

}  // namespace metafile
}  // namespace qv
