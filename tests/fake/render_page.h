#pragma once

#include <string>

#include "fake/fake_platform.h"
#include "pages/page_stream.h"

namespace ombrelta::testing {

// The bytes that `write(F2)` puts into a page.
template <class Write>
std::string render_page(Write write) {
  FakePlatform os;
  PageStream F2(os.create_page("page.html", Emptied::kAtOnce));
  write(F2);
  F2.close();
  return os.content("page.html");
}

}  // namespace ombrelta::testing
