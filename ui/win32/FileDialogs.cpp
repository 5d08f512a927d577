#include "ui/win32/CommonDialogs.h"

#include <algorithm>

#include "base/Exception.h"

namespace lorivex::ui::win32 {

std::wstring FileDialogFilter(const std::string& filter)
{
    // Split after widening: in the East Asian code pages '|' can be the
    // second byte of a character.
    std::wstring wide = Wide(filter);
    for (wchar_t& c : wide)
        if (c == L'|')
            c = L'\0';
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

bool RunFileDialog(TFileDialog& dialog, HWND owner)
{
    std::wstring filter = FileDialogFilter(dialog.Filter);
    std::wstring title = Wide(dialog.Title), initialDir = Wide(dialog.InitialDir);
    std::wstring defaultExt = Wide(dialog.DefaultExt.starts_with('.') ? dialog.DefaultExt.substr(1) : dialog.DefaultExt);
    std::wstring file = Wide(dialog.FileName);
    file.resize(std::max<size_t>(file.size() + 1, 32768), L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = dialog.Filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = DWORD(std::max(0, dialog.FilterIndex));
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = DWORD(file.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    // The process's current folder is not the dialog's to change.
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (dialog.Options & ofOverwritePrompt)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (dialog.Options & ofFileMustExist)
        ofn.Flags |= OFN_FILEMUSTEXIST;
    if (dialog.Options & ofPathMustExist)
        ofn.Flags |= OFN_PATHMUSTEXIST;
    if (dialog.Options & ofHideReadOnly)
        ofn.Flags |= OFN_HIDEREADONLY;

    BOOL chosen = dialog.Kind() == TFileDialogKind::Open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen) {
        if (DWORD error = CommDlgExtendedError())
            throw Exception("The file dialog '" + dialog.Title + "' could not be shown (error "
                            + std::to_string(error) + ")");
        return false;
    }
    dialog.FileName = Ansi(file.c_str());
    dialog.FilterIndex = int(ofn.nFilterIndex);
    return true;
}

} // namespace lorivex::ui::win32
