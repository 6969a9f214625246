#include "pages/describe.h"

#include <array>
#include <string_view>

namespace ombrelta {

namespace {

struct TypeDescription {
  std::string_view type;
  std::string_view description;
};

// Tested in this order; a later match replaces an earlier one.
constexpr std::array<TypeDescription, 7> kDescriptions = {{
    {".doc", "Word document"},
    {".txt", "Text file"},
    {".xls", "Excel regneark"},
    {".mp", "mp* file"},
    {".pas", "Turbo Pascal source file"},
    {".pp", "Free Pascal source file"},
    {".exe", "Binary executable"},
}};

// Reads lines into S while the look-ahead sees text and S lacks `marker`.
void read_until(TextInput& input, NameText& S, std::string_view marker) {
  while (input.more_text() && !S.contains(marker)) input.read_line(S);
}

}  // namespace

NameText type_description(const NameText& P) {
  NameText TITLE2;
  for (const TypeDescription& row : kDescriptions) {
    if (P.contains(row.type)) TITLE2 = row.description;
  }
  return TITLE2;
}

void title_extraction(TextInput& input, NameText& S, NameText& TITLE2) {
  constexpr std::string_view kOpen = "<title>", kClose = "</title>";
  read_until(input, S, kOpen);
  const std::size_t open = S.view().find(kOpen);
  if (open == std::string_view::npos) return;
  S.erase(0, open + kOpen.size());
  const std::size_t close = S.view().find(kClose);
  if (close != std::string_view::npos) S.erase(close, S.size());
  TITLE2 = S;
}

void name_extraction(TextInput& input, NameText& S, NameText& TITLE2) {
  read_until(input, S, "name");
  if (!S.contains("name") || !S.contains("=")) return;
  const std::size_t quote = S.view().find('\'');
  if (quote != std::string_view::npos) S.erase(0, quote + 1);
  std::size_t blanks = 0;
  while (blanks < S.size() && S[blanks] < 33) ++blanks;
  S.erase(0, blanks);
  S.erase_all('\'');
  S.erase_all(';');
  TITLE2 = S;
}

}  // namespace ombrelta
