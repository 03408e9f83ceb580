#pragma once
// The main window's stored skin, as the program carries it: an RCDATA
// resource "SKINSTREAM" holding exactly the SkinStream bytes (a 4-byte
// length, then the skin package). Give them to TSkinData::ReadSkinStream.
#include <windows.h>

#include <cstdint>
#include <vector>

inline constexpr wchar_t kSkinStreamResource[] = L"SKINSTREAM";

// Empty when the module has no such resource.
std::vector<uint8_t> ReadSkinStreamResource(HMODULE module);
