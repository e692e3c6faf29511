#pragma once
// A fresh folder per test holding Pelaconf.exe with its plug-in host, the stand-in Pelavine.exe and Pelavine.sys,
// with helpers to read and write the files the program works on.

#include <optional>
#include <string>
#include <vector>

namespace pelaconf::driver {

class InstallFolder {
public:
    // Made under the test run's folder; any earlier folder of the same name is removed first.
    explicit InstallFolder(const std::string& name);
    // A folder that already holds Pelaconf.exe with what it needs, such as an unpacked release; nothing is copied.
    static InstallFolder Existing(const std::wstring& path) { return InstallFolder(path); }

    const std::wstring& Path() const { return path_; }
    std::wstring PathOf(const std::string& fileName) const;
    std::wstring ProgramPath() const { return PathOf("Pelaconf.exe"); }

    bool Exists(const std::string& fileName) const;
    std::optional<std::string> Read(const std::string& fileName) const;
    void Write(const std::string& fileName, const std::string& bytes) const;
    void Remove(const std::string& fileName) const;
    void MakeFolder(const std::string& name) const;

    // The command lines the stand-in Pelavine.exe was started with, one per start, read once no
    // stand-in started from this folder is still running.
    std::vector<std::string> PelavineStarts() const;
    // True once no Pelaconf.exe and no plug-in host started from this folder is running (a bounded wait).
    bool NoProgramOfItsOwnRuns() const;

private:
    explicit InstallFolder(const std::wstring& path) : path_(path) {}

    std::wstring path_;
};

// The folder of the build that made the test programs (Windows form of the path).
std::wstring BuildFolder();

} // namespace pelaconf::driver
