#include "tools/skin_art/skin_themes.h"

// Quorlen: deep teal frame on warm paper, ink text. Calm enough to read
// idioms in for an hour; the one bright colour is the close button's warning.
const TSkinTheme& QuorlenTheme()
{
    static const TSkinTheme theme{
        "quorlen",
        Rgb(30, 69, 65), Rgb(98, 108, 106),       // outline
        Rgb(94, 154, 146), Rgb(160, 171, 169),    // light
        Rgb(60, 125, 118), Rgb(46, 104, 98),      // caption, active
        Rgb(126, 138, 136), Rgb(112, 124, 122),   // caption, inactive
        Rgb(36, 82, 77), Rgb(108, 119, 117),      // inner
        Rgb(246, 243, 234), Rgb(196, 206, 203),   // glyphs
        Rgb(86, 150, 142), Rgb(31, 77, 72),       // hot, pressed
        Rgb(181, 72, 62), Rgb(142, 53, 45),       // close hot, pressed
        Rgb(238, 234, 224), Rgb(248, 246, 240), Rgb(253, 252, 249),  // face, light face, field
        Rgb(168, 161, 146), Rgb(60, 125, 118), Rgb(46, 104, 98), Rgb(211, 206, 195),  // lines
        Rgb(142, 136, 122), Rgb(34, 49, 58), Rgb(163, 158, 146),  // shadow, text, disabled text
        Rgb(46, 107, 102), Rgb(214, 230, 226),    // accent
        30, 5, 24, 18, 2};
    return theme;
}

// The test skin: graphite and amber, square corners, a thinner frame and a
// lower caption, so a change of skin is plain to see and to measure.
const TSkinTheme& DuskTheme()
{
    static const TSkinTheme theme{
        "dusk",
        Rgb(16, 16, 20), Rgb(70, 68, 66),
        Rgb(84, 84, 96), Rgb(150, 146, 142),
        Rgb(62, 62, 72), Rgb(40, 40, 48),
        Rgb(128, 124, 120), Rgb(112, 108, 104),
        Rgb(24, 24, 28), Rgb(88, 86, 84),
        Rgb(240, 200, 120), Rgb(170, 160, 150),
        Rgb(201, 138, 43), Rgb(150, 98, 22),
        Rgb(200, 60, 40), Rgb(150, 40, 25),
        Rgb(214, 209, 200), Rgb(228, 224, 216), Rgb(244, 241, 234),
        Rgb(120, 114, 104), Rgb(201, 138, 43), Rgb(150, 98, 22), Rgb(190, 185, 176),
        Rgb(110, 104, 96), Rgb(28, 26, 24), Rgb(150, 146, 138),
        Rgb(176, 110, 28), Rgb(240, 220, 186),
        24, 3, 20, 16, 0};
    return theme;
}
