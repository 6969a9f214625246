// "index.txt" read into the title and written as the introduction, compared
// with a byte-by-byte reference of the reading and writing rules.
#include <cstdint>
#include <string>

#include "fake/chunked_source.h"
#include "fake/render_page.h"
#include "fuzz_check.h"
#include "pages/entity_table.h"
#include "pages/index_text.h"

namespace {

using namespace ombrelta;

struct Expected {
  std::string title;
  std::string introduction;
};

bool is_white(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// One byte at a time, exactly as the rules read: Ctrl-Z ends the text, every
// carriage return of the first line is dropped, its line feed ends it, bytes
// after the 255th are lost; the rest is the introduction when anything but
// white space is left.
Expected reference(const std::string& text) {
  Expected out;
  const std::size_t end = std::min(text.find('\x1a'), text.size());
  std::size_t i = 0;
  while (i < end) {
    const char c = text[i++];
    if (c == '\n') break;
    if (c != '\r' && out.title.size() < 255) out.title += c;
  }
  bool more = false;
  for (std::size_t j = i; j < end && !more; ++j) more = !is_white(text[j]);
  if (!more) return out;
  for (; i < end; ++i) {
    const char c = text[i];
    if (c == '\n') {
      out.introduction += "<br>\r\n";
    } else if (c != '\r') {
      const std::string_view entity = kEntities[static_cast<unsigned char>(c)];
      out.introduction += entity.empty() ? std::string(1, c) : std::string(entity);
    }
  }
  out.introduction += "<p>\r\n";
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  // The first byte picks how many bytes each read hands out, so that short
  // inputs meet the block boundaries of large files.
  const std::size_t chunk = 1 + in.byte() % 64;
  const std::string text = in.rest();
  const Expected expected = reference(text);

  TextInput input = testing::chunked_input(text, chunk);
  NameText TITLE = "left over";
  read_title(input, TITLE);
  FUZZ_CHECK(TITLE.view() == expected.title, "title");
  const std::string page =
      testing::render_page([&](PageStream& F2) { write_introduction(F2, input); });
  FUZZ_CHECK(page == expected.introduction, "introduction");
  return 0;
}
