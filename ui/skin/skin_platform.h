#pragma once
// What the skin data takes from the system. The Win32 side answers from the
// running system; native tests and the fuzzer use TFixedSkinPlatform.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/skin/skin_colour.h"
#include "ui/skin/skin_image.h"

// The system metrics the skin data reads.
enum TSystemMetric : int {
    METRIC_CXHSCROLL = 21,  // SM_CXHSCROLL
};

// A font as LOGFONT describes it; the face name is GBK bytes.
struct TCaptionFont {
    std::string FaceName = "MS Sans Serif";
    int32_t Height = -11;
    int32_t Weight = 400;
    bool Italic = false;
    uint8_t CharSet = 1;  // DEFAULT_CHARSET
    bool operator==(const TCaptionFont&) const = default;
};

// A solid brush owned by whoever asked for it.
class TSkinBrush {
public:
    virtual ~TSkinBrush() = default;
    virtual TColour Colour() const = 0;
    // The native handle (an HBRUSH on Windows); null where there is none.
    virtual void* Handle() const = 0;
};

class TSkinPlatform : public TSystemColours {
public:
    virtual int SystemMetric(int index) const = 0;
    // The caption font of the non-client metrics; false when the system
    // cannot tell, and then font is left as it was.
    virtual bool ReadCaptionFont(TCaptionFont& font) const = 0;
    virtual std::unique_ptr<TSkinBrush> CreateSolidBrush(TColour rgb) const = 0;
    // The program's own bitmaps "TRACK" and "TRACKVERT".
    virtual TSkinImage BuiltinBitmap(std::string_view name) const = 0;
    // A plain message box with one OK button; text is GBK.
    virtual void ShowMessage(const std::string& text) const = 0;
    // Whether user32 exports the named function (looked up at run time).
    virtual bool HasUser32Function(const char* name) const = 0;
};

// The built-in track images: 16 x 4 and 4 x 16, drawn in the 16 standard
// colours. Both the Win32 and the fixed platform hand these out.
TSkinImage BuiltinTrackBitmap(std::string_view name);

// Fixed answers: the classic Windows colours and metrics, no message box
// (messages are counted and kept), every user32 function present.
class TFixedSkinPlatform : public TSkinPlatform {
public:
    TColour SysColour(int index) const override;
    int SystemMetric(int index) const override;
    bool ReadCaptionFont(TCaptionFont& font) const override;
    std::unique_ptr<TSkinBrush> CreateSolidBrush(TColour rgb) const override;
    TSkinImage BuiltinBitmap(std::string_view name) const override;
    void ShowMessage(const std::string& text) const override;
    bool HasUser32Function(const char* name) const override;

    mutable int MessageCount = 0;
    mutable std::string LastMessage;
    bool HasGetScrollBarInfo = true;
    bool CaptionFontAvailable = true;
    TCaptionFont CaptionFont{"Tahoma", -12, 700, false, 1};
    int CxHScroll = 17;
};
