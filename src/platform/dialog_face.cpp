#include "platform/dialog_face.h"

namespace pelaconf {

std::string ChooseDialogFace(std::string_view wanted, std::string_view messageFontFace,
                             const std::function<bool(std::string_view face)>& installed) {
    if (installed(wanted)) {
        return std::string(wanted);
    }
    for (const std::string_view face : kStandInDialogFaces) {
        if (installed(face)) {
            return std::string(face);
        }
    }
    return std::string(messageFontFace);
}

} // namespace pelaconf
