// Any bytes read as Pelavine.ini must parse without fault, every record must be writable, and
// once written (which normalises malformed plug-in entries) the file must read back unchanged;
// through the file as well, where a value's bytes read are kept when it is written unchanged.
#include "fake_file_system.h"
#include "settings/code_page.h"
#include "settings/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pelaconf;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SettingsRecord first("C:\\p");
    ParseSettings(DecodeShiftJis(bytes), first);
    SettingsRecord second("C:\\p");
    ParseSettings(FormatSettings(first), second);
    const std::string written = FormatSettings(second);
    SettingsRecord third("C:\\p");
    ParseSettings(written, third);
    if (FormatSettings(third) != written || !EncodeShiftJis(written)) {
        std::abort();
    }

    testing::FakeFileSystem files;
    SettingsRecord read("C:\\p");
    files.files[read.SettingsFilePath()] = std::string(bytes);
    if (ReadSettings(read, files) != 1 || WriteSettings(read, files) != 1) {
        std::abort();
    }
    const std::string once = files.files[read.SettingsFilePath()];
    SettingsRecord reread("C:\\p");
    if (ReadSettings(reread, files) != 1 || WriteSettings(reread, files) != 1 ||
        files.files[reread.SettingsFilePath()] != once) {
        std::abort();
    }
    return 0;
}
