#pragma once
// The frame's control walk: which control of a skinned window gets which
// painter, carried out on the real controls. A skinned frame calls
// SkinChildControls for a widget-set form and SkinChildWindows for a bare
// window (a message box) when it initialises.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/skin/skin_control.h"
#include "ui/skin/skin_control_rules.h"

class TCustomForm;

// Drops the dead painters, then every TControl the form owns goes through
// SkinControl in component order, then the form's tab-order list.
void SkinChildControls(TSkinControlList& frame, TCustomForm& form);

// One control: DisableTag, the OnSkinControl hook, the Skin3rd lines, the
// built-in rules. Never a second painter for a control.
void SkinControl(TSkinControlList& frame, TControl& control, TWinControl* parent);

// The Skin3rd lines for one control; true when a line matched (the control
// may still be left alone).
bool MatchSkin3rd(TSkinControlList& frame, const std::string& upperClassName, TControl& control);

// Every child window of a bare window, by window class and style.
void SkinChildWindows(TSkinControlList& frame, HWND window);
// One window without a widget-set control; the painter, or none.
TSkinControl* SkinWindowHandle(TSkinControlList& frame, HWND window);

// A painter of the given class, or none for a class this program does not
// paint. With an owner the owner frees it; without one it is handed over
// through unowned.
TSkinControl* MakeSkinner(TSkinnerClass cls, int mode, TComponent* owner,
                          std::unique_ptr<TSkinControl>* unowned = nullptr);
