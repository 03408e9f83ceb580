#pragma once
// What the main window shows, as the lookup and game operations see it. The
// Win32 main window implements it; tests implement it over plain fields.
// Every text here is GBK bytes, as stored.
#include <cstdint>
#include <string>

class TListModel;

// 0x00BBGGRR, as the window's colours are given.
using TColourRef = uint32_t;
inline constexpr TColourRef kClRed = 0x000000FF;
inline constexpr TColourRef kClNavy = 0x00800000;

class TMainView {
public:
    virtual ~TMainView() = default;

    // The grid shows the model again after it changed (rows, layout, hidden first column).
    virtual void ListChanged(const TListModel& list) = 0;

    // GroupBox3's caption and FlatMemo1's text.
    virtual void SetExplanationCaption(const std::string& caption) = 0;
    virtual void SetMemoText(const std::string& text) = 0;
    virtual std::string MemoText() const = 0;

    // Label2: visibility, text and font colour.
    virtual void ShowCurrentIdiom(const std::string& text, TColourRef colour) = 0;
    virtual TColourRef CurrentIdiomColour() const = 0;

    // A warning box (caption "Warning", one OK button).
    virtual void ShowWarning(const std::string& message) = 0;
};
