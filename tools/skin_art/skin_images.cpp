#include "tools/skin_art/skin_images.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "tools/skin_art/art_canvas.h"

using namespace art;

namespace {

using TRows = std::vector<std::string>;

// ---- glyphs, '#' the ink ----

const TRows kClose = {"##....##", "###..###", ".######.", "..####..", "..####..", ".######.", "###..###", "##....##"};
const TRows kMinimize = {"........", "........", "........", "........", "........", "........", "########",
                         "########"};
const TRows kMaximize = {"########", "########", "#......#", "#......#", "#......#", "#......#", "#......#",
                         "########"};
const TRows kRestore = {"..######", "..######", "..#....#", "######.#", "######.#", "#....###", "#....#..",
                        "######.."};
const TRows kHelp = {"..####..", ".##..##.", ".....##.", "....##..", "...##...", "...##...", "........",
                     "...##..."};
const TRows kCheck = {".......##", "......##.", "##...##..", ".##.##...", "..###....", "...#....."};
const TRows kArrowDown = {"#######", ".#####.", "..###..", "...#..."};
const TRows kArrowUp = {"...#...", "..###..", ".#####.", "#######"};
const TRows kArrowRight = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
const TRows kArrowLeft = {"...#", "..##", ".###", "####", ".###", "..##", "...#"};
const TRows kRadio = {"....#####....", "..##+++++##..", ".#+++++++++#.", ".#+++++++++#.", "#+++++++++++#",
                      "#+++++++++++#", "#+++++++++++#", "#+++++++++++#", "#+++++++++++#", ".#+++++++++#.",
                      ".#+++++++++#.", "..##+++++##..", "....#####...."};
const TRows kRadioDot = {".###.", "#####", "#####", "#####", ".###."};
const TRows kGripV = {"#######", ".......", "#######", ".......", "#######"};
const TRows kGripH = {"#.#.#", "#.#.#", "#.#.#", "#.#.#", "#.#.#", "#.#.#", "#.#.#"};

// A strip of n cells of w x h, each drawn by draw(cell image, index).
TSkinImage Strip(int n, int w, int h, const std::function<void(TSkinImage&, int)>& draw, bool stacked = false)
{
    TSkinImage out(stacked ? w : w * n, stacked ? h * n : h, kKey);
    for (int i = 0; i < n; ++i) {
        TSkinImage cell(w, h, kKey);
        draw(cell, i);
        out.CopyFrom(cell, {0, 0, w, h}, stacked ? 0 : w * i, stacked ? h * i : 0);
    }
    return out;
}

// A control box: border, vertical fill and corners cut to the theme's radius.
void Box(TSkinImage& c, const TSkinTheme& t, TColour border, TColour top, TColour bottom, int radius = -1)
{
    const int r = radius < 0 ? t.Radius : radius;
    RoundBox(c, 0, 0, c.Width(), c.Height(), r, border, true);
    RoundFill(c, 0, 0, c.Width(), c.Height(), top, bottom);
    // The fill runs under the corner stairs; put the border back on top.
    RoundBox(c, 0, 0, c.Width(), c.Height(), r, border, true);
}

// ---- window frame ----

// One row of the caption band, as the Top image and the side images share it.
TColour CaptionRow(const TSkinTheme& t, bool active, int y)
{
    const int c = t.Caption;
    if (y == 0)
        return active ? t.Outline : t.OutlineIn;
    if (y == 1)
        return active ? t.Light : t.LightIn;
    if (y == c - 1)
        return active ? t.Inner : t.InnerIn;
    const TColour top = active ? t.CapTop : t.CapTopIn, bottom = active ? t.CapBottom : t.CapBottomIn;
    return Mix(top, bottom, (y - 2) * 255 / std::max(c - 4, 1));
}

TSkinImage TopImage(const TSkinTheme& t)
{
    return Strip(2, 8, t.Caption, [&](TSkinImage& cell, int i) {
        for (int y = 0; y < t.Caption; ++y)
            HLine(cell, 0, 8, y, CaptionRow(t, i == 0, y));
    }, true);
}

// The left frame, full window height: the caption's end with its rounded
// corner, the side, and the bottom corner. The right frame is its mirror.
TSkinImage SideImage(const TSkinTheme& t, bool left)
{
    const int b = t.Border, c = t.Caption, body = 10;
    TSkinImage img = Strip(2, b, c + body + b, [&](TSkinImage& cell, int i) {
        const bool active = i == 0;
        const TColour outline = active ? t.Outline : t.OutlineIn, light = active ? t.Light : t.LightIn;
        const TColour mid = active ? t.CapBottom : t.CapBottomIn, inner = active ? t.Inner : t.InnerIn;
        for (int y = 0; y < c; ++y)
            HLine(cell, 0, b, y, CaptionRow(t, active, y));
        for (int y = c; y < c + body + b; ++y) {
            HLine(cell, 0, b, y, mid);
            cell.SetPixel(b - 1, y, inner);
        }
        const int bottom = c + body;
        cell.SetPixel(b - 1, bottom, inner);
        for (int y = bottom + 1; y < bottom + b; ++y)
            cell.SetPixel(b - 1, y, mid);
        HLine(cell, 1, b, bottom + b - 2, light);
        HLine(cell, 0, b, bottom + b - 1, outline);
        VLine(cell, 1, 1, bottom + b - 1, light);
        VLine(cell, 0, 0, bottom + b, outline);
        // Rounded top corner: cut in, and the outline follows the cut.
        if (t.Radius > 0) {
            const int cut[3] = {3, 1, 1};
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < cut[y] && x < b; ++x)
                    cell.SetPixel(x, y, kKey);
                if (cut[y] < b)
                    cell.SetPixel(cut[y], y, y == 0 ? outline : outline);
            }
            cell.SetPixel(2, 1, outline);
            cell.SetPixel(2, 2, light);
            cell.SetPixel(3, 1, light);
        }
    });
    if (!left) {
        // Mirror each cell in place; cells stay in order (active first).
        TSkinImage mirrored = img;
        for (int i = 0; i < 2; ++i)
            for (int y = 0; y < img.Height(); ++y)
                for (int x = 0; x < b; ++x)
                    mirrored.SetPixel(i * b + x, y, img.Pixel(i * b + (b - 1 - x), y));
        return mirrored;
    }
    return img;
}

