// A whole run on a fake folder tree decoded from the input: names, attribute
// words, sizes, contents, an argument and injected faults. Whatever happens,
// no file is lost or doubled, no failure is reported as success, the console
// shows no control byte of a name, and nothing happens after a fatal error
// but its report.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "fake/file_census.h"
#include "fuzz_check.h"
#include "run/driver.h"

namespace {

using namespace ombrelta;
using testing::FakeNode;
using testing::FakePlatform;

// clang-format off
constexpr std::array<const char*, 28> kNameParts = {
    "a",      "b",     "A",    "m_",   "M_",        ".jpg",       ".JPG",          ".jpeg",         ".gif",  ".htm",
    ".html",  ".HTM",  ".txt", ".doc", ".pas",      ".pp",        ".mp3",          ".xls",          ".exe",  ".wmv",
    "index.txt", "index.html", "*", "?", "zdia0001.html", "zdia0002.html", "sub", "\""};
constexpr std::array<const char*, 10> kTextParts = {"<title>", "</title>", "name", " = '", "';", "\r\n", "\n", "\r",
                                                    "\x1a", "&\xe6\x91"};
constexpr std::array<std::uint32_t, 10> kFileAttrs = {0x20, 0x21, 0x22, 0x24, 0x00, 0x04, 0x400, 0x420, 0x10, 0x30};
constexpr std::array<std::uint32_t, 6> kDirAttrs = {0x10, 0x11, 0x12, 0x410, 0x30, 0x14};
constexpr std::array<int, 10> kNumbers = {2, 3, 5, 6, 19, 29, 30, 31, 109, 112};
constexpr std::array<const char*, 12> kPrefixes = {"rename ", "write zdia", "read ", "list ", "open ", "lookup ",
                                                   "console", "create zdia", "close index.html", "describe ",
                                                   "full path", "write index.html"};
constexpr std::array<const char*, 8> kArguments = {"", "", "", "", "-?", "sub\\", "\\x.jpg", "gone\\"};
// clang-format on

std::string decode_name(FuzzBytes& in) {
  std::string name;
  for (int parts = 1 + in.byte() % 4; parts > 0; --parts) {
    const unsigned char t = in.byte();
    if (t < kNameParts.size()) {
      name += kNameParts[t];
    } else if (t == 255) {
      name += std::string(250, 'x');
    } else {
      char c = static_cast<char>(in.byte());
      // The fake takes "/" and "\" as separators; no system name holds a NUL.
      if (c == '/' || c == '\\' || c == '\0') c = '_';
      name += c;
    }
  }
  return name.substr(0, 255);
}

std::string decode_text(FuzzBytes& in) {
  std::string text;
  for (int parts = in.byte() % 8; parts > 0; --parts) {
    const unsigned char t = in.byte();
    text += t < kTextParts.size() ? std::string(kTextParts[t]) : in.bytes(t % 32);
  }
  return text;
}

std::int64_t decode_size(FuzzBytes& in) {
  const unsigned char s = in.byte();
  if (s < 200) return s;
  std::uint64_t v = 0;
  for (int i = 0; i < 5; ++i) v = (v << 8) | in.byte();
  return static_cast<std::int64_t>(v);
}

// The tree: files and folders in the working folder /pics, files in its
// subdirectories and in the parent folder.
void decode_tree(FuzzBytes& in, FakePlatform& os) {
  std::vector<std::string> dirs;
  for (int count = 0; !in.empty() && count < 60; ++count) {
    const unsigned char kind = in.byte() % 5;
    const std::string name = decode_name(in);
    if (name.empty() || name == "." || name == "..") continue;
    std::string folder = "/pics";
    if (kind == 2 && !dirs.empty()) folder = dirs[in.byte() % dirs.size()];
    if (kind == 3) folder = "";
    const std::string path = folder + "/" + name;
    if (os.exists(path)) continue;
    const unsigned char look = in.byte();
    if (kind == 1) {
      os.add_dir(path, kDirAttrs[(look & 0x3f) % kDirAttrs.size()]);
      dirs.push_back(path);
      continue;
    }
    FakeNode& node = os.add_text(path, decode_text(in));
    node.attr = kFileAttrs[(look & 0x3f) % kFileAttrs.size()];
    if (look & 0x80) node.size = decode_size(in);
    node.openable = (look & 0x40) == 0;
  }
}

struct Faults {
  int at = 0, at_number = 0;
  std::string prefix;
  int prefix_number = 0;
  // The error number when operation `i` (0-based) of the log was failed.
  int number_for(std::size_t i, const std::string& op) const {
    if (static_cast<int>(i) + 1 == at) return at_number;
    if (!prefix.empty() && op.starts_with(prefix)) return prefix_number;
    return 0;
  }
};

Faults decode_faults(FuzzBytes& in, FakePlatform& os) {
  Faults f;
  const unsigned char which = in.byte();
  if (which & 1) {
    f.at = 1 + in.byte() + 256 * (in.byte() % 2);
    f.at_number = kNumbers[in.byte() % kNumbers.size()];
    os.fail_at(f.at, f.at_number);
  }
  if (which & 2) {
    f.prefix = kPrefixes[in.byte() % kPrefixes.size()];
    f.prefix_number = kNumbers[in.byte() % kNumbers.size()];
    os.fail_on(f.prefix, f.prefix_number);
  }
  return f;
}

bool console_is_clean(const std::string& console) {
  for (char c : console) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 32 && b != '\n' && b != '\a') || b == 127) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  const std::string argument = kArguments[in.byte() % kArguments.size()];
  FakePlatform os;
  os.add_dir("/pics/sub");
  const Faults faults = decode_faults(in, os);
  decode_tree(in, os);
  os.console_input = "\n";

  const testing::Census before = testing::census(os);
  const int status = run(os, argument);

  const std::string lost =
      testing::lost_or_doubled(before, testing::census(os), os.working_folder());
  FUZZ_CHECK(lost.empty(), lost);
  FUZZ_CHECK(console_is_clean(os.console), "control byte on the console");

  // The first failed operation that the program must not pass over.
  for (std::size_t i = 0; i < os.ops.size(); ++i) {
    const std::string& op = os.ops[i];
    const int number = faults.number_for(i, op);
    if (number == 0 || testing::fails_softly(op)) continue;
    // The report of an earlier failure (a missing folder, a taken name) may
    // be what failed: the run had ended already.
    if (i + 1 == os.ops.size() && op == "console") break;
    const int expected = op == "create index.html" ? 1 : number;
    FUZZ_CHECK(status == expected, "the failure of " + op + " ends the run with its number");
    FUZZ_CHECK(i + 2 == os.ops.size() && os.ops.back() == "console",
               "nothing after " + op + " but the report");
    break;
  }
  if (status == 0) {
    FUZZ_CHECK(os.console.find("Runtime error") == std::string::npos,
               "a reported error with status 0");
    FUZZ_CHECK(os.content(os.working_folder() + "/index.html").ends_with("</i></body></html>\r\n"),
               "status 0 with an incomplete index page");
  } else if (status == 1) {
    FUZZ_CHECK(argument.find('?') != std::string::npos ||
                   os.console.ends_with("Unable to create index.html\a\n"),
               "status 1 without help or message");
  } else if (faults.number_for(os.ops.size() - 1, os.ops.back()) == 0) {
    // The report, unless the console itself was made to fail.
    const std::string report = "Runtime error " + std::to_string(status) + " (";
    const std::size_t line = os.console.rfind(report);
    FUZZ_CHECK(line != std::string::npos && os.console.find('\n', line) + 1 == os.console.size(),
               "the report is the last console line");
  }
  return 0;
}
