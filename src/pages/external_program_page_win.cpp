#include "pages/external_program_page_win.h"

#include "platform/message_boxes.h"

namespace pelaconf {
namespace {

constexpr ChangeActionControls kControls{
    IDC_EXEC_PATH,
    {IDC_EXEC_AT_START, IDC_EXEC_ON_TIMER, IDC_EXEC_ON_MANUAL_CHANGE},
    kProgramFileDialogTitle,
    kProgramFileDialogFilter,
};

std::string_view RefusalText(ProgramCheck check) {
    switch (check) {
    case ProgramCheck::PathMissing: return kProgramPathMissingMessage;
    case ProgramCheck::NotStorable: return kProgramPathNotStorableMessage;
    case ProgramCheck::Valid: break;
    }
    return {};
}

} // namespace

ExternalProgramPage::ExternalProgramPage(SettingsRecord& record, MessageBoxes& messages)
    : ChangeActionPage(IDD_EXTERNAL_PROGRAM, record, ExternalProgramHelpText(), kControls), messages_(messages) {}

std::optional<std::string> ExternalProgramPage::ManualChangeCommand() {
    ReadControls();
    return model_.ManualChangeCommand();
}

bool ExternalProgramPage::ModelIsValid() { return PassesCheck(messages_, RefusalText(model_.Validate())); }

} // namespace pelaconf
