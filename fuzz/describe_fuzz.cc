// The title and name extraction of listed documents, compared with a
// reference that reads the text line by line from a plain string.
#include <cstdint>
#include <string>

#include "fake/chunked_source.h"
#include "fuzz_check.h"
#include "pages/describe.h"

namespace {

using namespace ombrelta;

// The text reading rules on a whole string: the look-ahead and the reading
// of a line, with Ctrl-Z as the end wherever it stands.
class Lines {
 public:
  explicit Lines(const std::string& text)
      : text_(text.substr(0, std::min(text.find('\x1a'), text.size()))) {}

  bool more_text() const {
    for (std::size_t i = pos_; i < text_.size(); ++i) {
      const char c = text_[i];
      if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return true;
    }
    return false;
  }
  std::string read_line() {
    std::string line;
    while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') {
      if (line.size() < 255) line += text_[pos_];
      ++pos_;
    }
    if (pos_ < text_.size()) {
      const bool cr = text_[pos_++] == '\r';
      if (cr && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }
    return line;
  }

 private:
  std::string text_;
  std::size_t pos_ = 0;
};

bool has(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

void reference_title(Lines& lines, std::string& S, std::string& TITLE2) {
  while (lines.more_text() && !has(S, "<title>")) S = lines.read_line();
  const std::size_t open = S.find("<title>");
  if (open == std::string::npos) return;
  S.erase(0, open + 7);
  const std::size_t close = S.find("</title>");
  if (close != std::string::npos) S.erase(close);
  TITLE2 = S;
}

void reference_name(Lines& lines, std::string& S, std::string& TITLE2) {
  while (lines.more_text() && !has(S, "name")) S = lines.read_line();
  if (!has(S, "name") || !has(S, "=")) return;
  const std::size_t quote = S.find('\'');
  if (quote != std::string::npos) S.erase(0, quote + 1);
  while (!S.empty() && static_cast<unsigned char>(S[0]) < 33) S.erase(0, 1);
  std::string kept;
  for (char c : S) {
    if (c != '\'' && c != ';') kept += c;
  }
  S = kept;
  TITLE2 = S;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  const unsigned char how = in.byte();
  const std::size_t chunk = 1 + (how >> 2) % 64;
  const bool title = (how & 1) != 0, name = (how & 2) != 0;
  const std::string text = in.rest();

  Lines lines(text);
  std::string S, TITLE2 = "Text file";
  if (title) reference_title(lines, S, TITLE2);
  if (name) reference_name(lines, S, TITLE2);

  TextInput input = testing::chunked_input(text, chunk);
  NameText got_S, got_TITLE2 = "Text file";
  if (title) title_extraction(input, got_S, got_TITLE2);
  if (name) name_extraction(input, got_S, got_TITLE2);
  FUZZ_CHECK(got_TITLE2.view() == TITLE2, "TITLE2");
  FUZZ_CHECK(got_S.view() == S, "S");
  return 0;
}
