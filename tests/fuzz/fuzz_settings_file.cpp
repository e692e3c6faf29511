// Any bytes read as Pelavine.ini must parse without fault, every record must be writable, and
// once written (which normalises malformed plug-in entries) the file must read back unchanged;
// through the file as well, where a value's bytes read are kept when it is written unchanged.
#include "fake_file_system.h"
#include "settings/code_page.h"
#include "settings/settings_file.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Reads the file into a new record and writes it back; gives the bytes written.
std::string ReadAndWrite(pelaconf::testing::FakeFileSystem& files) {
    pelaconf::SettingsRecord record("C:\\p");
    const pelaconf::SettingsFileRead read = pelaconf::ReadSettings(record, files);
    if (read.state != pelaconf::SettingsFileState::Read || !pelaconf::WriteSettings(record, read.spellings, files)) {
        std::abort();
    }
    return files.files[record.SettingsFilePath()];
}

} // namespace

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

    // A malformed plug-in entry takes two writes to settle, as above ("x" becomes ".." and then
    // ".00.."); from then on reading and writing the file keeps its bytes.
    testing::FakeFileSystem files;
    files.files[SettingsRecord("C:\\p").SettingsFilePath()] = std::string(bytes);
    ReadAndWrite(files);
    const std::string settled = ReadAndWrite(files);
    if (ReadAndWrite(files) != settled) {
        std::abort();
    }
    return 0;
}
