#pragma once
// The skin package's decoder: LZHUF (LZSS with adaptive Huffman coding).
#include <cstdint>
#include <functional>

#include "data/exception.h"

class ElzhException : public Exception {
public:
    using Exception::Exception;
};

class TLZH {
public:
    // Asked for one byte; returns how many it delivered (0 at the end).
    using TReadByte = std::function<int(uint8_t& byte)>;
    using TWriteByte = std::function<void(uint8_t byte)>;

    // Decodes until at least outputSize bytes have been written (a match that
    // starts before the end is written whole). Input that runs out reads as
    // zero bits. Throws ElzhException when the tables cannot be allocated.
    void LZHUnpack(int64_t outputSize, const TReadByte& read, const TWriteByte& write);

private:
    int GetBit();
    int GetByte();
    void Refill();

    const TReadByte* read_ = nullptr;
    uint16_t getbuf_ = 0;
    uint8_t getlen_ = 0;
};
