#pragma once
// What the settings window (and the first-run wizard) asks of every settings page: a modified
// flag, validation, storing into the record and reloading from it.

namespace pelaconf {

class SettingsPage {
public:
    virtual ~SettingsPage() = default;

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Takes the controls' values; true when they may be saved. A page that refuses has already
    // told the user why.
    virtual bool Validate() = 0;
    // Copies the page's values into the settings record.
    virtual void Store() = 0;
    // Refills the page from the settings record (the pages the first-run wizard edits).
    virtual void Reload() {}

private:
    bool modified_ = false;
};

} // namespace pelaconf
