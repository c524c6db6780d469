// Text sizes kept by font and text: measured once, told apart by every font property that
// changes a text's size, and measured again after a clear.
#include <gtest/gtest.h>

#include <string>

#include "ui/drawing/TextSizeCache.h"

namespace {

struct CountingMeasure {
  int calls = 0;
  // A size that differs with the text and every font property a measurement depends on.
  qv::TextSize Of(const qv::Font& font, const std::string& text) {
    ++calls;
    const double w = static_cast<double>(text.size()) * font.height * (font.bold ? 1.5 : 1.0) *
                         (font.italic ? 1.25 : 1.0) +
                     static_cast<double>(font.name.size());
    return qv::TextSize{w, font.height};
  }
};

TEST(TextSizeCache, MeasuresEachTextOnceInEachFont) {
  qv::TextSizeCache cache;
  CountingMeasure m;
  qv::Font font;
  const auto get = [&](const qv::Font& f, const std::string& t) {
    return cache.Get(f, t, [&] { return m.Of(f, t); });
  };
  EXPECT_DOUBLE_EQ(get(font, "q12").width, m.Of(font, "q12").width);
  m.calls = 0;
  EXPECT_DOUBLE_EQ(get(font, "q12").width, m.Of(font, "q12").width);
  EXPECT_EQ(m.calls, 1);  // the comparison's own call only

  // Colour does not change a size; face, height, weight and slant do.
  m.calls = 0;
  qv::Font red = font;
  red.colour = 0x0000FF;
  get(red, "q12");
  EXPECT_EQ(m.calls, 0);
  qv::Font other = font;
  other.height = 13.0;
  qv::Font bold = font;
  bold.bold = true;
  qv::Font italic = font;
  italic.italic = true;
  qv::Font face = font;
  face.name = "Courier";
  for (const qv::Font& f : {other, bold, italic, face})
    EXPECT_DOUBLE_EQ(get(f, "q12").width, m.Of(f, "q12").width);
  EXPECT_EQ(m.calls, 8);
  EXPECT_EQ(cache.Size(), 5u);

  // A face name that ends where another's text begins is still another key.
  qv::Font a = font;
  a.name = "Ari";
  get(a, "alq12");
  EXPECT_EQ(cache.Size(), 6u);
  EXPECT_DOUBLE_EQ(get(font, "").width, m.Of(font, "").width);

  cache.Clear();
  m.calls = 0;
  get(font, "q12");
  EXPECT_EQ(m.calls, 1);
}

}  // namespace
