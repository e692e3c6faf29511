#pragma once
// The dialog side both the external program page and the WAVE page share: the path field with its
// file dialog, and the three boxes for the kinds of wallpaper change. Every change of the path
// and every click of a box marks the page modified; so does the page's own loading of a stored
// path, so that it is offered for saving again (an empty one leaves the page unmodified).

#include "pages/change_action.h"
#include "pages/model_page_win.h"
#include "ui/file_open_dialog.h"

#include <array>
#include <string_view>
#include <vector>

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
        : ModelPage<Model>(templateId, record, helpText, Bindings(controls)), controls_(controls) {}

protected:
    using ModelPage<Model>::model_;
    using ModelPage<Model>::Window;
    using ModelPage<Model>::ReadControls;

    bool OnButtonClicked(int id) override {
        if (id == IDC_FILE_BROWSE) {
            ChooseFile();
            return true;
        }
        return false;
    }

private:
    static std::vector<ControlBinding<Model>> Bindings(const ChangeActionControls& controls) {
        const auto& [atStart, onTimer, onManualChange] = controls.boxIds;
        return {
            BindEditText<Model>(controls.pathId, &Model::path).FilledByLoadingCounts(),
            BindCheckBox<Model>(atStart, &Model::atStart),
            BindCheckBox<Model>(onTimer, &Model::onTimer),
            BindCheckBox<Model>(onManualChange, &Model::onManualChange),
        };
    }

    void ChooseFile() {
        ReadControls();
        const auto chosen =
            ChooseFileToOpen(Window(), controls_.fileDialogTitle, controls_.fileDialogFilter, model_.path);
        if (chosen && model_.ChooseFile(*chosen)) {
            this->ShowBound(controls_.pathId);
        }
    }

    ChangeActionControls controls_;
};

} // namespace pelaconf
