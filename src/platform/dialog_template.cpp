#include "platform/dialog_template.h"

#include "image/little_endian.h"

namespace pelaconf {
namespace {

constexpr uint32_t kSetFontStyle = 0x40;  // DS_SETFONT, also part of DS_SHELLFONT
constexpr size_t kHeaderSize = 26;        // up to the menu
constexpr size_t kControlHeaderSize = 24; // up to the class

// Where the parts of a template lie, so that the face can be replaced and the rest kept.
struct TemplateParts {
    DialogTemplateLayout layout;
    size_t faceStart = 0;
    size_t faceEnd = 0;
    std::vector<std::pair<size_t, size_t>> controls; // each control's bytes: start, end
};

class TemplateReader {
public:
    explicit TemplateReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool Has(size_t count) const { return at_ <= bytes_.size() && bytes_.size() - at_ >= count; }
    size_t At() const { return at_; }
    uint16_t Word() { return Advance(2) ? ReadLe16(bytes_, at_ - 2) : 0; }
    uint32_t Dword() { return Advance(4) ? ReadLe32(bytes_, at_ - 4) : 0; }
    int Short() { return static_cast<int16_t>(Word()); }
    bool Advance(size_t count) {
        if (!Has(count)) {
            failed_ = true;
            return false;
        }
        at_ += count;
        return true;
    }
    void AlignToDword() { Advance((4 - at_ % 4) % 4); }
    // A null-terminated UTF-16 text.
    std::u16string Text() {
        std::u16string text;
        while (!failed_) {
            const char16_t unit = Word();
            if (unit == 0 || failed_) {
                break;
            }
            text.push_back(unit);
        }
        return text;
    }
    // A name or a number: empty, 0xFFFF and a number, or a text; the number, 0 for the others.
    uint16_t SkipNameOrNumber() {
        if (!Has(2)) {
            failed_ = true;
            return 0;
        }
        if (ReadLe16(bytes_, at_) == 0xFFFF) {
            Advance(2);
            return Word();
        }
        Text();
        return 0;
    }
    DialogUnitRectangle Rectangle() {
        DialogUnitRectangle place;
        place.x = Short();
        place.y = Short();
        place.width = Short();
        place.height = Short();
        return place;
    }
    bool Failed() const { return failed_; }

private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
    bool failed_ = false;
};

bool ReadControl(TemplateReader& reader, TemplateParts& parts) {
    reader.AlignToDword();
    const size_t start = reader.At();
    if (!reader.Has(kControlHeaderSize)) {
        return false;
    }
    DialogTemplateControl control;
    reader.Dword(); // help id
    reader.Dword(); // extended style
    control.style = reader.Dword();
    control.place = reader.Rectangle();
    control.id = reader.Dword();
    reader.SkipNameOrNumber(); // class
    control.titleNumber = reader.SkipNameOrNumber();
    reader.Advance(reader.Word()); // creation data
    if (reader.Failed()) {
        return false;
    }
    parts.layout.controls.push_back(control);
    parts.controls.emplace_back(start, reader.At());
    return true;
}

std::optional<TemplateParts> ReadParts(std::span<const uint8_t> bytes) {
    TemplateReader reader(bytes);
    if (!reader.Has(kHeaderSize) || reader.Word() != 1 || reader.Word() != 0xFFFF) {
        return std::nullopt;
    }
    TemplateParts parts;
    DialogTemplateLayout& layout = parts.layout;
    reader.Dword(); // help id
    reader.Dword(); // extended style
    layout.style = reader.Dword();
    const int controlCount = reader.Word();
    layout.place = reader.Rectangle();
    reader.SkipNameOrNumber(); // menu
    reader.SkipNameOrNumber(); // class
    reader.Text();             // title
    if ((layout.style & kSetFontStyle) != 0) {
        layout.pointSize = reader.Word();
        layout.weight = reader.Word();
        layout.italic = reader.Has(1) && bytes[reader.At()] != 0;
        reader.Advance(1);
        layout.charSet = reader.Has(1) ? bytes[reader.At()] : 0;
        reader.Advance(1);
        parts.faceStart = reader.At();
        layout.face = reader.Text();
        parts.faceEnd = reader.At();
    }
    for (int index = 0; index < controlCount; ++index) {
        if (!ReadControl(reader, parts)) {
            return std::nullopt;
        }
    }
    if (reader.Failed()) {
        return std::nullopt;
    }
    return parts;
}

void AppendWord(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

} // namespace

std::optional<DialogTemplateLayout> ReadDialogTemplate(std::span<const uint8_t> bytes) {
    auto parts = ReadParts(bytes);
    if (!parts) {
        return std::nullopt;
    }
    return std::move(parts->layout);
}

// Each control starts on a four-byte boundary of the template, so a face of another length moves
// every control and the padding before it is made anew.
std::optional<std::vector<uint8_t>> ReplaceDialogFace(std::span<const uint8_t> bytes, std::u16string_view face) {
    const auto parts = ReadParts(bytes);
    if (!parts || parts->faceStart == 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> out(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(parts->faceStart));
    for (const char16_t unit : face) {
        AppendWord(out, unit);
    }
    AppendWord(out, 0);
    for (const auto& [start, end] : parts->controls) {
        out.resize((out.size() + 3) / 4 * 4, 0);
        out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(start),
                   bytes.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return out;
}

} // namespace pelaconf
