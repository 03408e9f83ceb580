#include "ui/font.h"

#include <map>
#include <vector>

TFont::TFont(std::wstring name, int height, TColor color, bool bold)
    : name_(std::move(name)), height_(height), color_(color), bold_(bold)
{
}

TFont::TFont(const TFont& other)
    : name_(other.name_), height_(other.height_), color_(other.color_), bold_(other.bold_)
{
}

TFont& TFont::operator=(const TFont& other)
{
    if (this != &other) {
        name_ = other.name_;
        height_ = other.height_;
        color_ = other.color_;
        bold_ = other.bold_;
        Changed();
    }
    return *this;
}

TFont::~TFont()
{
    Release();
}

void TFont::SetName(const std::wstring& name)
{
    if (name == name_)
        return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    if (OnChange)
        OnChange();
}

void TFont::Assign(const TFont& other)
{
    name_ = other.name_;
    height_ = other.height_;
    bold_ = other.bold_;
    Changed();
}

void TFont::Changed()
{
    Release();
    if (OnChange)
        OnChange();
}

void TFont::Release() const
{
    if (handle_) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = -height_;
        lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        std::wstring face = ResolveFaceName(name_);
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

namespace {

int CALLBACK CountFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceExists(HDC dc, const std::wstring& name)
{
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(dc, &lf, CountFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

bool DrawsChinese(HDC dc, const std::wstring& name)
{
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, name.c_str());
    if (!font)
        return false;
    HGDIOBJ old = SelectObject(dc, font);
    WORD glyphs[2] = {0, 0};
    // 成 and 语: every window of the program shows both.
    DWORD done = GetGlyphIndicesW(dc, L"\u6210\u8BED", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    DeleteObject(font);
    return done == 2 && glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF;
}

int CALLBACK CollectCjkFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD type, LPARAM out)
{
    try {
        if ((type & TRUETYPE_FONTTYPE) && lf->lfFaceName[0] != L'@')
            reinterpret_cast<std::vector<std::wstring>*>(out)->push_back(lf->lfFaceName);
        return 1;
    } catch (...) {
        return 0;  // out of memory: stop with what we have
    }
}

std::wstring FindCjkFace(HDC dc)
{
    for (const wchar_t* face : {L"\u5B8B\u4F53", L"SimSun", L"NSimSun", L"Microsoft YaHei", L"WenQuanYi Micro Hei",
                                L"Noto Sans CJK SC", L"Droid Sans Fallback"})
        if (FaceExists(dc, face) && DrawsChinese(dc, face))
            return face;
    LOGFONTW lf{};
    lf.lfCharSet = GB2312_CHARSET;
    std::vector<std::wstring> faces;
    EnumFontFamiliesExW(dc, &lf, CollectCjkFace, reinterpret_cast<LPARAM>(&faces), 0);
    for (const auto& face : faces)
        if (DrawsChinese(dc, face))
            return face;
    return L"";
}

} // namespace

std::wstring ResolveFaceName(const std::wstring& name)
{
    static std::map<std::wstring, std::wstring> resolved;
    auto it = resolved.find(name);
    if (it != resolved.end())
        return it->second;
    HDC dc = GetDC(nullptr);
    std::wstring face = name;
    if (!FaceExists(dc, name) || !DrawsChinese(dc, name)) {
        std::wstring cjk = FindCjkFace(dc);
        if (!cjk.empty())
            face = cjk;
    }
    ReleaseDC(nullptr, dc);
    resolved.emplace(name, face);
    return face;
}
