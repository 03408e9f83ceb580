#pragma once
// The skin component: its published properties, the stored skin (a skin
// package) and the skin objects, colours and generated images built from it.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/streams.h"
#include "ui/skin/img_util.h"
#include "ui/skin/quick_ini.h"
#include "ui/skin/skin_objects.h"
#include "ui/skin/skin_platform.h"
#include "ui/skin/skin_reader.h"
#include "ui/skin/skin_sets.h"

inline constexpr char kSkinVersion[] = "5.60.03.29";
inline constexpr int kSkinColourSlots = 19;
inline constexpr int kCustomColourCount = 10;

// Slots of SkinColours by meaning.
enum TSkinColourSlot : int {
    SC_WINDOWTEXT = 0, SC_TITLETEXTACTIVE = 1, SC_TITLETEXTNOACTIVE = 2, SC_BUTTONFACE = 3, SC_BUTTONTEXT = 4,
    SC_BUTTONHILIGHT = 5, SC_BUTTONLIGHT = 6, SC_BUTTONSHADOW = 7, SC_BUTTONDKSHADOW = 8, SC_HILIGHTTEXT = 11,
    SC_HILIGHT = 12, SC_MENUBAR = 13, SC_MENUBARTEXT = 14, SC_MENUTEXT = 15, SC_MENU = 16, SC_BORDER = 17,
    SC_SCROLLBAR = 18
};

class TSkinData;
class TCustomForm;
using TOnFormSkin = std::function<void(TSkinData& sender, const std::string& className, bool& skin)>;
using TNotifyEvent = std::function<void(TSkinData& sender)>;
using TOnSkinForm = std::function<void(TSkinData& sender, void* window, const std::string& className)>;
using TOnSkinControl = std::function<TObject*(TSkinData& sender, void* control, const std::string& className)>;

class TSkinData : public TObject {
public:
    explicit TSkinData(const TSkinPlatform& platform);
    ~TSkinData() override;
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // Published properties, in the order they are stored.
    bool Active = false;
    // The Active setter: while the form is read it only stores the value; at
    // run time the skin manager starts or stops skinning.
    void SetActive(bool value);
    int32_t DisableTag = 99;
    TSkinControlTypes SkinControls;
    TSkinOptions Options;
    const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
    void SetSkin3rd(const std::vector<std::string>& lines) { skin3rd_ = lines; }
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& path);
    // "(Good)" only inside the form designer with a stored skin; assignments are ignored.
    std::string SkinStore() const;
    void SetSkinStore(const std::string&) {}
    TSkinFormType SkinFormtype = TSkinFormType::sfMainform;
    std::string Version() const { return kSkinVersion; }
    void SetVersion(const std::string&) {}
    bool MenuUpdate = true;
    bool MenuMerge = false;
    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;
    TOnSkinForm OnBeforeSkinForm;
    TOnSkinForm OnAfterSkinForm;

    // Component state as the form reader sets it.
    bool Designing = false;
    bool Reading = false;
    // The widget-set form that carries the component; none for a bare one.
    TCustomForm* OwnerForm = nullptr;

    // The SkinStream filer hooks: a 4-byte size N, then N package bytes. The
    // reading hook loads the skin at once (outside the designer).
    void ReadSkinStream(TStream& stream);
    void ReadSkinStream(const std::vector<uint8_t>& bytes);
    void WriteSkinStream(TMemoryStream& stream) const;
    const TMemoryStream& StoredSkin() const { return storedSkin_; }

    // Builds the skin objects from the stored skin; false when the package is
    // refused (see LastLoadError), and then the previous objects stay.
    bool LoadSkin();
    // The element-building pass over the open description.
    void ParseSkin();
    // Loads the archive bitmap a description value names, or clears image.
    void LoadSkinBitmap(TSkinImage& image, const std::string& value);
    // Once the owning window and its controls exist.
    void Loaded();

    // The parsed skin.
    bool SkinEmpty = true;
    std::string SkinName;
    TDataSkinBorder BorderLeft{"Left"};
    TDataSkinBorder BorderRight{"Right"};
    TDataSkinBorder BorderTop{"Top"};
    TDataSkinBorder BorderBottom{"Bottom"};
    TDataSkinButton Buttons{"Buttons"};
    TDataSkinTitle Title{"Title"};
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk;
    std::unique_ptr<TDataSkinObject> MenuBar;
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> TabPane;
    std::unique_ptr<TDataSkinObject> ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll;
    std::unique_ptr<TDataSkinObject> VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb;
    std::unique_ptr<TDataSkinObject> VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackThumbHorz;
    std::unique_ptr<TDataSkinObject> TrackThumbVert;
    std::unique_ptr<TDataSkinObject> TrackThumbLeft;
    std::unique_ptr<TDataSkinObject> TrackThumbRight;
    std::unique_ptr<TDataSkinObject> TrackThumbUp;
    std::unique_ptr<TDataSkinObject> TrackThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz;
    std::unique_ptr<TDataSkinBorder> UpDownVert;
    std::unique_ptr<TDataSkinObject> Track;
    std::unique_ptr<TDataSkinObject> TrackVert;
    std::unique_ptr<TDataSkinObject> Toolbar;
    std::unique_ptr<TDataSkinObject> ComboxArrow;

    std::array<TColour, kSkinColourSlots> SkinColours{};
    std::array<bool, kSkinColourSlots> ColourGiven{};
    std::vector<TColour> ExtraColours;
    std::array<TColour, kCustomColourCount> CustomColours{};
    TCaptionFont CaptionFont;
    // Solid brush in the face colour (slot 3), remade by every parse.
    std::unique_ptr<TSkinBrush> FaceBrush;
    // Gradients of this skin's painting, shared with the runtime.
    TGradientCache GradientCache;

    // Why the last LoadSkin refused its package (empty after a good load).
    const std::string& LastLoadError() const { return lastLoadError_; }
    const TSkinPlatform& Platform() const { return platform_; }
    // A colour value as painted now.
    TColour ResolveColour(TColour c) const { return platform_.Resolve(c); }

private:
    std::string Str(const std::string& section, const std::string& key, const std::string& def = "") const;
    int32_t Int(const std::string& section, const std::string& key, int32_t def = 0) const;
    TColour ColourKey(const std::string& section, const std::string& key, TColour def) const;

    template <typename T>
    void ObjectRule(const std::string& section, std::unique_ptr<T>& slot, bool readFrame = true,
                    const char* secondImageKey = nullptr);
    void ObjectFields(TDataSkinObject& object, const std::string& section, bool readFrame);
    void WindowBorderRule();
    void ColourPass();
    void CaptionButtonRule();
    void ButtonsRule();
    void TitleRule();
    void ProgressRule();
    void BoxLabelRule();
    void MenuBarRule();
    void SetCellCounts();
    void ComboEditComposite();
    void ComboArrow();
    void ToolbarGeneration(TColour border);
    TColour BorderColour() const;
    void NotifySkinLoaded();

    const TSkinPlatform& platform_;
    std::vector<std::string> skin3rd_;
    std::string skinFile_;
    TMemoryStream storedSkin_;
    std::string lastLoadError_;

    // Held only while a load runs.
    std::unique_ptr<TSkinReader> reader_;
    std::unique_ptr<TMemoryStream> work_;
    std::unique_ptr<TQuickIni> ini_;
    std::vector<std::string> sections_;
};
