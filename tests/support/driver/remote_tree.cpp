// Tree views of another process: their item texts live in that process's memory, so the
// requests are built there and read back.
#include "driver.h"

#include "win/wide_text.h"

#include <commctrl.h>

namespace pelaconf::driver {
namespace {

// A block of memory inside the process that owns a window.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_ != nullptr) {
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~RemoteBuffer() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    char* Address(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const {
        return offset + size <= size_ && WriteProcessMemory(process_, Address(offset), data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return offset + size <= size_ && ReadProcessMemory(process_, Address(offset), data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_;
};

struct RemoteItem {
    std::string label;
    int image = -1;
};

RemoteItem ReadItem(HWND tree, HTREEITEM item) {
    constexpr size_t kTextChars = 260;
    RemoteBuffer buffer(tree, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t));
    if (!buffer.Valid()) {
        return {};
    }
    TVITEMW request{};
    request.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = reinterpret_cast<wchar_t*>(buffer.Address(sizeof(TVITEMW)));
    request.cchTextMax = kTextChars;
    wchar_t text[kTextChars] = {};
    if (!buffer.Write(0, &request, sizeof request) ||
        !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.Address())) ||
        !buffer.Read(0, &request, sizeof request) || !buffer.Read(sizeof(TVITEMW), text, sizeof text)) {
        return {};
    }
    text[kTextChars - 1] = L'\0';
    return {WideToUtf8(text), request.iImage};
}

std::string ItemLabel(HWND tree, HTREEITEM item) { return ReadItem(tree, item).label; }

HTREEITEM NextItem(HWND tree, HTREEITEM item, WPARAM relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// Every item in display order: an item, then its children, then its next sibling.
void CollectItems(HWND tree, HTREEITEM first, std::vector<HTREEITEM>& items) {
    for (HTREEITEM item = first; item != nullptr; item = NextItem(tree, item, TVGN_NEXT)) {
        items.push_back(item);
        CollectItems(tree, NextItem(tree, item, TVGN_CHILD), items);
    }
}

std::vector<HTREEITEM> AllItems(HWND tree) {
    std::vector<HTREEITEM> items;
    CollectItems(tree, NextItem(tree, nullptr, TVGN_ROOT), items);
    return items;
}

HTREEITEM FindItem(HWND tree, const std::string& label) {
    for (HTREEITEM item : AllItems(tree)) {
        if (ItemLabel(tree, item) == label) {
            return item;
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::string> RemoteWindow::TreeLabels(int treeId) const {
    std::vector<std::string> labels;
    for (HTREEITEM item : AllItems(Item(treeId))) {
        labels.push_back(ItemLabel(Item(treeId), item));
    }
    return labels;
}

std::string RemoteWindow::SelectedTreeLabel(int treeId) const {
    HTREEITEM selected = NextItem(Item(treeId), nullptr, TVGN_CARET);
    return selected == nullptr ? std::string() : ItemLabel(Item(treeId), selected);
}

bool RemoteWindow::SelectTreeItem(int treeId, const std::string& label) const {
    HTREEITEM item = FindItem(Item(treeId), label);
    if (item == nullptr) {
        return false;
    }
    PostMessageW(Item(treeId), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return true;
}

bool RemoteWindow::ExpandTreeItem(int treeId, const std::string& label) const {
    if (!SelectTreeItem(treeId, label)) {
        return false;
    }
    // Posted after the selection, so it reaches the tree once the item is the selected one.
    PressKey(treeId, VK_ADD);
    return true;
}

std::vector<std::string> RemoteWindow::TreeChildLabels(int treeId, const std::string& label) const {
    std::vector<std::string> labels;
    HTREEITEM parent = FindItem(Item(treeId), label);
    if (parent == nullptr) {
        return labels;
    }
    for (HTREEITEM child = NextItem(Item(treeId), parent, TVGN_CHILD); child != nullptr;
         child = NextItem(Item(treeId), child, TVGN_NEXT)) {
        labels.push_back(ItemLabel(Item(treeId), child));
    }
    return labels;
}

int RemoteWindow::TreeItemImage(int treeId, const std::string& label) const {
    HTREEITEM item = FindItem(Item(treeId), label);
    return item == nullptr ? -1 : ReadItem(Item(treeId), item).image;
}

} // namespace pelaconf::driver
