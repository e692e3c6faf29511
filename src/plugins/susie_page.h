#pragma once
// The Susie settings page's values and rules: the use of plug-ins, their folder ("Empty" in the
// settings when none is chosen), taking Susie's own folder from the registry, and the refresh
// that rescans the plug-ins and tells whether anything changed.

#include <string>
#include <string_view>

namespace pelaconf {

class FileSystem;
class PluginProbe;
class Registry;
struct SettingsRecord;

inline constexpr char kSusieFolderMissingMessage[] = "Susieプラグインフォルダは存在しません";
inline constexpr char kSusieFolderNotStorableMessage[] =
    "Susieプラグインフォルダパスに設定ファイルへ保存できない文字が含まれています。\n"
    "Shift-JISで表せる文字だけのフォルダを指定して下さい。";
inline constexpr char kSusieLookupFailedMessage[] =
    "Susieプラグインフォルダの取得に失敗しました。\nSusieがインストールされていない可能性があります。";
inline constexpr char kSusieLookupNotStorableMessage[] =
    "Susieプラグインフォルダの取得に失敗しました。\n"
    "Susieのプラグインフォルダパスに設定ファイルへ保存できない文字が含まれています。";
inline constexpr char kSusieLookupDoneQuestion[] =
    "Susieインストールフォルダの取得は正常終了しました。\nこのフォルダにあるSusieプラグインを検出しますか？";
inline constexpr char kPluginsChangedMessage[] = "Susieプラグイン情報の変更を検出しました。";
inline constexpr char kNoNewPluginsMessage[] = "新しいSusieプラグインは検出されませんでした。";
inline constexpr char kSusieFolderBrowserFailedMessage[] = "Susieプラグインフォルダ選択ダイアログの表示に失敗しました";
inline constexpr char kSusieFolderBrowserTitle[] = "Susieプラグインフォルダを選択して下さい";
// What Susie_Dir_Path holds when no folder is chosen.
inline constexpr char kNoFolder[] = "Empty";

std::string_view SusiePageHelpText();

// Whether a folder may go into Susie_Dir_Path.
enum class SusieFolderCheck {
    Valid,
    Missing,     // plug-ins are searched there, but it does not exist
    NotStorable, // the settings file cannot hold its path
};

// What a refresh found.
enum class RefreshOutcome {
    Refused,   // the folder does not exist or cannot be stored; nothing was scanned
    Unchanged, // the scan found the catalogue as it was
    Changed,   // the catalogue changed
    HostNotStarted, // a plug-in host program could not be started; the catalogue is as it was
};

struct RefreshResult {
    RefreshOutcome outcome = RefreshOutcome::Unchanged;
    SusieFolderCheck folder = SusieFolderCheck::Valid; // why the refresh was refused
    std::string hostProgram;                           // the file name of the host that did not start
};

// What taking Susie's own folder did.
enum class LookupOutcome {
    NotFound,    // the registry holds no folder, or one too long to read
    NotStorable, // the registry's folder is one the settings file cannot hold
    Unchanged,   // the field already shows that folder
    Changed,     // the field now shows that folder
};

struct SusiePageModel {
    std::string folder; // empty when no folder is chosen
    int useSusie = 0;

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;
    // Writes Susie_Use at once. With plug-ins in use the folder, when given, must exist; and any
    // folder must be text the settings file can hold.
    SusieFolderCheck Validate(SettingsRecord& record, const FileSystem& files) const;

    // Takes Susie's plug-in folder from the registry into Susie_Dir_Path and the field.
    LookupOutcome TakeSusieFolder(SettingsRecord& record, const Registry& registry);

    // Sets Susie_Dir_Path from the field and rescans the plug-ins, unless the folder is refused.
    RefreshResult Refresh(SettingsRecord& record, const FileSystem& files, PluginProbe& probe) const;

    // A folder chosen in the folder browser replaces the field unless it is the same folder in
    // other letter case; true when the field changed.
    bool ChooseFolder(std::string_view chosen);
};

} // namespace pelaconf
