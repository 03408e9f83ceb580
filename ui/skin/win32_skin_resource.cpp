#include "ui/skin/win32_skin_resource.h"

#include "ui/skin/skin_data.h"

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

std::unique_ptr<TSkinData> CreateStoredSkinData(const TSkinPlatform& platform, HMODULE module)
{
    auto skin = std::make_unique<TSkinData>(platform);
    skin->Reading = true;
    // The published values in their stored order; SkinStore and Version are
    // stored too, and ignored. SkinControls, Options and Skin3rd are stored
    // with the component's defaults.
    skin->Active = true;
    skin->DisableTag = 99;
    skin->SetSkinStore("(Good)");
    skin->SkinFormtype = TSkinFormType::sfMainform;
    skin->SetVersion(kSkinVersion);
    skin->MenuUpdate = true;
    skin->MenuMerge = false;
    skin->ReadSkinStream(ReadSkinStreamResource(module));
    skin->Reading = false;
    return skin;
}
