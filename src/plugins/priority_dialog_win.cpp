#include "plugins/priority_dialog_win.h"

#include "platform/message_boxes.h"
#include "resource.h"
#include "settings/settings_record.h"
#include "ui/controls.h"
#include "win/wide_text.h"

#include <commctrl.h>

#include <utility>

namespace pelaconf {

PriorityDialog::PriorityDialog(SettingsRecord& record, MessageBoxes& messages)
    : Dialog(IDD_PRIORITY), record_(record), messages_(messages), editor_(record) {}

bool PriorityDialog::OnInit() {
    ShowMoveIcons();
    SetItemText(Window(), IDC_HELP_TEXT, PriorityDialogHelpText());
    std::vector<ListBoxEntry> items;
    for (const auto& item : editor_.ExtensionItems()) {
        items.push_back({item, static_cast<int>(items.size())});
    }
    FillListBox(Window(), IDC_PRIORITY_EXTENSIONS, items);
    AddTooltips();
    SendDlgItemMessageW(Window(), IDC_PRIORITY_EXTENSIONS, LB_SETCURSEL, 0, 0);
    ShowSelectedExtension();
    return true;
}

void PriorityDialog::ShowMoveIcons() {
    SetButtonIcon(Window(), IDC_PRIORITY_UP, IDI_PRIORITY_UP, Dpi());
    SetButtonIcon(Window(), IDC_PRIORITY_DOWN, IDI_PRIORITY_DOWN, Dpi());
}

void PriorityDialog::OnDpiChanged(int) { ShowMoveIcons(); }

// The tooltip asks for its text when it is shown (OnNotify); it goes with the dialog it belongs to.
void PriorityDialog::AddTooltips() {
    const HWND tooltip =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Window(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const int id : {IDC_PRIORITY_UP, IDC_PRIORITY_DOWN}) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Window();
        tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

bool PriorityDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_PRIORITY_EXTENSIONS && notifyCode == LBN_SELCHANGE) {
        ShowSelectedExtension();
        return true;
    }
    if (id == IDC_PRIORITY_PLUGINS && notifyCode == LBN_SELCHANGE) {
        FollowPluginSelection();
        ShowSelectedPlugin();
        return true;
    }
    return Dialog::OnCommand(id, notifyCode, control);
}

bool PriorityDialog::OnButtonClicked(int id) {
    if (id == IDC_PRIORITY_UP || id == IDC_PRIORITY_DOWN) {
        MoveSelectedPlugin(id == IDC_PRIORITY_UP);
        return true;
    }
    return false;
}

std::optional<LRESULT> PriorityDialog::OnNotify(const NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW) {
        return std::nullopt;
    }
    auto& request = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    if ((request.uFlags & TTF_IDISHWND) == 0) {
        return std::nullopt;
    }
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(header.idFrom));
    if (id != IDC_PRIORITY_UP && id != IDC_PRIORITY_DOWN) {
        return std::nullopt;
    }
    const std::wstring text = Utf8ToWide(id == IDC_PRIORITY_UP ? kMoveUpTooltip : kMoveDownTooltip);
    lstrcpynW(request.szText, text.c_str(), static_cast<int>(std::size(request.szText)));
    request.lpszText = request.szText;
    return 0;
}

void PriorityDialog::ShowSelectedExtension() {
    const LRESULT selected = SendDlgItemMessageW(Window(), IDC_PRIORITY_EXTENSIONS, LB_GETCURSEL, 0, 0);
    if (!editor_.SelectExtension(static_cast<int>(selected))) {
        return;
    }
    ShowPlugins(-1);
    SetItemText(Window(), IDC_PRIORITY_INFORMATION, "");
    FollowPluginSelection();
}

// Up and down are usable only when they would move the selected plug-in. A button that loses its
// use while it has the focus hands the focus to the list, so the keyboard keeps working.
void PriorityDialog::FollowPluginSelection() {
    const int selected = static_cast<int>(SendDlgItemMessageW(Window(), IDC_PRIORITY_PLUGINS, LB_GETCURSEL, 0, 0));
    for (const auto& [id, usable] : {std::pair{IDC_PRIORITY_UP, editor_.CanMoveUp(selected)},
                                     std::pair{IDC_PRIORITY_DOWN, editor_.CanMoveDown(selected)}}) {
        if (!usable && GetFocus() == Item(id)) {
            SendMessageW(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_PRIORITY_PLUGINS)), TRUE);
        }
        EnableItem(Window(), id, usable);
    }
}

void PriorityDialog::ShowPlugins(int selected) {
    std::vector<ListBoxEntry> items;
    for (const auto& name : editor_.PluginNames()) {
        items.push_back({name, static_cast<int>(items.size())});
    }
    FillListBox(Window(), IDC_PRIORITY_PLUGINS, items);
    SendDlgItemMessageW(Window(), IDC_PRIORITY_PLUGINS, LB_SETCURSEL, selected, 0);
}

// Loads the selected plug-in and shows what it says of itself; it stays loaded until the next
// selection or the end of the dialog.
void PriorityDialog::ShowSelectedPlugin() {
    const auto selected = GetSelectedListBoxValue(Window(), IDC_PRIORITY_PLUGINS);
    if (!selected) {
        return;
    }
    // What the previous plug-in said of itself must not stay beside one that cannot answer.
    SetItemText(Window(), IDC_PRIORITY_INFORMATION, "");
    const auto path = editor_.PathOf(editor_.PluginNames()[*selected]);
    if (!path) {
        messages_.Show(kPluginNotFoundMessage, MessageKind::Error);
        return;
    }
    plugin_.FreePlugin();
    if (const PluginLoad load = plugin_.LoadPlugin(*path); !load) {
        messages_.Show(load.hostNotStarted.empty() ? kPluginDoesNotLoadMessage
                                                   : HostNotStartedMessage(load.hostNotStarted),
                       MessageKind::Error);
        return;
    }
    PluginDescription description;
    if (plugin_.QueryPlugin(description) != kQueryImportFilter) {
        messages_.Show(kPluginNotUsableMessage, MessageKind::Error);
        return;
    }
    SetItemText(Window(), IDC_PRIORITY_INFORMATION,
                PluginInformation(description.fileTypeName, description.description));
}

void PriorityDialog::MoveSelectedPlugin(bool up) {
    const auto selected = GetSelectedListBoxValue(Window(), IDC_PRIORITY_PLUGINS);
    if (!selected) {
        return;
    }
    const int now = up ? editor_.MoveUp(*selected) : editor_.MoveDown(*selected);
    if (now != *selected) {
        ShowPlugins(now);
        FollowPluginSelection();
    }
}

void PriorityDialog::OnOk() {
    editor_.Commit(record_);
    End(IDOK);
}

} // namespace pelaconf
