// The program of the dialog tests. Started with a mode and a file, it is instead the reference run
// of a test: it makes the program's dialogs in a fresh process, which took the session's DPI and
// fonts as it started, and writes into the file what the test compares.
#include "program_dialogs.h"
#include "reference_run.h"
#include "ui/dialog_fonts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pelaconf::testing {
namespace {

std::vector<std::string> DescribeLayout() {
    ProgramDialogs dialogs;
    if (!dialogs.ShowAndMakeAllPages()) {
        return {"the settings window did not make all its pages"};
    }
    return dialogs.Describe();
}

// One line per window: its path, its font's face and whether a family of that face exists.
void DescribeFaces(HWND window, const std::string& path, std::vector<std::string>& lines) {
    const std::wstring face = FaceOf(window);
    lines.push_back(path + " " + ClassName(window) + " \"" + WideToUtf8(face) + "\" " +
                    (FamilyExists(face) ? "found" : "missing"));
    int index = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == "#32770") {
            DescribeFaces(child, path + "/" + std::to_string(index) + ":" + std::to_string(GetDlgCtrlID(child)), lines);
        }
        ++index;
    }
}

// Every dialog of this thread (the settings window with its caption bar, pages and the browser
// page's wait window, the wizard with its pages, the priority dialog), then the caption bar's
// label. The first line says whether the templates' own face exists in this session.
// Adds each window to the vector its last argument points to (a named CALLBACK function, as the
// i686 build cannot turn a lambda into a stdcall pointer).
BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

std::vector<std::string> DescribeFonts() {
    ProgramDialogs dialogs;
    if (!dialogs.ShowAndMakeAllPages()) {
        return {"the settings window did not make all its pages"};
    }
    std::vector<std::string> lines{std::string("template face ") +
                                   (FamilyExists(L"ＭＳ Ｐゴシック") ? "found" : "missing")};
    std::vector<HWND> topLevel;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&topLevel));
    for (const HWND window : topLevel) {
        if (ClassName(window) == "#32770") {
            DescribeFaces(window, "dialog" + std::to_string(GetDlgCtrlID(window)), lines);
        }
    }
    const std::wstring label = InstalledFaceFor(L"ＭＳ ゴシック");
    lines.push_back("caption-label \"" + WideToUtf8(label) + "\" " + (FamilyExists(label) ? "found" : "missing"));
    return lines;
}

} // namespace
} // namespace pelaconf::testing

int main(int argc, char** argv) {
    using namespace pelaconf::testing;
    if (argc == 3 && std::strcmp(argv[1], "--describe-layout") == 0) {
        return WriteReference(argv[2], DescribeLayout());
    }
    if (argc == 3 && std::strcmp(argv[1], "--describe-fonts") == 0) {
        return WriteReference(argv[2], DescribeFonts());
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
