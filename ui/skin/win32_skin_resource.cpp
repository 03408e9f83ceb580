#include "ui/skin/win32_skin_resource.h"

std::vector<uint8_t> ReadSkinStreamResource(HMODULE module)
{
    HRSRC info = FindResourceW(module, kSkinStreamResource, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info)
        return {};
    HGLOBAL handle = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const auto* bytes = handle ? static_cast<const uint8_t*>(LockResource(handle)) : nullptr;
    if (!bytes || size == 0)
        return {};
    return std::vector<uint8_t>(bytes, bytes + size);
}
