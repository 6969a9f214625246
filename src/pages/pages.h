#pragma once

#include <cstdint>
#include <memory>

#include "pages/page_stream.h"
#include "platform/name_text.h"
#include "platform/text_input.h"

namespace ombrelta {

// The program-wide state of the page writers for one run.
struct Pages {
  PageStream F2;     // the index page, open from its creation to the footer
  NameText S;        // scratch text: the argument, later a document's line
  NameText TITLE;    // the page title, the first line of "index.txt"
  bool NINDEX = false;  // "index.txt" could not be opened
  NameText TITLE2;   // the description of the current table row
  std::uint8_t A = 0;     // the current picture, later the current row
  std::uint8_t DOCS = 0;  // rows of the link and document table

  // The text input while it reads a file; empty while it reads the console
  // or is closed.
  std::unique_ptr<TextInput> input;
};

}  // namespace ombrelta
