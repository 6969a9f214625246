#include "platform/folder_index_posix.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "platform/file_error.h"

namespace ombrelta {

namespace {

constexpr std::array<unsigned char, 256> make_upper() {
  std::array<unsigned char, 256> table{};
  for (std::size_t b = 0; b < table.size(); ++b) {
    table[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
  }
  return table;
}

constexpr std::array<unsigned char, 256> kUpper = make_upper();

unsigned char upper(char c) { return kUpper[static_cast<unsigned char>(c)]; }

int dot_rank(std::string_view name) { return name == "." ? 0 : name == ".." ? 1 : 2; }

bool is_dot_name(std::string_view name) { return name == "." || name == ".."; }

// Compares `name` upper-cased with `key`, which is upper-cased already, a
// shorter prefix first; 0 when they are equal ignoring case.
int compare_folded(std::string_view name, std::string_view key, std::size_t from = 0) {
  const std::size_t n = std::min(name.size(), key.size());
  for (std::size_t i = from; i < n; ++i) {
    const unsigned char a = upper(name[i]), b = static_cast<unsigned char>(key[i]);
    if (a != b) return a < b ? -1 : 1;
  }
  return name.size() < key.size() ? -1 : name.size() > key.size() ? 1 : 0;
}

// The first eight upper-cased bytes, the first one highest, zeros after a
// shorter name (a name holds no zero byte): numbers that order as the bytes
// do, and equal only for names whose first eight bytes are equal.
constexpr std::size_t kPrefixBytes = 8;
std::uint64_t prefix_of(std::string_view name) {
  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < kPrefixBytes; ++i) {
    prefix = (prefix << 8) | (i < name.size() ? upper(name[i]) : 0u);
  }
  return prefix;
}

// Listing order without the rank of "." and "..".
bool folded_order(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (upper(a[i]) != upper(b[i])) return upper(a[i]) < upper(b[i]);
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return std::memcmp(a.data(), b.data(), n) < 0;
}

}  // namespace

bool listing_order(std::string_view a, std::string_view b) {
  const int ra = dot_rank(a), rb = dot_rank(b);
  if (ra != rb) return ra < rb;
  return folded_order(a, b);
}

FolderIndex::Name FolderIndex::store(std::string_view name) {
  if (bytes_.size() + name.size() > std::numeric_limits<std::uint32_t>::max()) {
    fail(error::kNotEnoughMemory, "folder listing");
  }
  const Name stored{static_cast<std::uint32_t>(bytes_.size()),
                    static_cast<std::uint32_t>(name.size()), prefix_of(name)};
  bytes_.append(name);
  return stored;
}

void FolderIndex::append(std::string_view name) { names_.push_back(store(name)); }

void FolderIndex::seal() {
  std::sort(names_.begin(), names_.end(), [this](const Name& a, const Name& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return folded_order({bytes_.data() + a.offset, a.length}, {bytes_.data() + b.offset, b.length});
  });
  names_.shrink_to_fit();
  bytes_.shrink_to_fit();
  listed_ = true;
}

FolderIndex::Matches FolderIndex::find(std::string_view name) const {
  if (name.size() > NameText::kMax) return {};
  char upper_name[NameText::kMax];
  for (std::size_t i = 0; i < name.size(); ++i) upper_name[i] = static_cast<char>(upper(name[i]));
  const std::string_view key(upper_name, name.size());
  const std::uint64_t prefix = prefix_of(key);
  // Below 0, equal 0 or above 0 as name i compares with `name` ignoring case.
  const auto compare = [&](std::size_t i) {
    if (names_[i].prefix != prefix) return names_[i].prefix < prefix ? -1 : 1;
    return compare_folded(at(i), key, kPrefixBytes);  // the prefixes hold the first bytes
  };
  std::size_t low = 0, high = names_.size();
  while (low < high) {  // the first name not before `name` ignoring case
    const std::size_t mid = low + (high - low) / 2;
    if (compare(mid) < 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  std::size_t last = low;
  while (last < names_.size() && compare(last) == 0) ++last;
  return {low, last};
}

bool FolderIndex::holds(std::string_view name) const {
  const Matches m = find(name);
  for (std::size_t i = m.first; i < m.last; ++i) {
    if (at(i) == name) return true;
  }
  return false;
}

void FolderIndex::add(std::string_view name) {
  if (holds(name)) return;
  const Matches m = find(name);
  std::size_t i = m.first;
  while (i < m.last && folded_order(at(i), name)) ++i;
  names_.insert(names_.begin() + static_cast<std::ptrdiff_t>(i), store(name));
}

void FolderIndex::remove(std::string_view name) {
  const Matches m = find(name);
  for (std::size_t i = m.first; i < m.last; ++i) {
    if (at(i) == name) {
      unused_bytes_ += name.size();
      names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(i));
      compact();
      return;
    }
  }
}

void FolderIndex::compact() {
  if (unused_bytes_ * 2 < bytes_.size()) return;
  std::string kept;
  kept.reserve(bytes_.size() - unused_bytes_);
  for (Name& name : names_) {
    const std::string_view bytes(bytes_.data() + name.offset, name.length);
    name.offset = static_cast<std::uint32_t>(kept.size());
    kept.append(bytes);
  }
  bytes_ = std::move(kept);
  unused_bytes_ = 0;
}

std::vector<NameText> FolderIndex::listing() const {
  std::vector<NameText> names;
  names.reserve(names_.size());
  for (std::string_view dot : {".", ".."}) {
    if (holds(dot)) names.emplace_back(dot);
  }
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (!is_dot_name(at(i))) names.emplace_back(at(i));
  }
  return names;
}

}  // namespace ombrelta
