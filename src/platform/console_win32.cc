// Console output and input, and the clock.
#include <windows.h>

#include <string>

#include "platform/error_map_win32.h"
#include "platform/file_error.h"
#include "platform/win32_platform_win32.h"

namespace ombrelta {

void Win32Platform::console_line(std::string_view text) {
  std::string line(text);
  line += "\r\n";
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  std::string_view rest = line;
  while (!rest.empty()) {
    DWORD done = 0;
    if (!WriteFile(out, rest.data(), static_cast<DWORD>(rest.size()), &done, nullptr)) {
      fail(last_error(Doing::kWritingConsole), "standard output");
    }
    rest.remove_prefix(done);
  }
}

// Standard input stays open for the whole run; there is nothing to reopen.
void Win32Platform::open_console_input() {}

void Win32Platform::wait_for_enter() {
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  char c = 0;
  DWORD got = 0;
  while (ReadFile(in, &c, 1, &got, nullptr) && got == 1 && c != '\n') {
  }
}

LocalTime Win32Platform::now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute};
}

}  // namespace ombrelta
