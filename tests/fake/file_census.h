#pragma once

#include <map>
#include <string>

#include "fake/fake_platform.h"

namespace ombrelta::testing {

// Every file of a fake tree by absolute path, with its bytes.
using Census = std::map<std::string, std::string>;
Census census(FakePlatform& os);

// Empty when every file of `before` is found once in `after` with the same
// bytes, at its old path or at a path that drops "m_" prefixes (any letter
// case) from its name, the rest of the name perhaps in another letter case,
// and nothing else is there; otherwise what went wrong.
// The pages a run writes in `working_folder` (index.html, zdia0001.html
// on), which it may create or overwrite, are left out on both sides.
std::string lost_or_doubled(const Census& before, const Census& after,
                            const std::string& working_folder);

// The operations whose failure the program answers without ending the run:
// listings and lookups find nothing, a text that cannot be opened has its
// own message, the wait and the clock cannot fail.
inline bool fails_softly(const std::string& op) {
  for (const char* soft : {"list ", "describe ", "lookup ", "open ", "wait", "clock"}) {
    if (op.starts_with(soft)) return true;
  }
  return false;
}

}  // namespace ombrelta::testing
