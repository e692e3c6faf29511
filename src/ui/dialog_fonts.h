#pragma once
// The fonts of the dialogs: the installed face that stands for a wanted one, the dialog font of a
// template at a DPI, and the base units the dialog manager measures that font by.

#include "platform/dialog_template.h"
#include "win/handles.h"

#include <windows.h>

#include <string>

namespace pelaconf {

// Whether the system has a font family of the face; asked once per face.
bool FontFaceInstalled(const std::wstring& face);

// The wanted face where it is installed, otherwise the stand-in ChooseDialogFace picks.
std::wstring InstalledFaceFor(const std::wstring& wanted);

// The template's font (its face, point size, weight and slant) at the DPI.
UniqueFont CreateDialogFont(const DialogTemplateLayout& layout, int dpi);

// The dialog base units of the font: its average width over "A".."Z" and "a".."z", rounded, and
// its height, as the dialog manager measures them.
SIZE DialogBaseUnits(HFONT font);

} // namespace pelaconf
