#pragma once
// The in-memory table behind the result grid: text fields of fixed byte
// sizes, rows appended in order, a current row and a hideable first column.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TListField {
    std::string Name;  // GBK, shown as the column title
    uint32_t Size;     // bytes; longer values are cut at the last whole GBK character
    bool Visible = true;
};

class TListModel {
public:
    // Empties the table and gives it a new layout. The memory stays for the
    // next rows; ReleaseSpare gives back what they did not need.
    void Reset(std::vector<TListField> fields);
    // Appends one row; values are cut to their field's size.
    void Append(const std::vector<std::string>& values);
    void First() { current_ = 0; }
    void SetFieldVisible(uint32_t field, bool visible);
    // Room for this many rows' cell offsets, so a long list grows no spare.
    void Reserve(uint32_t rows);
    // Frees the memory the current rows do not use, after a list is filled.
    void ReleaseSpare();
    // Bytes held for the rows: cell bytes plus offsets, capacity included.
    size_t MemoryBytes() const;

    uint32_t FieldCount() const { return static_cast<uint32_t>(fields_.size()); }
    const TListField& Field(uint32_t field) const { return fields_[field]; }
    uint32_t RowCount() const;
    // The stored (cut) value of a row's field.
    std::string Value(uint32_t row, uint32_t field) const;
    uint32_t Current() const { return current_; }
    void SetCurrent(uint32_t row) { current_ = row; }

    // A value cut to at most size bytes, at the last whole GBK character.
    static std::string CutToSize(const std::string& value, uint32_t size);

private:
    // Row-major cell bytes, one after the other, in fixed blocks: 51,470 rows
    // stay close to their byte size, and a long list is never copied to grow.
    static constexpr uint32_t kBlockBits = 16;
    static constexpr uint32_t kBlockSize = uint32_t{1} << kBlockBits;

    std::vector<TListField> fields_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    uint32_t size_ = 0;              // bytes used over all blocks
    // Where each cell starts, one extra at the end; in fixed chunks as well,
    // so a list read without knowing its length grows without copying and
    // never holds much more than it needs.
    static constexpr uint32_t kOffsetChunkBits = 10;
    static constexpr uint32_t kOffsetChunk = uint32_t{1} << kOffsetChunkBits;
    std::vector<std::unique_ptr<uint32_t[]>> offset_chunks_;
    size_t offset_count_ = 0;
    uint32_t Offset(size_t i) const { return offset_chunks_[i >> kOffsetChunkBits][i & (kOffsetChunk - 1)]; }
    void PushOffset(uint32_t offset);
    uint32_t current_ = 0;
};
