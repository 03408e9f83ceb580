#pragma once
// What a test can read of a menu's items from outside.
#include <windows.h>

// Items of a menu that are owner-drawn just now.
inline int OwnerDrawnItems(HMENU menu)
{
    int count = 0;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW))
            ++count;
    }
    return count;
}
