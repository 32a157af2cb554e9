// Start-up time of a dialog program under the same Wine: from CreateProcess until its dialog is
// visible, in paired runs against a second program. Prints every run and the medians.
// Usage: startup.exe RUNS PROGRAM_A CAPTION_A PROGRAM_B CAPTION_B
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

// Milliseconds until the program's dialog is visible; the program is then closed.
double TimeStart(const char* program, const char* caption) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char commandLine[1024];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", program);
    double start = Now();
    if (!CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    HWND dialog = nullptr;
    while (!(dialog = FindWindowA("#32770", caption)) || !IsWindowVisible(dialog)) {
        if (Now() - start > 20) return -1;
        Sleep(0);
    }
    double elapsed = (Now() - start) * 1000;
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return elapsed;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: startup RUNS PROGRAM_A CAPTION_A PROGRAM_B CAPTION_B\n");
        return 2;
    }
    int runs = std::atoi(argv[1]);
    std::vector<double> a, b;
    TimeStart(argv[2], argv[3]);  // warm the file cache and the Wine server
    TimeStart(argv[4], argv[5]);
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first so that neither gains from the other's warm-up.
        if (i % 2) {
            b.push_back(TimeStart(argv[4], argv[5]));
            a.push_back(TimeStart(argv[2], argv[3]));
        } else {
            a.push_back(TimeStart(argv[2], argv[3]));
            b.push_back(TimeStart(argv[4], argv[5]));
        }
        std::printf("run %2d: %8.1f ms  %8.1f ms\n", i + 1, a.back(), b.back());
    }
    double ma = Median(a), mb = Median(b);
    std::printf("median: %8.1f ms  %8.1f ms  ratio %.3f\n", ma, mb, ma / mb);
    return 0;
}
