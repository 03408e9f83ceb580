#pragma once
// 24-bit Windows bitmap files, bottom-up, as a skin's images are stored.
#include <cstdint>
#include <vector>

#include "ui/skin/skin_image.h"

std::vector<uint8_t> EncodeBitmapFile(const TSkinImage& image);
