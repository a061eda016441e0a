// Times the start of Vellumet.exe to its splash window shown against the start
// of a bare Win32 program to its one window shown, both beside this program,
// over interleaved runs, and prints the medians and their ratio. It watches
// from outside, as a user does: a window counts as shown when it is visible.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::wstring Beside(const wchar_t* file)
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1) + file;
}

// Milliseconds from starting the program to its window shown; the program is then ended.
double TimeToWindow(const std::wstring& program, const wchar_t* title)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = Clock::now();
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double elapsed = -1;
    while (Clock::now() - start < std::chrono::seconds(30)) {
        HWND window = FindWindowW(nullptr, title);
        if (window && IsWindowVisible(window)) {
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    constexpr int Runs = 15;
    const std::wstring vellumet = Beside(L"Vellumet.exe");
    const std::wstring bare = Beside(L"bare-window.exe");
    std::vector<double> vellumetTimes, bareTimes;
    for (int run = 0; run < Runs; ++run) {
        bareTimes.push_back(TimeToWindow(bare, L"Bare window"));
        vellumetTimes.push_back(TimeToWindow(vellumet, L"Form1"));
    }
    const double vellumetMedian = Median(vellumetTimes), bareMedian = Median(bareTimes);
    std::printf("start to first window shown, median of %d interleaved runs\n", Runs);
    std::printf("  bare Win32 window:      %7.1f ms\n", bareMedian);
    std::printf("  Vellumet.exe splash:    %7.1f ms\n", vellumetMedian);
    std::printf("  ratio:                  %7.2f (aim: at most 1.20)\n", vellumetMedian / bareMedian);
    return vellumetMedian > 0 && bareMedian > 0 ? 0 : 1;
}
