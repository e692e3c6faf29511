#include "ui/dialog_fonts.h"

#include "platform/dialog_face.h"
#include "win/gdi_scopes.h"
#include "win/wide_text.h"

#include <map>

namespace pelaconf {
namespace {

int CALLBACK NoteFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one family of the face is enough
}

// The face the system's message font is drawn in. Its name may be an alias that no family bears
// (Wine names "MS Shell Dlg"), so the face is asked of the font as made.
std::string MessageFontFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return {};
    }
    const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
    wchar_t face[LF_FACESIZE] = {};
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.Get(), font.Get());
    const int length = GetTextFaceW(screen.Get(), LF_FACESIZE, face);
    return WideToUtf8(length > 0 ? face : metrics.lfMessageFont.lfFaceName);
}

} // namespace

bool FontFaceInstalled(const std::wstring& face) {
    static std::map<std::wstring, bool> known;
    if (face.empty() || face.size() >= LF_FACESIZE) {
        return false;
    }
    const auto place = known.find(face);
    if (place != known.end()) {
        return place->second;
    }
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, face.size());
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    known.emplace(face, found);
    return found;
}

// Chosen once per face: every dialog is made through it, and the message font's face is made to
// be asked.
std::wstring InstalledFaceFor(const std::wstring& wanted) {
    static std::map<std::wstring, std::wstring> chosen;
    if (const auto found = chosen.find(wanted); found != chosen.end()) {
        return found->second;
    }
    const std::wstring face = Utf8ToWide(ChooseDialogFace(
        WideToUtf8(wanted), MessageFontFace(), [](std::string_view face) { return FontFaceInstalled(Utf8ToWide(face)); }));
    chosen.emplace(wanted, face);
    return face;
}

UniqueFont CreateDialogFont(const DialogTemplateLayout& layout, int dpi) {
    const std::wstring face(layout.face.begin(), layout.face.end());
    return UniqueFont(CreateFontW(-MulDiv(layout.pointSize, dpi, 72), 0, 0, 0, layout.weight, layout.italic, FALSE,
                                  FALSE, static_cast<BYTE>(layout.charSet), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

SIZE DialogBaseUnits(HFONT font) {
    static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    constexpr int kLetterCount = 52;
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.Get(), font);
    SIZE extent{};
    GetTextExtentPoint32W(screen.Get(), kLetters, kLetterCount, &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

} // namespace pelaconf
