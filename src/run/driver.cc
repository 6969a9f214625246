#include "run/driver.h"

#include <string>

#include "catalogue/case_warning.h"
#include "catalogue/gathering.h"
#include "catalogue/scans.h"
#include "pages/gallery.h"
#include "pages/generator.h"
#include "pages/index_head.h"
#include "pages/link_table.h"
#include "platform/file_error.h"
#include "run/console_texts.h"
#include "run/help_text.h"

namespace ombrelta {

namespace {

// A path argument: everything before its last backslash becomes the working
// folder (nothing changes when that is empty), and the console says so.
void change_folder(Platform& os, NameText& S) {
  while (!S.empty() && S[S.size() - 1] != '\\') S.erase(S.size() - 1, 1);
  S.erase(S.size() - 1, 1);
  if (!S.empty()) os.change_dir(S.view());
  os.console_line(console_safe(join(kDirectoryChanged, S.view()).view()));
}

// Phase 2: the index page, or the message when it cannot be created.
bool create_index_page(Platform& os, Pages& pages) {
  try {
    pages.F2 = PageStream(os.create_page(FN2, Emptied::kAtOnce));
    return true;
  } catch (const FileError&) {
    os.console_line(std::string(kUnableToCreate) + std::string(FN2) + kBell);
    return false;
  }
}

// Phase 9: the console input back, and the case-warning summary with the
// wait for Enter when any name was not all lower case.
void finish(Platform& os, const Catalogue& cat, Pages& pages) {
  pages.input.reset();
  os.open_console_input();
  if (cat.UPDIRS == 0 && cat.UPFILE == 0) return;
  os.console_line(std::to_string(cat.UPFILE) + " files and " + std::to_string(cat.UPDIRS) +
                  " directories upcase" + kBell);
  os.console_line(std::to_string(cat.JPGNUM - 1) + " files and " + std::to_string(cat.DIRNUM - 1) +
                  " directories plus " + std::to_string(pages.DOCS) + " other documents found\n");
  os.wait_for_enter();
}

}  // namespace

int run_phases(Platform& os, std::string_view argument, Catalogue& cat, Pages& pages) {
  os.console_line(NAME);
  pages.S = argument;
  if (pages.S.contains("?")) {
    for (std::string_view line : kHelpText) os.console_line(line);
    return kExitHelp;
  }
  if (pages.S.contains("\\")) change_folder(os, pages.S);
  if (!create_index_page(os, pages)) return kExitUnableToCreate;

  subdirectory_scan(os, cat);
  head_and_introduction(os, pages);
  picture_scan(os, cat);
  gallery_phase(os, cat, pages);
  pages.input.reset();  // the gathering starts with the text input closed
  gather_links(os, cat);
  table_phase(os, cat, pages);
  finish(os, cat, pages);
  return kExitComplete;
}

int run(Platform& os, std::string_view argument) {
  auto cat = std::make_unique<Catalogue>();
  auto pages = std::make_unique<Pages>();
  try {
    return run_phases(os, argument, *cat, *pages);
  } catch (const FileError& e) {
    try {
      os.console_line(std::string(kRuntimeError) + std::to_string(e.number) + " (" +
                      std::string(error_meaning(e.number)) + ": " + console_safe(e.subject) + ")");
    } catch (const FileError&) {
      // The console itself failed: the exit status still tells.
    }
    return e.number;
  }
}

}  // namespace ombrelta
