#pragma once
// The component's enumerations and the small bit sets built on them.
#include <cstdint>
#include <initializer_list>

enum class TSkinControlType : uint8_t {
    xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
    xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
    xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport
};
inline constexpr int kSkinControlTypeCount = 22;

enum class TSkinOption : uint8_t {
    xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
    xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoCaptionButtonHint, xoFormScrollbar
};
inline constexpr int kSkinOptionCount = 12;

enum class TSkinFormType : uint8_t { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// Member n is bit n, as the form resource stores a set.
template <typename E, int Count>
class TSkinSet {
public:
    constexpr TSkinSet() = default;
    constexpr TSkinSet(std::initializer_list<E> members)
    {
        for (E m : members)
            Include(m);
    }
    static constexpr TSkinSet FromBits(uint32_t bits) { TSkinSet s; s.bits_ = bits & Mask(); return s; }
    static constexpr TSkinSet All() { return FromBits(Mask()); }

    constexpr bool Has(E m) const { return (bits_ >> static_cast<int>(m)) & 1u; }
    constexpr void Include(E m) { bits_ |= 1u << static_cast<int>(m); }
    constexpr void Exclude(E m) { bits_ &= ~(1u << static_cast<int>(m)); }
    constexpr uint32_t Bits() const { return bits_; }
    constexpr bool operator==(const TSkinSet&) const = default;

private:
    static constexpr uint32_t Mask() { return Count >= 32 ? 0xFFFFFFFFu : (1u << Count) - 1; }
    uint32_t bits_ = 0;
};

using TSkinControlTypes = TSkinSet<TSkinControlType, kSkinControlTypeCount>;
using TSkinOptions = TSkinSet<TSkinOption, kSkinOptionCount>;
