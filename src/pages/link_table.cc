#include "pages/link_table.h"

#include <string>

#include "pages/describe.h"
#include "pages/filter.h"
#include "pages/footer.h"
#include "pages/tal2.h"

namespace ombrelta {

namespace {

constexpr std::string_view kTableHead =
    "<table width=\"100%\"><tr><td>&nbsp;</td><th width=\"100%\">&nbsp;</th>"
    "<td colspan=\"4\">&nbsp;</td></tr>";
// The first cell opens as th and closes as td, as it always has.
constexpr std::string_view kSlideshowRow =
    "<tr><th align=\"left\" bgcolor=\"#666666\"><a href=\"zdia0001.html\" target=\"_top\">"
    "Slideshow</a></td><td colspan=\"5\">&nbsp;</td></tr>";

constexpr std::uint64_t k2GiB = std::uint64_t{1} << 31;

void link_cell(PageStream& F2, const NameText& P) {
  F2.write("<td><a href=\"");
  F2.name(P.view());
  F2.write("\">");
  F2.name(P.view());
  F2.write("</a></td>");
}

// Opens P on the text input and reads its title or name as its type asks;
// a document that cannot be opened says so instead.
void read_description(Platform& os, Pages& pages, const NameText& P) {
  auto source = os.open_text(P.view());
  if (!source) {
    pages.TITLE2 = "could not be accessed";
    return;
  }
  pages.input = std::make_unique<TextInput>(std::move(source));
  if (P.contains(".htm")) title_extraction(*pages.input, pages.S, pages.TITLE2);
  if (P.contains(".pp") || P.contains(".pas")) name_extraction(*pages.input, pages.S, pages.TITLE2);
}

// The size a listing gives; a document of 2 GiB or more shows its true size
// instead of the low 32 bits.
std::string size_text(const Entry& entry) {
  if (entry.true_size >= k2GiB) return std::to_string(entry.true_size);
  return std::to_string(entry.size);
}

// Date, time, "size" and size of the entry P names now; an entry that is not
// found shows the values of an empty one.
void date_and_size_cells(Platform& os, PageStream& F2, const NameText& P) {
  const Entry entry = os.lookup(P.view()).value_or(Entry{});
  const FileTime& FTID = entry.time;
  F2.write("<td>" + TAL(FTID.year, 4) + TAL(FTID.month, 2) + TAL(FTID.day, 2) + "</td><td>");
  F2.write(TAL(FTID.hour, 2) + ":" + TAL(FTID.minute, 2) + "</td><td>size</td><td>");
  F2.write(size_text(entry) + "</td>");
}

void document_row(Platform& os, Pages& pages, const NameText& P) {
  pages.F2.write("<tr>");
  link_cell(pages.F2, P);
  pages.S.clear();
  pages.TITLE2 = type_description(P);
  read_description(os, pages, P);
  count_up(pages.DOCS);
  RTITLE(pages.F2, pages.TITLE2);
  date_and_size_cells(os, pages.F2, P);
  pages.F2.write("</tr>");
  pages.F2.crlf();
  pages.input.reset();
}

}  // namespace

void table_phase(Platform& os, Catalogue& cat, Pages& pages) {
  pages.F2.write(kTableHead);
  pages.F2.crlf();
  if (cat.JPGNUM > 2) {
    pages.F2.write(kSlideshowRow);
    pages.F2.crlf();
  }
  const int last = cat.FSORT;
  for (int slot = 1; slot <= last; ++slot) {
    pages.A = static_cast<std::uint8_t>(slot);
    if (!cat.SORT[slot].NAVN.empty()) document_row(os, pages, cat.SORT[slot].NAVN);
  }
  write_footer(os, pages.F2);
}

}  // namespace ombrelta
