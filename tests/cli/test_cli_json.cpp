// JSON strings as RFC 8259 writes them: quotes, backslashes and control characters escaped,
// everything else (UTF-8 included) as it is.
#include <gtest/gtest.h>

#include <string>

#include "cli/CliJson.h"

namespace {

TEST(CliJson, StringsEscapeWhatJsonRequires) {
  const struct {
    std::string text;
    std::string json;
  } cases[] = {
      {"", "\"\""},
      {"Taivutus (6.11)", "\"Taivutus (6.11)\""},
      {"Siirtymä y, aukko 1", "\"Siirtymä y, aukko 1\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"rivi 1\nrivi 2\r\n\tloppu", "\"rivi 1\\nrivi 2\\r\\n\\tloppu\""},
      {std::string("x\x01y\x1f", 4), "\"x\\u0001y\\u001f\""},
      {"\"", "\"\\\"\""},
  };
  for (const auto& c : cases) EXPECT_EQ(qv::JsonString(c.text), c.json) << c.json;
}

}  // namespace