TSkinImage BottomImage(const TSkinTheme& t)
{
    const int b = t.Border;
    return Strip(2, 8, b, [&](TSkinImage& cell, int i) {
        const bool active = i == 0;
        HLine(cell, 0, 8, 0, active ? t.Inner : t.InnerIn);
        for (int y = 1; y < b - 2; ++y)
            HLine(cell, 0, 8, y, active ? t.CapBottom : t.CapBottomIn);
        HLine(cell, 0, 8, b - 2, active ? t.Light : t.LightIn);
        HLine(cell, 0, 8, b - 1, active ? t.Outline : t.OutlineIn);
    }, true);
}

// Caption button: normal, pressed, hot, and inactive or disabled.
TSkinImage CaptionButton(const TSkinTheme& t, const TRows& glyph, bool close)
{
    return Strip(4, t.ButtonW, t.ButtonH, [&](TSkinImage& cell, int i) {
        const int w = cell.Width(), h = cell.Height();
        if (i == 1 || i == 2) {
            const TColour fill = i == 1 ? (close ? t.ClosePress : t.PressFill) : (close ? t.CloseHot : t.HotFill);
            RoundBox(cell, 0, 0, w, h, std::min(t.Radius, 2), fill, true);
            RoundFill(cell, 0, 0, w, h, fill, fill);
        }
        const int shift = i == 1 ? 1 : 0;
        GlyphCentred(cell, shift, shift, w, h, glyph, i == 3 ? t.GlyphDim : t.Glyph);
    });
}

// MDI child buttons on the menu bar: minimize, restore, close, four cells each.
TSkinImage MdiControls(const TSkinTheme& t)
{
    const TRows* glyphs[3] = {&kMinimize, &kRestore, &kClose};
    return Strip(12, 16, 14, [&](TSkinImage& cell, int i) {
        const int state = i % 4;
        if (state == 1)
            Box(cell, t, t.LineFocus, t.AccentLight, Mix(t.AccentLight, t.LineHot, 60));
        if (state == 2)
            Box(cell, t, t.LineHot, t.Field, t.AccentLight);
        GlyphCentred(cell, 0, 0, 16, 14, *glyphs[i / 4], state == 3 ? t.TextDisabled : t.Text);
    });
}

