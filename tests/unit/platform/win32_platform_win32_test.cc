// The Windows platform layer on real temporary folders (run under Wine by
// the Windows suite).
#include "platform/win32_platform_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "platform/error_map_win32.h"
#include "platform/file_error.h"
#include "support/files.h"
#include "support/in_temp_folder.h"

namespace ombrelta {
namespace {

using testing::exists;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

// True when the program runs under Wine rather than on Windows.
bool under_wine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

using Win32PlatformTest = testing::InTempFolder<Win32Platform>;
using testing::strings;

TEST_F(Win32PlatformTest, ListsEveryEntryDotEntriesIncluded) {
  for (const char* name : {"b.jpg", "A.gif", "notes.txt"}) write_file(dir_ / name, "");
  std::filesystem::create_directory("Sub");
  auto names = strings(os_.list(""));
  std::sort(names.begin(), names.end());  // the system's order is its own
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "A.gif", "Sub", "b.jpg", "notes.txt"}));
  EXPECT_TRUE(os_.list("missing/").empty());
}

TEST_F(Win32PlatformTest, AttributeWordsAndSizesFromTheFindData) {
  std::filesystem::create_directory("plain");
  std::filesystem::create_directory("hidden");
  ASSERT_TRUE(SetFileAttributesA("hidden", FILE_ATTRIBUTE_HIDDEN));
  write_file(dir_ / "file.txt", "12345");
  write_file(dir_ / "ro.txt", "1");
  ASSERT_TRUE(SetFileAttributesA("ro.txt", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
  struct Case {
    const char* name;
    std::uint32_t attr;
    std::int32_t size;
  };
  os_.list("");
  for (const Case& c : {Case{"plain", 0x10, 0}, Case{"hidden", 0x12, 0}, Case{"file.txt", 0x20, 5},
                        Case{"ro.txt", 0x21, 1}}) {
    for (const auto& e : {os_.describe("", c.name), os_.lookup(c.name)}) {
      ASSERT_TRUE(e) << c.name;
      EXPECT_EQ(e->attr, c.attr) << c.name;
      EXPECT_EQ(e->size, c.size) << c.name;
    }
  }
  EXPECT_FALSE(os_.describe("", "gone"));
  EXPECT_FALSE(os_.describe("", "FILE.TXT")) << "a listed name has exactly its bytes";
}

TEST_F(Win32PlatformTest, SizeIsTheLow32BitsAndTimeIsLocalInEvenSeconds) {
  const HANDLE file =
      CreateFileA("big.jpg", GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER size{};
  size.QuadPart = 3'000'000'000LL;
  ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  const SYSTEMTIME written{2024, 3, 2, 5, 7, 9, 7, 0};  // 2024-03-05 07:09:07 local time
  FILETIME local{}, utc{};
  ASSERT_TRUE(SystemTimeToFileTime(&written, &local) && LocalFileTimeToFileTime(&local, &utc));
  ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
  CloseHandle(file);
  const auto e = os_.lookup("BIG.JPG");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->name.view(), "big.jpg");
  EXPECT_EQ(e->size, -1'294'967'296);
  EXPECT_EQ(e->true_size, 3'000'000'000ULL);
  EXPECT_EQ(e->time, (FileTime{2024, 3, 5, 7, 9, 6}));
}

TEST_F(Win32PlatformTest, LookupIgnoresCaseAndTakesNoPatterns) {
  write_file(dir_ / "Thumbs/A.JPG", "1");
  EXPECT_EQ(os_.lookup("Thumbs/a.jpg")->name.view(), "A.JPG");
  EXPECT_EQ(os_.lookup("thumbs/a.jpg")->name.view(), "A.JPG");
  for (const char* path : {"Thumbs/*.JPG", "Thumbs/?.JPG", "Thumbs/<", "Thumbs/\"", "Thumbs/",
                           "Thumbs/b.jpg", "missing/a.jpg"}) {
    EXPECT_EQ(os_.lookup(path), std::nullopt) << path;
  }
}

TEST_F(Win32PlatformTest, RenameNeverReplacesAFile) {
  write_file(dir_ / "t/M_BEACH.JPG", "copy");
  os_.rename("t/m_Beach.jpg", "t/Beach.jpg");
  EXPECT_EQ(read_file(dir_ / "t/Beach.jpg"), "copy");
  EXPECT_FALSE(exists(dir_ / "t/M_BEACH.JPG"));

  write_file(dir_ / "t/m_a.jpg", "small");
  write_file(dir_ / "t/A.JPG", "other");
  EXPECT_EQ(error_of([&] { os_.rename("t/m_a.jpg", "t/a.jpg"); }), 5);
  EXPECT_EQ(read_file(dir_ / "t/m_a.jpg"), "small");
  EXPECT_EQ(read_file(dir_ / "t/A.JPG"), "other");
  EXPECT_EQ(error_of([&] { os_.rename("t/m_gone.jpg", "t/gone.jpg"); }), 2);
}

TEST_F(Win32PlatformTest, ChangeDirReportsMissingFoldersAsPathNotFound) {
  std::filesystem::create_directories("photos/summer");
  os_.change_dir("photos\\summer");
  EXPECT_TRUE(os_.full_path().ends_with("\\photos\\summer")) << os_.full_path();
  EXPECT_FALSE(os_.at_root());
  EXPECT_EQ(error_of([&] { os_.change_dir("missing"); }), 3);
  EXPECT_EQ(error_of([&] { os_.change_dir("missing\\deeper"); }), 3);
}

TEST_F(Win32PlatformTest, ADriveRootHasNoParent) {
  char windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 2u);
  const std::string root = std::string(windows, 2) + "\\";  // "C:\"
  os_.change_dir(root);
  EXPECT_EQ(os_.full_path(), root);
  EXPECT_TRUE(os_.at_root());
}

TEST_F(Win32PlatformTest, OpensOnlyFilesOnDisk) {
  write_file(dir_ / "index.txt", "0123456789");
  std::filesystem::create_directory("dir.txt");
  auto text = os_.open_text("INDEX.TXT");
  ASSERT_NE(text, nullptr) << "letter case does not matter on Windows";
  char buffer[8] = {};
  EXPECT_EQ(text->read_at(6, buffer, sizeof buffer), 4u);
  EXPECT_EQ(std::string(buffer, 4), "6789");
  EXPECT_EQ(text->read_at(10, buffer, sizeof buffer), 0u);
  EXPECT_EQ(text->read_at(1'000, buffer, sizeof buffer), 0u);
  for (const char* name : {"dir.txt", "missing.txt", "NUL", "CON"}) {
    EXPECT_EQ(os_.open_text(name), nullptr) << name;
  }
}

TEST_F(Win32PlatformTest, CreatePageTruncatesAndRefusesFolders) {
  write_file(dir_ / "zdia0002.html", "older and longer");
  auto page = os_.create_page("zdia0002.html", Emptied::kAtClose);
  page->write("new");
  page->close();
  EXPECT_EQ(read_file(dir_ / "zdia0002.html"), "new");
  std::filesystem::create_directory("zdia0001.html");
  EXPECT_EQ(error_of([&] { os_.create_page("zdia0001.html", Emptied::kAtClose); }), 5);
}

TEST_F(Win32PlatformTest, CreatePageOnAReadOnlyFileIsAccessDenied) {
  if (under_wine())
    GTEST_SKIP() << "Wine refuses a read-only file only by Unix permissions, which root passes";
  write_file(dir_ / "index.html", "old");
  ASSERT_TRUE(SetFileAttributesA("index.html", FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(error_of([&] { os_.create_page("index.html", Emptied::kAtOnce); }), 5);
  EXPECT_EQ(read_file(dir_ / "index.html"), "old");
  SetFileAttributesA("index.html", FILE_ATTRIBUTE_NORMAL);
}

TEST(ErrorMap, SystemCodesWithThreeAdaptations) {
  struct Case {
    unsigned long code;
    Doing doing;
    int number;
  };
  for (const Case& c :
       {Case{ERROR_FILE_NOT_FOUND, Doing::kChangingFolder, 3},
        Case{ERROR_FILE_NOT_FOUND, Doing::kOther, 2},
        Case{ERROR_PATH_NOT_FOUND, Doing::kChangingFolder, 3},
        Case{ERROR_ALREADY_EXISTS, Doing::kRenaming, 5},
        Case{ERROR_ALREADY_EXISTS, Doing::kOther, 183},
        Case{ERROR_NO_DATA, Doing::kWritingConsole, 109},
        Case{ERROR_PIPE_NOT_CONNECTED, Doing::kWritingConsole, 109},
        Case{ERROR_NO_DATA, Doing::kOther, 232},
        Case{ERROR_BROKEN_PIPE, Doing::kWritingConsole, 109},
        Case{ERROR_ACCESS_DENIED, Doing::kOther, 5}, Case{ERROR_DISK_FULL, Doing::kOther, 112},
        Case{ERROR_INVALID_NAME, Doing::kChangingFolder, 123},
        Case{ERROR_SUCCESS, Doing::kOther, 31}}) {
    EXPECT_EQ(reported_error(c.code, c.doing), c.number) << c.code;
  }
}

}  // namespace
}  // namespace ombrelta
