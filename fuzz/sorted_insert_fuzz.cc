// The name-text comparison and the sorted insertion: order by unsigned bytes,
// equal keys in arrival order, and a full table keeping the first 254 entries
// in key order whatever the arrival order.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/sorted_insert.h"
#include "fuzz_check.h"

namespace {

using namespace ombrelta;

// Unsigned bytes, then length.
bool reference_less(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  const int c = n == 0 ? 0 : std::memcmp(a.data(), b.data(), n);
  return c != 0 ? c < 0 : a.size() < b.size();
}

struct Arrival {
  BILLEDE entry;
  int order;
};

// Inserts every arrival into a table and checks it against a stable sort of
// all arrivals, cut to the table's capacity.
template <class Before>
void check_table(const std::vector<Arrival>& arrivals, Before before, const char* what) {
  auto table = std::make_unique<Table<BILLEDE>>();
  std::uint8_t counter = 1;
  std::vector<Arrival> model;
  for (const Arrival& a : arrivals) {
    const bool was_full = counter > kTableCapacity;
    const bool taken = sorted_insert(*table, counter, a.entry, before);
    FUZZ_CHECK(taken == !was_full, what);
    // After every equal key: arrival order.
    model.insert(std::upper_bound(
                     model.begin(), model.end(), a,
                     [&](const Arrival& x, const Arrival& y) { return before(x.entry, y.entry); }),
                 a);
    if (model.size() > kTableCapacity) model.pop_back();
    FUZZ_CHECK(counter == model.size() + 1, what);
  }
  for (std::size_t i = 0; i < model.size(); ++i) {
    const BILLEDE& slot = (*table)[i + 1];
    FUZZ_CHECK(slot.NAVN == model[i].entry.NAVN && slot.STOR == model[i].entry.STOR, what);
  }
  for (int i = counter; i <= ARRAYMAX; ++i) FUZZ_CHECK((*table)[i].NAVN.empty(), what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  // Names of a few bytes from a small alphabet meet each other often; a high
  // length byte gives long names, cut at 255 when joined.
  std::vector<Arrival> arrivals;
  while (!in.empty() && arrivals.size() < 600) {
    const unsigned char length = in.byte();
    std::string name = in.bytes(length < 240 ? length % 4 : length);
    const std::int32_t size_key = static_cast<std::int8_t>(in.byte());
    const NameText text = join(name, name);
    FUZZ_CHECK(text.size() == std::min<std::size_t>(2 * name.size(), 255), "join cuts at 255");
    FUZZ_CHECK(text.view() == (name + name).substr(0, 255), "join keeps the first 255 bytes");
    arrivals.push_back({BILLEDE{size_key, NameText(name)}, static_cast<int>(arrivals.size())});
  }
  // The comparison against the reference, for neighbours and the texts joined.
  for (std::size_t i = 1; i < arrivals.size(); ++i) {
    const NameText& a = arrivals[i - 1].entry.NAVN;
    const NameText& b = arrivals[i].entry.NAVN;
    FUZZ_CHECK((a < b) == reference_less(a.str(), b.str()), "name order");
    FUZZ_CHECK((a == b) == (a.str() == b.str()), "name equality");
  }
  check_table(arrivals, by_navn, "by name");
  check_table(arrivals, by_stor, "by size");
  return 0;
}