// ---- controls ----

// Push button: normal, pressed, disabled, hot, focused or default.
TSkinImage PushButton(const TSkinTheme& t)
{
    return Strip(5, 20, 22, [&](TSkinImage& c, int i) {
        switch (i) {
        case 0:
            Box(c, t, t.Line, t.Field, t.Face);
            HLine(c, 2, 18, 1, kClWhite);
            break;
        case 1: Box(c, t, t.LineFocus, Mix(t.Face, t.Shadow, 50), Mix(t.Face, t.Shadow, 25)); break;
        case 2: Box(c, t, t.LineDisabled, t.Face, t.Face); break;
        case 3:
            Box(c, t, t.LineHot, kClWhite, t.AccentLight);
            break;
        default:
            Box(c, t, t.LineFocus, t.Field, t.Face);
            RoundBox(c, 1, 1, 18, 20, std::max(t.Radius - 1, 0), Mix(t.AccentLight, t.LineHot, 90), false);
            break;
        }
    });
}

// Check and radio: unchecked normal, hot, pressed, disabled, then checked the same.
struct TBoxLook {
    TColour border, top, bottom, mark;
};
TBoxLook CheckLook(const TSkinTheme& t, int state)
{
    switch (state) {
    case 1: return {t.LineHot, kClWhite, t.AccentLight, t.LineFocus};
    case 2: return {t.LineFocus, t.AccentLight, t.AccentLight, t.LineFocus};
    case 3: return {t.LineDisabled, t.Face, t.Face, t.TextDisabled};
    default: return {t.Shadow, kClWhite, Mix(t.Field, t.Face, 160), t.Accent};
    }
}

TSkinImage CheckImage(const TSkinTheme& t)
{
    return Strip(8, 13, 13, [&](TSkinImage& c, int i) {
        const TBoxLook look = CheckLook(t, i % 4);
        Box(c, t, look.border, look.top, look.bottom, std::min(t.Radius, 1));
        if (i >= 4)
            Glyph(c, 2, 4, kCheck, look.mark);
    });
}

TSkinImage RadioImage(const TSkinTheme& t)
{
    return Strip(8, 13, 13, [&](TSkinImage& c, int i) {
        const TBoxLook look = CheckLook(t, i % 4);
        Glyph(c, 0, 0, kRadio, look.border, look.top);
        if (i >= 4)
            Glyph(c, 4, 4, kRadioDot, look.mark);
    });
}

TSkinImage ProgressImage(const TSkinTheme& t)
{
    return Strip(2, 12, 14, [&](TSkinImage& c, int i) {
        if (i == 0)
            Box(c, t, t.Line, Mix(t.Face, t.Shadow, 40), t.Field, std::min(t.Radius, 1));
        else
            Box(c, t, t.LineFocus, t.LineHot, t.Accent, std::min(t.Radius, 1));
    });
}

TSkinImage ProgressChunk(const TSkinTheme& t)
{
    TSkinImage c(8, 14, kKey);
    VGradient(c, 0, 0, 6, 14, t.LineHot, t.Accent);
    HLine(c, 0, 6, 0, Mix(t.LineHot, kClWhite, 90));
    return c;
}

// Group box frame: the line around the box (normal, disabled); the middle is transparent.
TSkinImage GroupEdge(const TSkinTheme& t)
{
    return Strip(2, 12, 12, [&](TSkinImage& c, int i) {
        RoundBox(c, 0, 0, 12, 12, t.Radius, i == 0 ? Mix(t.Line, t.Face, 70) : t.LineDisabled, true);
    });
}

TSkinImage GroupLabel(const TSkinTheme& t)
{
    TSkinImage c(16, 18, kKey);
    Box(c, t, Mix(t.AccentLight, t.Accent, 60), Mix(t.AccentLight, kClWhite, 120), t.AccentLight);
    return c;
}

