#include "pages/slide.h"

#include <string>

#include "pages/generator.h"
#include "pages/page_stream.h"
#include "pages/tal2.h"

namespace ombrelta {

namespace {

std::string page_name(std::uint32_t X) { return "zdia" + TAL(X, 4) + ".html"; }

void slide_head(PageStream& F3, const NameText& SLN) {
  F3.write("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html><head>");
  F3.crlf();
  F3.write("<meta name=\"GENERATOR\" content=\"");
  F3.write(NAME);
  F3.write("\">");
  F3.crlf();
  F3.write("<title>");
  F3.name(SLN.view());
  F3.write("</title>");
  F3.crlf();
  F3.crlf();
  F3.write("</head>");
  F3.crlf();
  F3.crlf();
  F3.write("<body bgcolor=\"#606060\">");
  F3.crlf();
}

// One button cell: `label` is already padded with its non-breaking spaces.
void button(PageStream& F3, std::string_view colour, const std::string& target,
            std::string_view label) {
  F3.write("<th align=\"center\" bgcolor=\"");
  F3.write(colour);
  F3.write("\" width=\"70\"><a href=\"");
  F3.write(target);
  F3.write("\">");
  F3.write(label);
  F3.write("</a></th>");
  F3.crlf();
}

// The button row; the first cell follows "<tr>" on the same line.
void slide_buttons(PageStream& F3, std::uint16_t X, int pictures) {
  F3.write("<table align=\"right\"><tbody>");
  F3.crlf();
  F3.write("<tr>");
  if (X > 1) button(F3, "#ffcc00", page_name(X - 1u), "&nbsp;&nbsp;Back&nbsp;&nbsp;");
  button(F3, "#ff0000", "index.html", "&nbsp;&nbsp;&nbsp;Exit&nbsp;&nbsp;&nbsp;");
  if (X < pictures) button(F3, "#00ff00", page_name(X + 1u), "&nbsp;&nbsp;Next&nbsp;&nbsp;");
  F3.write("</tr></tbody></table><br>");
  F3.crlf();
}

// The picture as its own link; the page's last line break is LF CR.
void slide_picture(PageStream& F3, const NameText& SLN) {
  F3.write("<center><a href=\"");
  F3.name(SLN.view());
  F3.write("\" target=\"_top\"><img src=\"");
  F3.name(SLN.view());
  F3.write("\"></a>\n\r</body></html>");
  F3.crlf();
}

}  // namespace

void SLIDE(Platform& os, const Catalogue& cat, std::uint16_t X, const NameText& SLN) {
  PageStream F3(os.create_page(page_name(X), Emptied::kAtClose));
  slide_head(F3, SLN);
  slide_buttons(F3, X, cat.JPGNUM - 1);
  slide_picture(F3, SLN);
  F3.close();
}

}  // namespace ombrelta
