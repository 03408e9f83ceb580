#pragma once
// The skin data's platform answers from the running Windows system.
#include "ui/skin/skin_platform.h"

class TWin32SkinPlatform : public TSkinPlatform {
public:
    TColour SysColour(int index) const override;
    int SystemMetric(int index) const override;
    bool ReadCaptionFont(TCaptionFont& font) const override;
    std::unique_ptr<TSkinBrush> CreateSolidBrush(TColour rgb) const override;
    TSkinImage BuiltinBitmap(std::string_view name) const override;
    // A plain box with one OK button, owned by the active window.
    void ShowMessage(const std::string& text) const override;
    bool HasUser32Function(const char* name) const override;
};
