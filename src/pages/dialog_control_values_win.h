#pragma once
// The controls of a dialog as the values a binding table exchanges, by the rules of ui/controls.

#include "pages/control_binding.h"

#include <windows.h>

#include <optional>

namespace pelaconf {

class DialogControlValues final : public ControlValues {
public:
    explicit DialogControlValues(HWND dialog) : dialog_(dialog) {}

    int Number(const BoundControl& control) const override;
    void ShowNumber(const BoundControl& control, int value) override;
    std::string Text(const BoundControl& control) const override;
    void ShowText(const BoundControl& control, std::string_view text) override;

private:
    HWND dialog_;
};

// The change a WM_COMMAND notification reports, if it reports one a binding follows.
std::optional<ControlEvent> CommandEvent(int notifyCode);

} // namespace pelaconf
