#pragma once
// Draws every bitmap a skin description names, from a theme.
#include <map>
#include <string>

#include "tools/skin_art/skin_themes.h"
#include "ui/skin/skin_image.h"

// File name (as the description names it) -> image.
std::map<std::string, TSkinImage> DrawSkinImages(const TSkinTheme& theme);
