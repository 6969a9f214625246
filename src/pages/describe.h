#pragma once

#include "platform/name_text.h"
#include "platform/text_input.h"

namespace ombrelta {

// The description table: the description of the last type text that the path
// holds (".doc", ".txt", ".xls", ".mp", ".pas", ".pp", ".exe", case-sensitive),
// or an empty text.
NameText type_description(const NameText& P);

// Reads lines into S until one holds "<title>" (or the text ends); from such
// a line, what stands between "<title>" and "</title>" (or the line's end)
// becomes TITLE2. Starts from what S already holds.
void title_extraction(TextInput& input, NameText& S, NameText& TITLE2);

// Reads lines into S until one holds "name" (or the text ends); when that line
// also holds "=", its text after the first single quote, without leading
// blanks, single quotes and semicolons, becomes TITLE2. Starts from what S
// already holds, so it goes on where the title extraction stopped.
void name_extraction(TextInput& input, NameText& S, NameText& TITLE2);

}  // namespace ombrelta
