#pragma once
// A dialog template of the program's resources as the dialogs are made from it: its font face
// replaced by the installed face that stands for it, and its layout kept for later re-layouts.

#include "platform/dialog_template.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace pelaconf {

struct ProgramDialogTemplate {
    DialogTemplateLayout layout; // with the face it is made in
    std::vector<uint8_t> bytes;  // for DialogBoxIndirectParamW and CreateDialogIndirectParamW

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes.data()); }
};

// Empty when the program has no such resource or it is not an extended template with a font.
std::optional<ProgramDialogTemplate> LoadProgramDialogTemplate(int templateId);

} // namespace pelaconf
