#include "fake/fake_platform.h"

#include <algorithm>

#include "platform/file_error.h"

namespace ombrelta::testing {

namespace {

std::pair<std::string, std::string> split(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == 0) return {"/", path.substr(1)};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

std::string child(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

class FakeSource final : public ByteSource {
 public:
  FakeSource(FakePlatform& os, std::string path, std::string content)
      : os_(os), path_(std::move(path)), content_(std::move(content)) {}
  std::size_t read_at(std::uint64_t offset, char* buffer, std::size_t n) override {
    if (int e = os_.record("read " + path_)) fail(e, path_);
    if (offset >= content_.size()) return 0;
    const std::size_t got = std::min<std::size_t>(n, content_.size() - offset);
    std::copy_n(content_.data() + offset, got, buffer);
    return got;
  }

 private:
  FakePlatform& os_;
  std::string path_;
  std::string content_;
};

class FakeSink final : public PageSink {
 public:
  FakeSink(FakePlatform& os, std::string name) : os_(os), name_(std::move(name)) {}
  void write(std::string_view block) override {
    if (int e = os_.record("write " + name_)) fail(e, name_);
    if (FakeNode* node = os_.find(name_)) {
      node->content += block;
      node->size = static_cast<std::int64_t>(node->content.size());
    }
  }
  void close() override {
    if (int e = os_.record("close " + name_)) fail(e, name_);
  }

 private:
  FakePlatform& os_;
  std::string name_;
};

}  // namespace

FakePlatform::FakePlatform(std::string working_folder) : cwd_(std::move(working_folder)) {
  folders_["/"];
  std::string path;
  for (std::size_t i = 1; i <= cwd_.size(); ++i) {
    if (i == cwd_.size() || cwd_[i] == '/') {
      const std::string folder = cwd_.substr(0, i);
      if (!find(folder)) add_dir(folder);
    }
  }
}

std::string FakePlatform::absolute(std::string_view path) const {
  std::string p(path);
  std::replace(p.begin(), p.end(), '\\', '/');
  std::vector<std::string> parts;
  std::string full = p.starts_with('/') ? p : cwd_ + "/" + p;
  std::size_t start = 0;
  while (start <= full.size()) {
    std::size_t end = full.find('/', start);
    if (end == std::string::npos) end = full.size();
    const std::string part = full.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string out;
  for (const std::string& part : parts) out += "/" + part;
  return out.empty() ? "/" : out;
}

std::deque<FakeNode>* FakePlatform::folder_entries(const std::string& folder) {
  auto it = folders_.find(folder);
  return it == folders_.end() ? nullptr : &it->second;
}

FakeNode& FakePlatform::add(const std::string& path, FakeNode node) {
  const auto [folder, name] = split(absolute(path));
  node.name = name;
  auto& entries = folders_[folder];
  entries.push_back(std::move(node));
  if (entries.back().folder) folders_[child(folder, name)];
  return entries.back();
}

FakeNode& FakePlatform::add_dir(const std::string& path, std::uint32_t attr_word) {
  FakeNode node;
  node.attr = attr_word;
  node.folder = true;
  return add(path, std::move(node));
}

FakeNode& FakePlatform::add_file(const std::string& path, std::int64_t size, std::uint32_t attr_word) {
  FakeNode node;
  node.attr = attr_word;
  node.size = size;
  return add(path, std::move(node));
}

FakeNode& FakePlatform::add_text(const std::string& path, std::string content) {
  FakeNode node;
  node.size = static_cast<std::int64_t>(content.size());
  node.content = std::move(content);
  return add(path, std::move(node));
}

FakeNode* FakePlatform::find(const std::string& path) {
  const std::string abs = absolute(path);
  if (abs == "/") return nullptr;
  // Named parts, not a structured binding: clang 14 cannot capture those.
  const auto parts = split(abs);
  const std::string& name = parts.second;
  auto* entries = folder_entries(parts.first);
  if (!entries) return nullptr;
  auto it = std::find_if(entries->begin(), entries->end(), [&](const FakeNode& n) { return n.name == name; });
  return it == entries->end() ? nullptr : &*it;
}

std::vector<std::string> FakePlatform::names(const std::string& folder) {
  std::vector<std::string> out;
  if (auto* entries = folder_entries(absolute(folder))) {
    for (const FakeNode& n : *entries) out.push_back(n.name);
  }
  return out;
}

std::string FakePlatform::content(const std::string& path) {
  const FakeNode* node = find(path);
  return node ? node->content : std::string();
}

void FakePlatform::fail_at(int k, int number) {
  fail_at_ = k;
  fail_at_number_ = number;
}

void FakePlatform::fail_on(const std::string& prefix, int number) { fail_prefixes_.emplace_back(prefix, number); }

int FakePlatform::record(std::string op) {
  ops.push_back(std::move(op));
  if (static_cast<int>(ops.size()) == fail_at_) return fail_at_number_;
  for (const auto& [prefix, number] : fail_prefixes_) {
    if (ops.back().starts_with(prefix)) return number;
  }
  return 0;
}

std::vector<std::string> FakePlatform::ops_starting(const std::string& prefix) const {
  std::vector<std::string> out;
  std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
               [&](const std::string& op) { return op.starts_with(prefix); });
  return out;
}

Entry FakePlatform::entry_of(const FakeNode& node) {
  Entry e;
  e.name = NameText(node.name);
  e.attr = node.attr;
  e.true_size = static_cast<std::uint64_t>(node.size);
  e.size = static_cast<std::int32_t>(static_cast<std::uint32_t>(e.true_size));
  e.time = node.time;
  return e;
}

std::vector<NameText> FakePlatform::list(std::string_view folder) {
  std::vector<NameText> out;
  if (record("list " + std::string(folder))) return out;
  auto* entries = folder_entries(absolute(folder));
  if (!entries) return out;
  out.emplace_back(".");
  out.emplace_back("..");
  for (const FakeNode& n : *entries) out.emplace_back(n.name);
  return out;
}

std::optional<Entry> FakePlatform::describe(std::string_view folder, const NameText& name) {
  const std::string path = std::string(folder) + name.str();
  if (record("describe " + path)) return std::nullopt;
  if (name.view() == "." || name.view() == "..") {
    Entry e;
    e.name = name;
    e.attr = attr::kDirectory;
    return e;
  }
  const FakeNode* node = find(path);
  if (!node) return std::nullopt;
  return entry_of(*node);
}

std::optional<Entry> FakePlatform::lookup(std::string_view path) {
  if (record("lookup " + std::string(path))) return std::nullopt;
  const auto [folder, name] = split(absolute(path));
  auto* entries = folder_entries(folder);
  if (!entries || name.empty()) return std::nullopt;
  const std::string folded = ascii_lower(name);
  const FakeNode* match = nullptr;
  for (const FakeNode& n : *entries) {
    if (n.name == name) return entry_of(n);
    if (!match && ascii_lower(n.name) == folded) match = &n;
  }
  if (!match) return std::nullopt;
  return entry_of(*match);
}

void FakePlatform::rename(std::string_view from, std::string_view to) {
  if (int e = record("rename " + std::string(from) + " -> " + std::string(to))) fail(e, from);
  const auto [folder, from_name] = split(absolute(from));
  const std::string to_name = split(absolute(to)).second;
  auto* entries = folder_entries(folder);
  FakeNode* source = find(std::string(from));
  if (!entries || !source) fail(error::kFileNotFound, from);
  for (const FakeNode& n : *entries) {
    if (&n != source && ascii_lower(n.name) == ascii_lower(to_name)) fail(error::kAccessDenied, to);
  }
  if (source->folder) {
    auto node = folders_.extract(child(folder, source->name));
    node.key() = child(folder, to_name);
    folders_.insert(std::move(node));
  }
  source->name = to_name;
}

void FakePlatform::change_dir(std::string_view path) {
  if (int e = record("chdir " + std::string(path))) fail(e, path);
  const std::string abs = absolute(path);
  if (abs != "/" && !folder_entries(abs)) fail(error::kPathNotFound, path);
  cwd_ = abs;
}

std::string FakePlatform::full_path() {
  if (int e = record("full path")) fail(e, "working folder");
  return cwd_;
}

// Asks for the full path, as the system layers do, so it shows in `ops`.
bool FakePlatform::at_root() { return full_path() == "/"; }

std::unique_ptr<ByteSource> FakePlatform::open_text(std::string_view path) {
  if (record("open " + std::string(path))) return nullptr;
  // Letter case matters when opening, as on Linux.
  const FakeNode* node = find(std::string(path));
  if (!node || node->folder || !node->openable) return nullptr;
  return std::make_unique<FakeSource>(*this, std::string(path), node->content);
}

std::unique_ptr<PageSink> FakePlatform::create_page(std::string_view name, Emptied) {
  if (int e = record("create " + std::string(name))) fail(e, name);
  FakeNode* node = find(std::string(name));
  if (node && (node->folder || (node->attr & attr::kReadOnly) != 0)) fail(error::kAccessDenied, name);
  if (!node) node = &add_file(std::string(name), 0);
  node->content.clear();
  node->size = 0;
  return std::make_unique<FakeSink>(*this, std::string(name));
}

void FakePlatform::console_line(std::string_view text) {
  if (int e = record("console")) fail(e, "standard output");
  console += text;
  console += '\n';
}

void FakePlatform::open_console_input() {
  if (int e = record("console input")) fail(e, "standard input");
}

void FakePlatform::wait_for_enter() {
  record("wait");
  ++waits;
}

LocalTime FakePlatform::now() {
  record("clock");
  return clock;
}

}  // namespace ombrelta::testing