// Tabs: normal, hot, selected, disabled, focused. Only the top corners are round.
TSkinImage TabImage(const TSkinTheme& t)
{
    return Strip(5, 20, 24, [&](TSkinImage& c, int i) {
        const bool selected = i == 2 || i == 4;
        const TColour border = i == 3 ? t.LineDisabled : t.Line;
        const TColour top = selected ? t.FaceLight : i == 1 ? t.Field : Mix(t.Face, t.Shadow, 30);
        const TColour bottom = selected ? t.FaceLight : i == 1 ? t.FaceLight : t.Face;
        Box(c, t, border, top, bottom);
        // open at the bottom when selected, so the tab joins its page
        HLine(c, 0, 20, 23, selected ? t.FaceLight : border);
        c.SetPixel(0, 23, border);
        c.SetPixel(19, 23, border);
        for (int y = 20; y < 23; ++y) {
            c.SetPixel(0, y, border);
            c.SetPixel(19, y, border);
        }
        if (selected) {
            HLine(c, 2, 18, 1, i == 4 ? t.LineFocus : t.LineHot);
            HLine(c, 1, 19, 2, i == 4 ? t.LineFocus : t.LineHot);
        }
    });
}

TSkinImage PaneImage(const TSkinTheme& t)
{
    TSkinImage c(12, 12, t.FaceLight);
    RoundBox(c, 0, 0, 12, 12, 0, t.Line, false);
    return c;
}

TSkinImage StatusEdges(const TSkinTheme& t)
{
    return Strip(3, 12, 20, [&](TSkinImage& c, int i) {
        Fill(c, 0, 0, 12, 20, t.Face);
        if (i == 0) {
            HLine(c, 0, 12, 0, t.Line);
            VLine(c, 0, 0, 20, t.Line);
            HLine(c, 0, 12, 19, t.FaceLight);
            VLine(c, 11, 1, 20, t.FaceLight);
        } else if (i == 1) {
            HLine(c, 0, 12, 0, t.Line);
            HLine(c, 0, 12, 1, t.FaceLight);
        } else {
            VLine(c, 5, 3, 17, t.Line);
            VLine(c, 6, 3, 17, t.FaceLight);
        }
    });
}

// Tool bar buttons: normal, hot, pressed, disabled, checked.
TSkinImage ToolButtons(const TSkinTheme& t)
{
    return Strip(5, 22, 22, [&](TSkinImage& c, int i) {
        if (i == 1)
            Box(c, t, t.LineHot, kClWhite, t.AccentLight);
        else if (i == 2)
            Box(c, t, t.LineFocus, Mix(t.AccentLight, t.LineHot, 60), t.AccentLight);
        else if (i == 4)
            Box(c, t, t.Line, t.AccentLight, t.AccentLight);
    });
}

// Edit frame: normal, hot, focused, disabled. The combo's button cells pair
// with these, so their borders match cell for cell.
TColour EditBorder(const TSkinTheme& t, int i)
{
    const TColour borders[4] = {t.Line, t.LineHot, t.LineFocus, t.LineDisabled};
    return borders[i];
}

TSkinImage SunkEdge(const TSkinTheme& t)
{
    return Strip(4, 12, 21, [&](TSkinImage& c, int i) {
        const TColour fill = i == 3 ? t.Face : t.Field;
        Box(c, t, EditBorder(t, i), fill, fill, std::min(t.Radius, 1));
    });
}

TSkinImage ComboButton(const TSkinTheme& t)
{
    return Strip(4, 17, 21, [&](TSkinImage& c, int i) {
        const TColour border = EditBorder(t, i);
        const TColour top = i == 1 ? kClWhite : i == 2 ? Mix(t.AccentLight, t.LineHot, 60) : t.FaceLight;
        const TColour bottom = i == 1 ? t.AccentLight : i == 2 ? t.AccentLight : t.Face;
        Box(c, t, border, top, bottom, std::min(t.Radius, 1));
        // The left side is a separator inside the edit, not a corner.
        VLine(c, 0, 0, 21, i == 3 ? t.LineDisabled : Mix(t.Line, t.Face, 110));
        HLine(c, 0, 2, 0, border);
        HLine(c, 0, 2, 20, border);
    });
}

// Glyphs drawn centred on buttons: the drop-down arrow (normal, hot,
// pressed, disabled) and the size grip.
TSkinImage ExtraImages(const TSkinTheme& t)
{
    return Strip(5, 9, 7, [&](TSkinImage& c, int i) {
        if (i < 4) {
            const TColour ink[4] = {t.Text, t.LineHot, t.LineFocus, t.TextDisabled};
            GlyphCentred(c, 0, 0, 9, 7, kArrowDown, ink[i]);
        } else {
            for (int k = 0; k < 3; ++k)
                for (int j = 0; j <= k; ++j) {
                    c.SetPixel(6 - j * 2, 2 + k * 2, t.Line);
                    c.SetPixel(7 - j * 2, 3 + k * 2, kClWhite);
                }
        }
    });
}

