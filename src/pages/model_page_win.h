#pragma once
// The shape most settings pages share: a page that edits one model of the settings record. It
// shows its help text and its model when it opens, reads the model back from its controls to
// validate and store it, and refills itself from the record on Reload. What moves between the
// controls and the model, and which changes mark the page modified, comes from the page's
// binding table; the page adds only its rules (enabling, texts, lists built from the model).
//
// The base owns the modified flag: it is set by the bindings, by the rules a page runs when it
// is shown, and by the page's other rules that change the model (ModelChangedByRule).

#include "pages/control_binding.h"
#include "pages/dialog_control_values_win.h"
#include "pages/settings_page.h"
#include "resource.h"
#include "settings/settings_record.h"
#include "ui/controls.h"
#include "ui/page_dialog.h"

#include <string_view>
#include <utility>
#include <vector>

namespace pelaconf {

template <typename Model> class ModelPage : public PageDialog, public SettingsPage {
public:
    ModelPage(int templateId, SettingsRecord& record, std::string_view helpText,
              std::vector<ControlBinding<Model>> bindings)
        : PageDialog(templateId), bindings_(std::move(bindings)), record_(record), helpText_(helpText) {}

    bool Validate() override {
        ReadControls();
        return ModelIsValid();
    }

    void Store() override {
        ReadControls();
        model_.Store(record_);
        bindings_.Store(record_);
    }

    void Reload() override {
        model_.Load(record_);
        bindings_.Load(record_);
        ShowModel();
    }

protected:
    bool OnInit() override {
        SetModified(false);
        SetItemText(Window(), IDC_HELP_TEXT, helpText_);
        Reload();
        return true;
    }

    // Puts the model's values into the bound controls, then what the page's rules show of it.
    void ShowModel() {
        DialogControlValues controls(Window());
        CountChange(bindings_.Show(model_, controls));
        ShowRules();
    }
    // Takes the bound controls' values into the model.
    void ReadControls() {
        DialogControlValues controls(Window());
        CountChange(bindings_.Read(model_, controls));
    }
    // Shows one bound control's value again after a rule changed it.
    void ShowBound(int id) {
        DialogControlValues controls(Window());
        CountChange(bindings_.ShowControl(id, model_, controls));
    }

    // After the bound controls show the model: what the page's rules derive from it.
    virtual void ShowRules() {}
    // The page's rules each time it is shown; true when following them changed the model in a
    // way that counts as a change.
    virtual bool FollowRulesWhenShown() { return false; }
    // A page whose values can be wrong checks them here and tells the user why it refuses.
    virtual bool ModelIsValid() { return true; }
    // A rule of the page (a button's action, its validation) changed the model.
    void ModelChangedByRule() { CountChange(true); }

    bool OnCommand(int id, int notifyCode, HWND control) override {
        if (const auto event = CommandEvent(notifyCode); event && FollowChange(id, *event)) {
            return true;
        }
        return PageDialog::OnCommand(id, notifyCode, control);
    }

    bool OnScroll(HWND control) override { return FollowChange(GetDlgCtrlID(control), ControlEvent::Scrolled); }

    void OnShowWindow(bool shown) override {
        if (shown) {
            CountChange(FollowRulesWhenShown());
        }
    }

    // The settings record the page edits.
    SettingsRecord& Record() { return record_; }

    Model model_;

private:
    // True when a binding follows the event of the control.
    bool FollowChange(int id, ControlEvent event) {
        DialogControlValues controls(Window());
        const auto counts = bindings_.Change(id, event, model_, controls);
        if (!counts) {
            return false;
        }
        CountChange(*counts);
        return true;
    }

    void CountChange(bool counts) {
        if (counts) {
            SetModified(true);
        }
    }

    BindingTable<Model> bindings_;
    SettingsRecord& record_;
    std::string_view helpText_;
};

} // namespace pelaconf
