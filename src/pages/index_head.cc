#include "pages/index_head.h"

#include <string>

#include "catalogue/case_warning.h"
#include "pages/filter.h"
#include "pages/generator.h"
#include "pages/index_text.h"

namespace ombrelta {

namespace {

constexpr std::string_view kIndexText = "index.txt";
constexpr std::string_view kIndexTextNotFound = "File index.txt not found";

// Puts "index.txt" on the text input, or says on the console that it cannot
// be opened and sets NINDEX.
void open_index_text(Platform& os, Pages& pages) {
  if (auto source = os.open_text(kIndexText)) {
    pages.input = std::make_unique<TextInput>(std::move(source));
  } else {
    os.console_line(std::string(kIndexTextNotFound) + kBell);
    pages.NINDEX = true;
  }
}

// A line of the page: `text`, then CR LF.
void line(PageStream& F2, std::string_view text) {
  F2.write(text);
  F2.crlf();
}

// `open`, the title through WTITLE, `close`, CR LF; nothing for an empty title.
void title_line(PageStream& F2, const NameText& TITLE, std::string_view open,
                std::string_view close) {
  if (TITLE.empty()) return;
  F2.write(open);
  WTITLE(F2, TITLE);
  line(F2, close);
}

// The html and head elements, the opening body tag and the heading.
void write_page_head(PageStream& F2, const NameText& TITLE) {
  line(F2, "<html>");
  line(F2, "<head>");
  F2.write("<meta name=\"GENERATOR\" content=\"");
  F2.write(NAME);
  line(F2, "\">");
  title_line(F2, TITLE, "<title>", "</title>");
  line(F2, "</head>");
  F2.crlf();
  line(F2, "<body bgcolor=\"#ffffff\">");
  title_line(F2, TITLE, "<h2>", "</h2>");
}

}  // namespace

void head_and_introduction(Platform& os, Pages& pages) {
  open_index_text(os, pages);
  if (pages.input) read_title(*pages.input, pages.TITLE);
  write_page_head(pages.F2, pages.TITLE);
  if (!pages.NINDEX) write_introduction(pages.F2, *pages.input);
  // Closing a text reports nothing; the console input coming back can fail.
  pages.input.reset();
  os.open_console_input();
}

}  // namespace ombrelta
