#pragma once
// The skin runtime's private window messages. Their numbers are fixed: they
// cross window boundaries, and other modules' skinned windows send them too.
#include <cstdint>

inline constexpr unsigned SKINMSG_REPAINT = 0x3502;        // repaint the skinned frame
inline constexpr unsigned SKINMSG_INIT = 0x3503;           // initialise the frame (wParam 0, lParam 1000)
inline constexpr unsigned SKINMSG_ENABLE = 0x3506;         // to a control: wParam > 0 switches its skinner on
inline constexpr unsigned SKINMSG_BUTTONCLICK = 0x3514;    // a custom caption button released; wParam its action
inline constexpr unsigned SKINMSG_BUTTONVISIBLE = 0x3515;  // is a caption button (wParam code, lParam action) visible
inline constexpr unsigned SKINMSG_MDIREFRESH = 0x3516;     // to an MDI frame: its children changed; menu bar, frame and MDI client refreshed
inline constexpr unsigned SKINMSG_RESKINCONTROL = 0x3517;  // to a frame: drop and re-attach the painter of the control in wParam
inline constexpr unsigned SKINMSG_REFRAME = 0x3518;        // to a frame: re-read the window's style, re-frame and repaint
inline constexpr unsigned SKINMSG_QUERY = 0x3523;          // answered 1 by anything skinned
inline constexpr unsigned SKINMSG_NOTIFY = 0xBC4E;         // posted to itself by a window that answered a query
inline constexpr unsigned SKINMSG_PAINTFRAME = 0xBC4B;     // paint the frame into the DC in wParam
inline constexpr unsigned SKINMSG_PROBE = 0xBC4D;          // a skinned widget-set form answers kSkinMagic

// The lParam that marks our own notifications and the answers to them.
inline constexpr intptr_t kSkinMagic = 0x41A2;
inline constexpr intptr_t kSkinInitParam = 1000;

// Messages of the widget set and of the system that the frame handles.
inline constexpr unsigned CM_MENUCHANGED = 0xB015;
inline constexpr unsigned WM_NCUAHDRAWCAPTION = 0xAE;
