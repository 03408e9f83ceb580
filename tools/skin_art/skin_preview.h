#pragma once
// A picture of a parsed skin: an active and an inactive window frame with
// their caption buttons, and every control state the skin draws, composed
// the way the runtime composes them. For looking at, not for the program.
#include "ui/skin/skin_data.h"

TSkinImage RenderSkinPreview(const TSkinData& skin);
