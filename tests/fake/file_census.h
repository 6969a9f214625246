#pragma once

#include <map>
#include <string>

#include "fake/fake_platform.h"

namespace ombrelta::testing {

// Every file of a fake tree by absolute path, with its bytes, leaving out the
// pages a run writes in `working_folder` (index.html and zdia0001.html on),
// which it may create or overwrite.
using Census = std::map<std::string, std::string>;
Census census(FakePlatform& os, const std::string& working_folder);

// Empty when every file of `before` is found once in `after` with the same
// bytes, at its old path or, for a name starting "m_" in any letter case, at
// the path without that prefix, and nothing else is there; otherwise what
// went wrong.
std::string lost_or_doubled(const Census& before, const Census& after);

}  // namespace ombrelta::testing
