#pragma once
// Puts text on the clipboard as Unicode text. Raises Exception when the
// clipboard cannot be had, so that no one reports a copy that did not happen.
#include <windows.h>

#include <string>

void CopyTextToClipboard(HWND owner, const std::wstring& text);
// The clipboard's Unicode text; false when it holds none.
bool ReadClipboardText(HWND owner, std::wstring& text);
