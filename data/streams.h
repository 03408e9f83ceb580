#pragma once
// Minimal object and stream types for blob cells and blob bindings.
#include <cstdint>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

class TStream : public TObject {
public:
    virtual int64_t Size() const = 0;
    virtual int64_t Position() const = 0;
    virtual void Seek(int64_t position) = 0;
    // Reads up to count bytes at the position; returns how many were read.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
};

// A stream over its own growable buffer.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }
    int64_t Position() const override { return position_; }
    void Seek(int64_t position) override;
    int64_t Read(void* buffer, int64_t count) override;
    void Write(const void* data, int64_t count);

    const uint8_t* Memory() const { return bytes_.data(); }

private:
    std::vector<uint8_t> bytes_;
    int64_t position_ = 0;
};
