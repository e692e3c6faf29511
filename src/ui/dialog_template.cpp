#include "ui/dialog_template.h"

#include "ui/dialog_fonts.h"

#include <string>

namespace pelaconf {
namespace {

std::span<const uint8_t> ResourceBytes(int templateId) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return {static_cast<const uint8_t*>(bytes), SizeofResource(module, found)};
}

} // namespace

std::optional<ProgramDialogTemplate> LoadProgramDialogTemplate(int templateId) {
    const std::span<const uint8_t> resource = ResourceBytes(templateId);
    auto layout = ReadDialogTemplate(resource);
    if (!layout || layout->face.empty()) {
        return std::nullopt;
    }
    const std::wstring face = InstalledFaceFor(std::wstring(layout->face.begin(), layout->face.end()));
    auto bytes = ReplaceDialogFace(resource, std::u16string(face.begin(), face.end()));
    if (!bytes) {
        return std::nullopt;
    }
    layout->face.assign(face.begin(), face.end());
    return ProgramDialogTemplate{std::move(*layout), std::move(*bytes)};
}

} // namespace pelaconf
