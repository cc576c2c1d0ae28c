// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows window's figures, under wine or Windows, each the median of
// its runs:
//   win32_figures list [runs]         tick to the 1719-line list, and the floor:
//                                     the same text set in the box at once
//   win32_figures start PROGRAM [runs] process start to its window shown
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "pictures.h"
#include "window.h"

namespace {

using delvarin::layout::RowIndexOf;

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int List(int runs) {
    LoadLibraryW(L"msftedit.dll");
    delvarin::win32::PictureSession pictures;
    delvarin::win32::Window window(GetModuleHandleW(nullptr));
    window.Load();
    window.Show(SW_SHOWNORMAL);
    auto control = [&](const char* name) {
        return window.control(RowIndexOf(name));
    };
    // A daughter of "مريم", all six planets.
    for (wchar_t c : std::wstring(L"\u0645\u0631\u064A\u0645"))
        SendMessageW(control("Text2"), WM_CHAR, c, 1);
    SendMessageW(control("Option2(1)"), BM_CLICK, 0, 0);
    Pump();
    std::vector<double> ticks, floors;
    std::wstring list;
    for (int i = 0; i < runs; ++i) {
        SendMessageW(control("Command2"), BM_CLICK, 0, 0);
        Pump();
        const double start = Now();
        SendMessageW(window.handle(), WM_TIMER, 1, 0);
        UpdateWindow(window.handle());
        ticks.push_back(Now() - start);
        HWND box = control("Text5");
        list.assign(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
        list.resize(static_cast<std::size_t>(
            GetWindowTextW(box, list.data(), static_cast<int>(list.size()))));
        Pump();
        SetWindowTextW(box, L"");
        // The floor: the whole text at once, its paragraphs right to left.
        const double set = Now();
        SendMessageW(box, WM_SETREDRAW, FALSE, 0);
        SetWindowTextW(box, list.c_str());
        PARAFORMAT2 paragraph{};
        paragraph.cbSize = sizeof paragraph;
        paragraph.dwMask = PFM_RTLPARA | PFM_ALIGNMENT;
        paragraph.wEffects = PFE_RTLPARA;
        paragraph.wAlignment = PFA_RIGHT;
        SendMessageW(box, EM_SETSEL, 0, -1);
        SendMessageW(box, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
        SendMessageW(box, EM_SETSEL, 0, 0);
        SendMessageW(box, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(box, nullptr, TRUE);
        UpdateWindow(box);
        floors.push_back(Now() - set);
        Pump();
    }
    const auto lines = std::count(list.begin(), list.end(), L'\n');
    const double tick = Median(ticks), floor = Median(floors);
    std::printf(
        "tick to the %lld-line list %.1f ms   floor, the same text set at once, right to left: "
        "%.1f ms"
        "   ratio %.2f\n",
        static_cast<long long>(lines), tick, floor, tick / floor);
    return lines == 1719 ? 0 : 1;
}

int Start(const wchar_t* program, int runs) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring line = L"\"" + std::wstring(program) + L"\"";
        const double start = Now();
        if (!CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return 1;
        HWND shown = nullptr;
        while (!shown && Now() - start < 30'000) {
            HWND found = FindWindowW(L"DelvarinChooser", nullptr);
            if (found && IsWindowVisible(found))
                shown = found;
            else
                Sleep(1);
        }
        samples.push_back(Now() - start);
        if (shown) PostMessageW(shown, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 30'000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (!shown) return 1;
    }
    std::printf("start to window shown, warm: %.0f ms (median of %d)\n", Median(samples), runs);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"list") return List(argc > 2 ? _wtoi(argv[2]) : 11);
    if (mode == L"start" && argc > 2) return Start(argv[2], argc > 3 ? _wtoi(argv[3]) : 11);
    std::fputs("usage: win32_figures list [runs] | start PROGRAM [runs]\n", stderr);
    return 64;
}
