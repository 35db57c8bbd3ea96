#include "tests/support/list_view.h"

#include <commctrl.h>

#include <stdexcept>

#include "common/unique_handle.h"

namespace test_support {
namespace {

constexpr std::size_t kTextChars = 512;

// A block of memory in the list view's own process, as big as a message's
// structure and its text buffer need.
class RemoteBlock {
public:
    RemoteBlock(HWND window, std::size_t size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                   processId));
        if (!process_) {
            throw std::runtime_error("cannot open the list view's process");
        }
        address_ = VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
        if (address_ == nullptr) {
            throw std::runtime_error("cannot reserve memory in the list view's process");
        }
    }
    ~RemoteBlock() { VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE); }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    void Write(std::size_t offset, const void* data, std::size_t size) const {
        WriteProcessMemory(process_.Get(), At(offset), data, size, nullptr);
    }
    void Read(std::size_t offset, void* data, std::size_t size) const {
        ReadProcessMemory(process_.Get(), At(offset), data, size, nullptr);
    }

private:
    UniqueHandle<HANDLE, &CloseHandle> process_;
    void* address_ = nullptr;
};

std::string Narrow(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
    return text;
}

// The item structure first, its text buffer right behind it.
constexpr std::size_t kTextOffset = sizeof(LVITEMW);

std::string ItemText(const RemoteBlock& block, HWND list, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(block.At(kTextOffset));
    item.cchTextMax = static_cast<int>(kTextChars);
    block.Write(0, &item, sizeof item);
    const auto copied = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(block.At(0)));
    std::wstring text(kTextChars, L'\0');
    block.Read(kTextOffset, text.data(), kTextChars * sizeof(wchar_t));
    text.resize(static_cast<std::size_t>(copied));
    return Narrow(text.c_str());
}

}  // namespace

std::vector<ListRow> ListRows(HWND list) {
    const RemoteBlock block(list, kTextOffset + kTextChars * sizeof(wchar_t));
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    std::vector<ListRow> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        ListRow texts;
        for (int column = 0; column < columns; ++column) {
            texts.push_back(ItemText(block, list, row, column));
        }
        rows.push_back(texts);
    }
    return rows;
}

void SelectListRow(HWND list, int row) {
    const RemoteBlock block(list, sizeof(LVITEMW));
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    block.Write(0, &item, sizeof item);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(block.At(0)));
}

int SelectedListRow(HWND list) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::vector<ListColumn> ListColumns(HWND list) {
    const RemoteBlock block(list, sizeof(LVCOLUMNW) + kTextChars * sizeof(wchar_t));
    std::vector<ListColumn> columns;
    for (int index = 0;; ++index) {
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.pszText = reinterpret_cast<wchar_t*>(block.At(sizeof(LVCOLUMNW)));
        column.cchTextMax = static_cast<int>(kTextChars);
        block.Write(0, &column, sizeof column);
        if (!SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(block.At(0)))) {
            return columns;
        }
        block.Read(0, &column, sizeof column);
        std::wstring heading(kTextChars, L'\0');
        block.Read(sizeof(LVCOLUMNW), heading.data(), kTextChars * sizeof(wchar_t));
        columns.push_back({Narrow(heading.c_str()), column.fmt & LVCFMT_JUSTIFYMASK, column.cx});
    }
}

}  // namespace test_support
