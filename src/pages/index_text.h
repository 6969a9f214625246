#pragma once

#include "pages/page_stream.h"
#include "platform/name_text.h"
#include "platform/text_input.h"

namespace ombrelta {

// Reads the first line of "index.txt" into TITLE: every carriage return is
// dropped, the line feed that ends the line is consumed, bytes after the
// 255th are read and lost. A Ctrl-Z or the end of the text ends it as well.
void read_title(TextInput& input, NameText& TITLE);

// Writes the rest of "index.txt" as the introduction: a line feed as "<br>"
// and a page line break, a carriage return as nothing, any other byte
// through FILTER, and "<p>" with a line break after the last byte. Writes
// nothing at all when only blanks, tabs and line ends are left.
void write_introduction(PageStream& F2, TextInput& input);

}  // namespace ombrelta
