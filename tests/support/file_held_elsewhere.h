#pragma once
// A file held open by another process (FileHolder.exe) while this object lives or until it lets
// go, for tests of what happens to files that other programs have open.

#include <windows.h>

#include <cstdio>
#include <string>

namespace pelaconf {

class FileHeldElsewhere {
public:
    // Starts the holder on the file and waits until it holds it (Holds() tells whether it does).
    FileHeldElsewhere(const std::wstring& holderProgram, const std::wstring& path, DWORD access, DWORD sharing) {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        HANDLE childInput = nullptr;
        HANDLE childOutput = nullptr;
        if (!CreatePipe(&childInput, &input_, &inherited, 0) || !CreatePipe(&output_, &childOutput, &inherited, 0)) {
            return;
        }
        SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput;
        startup.hStdOutput = childOutput;
        startup.hStdError = childOutput;
        std::wstring commandLine = L"\"" + holderProgram + L"\" \"" + path + L"\" " + Hex(access) + L" " + Hex(sharing);
        PROCESS_INFORMATION process{};
        if (CreateProcessW(holderProgram.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                           nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            process_ = process.hProcess;
        }
        CloseHandle(childInput);
        CloseHandle(childOutput);
        // Its first line comes once it holds the file; a holder that could not open it ends, which
        // ends the read.
        holds_ = process_ != nullptr && ReadLine() == "held";
    }
    ~FileHeldElsewhere() {
        LetGo();
        if (process_ != nullptr && WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
        }
        for (HANDLE handle : {process_, output_}) {
            if (handle != nullptr) {
                CloseHandle(handle);
            }
        }
    }
    FileHeldElsewhere(const FileHeldElsewhere&) = delete;
    FileHeldElsewhere& operator=(const FileHeldElsewhere&) = delete;

    bool Holds() const { return holds_; }
    // Tells the holder to let go of the file, without waiting for it to do so.
    void LetGo() {
        if (input_ != nullptr) {
            CloseHandle(input_);
            input_ = nullptr;
        }
    }
    // Whether the holder has said it lets go; it says so before it closes the file.
    bool HasSaidItLetsGo() {
        DWORD waiting = 0;
        return PeekNamedPipe(output_, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0 &&
               ReadLine() == "letting go";
    }

private:
    static std::wstring Hex(DWORD value) {
        wchar_t text[16];
        swprintf(text, 16, L"%lx", static_cast<unsigned long>(value));
        return text;
    }
    std::string ReadLine() {
        std::string line;
        char c = 0;
        DWORD read = 0;
        while (ReadFile(output_, &c, 1, &read, nullptr) && read == 1 && c != '\n') {
            line += c;
        }
        return line;
    }

    HANDLE process_ = nullptr;
    HANDLE input_ = nullptr;
    HANDLE output_ = nullptr;
    bool holds_ = false;
};

} // namespace pelaconf