TSkinImage Headerbar(const TSkinTheme& t)
{
    return Strip(3, 16, 20, [&](TSkinImage& c, int i) {
        const TColour top = i == 1 ? kClWhite : i == 2 ? t.Face : t.FaceLight;
        const TColour bottom = i == 1 ? t.FaceLight : i == 2 ? Mix(t.Face, t.Shadow, 40) : t.Face;
        VGradient(c, 0, 0, 16, 20, top, bottom);
        HLine(c, 0, 16, 19, t.Line);
        VLine(c, 15, 3, 17, Mix(t.Line, t.Face, 100));
        if (i == 1)
            HLine(c, 0, 16, 18, t.LineHot);
    });
}

// Menu items: normal, hot, open, hot but disabled, the check's background.
TSkinImage MenuItems(const TSkinTheme& t)
{
    return Strip(5, 20, 20, [&](TSkinImage& c, int i) {
        if (i == 1)
            Box(c, t, Mix(t.AccentLight, t.Accent, 70), t.AccentLight, t.AccentLight);
        else if (i == 2)
            Box(c, t, t.LineHot, Mix(t.AccentLight, t.LineHot, 50), Mix(t.AccentLight, t.LineHot, 50));
        else if (i == 3)
            Box(c, t, t.LineDisabled, t.Face, t.Face);
        else if (i == 4)
            Box(c, t, Mix(t.AccentLight, t.Accent, 70), t.AccentLight, t.AccentLight, 0);
    });
}

TSkinImage MenuBackground(const TSkinTheme& t)
{
    TSkinImage c(40, 16, t.FaceLight);
    Fill(c, 0, 0, 24, 16, Mix(t.Face, t.FaceLight, 128));
    VLine(c, 24, 0, 16, t.LineDisabled);
    return c;
}

TSkinImage MenuBar(const TSkinTheme& t)
{
    return Strip(2, 8, 22, [&](TSkinImage& c, int i) {
        VGradient(c, 0, 0, 8, 22, i == 0 ? t.FaceLight : t.Face, t.Face);
        HLine(c, 0, 8, 21, t.LineDisabled);
    });
}

// Scroll bar parts, 17 x 17 each: arrows up, down, left, right (normal, hot,
// pressed, disabled), the vertical and the horizontal thumb (normal, hot,
// pressed), and the corner between two bars.
void ScrollButton(TSkinImage& c, const TSkinTheme& t, int state, const TRows& arrow)
{
    if (state == 1)
        Box(c, t, t.LineHot, kClWhite, t.AccentLight);
    else if (state == 2)
        Box(c, t, t.LineFocus, Mix(t.AccentLight, t.LineHot, 60), Mix(t.AccentLight, t.LineHot, 60));
    else
        Fill(c, 0, 0, 17, 17, Mix(t.Face, t.FaceLight, 128));
    const TColour ink = state == 3 ? t.TextDisabled : state == 2 ? kClWhite : t.Text;
    GlyphCentred(c, 0, 0, 17, 17, arrow, ink);
}

void Thumb(TSkinImage& c, const TSkinTheme& t, int state, bool vertical)
{
    const TColour border = state == 0 ? t.Line : state == 1 ? t.LineHot : t.LineFocus;
    const TColour top = state == 2 ? t.AccentLight : t.Field;
    const TColour bottom = state == 0 ? t.Face : t.AccentLight;
    Box(c, t, border, top, bottom);
    GlyphCentred(c, 0, 0, c.Width(), c.Height(), vertical ? kGripV : kGripH, state == 0 ? t.Line : t.LineHot);
}

TSkinImage ScrollParts(const TSkinTheme& t)
{
    const TRows* arrows[4] = {&kArrowUp, &kArrowDown, &kArrowLeft, &kArrowRight};
    return Strip(23, 17, 17, [&](TSkinImage& c, int i) {
        if (i < 16)
            ScrollButton(c, t, i % 4, *arrows[i / 4]);
        else if (i < 22)
            Thumb(c, t, (i - 16) % 3, i < 19);
        else
            Fill(c, 0, 0, 17, 17, t.Face);
    });
}

