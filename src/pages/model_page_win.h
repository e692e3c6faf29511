#pragma once
// The shape most settings pages share: a page that edits one model of the settings record. It
// shows its help text and its model when it opens, reads the model back from its controls to
// validate and store it, and refills itself from the record on Reload.

#include "pages/settings_page.h"
#include "resource.h"
#include "ui/controls.h"
#include "ui/page_dialog.h"

#include <string_view>

namespace pelaconf {

struct SettingsRecord;

template <typename Model> class ModelPage : public PageDialog, public SettingsPage {
public:
    ModelPage(int templateId, SettingsRecord& record, std::string_view helpText)
        : PageDialog(templateId), record_(record), helpText_(helpText) {}

    bool Validate() override {
        ReadControls();
        return ModelIsValid();
    }

    void Store() override {
        ReadControls();
        model_.Store(record_);
    }

    void Reload() override {
        model_.Load(record_);
        ShowModel();
    }

protected:
    bool OnInit() override {
        SetModified(false);
        SetItemText(Window(), IDC_HELP_TEXT, helpText_);
        Reload();
        return true;
    }

    // Puts the model's values into the controls.
    virtual void ShowModel() = 0;
    // Takes the controls' values into the model.
    virtual void ReadControls() = 0;
    // A page whose values can be wrong checks them here and tells the user why it refuses.
    virtual bool ModelIsValid() { return true; }

    // The settings record the page edits.
    SettingsRecord& Record() { return record_; }

    Model model_;

private:
    SettingsRecord& record_;
    std::string_view helpText_;
};

} // namespace pelaconf
