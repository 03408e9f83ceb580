#pragma once
// The encoding side of the skin package's LZHUF format: the same window,
// look-ahead, threshold and adaptive Huffman tree the program decodes with.
#include <cstdint>
#include <vector>

std::vector<uint8_t> LZHPack(const std::vector<uint8_t>& input);
