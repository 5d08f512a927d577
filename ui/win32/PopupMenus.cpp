#include "ui/win32/CommonDialogs.h"

#include <vector>

#include "ui/win32/Bitmaps.h"

namespace lorivex::ui::win32 {

namespace {

// The menu and the pictures of its items go together.
struct BuiltMenu {
    HMENU Menu = CreatePopupMenu();
    std::vector<HBITMAP> Pictures;
    ~BuiltMenu()
    {
        DestroyMenu(Menu);
        for (HBITMAP picture : Pictures)
            DeleteObject(picture);
    }
};

const TBitmap* PictureOf(const TPopupMenu& menu, const TMenuItem& item)
{
    if (item.Bitmap && !item.Bitmap->Empty())
        return item.Bitmap.get();
    if (menu.Images && item.ImageIndex >= 0 && item.ImageIndex < menu.Images->Count())
        if (const TBitmapPtr& picture = (*menu.Images)[item.ImageIndex]; picture && !picture->Empty())
            return picture.get();
    return nullptr;
}

} // namespace

int TrackMenu(const TPopupMenu& menu, TPoint at, HWND owner)
{
    BuiltMenu built;
    for (int i = 0; i < menu.Count(); ++i) {
        const TMenuItem& item = menu.Items(i);
        if (!item.Visible)
            continue;
        if (item.IsLine()) {
            AppendMenuW(built.Menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring caption = Wide(item.Caption);
        // Ids start at 1: TrackPopupMenu answers 0 for "nothing chosen".
        AppendMenuW(built.Menu, MF_STRING | (item.Enabled ? 0 : MF_GRAYED), UINT_PTR(i + 1), caption.c_str());
        if (const TBitmap* picture = PictureOf(menu, item)) {
            HBITMAP bitmap = CreateDib(*picture, true);
            built.Pictures.push_back(bitmap);
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_BITMAP;
            info.hbmpItem = bitmap;
            SetMenuItemInfoW(built.Menu, UINT(i + 1), FALSE, &info);
        }
    }
    // A menu whose owner is not in front does not close when the person
    // clicks elsewhere.
    if (GetForegroundWindow() != owner)
        SetForegroundWindow(owner);
    int chosen = int(TrackPopupMenu(built.Menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                    at.X, at.Y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen - 1;
}

} // namespace lorivex::ui::win32
