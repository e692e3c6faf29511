// Holds a file open as another program would (an antivirus, the search indexer, an editor), so
// that tests can see what Pelaconf does meanwhile:
//   FileHolder.exe <path> <access> <sharing>     (access and sharing as hexadecimal flags)
// Opens the existing file with that access and sharing and writes "held" to its output; once its
// input ends it writes "letting go", closes the file and ends. Ends with 1 when the file cannot be
// opened.
#include <windows.h>

#include <cwchar>

namespace {

void Say(const char* line) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(strlen(line)), &written, nullptr);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        return 2;
    }
    const DWORD access = wcstoul(argv[2], nullptr, 16);
    const DWORD sharing = wcstoul(argv[3], nullptr, 16);
    HANDLE file = CreateFileW(argv[1], access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    Say("held\n");
    char ignored[64];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), ignored, sizeof ignored, &read, nullptr) && read != 0) {
    }
    Say("letting go\n");
    CloseHandle(file);
    return 0;
}
