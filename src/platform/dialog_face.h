#pragma once
// The font face a dialog is drawn in: the one its template names where that face is installed,
// since the layout was made with it. Many systems lack it (the Japanese faces of older Windows
// are optional elsewhere); a face of similar metrics then stands in, and the face of the system's
// message font as the last resort.

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace pelaconf {

// Tried in this order when the template's face is not installed.
inline constexpr std::array<std::string_view, 3> kStandInDialogFaces{"Yu Gothic UI", "Meiryo UI", "MS UI Gothic"};

// wanted: the template's face; messageFontFace: the system's message font's. Faces are UTF-8.
std::string ChooseDialogFace(std::string_view wanted, std::string_view messageFontFace,
                             const std::function<bool(std::string_view face)>& installed);

} // namespace pelaconf
