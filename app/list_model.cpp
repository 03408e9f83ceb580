#include "app/list_model.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "data/gbk.h"

namespace {

// Bytes of value that fit in size without splitting a double-byte character,
// which the grid would draw as a broken glyph.
size_t CutLength(const std::string& value, uint32_t size)
{
    if (value.size() <= size)
        return value.size();
    size_t end = 0;
    while (end < value.size()) {
        const size_t next = end + GbkCharSize(value, end);
        if (next > size)
            break;
        end = next;
    }
    return end;
}

} // namespace

void TListModel::Reset(std::vector<TListField> fields)
{
    fields_ = std::move(fields);
    // Kept, not freed: refilling the list reuses pages already in memory
    // instead of faulting in fresh ones, which costs more than the copying.
    size_ = 0;
    offset_count_ = 0;
    PushOffset(0);
    current_ = 0;
}

void TListModel::ReleaseSpare()
{
    // A short list after the full one should not hold the full one's memory.
    blocks_.resize((size_ + kBlockSize - 1) >> kBlockBits);
    blocks_.shrink_to_fit();
    offset_chunks_.resize((offset_count_ + kOffsetChunk - 1) >> kOffsetChunkBits);
    offset_chunks_.shrink_to_fit();
}

std::string TListModel::CutToSize(const std::string& value, uint32_t size)
{
    return value.substr(0, CutLength(value, size));
}

void TListModel::Append(const std::vector<std::string>& values)
{
    if (offset_count_ == 0)
        PushOffset(0);
    for (uint32_t f = 0; f < fields_.size(); ++f) {
        if (f < values.size()) {
            const char* bytes = values[f].data();
            for (size_t left = CutLength(values[f], fields_[f].Size); left > 0;) {
                const uint32_t at = size_ & (kBlockSize - 1);
                if ((size_ >> kBlockBits) == blocks_.size())
                    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
                const size_t n = std::min<size_t>(left, kBlockSize - at);
                std::memcpy(blocks_[size_ >> kBlockBits].get() + at, bytes, n);
                bytes += n;
                left -= n;
                size_ += static_cast<uint32_t>(n);
            }
        }
        PushOffset(size_);
    }
}

void TListModel::PushOffset(uint32_t offset)
{
    const size_t chunk = offset_count_ >> kOffsetChunkBits;
    if (chunk == offset_chunks_.size())
        offset_chunks_.push_back(std::make_unique_for_overwrite<uint32_t[]>(kOffsetChunk));
    offset_chunks_[chunk][offset_count_ & (kOffsetChunk - 1)] = offset;
    ++offset_count_;
}

void TListModel::SetFieldVisible(uint32_t field, bool visible)
{
    if (field < fields_.size())
        fields_[field].Visible = visible;
}

void TListModel::Reserve(uint32_t rows)
{
    const size_t offsets = 1 + static_cast<size_t>(rows) * fields_.size();
    while (offset_chunks_.size() * kOffsetChunk < offsets)
        offset_chunks_.push_back(std::make_unique_for_overwrite<uint32_t[]>(kOffsetChunk));
}

size_t TListModel::MemoryBytes() const
{
    return blocks_.size() * size_t{kBlockSize} + blocks_.capacity() * sizeof(blocks_[0]) +
           offset_chunks_.size() * size_t{kOffsetChunk} * sizeof(uint32_t) +
           offset_chunks_.capacity() * sizeof(offset_chunks_[0]);
}

uint32_t TListModel::RowCount() const
{
    if (fields_.empty() || offset_count_ == 0)
        return 0;
    return static_cast<uint32_t>((offset_count_ - 1) / fields_.size());
}

std::string TListModel::Value(uint32_t row, uint32_t field) const
{
    if (row >= RowCount() || field >= fields_.size())
        throw std::out_of_range("list cell " + std::to_string(row) + "," + std::to_string(field) + " out of range");
    const size_t cell = static_cast<size_t>(row) * fields_.size() + field;
    std::string value;
    const uint32_t begin = Offset(cell), end = Offset(cell + 1);
    value.reserve(end - begin);
    // A value may run across the end of a block into the next.
    for (uint32_t at = begin; at < end;) {
        const uint32_t in_block = at & (kBlockSize - 1);
        const uint32_t n = std::min(end - at, kBlockSize - in_block);
        value.append(blocks_[at >> kBlockBits].get() + in_block, n);
        at += n;
    }
    return value;
}
