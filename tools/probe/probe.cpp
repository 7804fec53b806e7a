// The end-to-end probe: a small console program run under Wine beside the installer, which
// finds the installer's dialog and reads or drives it through standard window messages, so that
// the scenario scripts can check what a person would see.
//
//   probe wait-window <timeout-ms>    first visible top-level dialog with an empty title:
//                                     "<hwnd> <left> <top> <right> <bottom> <pid>"
//   probe count-windows               how many such dialogs there are
//   probe close <hwnd> [cancel|close] posts WM_COMMAND IDCANCEL (default) or WM_CLOSE
//   probe combo-items <hwnd>          the folder list (control 1033): class, count, selection,
//                                     then one "item <index> <text>" line per entry
//   probe rect <hwnd> [control-id]    "window l t r b" and "client l t r b", both on the screen
//   probe has-mutex <name>            whether a named mutex exists in this logon's namespace
//
// Exit codes: 0 done, 1 what was asked for is not there (timeout, no window, no control),
// 2 wrong use.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitUsage = 2;

constexpr int kFolderListId = 1033;
// Messages to another process's window are sent with a bound, so that a hung installer fails
// the check instead of hanging the test.
constexpr UINT kSendTimeoutMs = 2000;
// A list entry longer than this is not something the installer would show; reading stops there.
constexpr LRESULT kMaxItemLength = 4096;

void PrintHandle(HWND window) {
  // Formatted by hand: MinGW's printf family does not agree with GCC about 64-bit formats.
  unsigned long long value = reinterpret_cast<unsigned long long>(window);
  char text[19] = "0x";
  int digits = 0;
  for (unsigned long long v = value; v != 0 || digits == 0; v >>= 4) ++digits;
  for (int i = 0; i < digits; ++i) {
    text[2 + digits - 1 - i] = "0123456789abcdef"[(value >> (4 * i)) & 0xF];
  }
  text[2 + digits] = '\0';
  std::fputs(text, stdout);
}

bool ParseHandle(const char* text, HWND* window) {
  char* end = nullptr;
  unsigned long long value = std::strtoull(text, &end, 0);
  if (end == text || *end != '\0' || value == 0) return false;
  *window = reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
  return true;
}

bool ParseNumber(const char* text, long* number) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 0);
  if (end == text || *end != '\0' || value < 0) return false;
  *number = value;
  return true;
}

// The installer's main window: a visible top-level window of the standard dialog class with an
// empty title. A message box (same class) always has a caption, so it does not count.
bool IsInstallerDialog(HWND window) {
  if (!IsWindowVisible(window)) return false;
  char className[16];
  if (GetClassNameA(window, className, sizeof className) == 0) return false;
  if (std::strcmp(className, "#32770") != 0) return false;
  // GetWindowTextA reads another process's title without sending it a message.
  char title[2];
  return GetWindowTextA(window, title, sizeof title) == 0;
}

struct Found {
  HWND first;
  int count;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
  Found* found = reinterpret_cast<Found*>(param);
  if (IsInstallerDialog(window)) {
    if (found->count == 0) found->first = window;
    ++found->count;
  }
  return TRUE;
}

Found FindDialogs() {
  Found found = {nullptr, 0};
  EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                          &answer) == 0) {
    return false;
  }
  *result = static_cast<LRESULT>(answer);
  return true;
}

int WaitWindow(long timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    Found found = FindDialogs();
    if (found.count > 0) {
      RECT rect;
      GetWindowRect(found.first, &rect);
      DWORD pid = 0;
      GetWindowThreadProcessId(found.first, &pid);
      PrintHandle(found.first);
      std::printf(" %ld %ld %ld %ld %lu\n", rect.left, rect.top, rect.right, rect.bottom,
                  static_cast<unsigned long>(pid));
      return kExitOk;
    }
    if (GetTickCount() - start >= static_cast<DWORD>(timeoutMs)) break;
    Sleep(50);
  }
  std::fprintf(stderr, "probe: no installer window within %ld ms\n", timeoutMs);
  return kExitNotFound;
}

int CountWindows() {
  std::printf("%d\n", FindDialogs().count);
  return kExitOk;
}

int Close(HWND window, const char* how) {
  bool close = std::strcmp(how, "close") == 0;
  if (!close && std::strcmp(how, "cancel") != 0) return kExitUsage;
  if (!IsWindow(window)) {
    std::fprintf(stderr, "probe: no such window\n");
    return kExitNotFound;
  }
  // "cancel" is what the Escape key and a Cancel button both send to a dialog.
  BOOL posted = close ? PostMessageA(window, WM_CLOSE, 0, 0)
                      : PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return posted ? kExitOk : kExitNotFound;
}

