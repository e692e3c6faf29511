#pragma once
// Laying a dialog out again at another DPI as the dialog manager lays it out when it makes the
// dialog: each control of the template at its rectangle in dialog units, measured in the base
// units of the dialog's font at that DPI.

#include "platform/dialog_template.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace pelaconf {

// A control the dialog manager made from an entry of the template.
struct TemplateControlWindow {
    HWND window = nullptr;
    DialogTemplateControl control;
};

// The controls of a dialog just made from the template, paired with its entries by the order in
// which they were made; empty when they do not pair up.
std::optional<std::vector<TemplateControlWindow>> FindTemplateControls(HWND dialog, const DialogTemplateLayout& layout);

// Switches off the system's own re-scaling of the dialog and its controls on a change of DPI,
// where the system has it (Windows 10 1703 and later): the program lays them out itself.
void LeaveDpiChangesToProgram(HWND dialog, const std::vector<TemplateControlWindow>& controls);

// Gives every control the font and its template rectangle in the font's base units, and an icon
// static its icon at the DPI.
void LayOutControls(const std::vector<TemplateControlWindow>& controls, HFONT font, SIZE baseUnits, int dpi);

// The client size of the dialog in pixels at the base units.
SIZE TemplateClientSize(const DialogTemplateLayout& layout, SIZE baseUnits);

} // namespace pelaconf
