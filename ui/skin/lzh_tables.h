#pragma once
// Constants and position tables of the LZHUF format (LZSS with adaptive
// Huffman coding). The decoder here and the skin packer's encoder share them;
// changing any of them changes the file format.
#include <array>
#include <cstdint>

namespace lzh {

inline constexpr int N = 4096;       // text window
inline constexpr int F = 60;         // look-ahead, the longest match
inline constexpr int THRESHOLD = 2;  // matches this short are sent as literals
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols
inline constexpr int T = N_CHAR * 2 - 1;           // 627 tree nodes
inline constexpr int R = T - 1;                    // root
inline constexpr unsigned MAX_FREQ = 0x8000;

// Upper six bits of a match position: a prefix code of 3 to 8 bits.
inline constexpr std::array<uint8_t, 64> p_len = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    6, 6, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};

// The codes themselves, left-aligned in a byte. They are canonical: each
// code is the previous one plus one, shifted to its length.
constexpr std::array<uint8_t, 64> MakeCodes()
{
    std::array<uint8_t, 64> codes{};
    unsigned code = 0;
    for (int i = 0; i < 64; ++i) {
        if (i > 0)
            code = (code + 1) << (p_len[i] - p_len[i - 1]);
        codes[i] = static_cast<uint8_t>(code << (8 - p_len[i]));
    }
    return codes;
}
inline constexpr std::array<uint8_t, 64> p_code = MakeCodes();

// The decoding side: for every first byte of a position, its upper six bits
// and the total length of its code.
struct TPositionDecode {
    std::array<uint8_t, 256> code{};
    std::array<uint8_t, 256> len{};
};
constexpr TPositionDecode MakeDecode()
{
    TPositionDecode d;
    for (int i = 0; i < 64; ++i) {
        const int span = 1 << (8 - p_len[i]);
        for (int b = 0; b < span; ++b) {
            d.code[p_code[i] + b] = static_cast<uint8_t>(i);
            d.len[p_code[i] + b] = p_len[i];
        }
    }
    return d;
}
inline constexpr TPositionDecode kPositionDecode = MakeDecode();
inline constexpr const std::array<uint8_t, 256>& d_code = kPositionDecode.code;
inline constexpr const std::array<uint8_t, 256>& d_len = kPositionDecode.len;

// The adaptive Huffman tree both sides keep in step.
class THuffmanTree {
public:
    THuffmanTree();
    void Start();
    // Counts one more occurrence of symbol c and keeps the sibling property.
    void Update(int c);

    std::array<uint16_t, T + 1> freq;         // 628 counts; freq[T] is a sentinel
    std::array<int16_t, T + N_CHAR> prnt;     // 941 links: nodes, then leaves
    std::array<int16_t, T> son;               // 627 links

private:
    void Reconstruct();
};

} // namespace lzh
