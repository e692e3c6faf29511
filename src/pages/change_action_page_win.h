#pragma once
// The dialog side both the external program page and the WAVE page share: the path field with its
// file dialog, and the three boxes for the kinds of wallpaper change. Every change of the path
// and every click of a box marks the page modified.

#include "pages/change_action.h"
#include "pages/model_page_win.h"
#include "ui/file_open_dialog.h"

#include <array>
#include <string_view>

namespace pelaconf {

struct ChangeActionControls {
    int pathId;
    std::array<int, 3> boxIds; // at Pelavine's start, by the timer, at a manual change
    std::string_view fileDialogTitle;
    std::string_view fileDialogFilter;
};

template <typename Model> class ChangeActionPage : public ModelPage<Model> {
public:
    ChangeActionPage(int templateId, SettingsRecord& record, std::string_view helpText,
                     const ChangeActionControls& controls)
        : ModelPage<Model>(templateId, record, helpText), controls_(controls) {}

protected:
    using ModelPage<Model>::model_;
    using ModelPage<Model>::Window;

    // The page's own loading counts as a change of the path too, so a stored path is offered
    // for saving again; an empty one leaves the page unmodified.
    void ShowModel() override {
        if (GetItemText(Window(), controls_.pathId) != model_.path) {
            SetItemText(Window(), controls_.pathId, model_.path);
            this->SetModified(true);
        }
        const auto& [atStart, onTimer, onManualChange] = controls_.boxIds;
        SetCheckBox(Window(), atStart, model_.atStart);
        SetCheckBox(Window(), onTimer, model_.onTimer);
        SetCheckBox(Window(), onManualChange, model_.onManualChange);
    }

    void ReadControls() override {
        model_.path = GetItemText(Window(), controls_.pathId);
        const auto& [atStart, onTimer, onManualChange] = controls_.boxIds;
        model_.atStart = GetCheckBox(Window(), atStart);
        model_.onTimer = GetCheckBox(Window(), onTimer);
        model_.onManualChange = GetCheckBox(Window(), onManualChange);
    }

    bool OnCommand(int id, int notifyCode, HWND control) override {
        if (id == controls_.pathId && notifyCode == EN_CHANGE) {
            this->SetModified(true);
            return true;
        }
        return ModelPage<Model>::OnCommand(id, notifyCode, control);
    }

    bool OnButtonClicked(int id) override {
        const bool isBox = id == controls_.boxIds[0] || id == controls_.boxIds[1] || id == controls_.boxIds[2];
        if (isBox) {
            this->SetModified(true);
            return true;
        }
        if (id == IDC_FILE_BROWSE) {
            ChooseFile();
            return true;
        }
        return false;
    }

private:
    void ChooseFile() {
        ReadControls();
        const auto chosen =
            ChooseFileToOpen(Window(), controls_.fileDialogTitle, controls_.fileDialogFilter, model_.path);
        if (chosen && model_.ChooseFile(*chosen)) {
            SetItemText(Window(), controls_.pathId, model_.path);
            this->SetModified(true);
        }
    }

    ChangeActionControls controls_;
};

} // namespace pelaconf