// Scroll tracks: normal, hot, pressed, disabled.
TSkinImage ScrollTrack(const TSkinTheme& t, bool horizontal)
{
    return Strip(4, 17, 17, [&](TSkinImage& c, int i) {
        const TColour fill[4] = {Mix(t.Face, t.FaceLight, 100), Mix(t.Face, t.Shadow, 25), Mix(t.Face, t.Shadow, 60),
                                 t.Face};
        Fill(c, 0, 0, 17, 17, fill[i]);
        if (horizontal)
            HLine(c, 0, 17, 0, Mix(t.Face, t.Line, 60));
        else
            VLine(c, 0, 0, 17, Mix(t.Face, t.Line, 60));
    });
}

TSkinImage ThumbStrip(const TSkinTheme& t, bool vertical)
{
    return Strip(3, 17, 17, [&](TSkinImage& c, int i) { Thumb(c, t, i, vertical); });
}

// Track bar thumbs: normal, hot, pressed, disabled, focused. point: 0 none,
// 1 down, 2 up, 3 right, 4 left.
TSkinImage TrackThumb(const TSkinTheme& t, bool vertical, int point)
{
    const int w = vertical ? 19 : 11, h = vertical ? 11 : 19;
    return Strip(5, w, h, [&](TSkinImage& c, int i) {
        const TColour border[5] = {t.Line, t.LineHot, t.LineFocus, t.LineDisabled, t.LineFocus};
        const TColour top = i == 2 ? t.AccentLight : i == 3 ? t.Face : kClWhite;
        const TColour bottom = i == 3 ? t.Face : i == 0 ? t.Face : t.AccentLight;
        // The body, shortened by the point, then the point as a stair of
        // lines narrowing to one pixel.
        const int tip = point == 0 ? 0 : 5;
        const int bx = point == 4 ? tip : 0, by = point == 2 ? tip : 0;
        const int bw = w - ((point == 3 || point == 4) ? tip : 0), bh = h - ((point == 1 || point == 2) ? tip : 0);
        TSkinImage body(bw, bh, kKey);
        Box(body, t, border[i], top, bottom, std::min(t.Radius, 1));
        if (point != 0) {
            // open the side the point grows from
            if (point == 1) HLine(body, 1, bw - 1, bh - 1, bottom);
            if (point == 2) HLine(body, 1, bw - 1, 0, top);
            if (point == 3) VLine(body, bw - 1, 1, bh - 1, bottom);
            if (point == 4) VLine(body, 0, 1, bh - 1, top);
        }
        c.CopyFrom(body, {0, 0, bw, bh}, bx, by, true);
        for (int k = 0; k < tip; ++k) {
            const int half = (vertical ? h : w) / 2 - k - 1;
            const int mid = (vertical ? h : w) / 2;
            for (int j = -half; j <= half; ++j) {
                const bool edge = j == -half || j == half;
                const TColour col = edge ? border[i] : bottom;
                if (point == 1) c.SetPixel(mid + j, bh + k, col);
                if (point == 2) c.SetPixel(mid + j, tip - 1 - k, col);
                if (point == 3) c.SetPixel(bw + k, mid + j, col);
                if (point == 4) c.SetPixel(tip - 1 - k, mid + j, col);
            }
            const int last = tip - 1;
            if (k == last) {
                if (point == 1) c.SetPixel(mid, bh + k, border[i]);
                if (point == 2) c.SetPixel(mid, 0, border[i]);
                if (point == 3) c.SetPixel(bw + k, mid, border[i]);
                if (point == 4) c.SetPixel(0, mid, border[i]);
            }
        }
    });
}

// Up-down buttons: first (left or up) normal, hot, pressed, disabled, then
// the second the same; the glyph image holds the arrows in the same cells.
TSkinImage UpDown(const TSkinTheme& t, bool vertical)
{
    const int w = vertical ? 17 : 12, h = vertical ? 10 : 18;
    return Strip(8, w, h, [&](TSkinImage& c, int i) {
        const int s = i % 4;
        const TColour border = s == 3 ? t.LineDisabled : s == 0 ? t.Line : s == 1 ? t.LineHot : t.LineFocus;
        const TColour top = s == 2 ? t.AccentLight : s == 3 ? t.Face : t.Field;
        Box(c, t, border, top, s == 1 || s == 2 ? t.AccentLight : t.Face, std::min(t.Radius, 1));
    });
}

