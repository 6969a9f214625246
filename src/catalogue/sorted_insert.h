#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "catalogue/catalogue.h"

namespace ombrelta {

// The sorted insertion: the new entry goes into the slot the counter names and
// moves towards slot 1 through slot 0 while it orders strictly before the
// entry above it, so equal keys stay in arrival order.
//
// A full table (254 entries) takes a new entry only when it orders strictly
// before the last one, which then drops out; either way one entry is left
// out, and the result is false.
template <class T, class Before>
bool sorted_insert(Table<T>& table, std::uint8_t& counter, const T& entry, Before before) {
  const bool full = counter > kTableCapacity;
  if (full && !before(entry, table[kTableCapacity])) return false;
  int i = full ? kTableCapacity : counter;
  table[i] = entry;
  while (i > 1 && before(table[i], table[i - 1])) {
    table[0] = table[i - 1];
    table[i - 1] = table[i];
    table[i] = table[0];
    --i;
  }
  if (!full) ++counter;
  return !full;
}

// Fills an empty table (counter 1) with `entries` as the sorted insertion of
// each in turn would leave it: in key order, equal keys in arrival order, and
// only the first 254 when there are more. Each entry is copied once, not once
// per slot it passes. Returns the number of entries left out. Slot 0, which
// nothing reads, stays as it was.
template <class T, class Before>
int fill_sorted(Table<T>& table, std::uint8_t& counter, const std::vector<T>& entries,
                Before before) {
  std::vector<int> order(entries.size());
  std::iota(order.begin(), order.end(), 0);
  // Equal keys in arrival order: the index decides between them.
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    if (before(entries[a], entries[b])) return true;
    return !before(entries[b], entries[a]) && a < b;
  });
  const int kept = std::min(static_cast<int>(order.size()), kTableCapacity);
  for (int i = 0; i < kept; ++i) table[i + 1] = entries[order[i]];
  counter = static_cast<std::uint8_t>(kept + 1);
  return static_cast<int>(order.size()) - kept;
}

inline bool by_name(const NameText& a, const NameText& b) { return a < b; }
inline bool by_navn(const BILLEDE& a, const BILLEDE& b) { return a.NAVN < b.NAVN; }
inline bool by_stor(const BILLEDE& a, const BILLEDE& b) { return a.STOR < b.STOR; }

}  // namespace ombrelta
