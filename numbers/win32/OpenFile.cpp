#include "numbers/win32/OpenFile.h"

#include "base/win32/SystemFunctions.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {
// Room for the longest path the file system allows.
constexpr std::size_t kPathRoom = 32768;

// Windows' file dialog leaves the process in the chosen file's folder
// whatever OFN_NOCHANGEDIR asks, and a folder that is a process's current
// folder cannot be removed or renamed until the program ends. The folder of
// before is taken back when the dialog has closed, on every way out.
class CurrentFolderKept {
public:
    CurrentFolderKept() {
        const DWORD room = GetCurrentDirectoryW(0, nullptr);
        folder_.resize(room);
        const DWORD length = room ? GetCurrentDirectoryW(room, folder_.data()) : 0;
        folder_.resize(length < room ? length : 0);
    }
    ~CurrentFolderKept() {
        if (!folder_.empty()) SetCurrentDirectoryW(folder_.c_str());
    }
    CurrentFolderKept(const CurrentFolderKept&) = delete;
    CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

private:
    WideString folder_;  // empty when it could not be had
};
}  // namespace

bool Win32FileDialog::Execute(OpenDialogState& state) {
    // "shown|pattern|..." becomes the dialog's list of zero-ended strings.
    WideString filter = Widen(state.Filter);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.push_back(L'\0');
    WideString title = Widen(state.Title);
    WideString defaultExt = Widen(state.DefaultExt);
    WideString file = PathW(state.FileName);
    file.resize(std::max(kPathRoom, file.size() + 1), L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(state.FilterIndex);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = defaultExt.c_str();
    // Nothing of the user's choice is kept: no shortcut in their recent files.
    dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_DONTADDTORECENT;
    const CurrentFolderKept folder;
    if (!sys::GetOpenFileNameW(&dialog)) return false;
    file.resize(wcslen(file.c_str()));
    state.FileName = FromPathW(file);
    state.FilterIndex = static_cast<int>(dialog.nFilterIndex);
    return true;
}

}  // namespace fortuva::win32
