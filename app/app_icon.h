#pragma once
// The program's icon, drawn at the size asked for (16 and 32 pixels are used):
// a cream 成 on a rounded teal tile, the teal of the explanation's border.
#include <windows.h>

// The caller owns the icon (DestroyIcon).
HICON MakeProgramIcon(int size);
