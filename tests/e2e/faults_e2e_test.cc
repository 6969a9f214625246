// Failures of the real system: a full disk behind the index page, standard
// output into a pipe nobody reads. The run ends with the error number, never
// with status 0 and never by a silent kill.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include "e2e/e2e.h"

namespace ombrelta::e2e {
namespace {

TEST(FaultsE2e, PagesOnAFullDiskEndWithError112) {
  for (const std::string page : {"index.html", "zdia0001.html"}) {
    TempDir dir;
    write_file(dir / "index.txt", "Title\nintro\n");
    write_file(dir / "a.jpg", "picture");
    write_file(dir / "thumbs/m_a.jpg", "copy");
    ASSERT_EQ(symlink("/dev/full", (dir / page).c_str()), 0);
    const RunResult r = run_ombrelta(dir.path());
    EXPECT_EQ(r.status, 112) << page;
    EXPECT_EQ(r.out, std::string(kBanner) + "Runtime error 112 (disk full: " + page + ")\n");
    struct stat st {};
    ASSERT_EQ(lstat((dir / page).c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << page << ": the link itself stays";
    EXPECT_EQ(read_file(dir / "thumbs/a.jpg"), "copy")
        << page << ": the rename done before stays done";
    EXPECT_FALSE(exists(dir / "thumbs/m_a.jpg")) << page;
    EXPECT_EQ(read_file(dir / "a.jpg"), "picture") << page;
  }
}

TEST(FaultsE2e, StandardOutputIntoAClosedPipeEndsWithError109) {
  TempDir dir;
  write_file(dir / "a.jpg", "picture");
  EXPECT_EQ(run_ombrelta_to_closed_pipe(dir.path()), 109);
  EXPECT_FALSE(exists(dir / "index.html")) << "the banner failed: nothing else is done";
  EXPECT_EQ(run_ombrelta_to_closed_pipe(dir.path(), {"-?"}), 109) << "the help request too";
}

TEST(FaultsE2e, PagesThatArePipesNeitherHangNorSucceed) {
  if (under_wine()) GTEST_SKIP() << "Windows folders hold no FIFOs; Wine opens a Linux FIFO like a plain file";
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "index.html").c_str(), 0644), 0);
  RunResult r = run_ombrelta(dir.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, std::string(kBanner) + "Unable to create index.html\a\n");

  TempDir slides;
  write_file(slides / "index.txt", "");
  write_file(slides / "a.jpg", "picture");
  ASSERT_EQ(mkfifo((slides / "zdia0001.html").c_str(), 0644), 0);
  r = run_ombrelta(slides.path());
  EXPECT_EQ(r.status, 31);
  EXPECT_EQ(r.out, std::string(kBanner) + "Runtime error 31 (general failure: zdia0001.html)\n");
}

}  // namespace
}  // namespace ombrelta::e2e
