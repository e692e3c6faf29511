#pragma once
// An extended dialog template (the DLGTEMPLATEEX of a resource): what the dialogs' own layout
// reads of it (its font, its size and each control's rectangle in dialog units), and a copy of it
// with another font face, which the system then makes the dialog in.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelaconf {

// A rectangle in dialog units: x and width in quarters of the font's average character width,
// y and height in eighths of its height.
struct DialogUnitRectangle {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const DialogUnitRectangle&) const = default;
};

struct DialogTemplateControl {
    uint32_t id = 0;
    uint32_t style = 0;
    DialogUnitRectangle place;
    // A title given as a resource number (an image static's icon or bitmap); 0 for a text.
    uint16_t titleNumber = 0;
};

struct DialogTemplateLayout {
    uint32_t style = 0;
    DialogUnitRectangle place;
    // The font the template names (DS_SETFONT); empty face when it names none.
    int pointSize = 0;
    int weight = 0;
    bool italic = false;
    int charSet = 0;
    std::u16string face;
    std::vector<DialogTemplateControl> controls; // in the template's order, the order of creation
};

// The layout of a whole extended template; empty for anything else or for bytes cut short.
std::optional<DialogTemplateLayout> ReadDialogTemplate(std::span<const uint8_t> bytes);

// The template with its font face replaced and its controls realigned after it; empty when the
// bytes are not a whole extended template or it names no font.
std::optional<std::vector<uint8_t>> ReplaceDialogFace(std::span<const uint8_t> bytes, std::u16string_view face);

} // namespace pelaconf
