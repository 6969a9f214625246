// The Linux platform layer on real temporary folders.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/errno_map_posix.h"
#include "platform/file_error.h"
#include "platform/posix_platform_posix.h"
#include "support/files.h"
#include "support/in_temp_folder.h"

namespace ombrelta {
namespace {

using testing::exists;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

using PosixPlatformTest = testing::InTempFolder<PosixPlatform>;
using testing::strings;

TEST_F(PosixPlatformTest, ListsInNtfsOrderWithDotEntriesFirst) {
  for (const char* name : {"b", "B", "a", "_x", "Zeta", ".git", "a1", "\xC6"})
    write_file(dir_ / name, "");
  EXPECT_EQ(strings(os_.list("")), (std::vector<std::string>{".", "..", ".git", "a", "a1", "B", "b",
                                                             "Zeta", "_x", "\xC6"}));
  EXPECT_TRUE(os_.list("missing/").empty());
}

TEST_F(PosixPlatformTest, AttributeWordsAndSizes) {
  mkdir("plain", 0755);
  mkdir("locked", 0555);
  mkdir(".dot", 0755);
  write_file(dir_ / "file.txt", "12345");
  write_file(dir_ / "ro.txt", "1");
  chmod("ro.txt", 0444);
  mkfifo("pipe", 0644);
  symlink("plain", "dirlink");
  symlink("nowhere", "dangling");
  struct Case {
    const char* name;
    std::uint32_t attr;
    std::int32_t size;
  };
  for (const Case& c :
       {Case{"plain", 0x10, 0}, Case{"locked", 0x11, 0}, Case{".dot", 0x12, 0},
        Case{"file.txt", 0x20, 5}, Case{"ro.txt", 0x21, 1}, Case{"pipe", 0x04, 0},
        Case{"dirlink", 0x410, 0}, Case{"dangling", 0x400, 0}, Case{".", 0x10, 0}}) {
    const auto e = os_.describe("", c.name);
    ASSERT_TRUE(e) << c.name;
    EXPECT_EQ(e->attr, c.attr) << c.name;
    EXPECT_EQ(e->size, c.size) << c.name;
  }
  EXPECT_FALSE(os_.describe("", "gone"));
}

TEST_F(PosixPlatformTest, SizeIsTheLow32BitsAndTimeIsLocalInEvenSeconds) {
  write_file(dir_ / "big.jpg", "");
  ASSERT_EQ(truncate("big.jpg", 3'000'000'000LL), 0);
  setenv("TZ", "UTC", 1);
  tzset();
  struct timeval times[2] = {{1709622547, 0}, {1709622547, 0}};  // 2024-03-05 07:09:07 UTC
  utimes("big.jpg", times);
  const auto e = os_.lookup("big.jpg");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->size, -1'294'967'296);
  EXPECT_EQ(e->true_size, 3'000'000'000ULL);
  EXPECT_EQ(e->time, (FileTime{2024, 3, 5, 7, 9, 6}));
  unsetenv("TZ");
  tzset();
}

TEST_F(PosixPlatformTest, LookupIgnoresCaseButPrefersExactBytes) {
  mkdir("Thumbs", 0755);
  write_file(dir_ / "Thumbs/A.JPG", "1");
  write_file(dir_ / "Thumbs/*.jpg", "star");
  EXPECT_EQ(os_.lookup("Thumbs/a.jpg")->name.view(), "A.JPG");
  EXPECT_EQ(os_.lookup("thumbs/a.jpg"), std::nullopt) << "the folder part is used as given";
  // Pattern characters are plain bytes.
  EXPECT_EQ(os_.lookup("Thumbs/*.JPG")->name.view(), "*.jpg");
  EXPECT_EQ(os_.lookup("Thumbs/?.jpg"), std::nullopt);
  write_file(dir_ / "Thumbs/a.jpg", "2");
  PosixPlatform next_run;
  EXPECT_EQ(next_run.lookup("Thumbs/a.jpg")->name.view(), "a.jpg");
  EXPECT_EQ(next_run.lookup("Thumbs/A.jpg")->name.view(), "A.JPG") << "first in listing order";
}

TEST_F(PosixPlatformTest, AFolderThatCannotBeListedFindsNothing) {
  mkdir("t", 0755);
  write_file(dir_ / "t/m_a.jpg", "copy");
  write_file(dir_ / "t/A.JPG", "picture");
  // No descriptor left: the folder cannot be opened for its listing, while
  // its entries could still be looked at one by one (as a folder that may be
  // entered but not read). Nothing is found, so nothing is renamed.
  const auto look_without_descriptors = [&] {
    // The sanitizers' check of a call's object needs descriptors the first
    // time: let it see the platform before none are left.
    ASSERT_FALSE(os_.at_root());
    const int lowest_free = open("/dev/null", O_RDONLY);
    close(lowest_free);
    const rlimit none{static_cast<rlim_t>(lowest_free), static_cast<rlim_t>(lowest_free)};
    setrlimit(RLIMIT_NOFILE, &none);
    const bool found = os_.lookup("t/m_a.jpg") || os_.lookup("t/a.jpg");
    std::_Exit(found ? 1 : 0);
  };
  EXPECT_EXIT(look_without_descriptors(), ::testing::ExitedWithCode(0), "");
}

TEST_F(PosixPlatformTest, AFolderIsListedOnceAndFollowsTheRunsOwnChanges) {
  mkdir("t", 0755);
  write_file(dir_ / "t/m_a.jpg", "copy");
  write_file(dir_ / "index.html", "old");
  ASSERT_TRUE(os_.lookup("t/M_A.JPG"));
  EXPECT_EQ(strings(os_.list("")), (std::vector<std::string>{".", "..", "index.html", "t"}));
  os_.rename("t/m_a.jpg", "t/a.jpg");
  os_.create_page("zdia0001.html", Emptied::kAtClose)->close();
  EXPECT_EQ(strings(os_.list("t/")), (std::vector<std::string>{".", "..", "a.jpg"}));
  EXPECT_EQ(strings(os_.list("")),
            (std::vector<std::string>{".", "..", "index.html", "t", "zdia0001.html"}));
  EXPECT_EQ(os_.lookup("t/A.jpg")->size, 4);
  // What others make meanwhile is seen by the next run.
  write_file(dir_ / "t/b.jpg", "new");
  EXPECT_FALSE(os_.lookup("t/b.jpg"));
  EXPECT_TRUE(PosixPlatform().lookup("t/b.jpg"));
}

TEST_F(PosixPlatformTest, RenameNeverReplacesAFile) {
  mkdir("t", 0755);
  write_file(dir_ / "t/M_BEACH.JPG", "copy");
  ASSERT_TRUE(os_.lookup("t/m_Beach.jpg"));
  os_.rename("t/M_BEACH.JPG", "t/Beach.jpg");
  EXPECT_EQ(read_file(dir_ / "t/Beach.jpg"), "copy");
  EXPECT_FALSE(exists(dir_ / "t/M_BEACH.JPG"));
  EXPECT_EQ(os_.lookup("t/beach.JPG")->name.view(), "Beach.jpg") << "the index follows the rename";
  EXPECT_FALSE(os_.lookup("t/m_beach.jpg"));

  // Taken ignoring case: both files stay as they were.
  write_file(dir_ / "t/m_a.jpg", "small");
  write_file(dir_ / "t/A.JPG", "other");
  PosixPlatform fresh;
  ASSERT_TRUE(fresh.lookup("t/m_a.jpg"));
  EXPECT_EQ(error_of([&] { fresh.rename("t/m_a.jpg", "t/a.jpg"); }), 5);
  EXPECT_EQ(read_file(dir_ / "t/m_a.jpg"), "small");
  EXPECT_EQ(read_file(dir_ / "t/A.JPG"), "other");
  // Taken exactly, and not yet in the folder's index: still refused.
  write_file(dir_ / "t/m_b.jpg", "new");
  write_file(dir_ / "t/b.jpg", "old");
  EXPECT_EQ(error_of([&] { os_.rename("t/m_b.jpg", "t/b.jpg"); }), 5);
  EXPECT_EQ(read_file(dir_ / "t/b.jpg"), "old");
}

TEST_F(PosixPlatformTest, ChangeDirMapsBackslashesAndReportsMissingFolders) {
  mkdir("photos", 0755);
  mkdir("photos/summer", 0755);
  os_.change_dir("photos\\summer");
  EXPECT_TRUE(os_.full_path().ends_with("/photos/summer"));
  EXPECT_FALSE(os_.at_root());
  EXPECT_EQ(error_of([&] { os_.change_dir("missing"); }), 3);
  write_file("plain", "");
  EXPECT_EQ(error_of([&] { os_.change_dir("plain\\x"); }), 3);
  os_.change_dir("/");
  EXPECT_TRUE(os_.at_root());
}

TEST_F(PosixPlatformTest, OpensOnlyRegularFilesAndNeverBlocks) {
  write_file(dir_ / "index.txt", "x");
  mkdir("dir.txt", 0755);
  mkfifo("pipe.txt", 0644);
  symlink("gone", "gone.txt");
  EXPECT_NE(os_.open_text("index.txt"), nullptr);
  EXPECT_EQ(os_.open_text("INDEX.TXT"), nullptr) << "letter case matters when opening";
  for (const char* name : {"dir.txt", "pipe.txt", "gone.txt", "missing.txt"}) {
    EXPECT_EQ(os_.open_text(name), nullptr) << name;
  }
}

TEST_F(PosixPlatformTest, CreatePageRefusesReadOnlyFilesEvenForRoot) {
  write_file(dir_ / "index.html", "old");
  chmod("index.html", 0444);
  EXPECT_EQ(error_of([&] { os_.create_page("index.html", Emptied::kAtOnce); }), 5);
  EXPECT_EQ(read_file(dir_ / "index.html"), "old");
  mkdir("zdia0001.html", 0755);
  EXPECT_EQ(error_of([&] { os_.create_page("zdia0001.html", Emptied::kAtClose); }), 5);

  write_file(dir_ / "zdia0002.html", "older and longer");
  auto page = os_.create_page("zdia0002.html", Emptied::kAtClose);
  page->write("new");
  page->close();
  EXPECT_EQ(read_file(dir_ / "zdia0002.html"), "new");
}

TEST_F(PosixPlatformTest, APageHoldsExactlyItsNewBytesWhateverItHeldBefore) {
  write_file(dir_ / "zdia0001.html", "an old page, longer than the new one");
  // Dropped after a failure: the old bytes past the written ones are gone too.
  os_.create_page("zdia0001.html", Emptied::kAtClose)->write("new");
  EXPECT_EQ(read_file(dir_ / "zdia0001.html"), "new");
  auto page = os_.create_page("zdia0001.html", Emptied::kAtClose);
  page->write("newer and longer than new");
  page->close();
  EXPECT_EQ(read_file(dir_ / "zdia0001.html"), "newer and longer than new");
  // A page that stays open while files are read: empty from its creation on.
  write_file(dir_ / "zdia0003.html", "an old index page");
  auto index = os_.create_page("zdia0003.html", Emptied::kAtOnce);
  EXPECT_EQ(read_file(dir_ / "zdia0003.html"), "");
  // Reached by another name: empty from the creation on, as it always was.
  write_file(dir_ / "index.txt", "Title");
  symlink("index.txt", "index.html");
  write_file(dir_ / "doc.htm", "<title>Old</title>");
  link("doc.htm", "zdia0002.html");
  auto linked = os_.create_page("index.html", Emptied::kAtOnce);
  auto hard = os_.create_page("zdia0002.html", Emptied::kAtClose);
  EXPECT_EQ(read_file(dir_ / "index.txt"), "");
  EXPECT_EQ(read_file(dir_ / "doc.htm"), "");
}

TEST_F(PosixPlatformTest, WritesToAFullDiskFail) {
  symlink("/dev/full", "index.html");
  auto page = os_.create_page("index.html", Emptied::kAtOnce);
  EXPECT_EQ(error_of([&] { page->write("x"); }), 112);
}

TEST(ErrnoMap, WindowsNumbers) {
  struct Case {
    int err;
    Doing doing;
    int number;
  };
  for (const Case& c : {Case{ENOENT, Doing::kOpening, 2}, Case{ENOENT, Doing::kChangingFolder, 3},
                        Case{ENOTDIR, Doing::kChangingFolder, 3}, Case{ELOOP, Doing::kOpening, 3},
                        Case{EMFILE, Doing::kOpening, 4}, Case{EACCES, Doing::kOther, 5},
                        Case{EEXIST, Doing::kOther, 5}, Case{EISDIR, Doing::kOpening, 5},
                        Case{EBADF, Doing::kWriting, 6}, Case{ENOMEM, Doing::kOther, 8},
                        Case{EROFS, Doing::kWriting, 19}, Case{EPIPE, Doing::kWriting, 109},
                        Case{ENOSPC, Doing::kWriting, 112}, Case{EDQUOT, Doing::kWriting, 112},
                        Case{EFBIG, Doing::kWriting, 112}, Case{ENAMETOOLONG, Doing::kOpening, 206},
                        Case{EIO, Doing::kWriting, 29}, Case{EIO, Doing::kReading, 30},
                        Case{EIO, Doing::kOther, 31}}) {
    EXPECT_EQ(windows_error(c.err, c.doing), c.number) << c.err;
  }
}

}  // namespace
}  // namespace ombrelta