// One entry of the list, printed as UTF-8. It is read in its Unicode form: Wine 8 answers the
// ANSI CB_GETLBTEXT from another process with the UTF-16 bytes, twice what the caller's buffer
// was sized for. The length is asked first because the list copies without knowing the
// buffer's size; the buffer has room to spare all the same.
bool PrintItem(HWND list, LRESULT index) {
  LRESULT length = 0;
  if (!SendBounded(list, CB_GETLBTEXTLEN, index, 0, &length) || length < 0 ||
      length > kMaxItemLength) {
    return false;
  }
  size_t capacity = 2 * (static_cast<size_t>(length) + 1);
  wchar_t* wide = static_cast<wchar_t*>(std::calloc(capacity, sizeof(wchar_t)));
  char* text = static_cast<char*>(std::calloc(4 * capacity, 1));
  LRESULT copied = 0;
  bool ok = wide != nullptr && text != nullptr &&
            SendBounded(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide), &copied) &&
            copied >= 0 && copied <= length;
  if (ok) {
    wide[copied] = L'\0';
    ok = copied == 0 || WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(copied) + 1, text,
                                            static_cast<int>(4 * capacity), nullptr, nullptr) > 0;
  }
  if (ok) std::printf("item %ld %s\n", static_cast<long>(index), text);
  std::free(wide);
  std::free(text);
  return ok;
}

int ComboItems(HWND dialog) {
  HWND list = GetDlgItem(dialog, kFolderListId);
  if (list == nullptr) {
    std::fprintf(stderr, "probe: the window has no control %d\n", kFolderListId);
    return kExitNotFound;
  }
  char className[32];
  if (GetClassNameA(list, className, sizeof className) == 0) className[0] = '\0';
  std::printf("class %s\n", className);
  LRESULT count = 0;
  LRESULT selected = 0;
  if (!SendBounded(list, CB_GETCOUNT, 0, 0, &count) || count == CB_ERR ||
      !SendBounded(list, CB_GETCURSEL, 0, 0, &selected)) {
    std::fprintf(stderr, "probe: the folder list does not answer\n");
    return kExitNotFound;
  }
  std::printf("count %ld\nselected %ld\n", static_cast<long>(count), static_cast<long>(selected));
  for (LRESULT i = 0; i < count; ++i) {
    if (!PrintItem(list, i)) {
      std::fprintf(stderr, "probe: entry %ld cannot be read\n", static_cast<long>(i));
      return kExitNotFound;
    }
  }
  return kExitOk;
}

int Rect(HWND window, const char* controlId) {
  if (controlId != nullptr) {
    long id = 0;
    if (!ParseNumber(controlId, &id)) return kExitUsage;
    window = GetDlgItem(window, static_cast<int>(id));
  }
  RECT outer;
  RECT inner;
  if (window == nullptr || !GetWindowRect(window, &outer) || !GetClientRect(window, &inner)) {
    std::fprintf(stderr, "probe: no such window\n");
    return kExitNotFound;
  }
  // Both on the screen, so a click can be aimed at the client area directly.
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inner), 2);
  std::printf("window %ld %ld %ld %ld\n", outer.left, outer.top, outer.right, outer.bottom);
  std::printf("client %ld %ld %ld %ld\n", inner.left, inner.top, inner.right, inner.bottom);
  return kExitOk;
}

int HasMutex(const char* name) {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name);
  if (mutex == nullptr) {
    std::printf("no\n");
    return kExitNotFound;
  }
  CloseHandle(mutex);
  std::printf("yes\n");
  return kExitOk;
}

int Usage() {
  std::fprintf(stderr,
               "usage: probe wait-window <timeout-ms> | count-windows | close <hwnd> "
               "[cancel|close] | combo-items <hwnd> | rect <hwnd> [control-id] | "
               "has-mutex <name>\n");
  return kExitUsage;
}

int Run(int argc, char** argv) {
  if (argc < 2) return Usage();
  const char* command = argv[1];
  HWND window = nullptr;
  long number = 0;
  if (std::strcmp(command, "wait-window") == 0 && argc == 3 && ParseNumber(argv[2], &number)) {
    return WaitWindow(number);
  }
  if (std::strcmp(command, "count-windows") == 0 && argc == 2) return CountWindows();
  if (std::strcmp(command, "close") == 0 && (argc == 3 || argc == 4) &&
      ParseHandle(argv[2], &window)) {
    int result = Close(window, argc == 4 ? argv[3] : "cancel");
    return result == kExitUsage ? Usage() : result;
  }
  if (std::strcmp(command, "combo-items") == 0 && argc == 3 && ParseHandle(argv[2], &window)) {
    return ComboItems(window);
  }
  if (std::strcmp(command, "rect") == 0 && (argc == 3 || argc == 4) &&
      ParseHandle(argv[2], &window)) {
    int result = Rect(window, argc == 4 ? argv[3] : nullptr);
    return result == kExitUsage ? Usage() : result;
  }
  if (std::strcmp(command, "has-mutex") == 0 && argc == 3) return HasMutex(argv[2]);
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  // Plain "\n" line ends for the scripts that read the output: in text mode the C library
  // would write "\r\n".
  _setmode(_fileno(stdout), _O_BINARY);
  int result = Run(argc, argv);
  std::fflush(stdout);
  return result;
}
