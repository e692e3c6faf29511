#include "pages/external_program_page_win.h"

namespace pelaconf {
namespace {

constexpr ChangeActionControls kControls{
    IDC_EXEC_PATH,
    {IDC_EXEC_AT_START, IDC_EXEC_ON_TIMER, IDC_EXEC_ON_MANUAL_CHANGE},
    kProgramFileDialogTitle,
    kProgramFileDialogFilter,
};

} // namespace

ExternalProgramPage::ExternalProgramPage(SettingsRecord& record, MessageBoxes& messages)
    : ChangeActionPage(IDD_EXTERNAL_PROGRAM, record, ExternalProgramHelpText(), kControls), messages_(messages) {}

std::optional<std::string> ExternalProgramPage::ManualChangeCommand() {
    ReadControls();
    return model_.ManualChangeCommand();
}

bool ExternalProgramPage::ModelIsValid() { return model_.Validate(messages_); }

} // namespace pelaconf
