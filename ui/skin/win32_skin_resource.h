#pragma once
// The main window's stored skin, as the program carries it: an RCDATA
// resource "SKINSTREAM" holding exactly the SkinStream bytes (a 4-byte
// length, then the skin package). Give them to TSkinData::ReadSkinStream.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

inline constexpr wchar_t kSkinStreamResource[] = L"SKINSTREAM";

// Empty when the module has no such resource.
std::vector<uint8_t> ReadSkinStreamResource(HMODULE module);

class TSkinData;
class TSkinPlatform;

// SkinData1 as the main window stores it: the stored property values
// assigned while the form is "read", then SkinStream through its reading hook,
// so the skin is loaded before this returns. The caller keeps platform alive
// as long as the component and calls Loaded() once the window and its
// controls exist, before anything can show a message box.
std::unique_ptr<TSkinData> CreateStoredSkinData(const TSkinPlatform& platform, HMODULE module);
