// Any bytes read as Pelavine.ini must parse without fault, every record must be writable, and
// once written (which normalises malformed plug-in entries) the file must read back unchanged.
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
    return 0;
}
