#pragma once

#include <string_view>

#include "pages/page_stream.h"
#include "platform/name_text.h"

namespace ombrelta {

// Writes one character of free text: the ampersand and twelve Nordic and
// German letters (in both DOS code page 850 and ISO 8859-1) as HTML entities,
// every other byte as itself.
void FILTER(PageStream& F2, char C);

// Free text through FILTER, byte by byte.
void write_filtered(PageStream& F2, std::string_view text);

// The page title through FILTER.
void WTITLE(PageStream& F2, const NameText& TITLE);

// One description cell: "<td>", the text with a bare ampersand and every
// other byte through FILTER, "&nbsp" (no semicolon) when empty, "</td>".
void RTITLE(PageStream& F2, NameText S);

}  // namespace ombrelta
