#include "ui/skin/lzh.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "ui/skin/lzh_tables.h"

using namespace lzh;

void TLZH::Refill()
{
    while (getlen_ <= 8) {
        uint8_t b = 0;
        if ((*read_)(b) <= 0)
            b = 0;
        getbuf_ = static_cast<uint16_t>(getbuf_ | (b << (8 - getlen_)));
        getlen_ = static_cast<uint8_t>(getlen_ + 8);
    }
}

int TLZH::GetBit()
{
    Refill();
    const int bit = getbuf_ >> 15;
    getbuf_ = static_cast<uint16_t>(getbuf_ << 1);
    --getlen_;
    return bit;
}

int TLZH::GetByte()
{
    Refill();
    const int byte = getbuf_ >> 8;
    getbuf_ = static_cast<uint16_t>(getbuf_ << 8);
    getlen_ = static_cast<uint8_t>(getlen_ - 8);
    return byte;
}

void TLZH::LZHUnpack(int64_t outputSize, const TReadByte& read, const TWriteByte& write)
{
    std::unique_ptr<THuffmanTree> tree;
    std::vector<uint8_t> text;
    try {
        tree = std::make_unique<THuffmanTree>();
        text.assign(N + F - 1, 0);
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    std::fill(text.begin(), text.begin() + (N - F), static_cast<uint8_t>(' '));
    read_ = &read;
    getbuf_ = 0;
    getlen_ = 0;

    int r = N - F;
    int64_t count = 0;
    while (count < outputSize) {
        int c = tree->son[R];
        while (c < T) {
            c += GetBit();
            c = tree->son[c];
        }
        c -= T;
        tree->Update(c);
        if (c < 256) {
            write(static_cast<uint8_t>(c));
            text[r] = static_cast<uint8_t>(c);
            r = (r + 1) & (N - 1);
            ++count;
            continue;
        }
        int i = GetByte();
        const int upper = d_code[i] << 6;
        for (int j = d_len[i] - 2; j > 0; --j)
            i = (i << 1) + GetBit();
        const int position = upper | (i & 0x3F);
        const int start = (r - position - 1) & (N - 1);
        const int length = c - 255 + THRESHOLD;
        for (int k = 0; k < length; ++k) {
            const uint8_t b = text[(start + k) & (N - 1)];
            write(b);
            text[r] = b;
            r = (r + 1) & (N - 1);
            ++count;
        }
    }
    read_ = nullptr;
}
