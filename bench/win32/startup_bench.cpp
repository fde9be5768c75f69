// Start-up of the real program under Wine or Windows: the time from CreateProcess until its main
// window is visible, over several runs, and the size of the exe. An empty window's start-up is
// measured the same way beside it: what lies above that is Kennwerk's own. Each run closes the
// window with WM_CLOSE and waits for the process to end before the next one starts.
//
//   kennwerk_startup_bench <Kennwerk.exe> [runs]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win32/shown_window.h"
#include "toolkit/platform/win32/win32.h"

namespace {

using kennwerk_test::ShownWindowOf;

double Seconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return double(ticks) / double(frequency.QuadPart);
}

LONGLONG Now() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// One start; the milliseconds until the window showed, or a negative number if it never did.
double TimeOneStart(std::wstring exe) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + exe + L"\"";
  const LONGLONG started = Now();
  if (!::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    return -1;
  HWND window = nullptr;
  LONGLONG shown = started;
  while (!window && Seconds(Now() - started) < 30) {
    window = ShownWindowOf(process.dwProcessId);
    shown = Now();
    if (!window)
      ::Sleep(1);
  }
  if (window)
    ::PostMessageW(window, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
    ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return window ? Seconds(shown - started) * 1000 : -1;
}

long long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
    return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

struct Figures {
  double median, fastest, slowest;
};

// Starts the exe `runs` times; false if its window never showed.
bool TimeStarts(const std::wstring& exe, int runs, Figures& figures) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double ms = TimeOneStart(exe);
    if (ms < 0)
      return false;
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  figures = {times[times.size() / 2], times.front(), times.back()};
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: kennwerk_startup_bench <Kennwerk.exe> [runs]\n", stderr);
    return 2;
  }
  const std::wstring exe = argv[1];
  const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 10;
  Figures kennwerk{};
  Figures empty{};
  if (!TimeStarts(KENNWERK_EMPTY_WINDOW_W, runs, empty) || !TimeStarts(exe, runs, kennwerk)) {
    std::fputs("a window never showed\n", stderr);
    return 1;
  }
  const long long bytes = FileSize(exe);
  std::printf("timed exe:              %lld bytes (%.1f KiB)\n", bytes, double(bytes) / 1024);
  std::printf("start-up to window shown, median of %d (fastest, slowest):\n", runs);
  std::printf("  Kennwerk:             %6.1f ms (%.1f, %.1f)\n", kennwerk.median, kennwerk.fastest,
              kennwerk.slowest);
  std::printf("  an empty window:      %6.1f ms (%.1f, %.1f)\n", empty.median, empty.fastest,
              empty.slowest);
  std::printf("  Kennwerk's own share: %6.1f ms\n", kennwerk.median - empty.median);
  return 0;
}
