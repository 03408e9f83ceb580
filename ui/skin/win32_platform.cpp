#include "ui/skin/win32_platform.h"

#include <windows.h>

#include <cstddef>

namespace {

class TWin32Brush : public TSkinBrush {
public:
    explicit TWin32Brush(TColour c) : colour_(c), brush_(::CreateSolidBrush(c & 0xFFFFFF)) {}
    ~TWin32Brush() override
    {
        if (brush_)
            DeleteObject(brush_);
    }
    TWin32Brush(const TWin32Brush&) = delete;
    TWin32Brush& operator=(const TWin32Brush&) = delete;
    TColour Colour() const override { return colour_; }
    void* Handle() const override { return brush_; }

private:
    TColour colour_;
    HBRUSH brush_;
};

// The caption font is read with the structure size of the older systems
// (without iPaddedBorderWidth), which every version accepts.
constexpr UINT kNonClientMetricsSize = 340;
static_assert(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth) == kNonClientMetricsSize);

} // namespace

TColour TWin32SkinPlatform::SysColour(int index) const { return GetSysColor(index) & 0xFFFFFF; }

int TWin32SkinPlatform::SystemMetric(int index) const { return GetSystemMetrics(index); }

bool TWin32SkinPlatform::ReadCaptionFont(TCaptionFont& font) const
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0))
        return false;
    const LOGFONTA& lf = metrics.lfCaptionFont;
    font.FaceName = lf.lfFaceName;
    font.Height = lf.lfHeight;
    font.Weight = lf.lfWeight;
    font.Italic = lf.lfItalic != 0;
    font.CharSet = lf.lfCharSet;
    return true;
}

std::unique_ptr<TSkinBrush> TWin32SkinPlatform::CreateSolidBrush(TColour rgb) const
{
    return std::make_unique<TWin32Brush>(rgb);
}

TSkinImage TWin32SkinPlatform::BuiltinBitmap(std::string_view name) const { return BuiltinTrackBitmap(name); }

void TWin32SkinPlatform::ShowMessage(const std::string& text) const
{
    MessageBoxA(GetActiveWindow(), text.c_str(), "Quorlen", MB_OK);
}

bool TWin32SkinPlatform::HasUser32Function(const char* name) const
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 && GetProcAddress(user32, name) != nullptr;
}