TSkinImage UpDownGlyphs(const TSkinTheme& t, bool vertical)
{
    const int w = vertical ? 17 : 12, h = vertical ? 10 : 18;
    const TRows& first = vertical ? kArrowUp : kArrowLeft;
    const TRows& second = vertical ? kArrowDown : kArrowRight;
    return Strip(8, w, h, [&](TSkinImage& c, int i) {
        const int s = i % 4;
        GlyphCentred(c, 0, 0, w, h, i < 4 ? first : second, s == 3 ? t.TextDisabled : s == 0 ? t.Text : t.LineFocus);
    });
}

TSkinImage TrackGroove(const TSkinTheme& t, bool vertical)
{
    const int w = vertical ? 6 : 16, h = vertical ? 16 : 6;
    TSkinImage c(w, h, kKey);
    Box(c, t, t.Line, Mix(t.Face, t.Shadow, 70), Mix(t.Face, t.Shadow, 25), std::min(t.Radius, 1));
    return c;
}

} // namespace

std::map<std::string, TSkinImage> DrawSkinImages(const TSkinTheme& t)
{
    std::map<std::string, TSkinImage> m;
    m["top.bmp"] = TopImage(t);
    m["left.bmp"] = SideImage(t, true);
    m["right.bmp"] = SideImage(t, false);
    m["bottom.bmp"] = BottomImage(t);
    m["close.bmp"] = CaptionButton(t, kClose, true);
    m["minimize.bmp"] = CaptionButton(t, kMinimize, false);
    m["maximize.bmp"] = CaptionButton(t, kMaximize, false);
    m["restore.bmp"] = CaptionButton(t, kRestore, false);
    m["help.bmp"] = CaptionButton(t, kHelp, false);
    m["mdicontrols.bmp"] = MdiControls(t);
    m["menubar.bmp"] = MenuBar(t);
    m["buttons.bmp"] = PushButton(t);
    m["check.bmp"] = CheckImage(t);
    m["radio.bmp"] = RadioImage(t);
    m["progress.bmp"] = ProgressImage(t);
    m["progresschunk.bmp"] = ProgressChunk(t);
    m["groupedge.bmp"] = GroupEdge(t);
    m["grouplabel.bmp"] = GroupLabel(t);
    m["tabs.bmp"] = TabImage(t);
    m["tabpane.bmp"] = PaneImage(t);
    m["statusedges.bmp"] = StatusEdges(t);
    m["toolbuttons.bmp"] = ToolButtons(t);
    m["combobutton.bmp"] = ComboButton(t);
    m["sunkedge.bmp"] = SunkEdge(t);
    m["extraimages.bmp"] = ExtraImages(t);
    m["headerbar.bmp"] = Headerbar(t);
    m["menuitem.bmp"] = MenuItems(t);
    m["menubackground.bmp"] = MenuBackground(t);
    m["scrollbar.bmp"] = ScrollParts(t);
    m["horzscroll.bmp"] = ScrollTrack(t, true);
    m["vertscroll.bmp"] = ScrollTrack(t, false);
    m["horzthumb.bmp"] = ThumbStrip(t, false);
    m["vertthumb.bmp"] = ThumbStrip(t, true);
    m["thumbhorz.bmp"] = TrackThumb(t, false, 0);
    m["thumbvert.bmp"] = TrackThumb(t, true, 0);
    m["thumbleft.bmp"] = TrackThumb(t, true, 4);
    m["thumbright.bmp"] = TrackThumb(t, true, 3);
    m["thumbup.bmp"] = TrackThumb(t, false, 2);
    m["thumbdown.bmp"] = TrackThumb(t, false, 1);
    m["updownhorz.bmp"] = UpDown(t, false);
    m["updownhorzglyph.bmp"] = UpDownGlyphs(t, false);
    m["updownvert.bmp"] = UpDown(t, true);
    m["updownvertglyph.bmp"] = UpDownGlyphs(t, true);
    m["track.bmp"] = TrackGroove(t, false);
    m["trackvert.bmp"] = TrackGroove(t, true);
    return m;
}
