#include "ui/skin/frame_layout.h"

#include <algorithm>

TFrameMetrics FrameMetricsFromSkin(const TSkinData& skin, int borderKind, int menuBarHeight)
{
    TFrameMetrics m;
    if (borderKind == bkNone)
        return m;
    m.Left = skin.BorderLeft.Bitmap.Width() / skin.BorderLeft.Cells();
    m.Right = skin.BorderRight.Bitmap.Width() / skin.BorderRight.Cells();
    m.Caption = skin.BorderTop.Bitmap.Height() / skin.BorderTop.Cells();
    m.Bottom = skin.BorderBottom.Bitmap.Height() / skin.BorderBottom.Cells();
    m.MenuBar = std::max(menuBarHeight, 0);
    return m;
}

TSkinRect FrameClientRect(int x, int y, int cx, int cy, const TFrameMetrics& m)
{
    TSkinRect r{x + m.Left, y + m.Caption + m.MenuBar, x + cx - m.Right, y + cy - m.Bottom};
    // A window smaller than its frame keeps an empty client area, never a reversed one.
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

bool ConditionHolds(int code, bool first, const TFrameFacts& f, int action, const TAskVisible& ask)
{
    const bool box = f.MinBox || f.MaxBox;
    switch (code) {
    case 0:
        return true;
    case 1:
        return f.Maximized;
    case 2:
        return !f.Maximized;
    case 3:
        return f.Active;
    case 4:
        return !f.Active;
    case 6:
        return first ? box && f.SysMenu : box;
    case 7:
        return !f.MaxBox;
    case 8:
        return first ? box && f.SysMenu : box;
    case 9:
        return !f.MinBox;
    case 10:
        return first ? f.ContextHelp && !f.MinBox && !f.MaxBox : f.ContextHelp;
    case 100:
        return f.MdiChildMaximizedOnMenuBar;
    case 200:
        return f.BorderKind == bkDialog && !f.DialogClass;
    default:
        break;
    }
    if (code >= 201 && code <= 999)
        return true;
    if (code >= 1000 && code <= 2000 && first)
        return ask && ask(code, action);
    return false;
}

TButtonShow CaptionButtonShow(const TDataSkinSysButton& def, const TFrameFacts& f, const TAskVisible& ask)
{
    TButtonShow show;
    const bool firstHolds = ConditionHolds(def.Visibility, true, f, def.Action, ask);
    // A second code of 100 repeats the first code's answer.
    const bool secondHolds =
        def.Visibility1 == 100 ? firstHolds : ConditionHolds(def.Visibility1, false, f, def.Action, ask);
    show.Visible = firstHolds && secondHolds;
    switch (def.Action) {
    case 0:
        if (!f.SysMenu)
            show.Visible = false;
        break;
    case 1:
        show.Enabled = f.MaxBox && f.SysMenu;
        break;
    case 2:
        show.Enabled = f.MinBox && f.SysMenu;
        break;
    case 3:
    case 11:
    case 12:
        if (f.BorderKind == bkDialog)
            show.Visible = false;
        break;
    default:
        break;
    }
    return show;
}

int ButtonWidth(const TDataSkinSysButton& def) { return def.Bitmap.Width() / def.Cells(); }

TSkinRect CaptionButtonRect(const TDataSkinSysButton& def, int w, const TFrameMetrics& m, const TSkinRect& text,
                            int personalityLeft)
{
    const int bw = ButtonWidth(def);
    const int bh = def.Bitmap.Height();
    int x = 0;
    int y = def.Ycoord;
    switch (def.Align) {
    case 0:
        x = def.Xcoord;
        break;
    case 1:
        x = w - def.Xcoord;
        break;
    case 2:
    case 8:
        x = text.Left - bw - def.Xcoord;
        break;
    case 3:
    case 9:
        x = def.Xcoord + text.Right;
        break;
    case 100:
        x = w - def.Xcoord - m.Right - personalityLeft;
        y = m.Caption + (m.MenuBar - bh) / 2;
        break;
    default:
        x = def.Xcoord;
        break;
    }
    return {x, y, x + bw, y + bh};
}

int CaptionPaintCell(const TDataSkinSysButton& def, bool windowActive, bool enabled)
{
    return def.Cells() >= 4 && (!windowActive || !enabled) ? 4 : 1;
}

int ButtonStateCell(const TDataSkinSysButton& def, int buttonState, bool enabled)
{
    int cell = buttonState;
    if (!enabled)
        cell = def.Cells() > 3 ? 4 : 1;
    if (cell == 3 && def.Align == 100)
        cell = 4;
    return cell;
}

std::string CaptionButtonHint(int action)
{
    switch (action) {
    case 0:
    case 9:
    case 62:
        return "Close";
    case 1:
    case 22:
        return "Maximize";
    case 2:
    case 7:
    case 23:
    case 60:
        return "Minimize";
    case 8:
    case 61:
        return "Restore";
    default:
        return {};
    }
}

TSkinRect CaptionTextRect(const TCaptionTextInput& in)
{
    static const TDataSkinTitle kNoTitle{"Title"};
    const TDataSkinTitle& t = in.Title ? *in.Title : kNoTitle;
    const TSkinRect& strip = in.Strip;
    const int s = strip.Width();
    const int w = in.TextWidth + t.TXTBackleft + t.TXTBackRight;
    const int e = in.RightExtent;
    int shift = 0;
    if (!in.RightToLeft) {
        shift = t.TextAlignment == 1 ? (s - w) / 2 : t.TextAlignment == 2 ? s - t.RightWidth - w : t.LeftWidth;
    } else {
        shift = t.TextAlignment == 1 ? (s - e - w) / 2 : t.TextAlignment == 2 ? t.LeftWidth : s - e - w;
    }
    const int yShift = (strip.Height() - in.TextHeight) / 2 + t.TopHeight / 2;
    TSkinRect r{strip.Left + shift, strip.Top + yShift, strip.Left + shift + w, strip.Top + yShift + in.TextHeight};
    if (in.RightToLeft && shift < 1) {
        r.Left = strip.Left + t.LeftWidth;
        r.Right = r.Left + w;
    }
    if (in.RightToLeft) {
        r.Left += 10;
        r.Right += 10;
    } else if (in.Popup) {
        if (e > 5 && r.Right > strip.Right - e - 5)
            r.Right = strip.Right - e - 5;
    } else {
        r.Right = std::min(r.Right, strip.Right - t.RightWidth);
    }
    if (in.BorderKind == bkDialog && t.TextAlignment == 0)
        r.Left -= 16;
    // Never over the right border, whatever the skin's offsets say.
    r.Right = std::min(r.Right, strip.Right);
    return r;
}

TSkinRect CaptionTextInner(const TSkinRect& textRect, const TDataSkinTitle& title)
{
    TSkinRect r = textRect;
    r.Left += title.TXTBackleft;
    r.Right -= title.TXTBackRight;
    return r;
}

void ComposeThreeSlice(TSkinImage& target, const TSkinRect& rect, const TSkinImage& bitmap, bool stacked,
                       bool transparent, int cellCount, int cell, int leftMargin, int rightMargin)
{
    if (rect.IsEmpty() || bitmap.Empty())
        return;
    const TSkinRect c = CellRect(bitmap, cellCount, cell, stacked);
    if (c.IsEmpty())
        return;
    int lm = std::max(leftMargin, 0);
    int rm = std::max(rightMargin, 0);
    if (rect.Width() < lm + rm || c.Width() < lm + rm)
        lm = rm = 0;
    const int sx[4] = {c.Left, c.Left + lm, c.Right - rm, c.Right};
    const int tx[4] = {rect.Left, rect.Left + lm, rect.Right - rm, rect.Right};
    for (int part = 0; part < 3; ++part)
        target.StretchFrom(bitmap, {sx[part], c.Top, sx[part + 1], c.Bottom},
                           {tx[part], rect.Top, tx[part + 1], rect.Bottom}, transparent);
}

std::vector<TSkinRect> OpaqueRects(const TSkinImage& image, int dx, int dy)
{
    std::vector<TSkinRect> out;
    std::vector<std::pair<int, int>> previous;
    std::vector<size_t> open;  // indices in out of the previous row's rectangles
    for (int y = 0; y < image.Height(); ++y) {
        std::vector<std::pair<int, int>> runs;
        const uint8_t* row = image.Row(y);
        int x = 0;
        const int w = image.Width();
        while (x < w) {
            while (x < w && row[x * 3] == 0xFF && row[x * 3 + 1] == 0 && row[x * 3 + 2] == 0xFF)
                ++x;
            const int start = x;
            while (x < w && !(row[x * 3] == 0xFF && row[x * 3 + 1] == 0 && row[x * 3 + 2] == 0xFF))
                ++x;
            if (x > start)
                runs.emplace_back(start, x);
        }
        if (runs == previous && !runs.empty()) {
            for (size_t i : open)
                out[i].Bottom = y + 1 + dy;
        } else {
            open.clear();
            for (const auto& [l, r] : runs) {
                open.push_back(out.size());
                out.push_back({l + dx, y + dy, r + dx, y + 1 + dy});
            }
        }
        previous = std::move(runs);
    }
    return out;
}
