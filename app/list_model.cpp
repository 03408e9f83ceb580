#include "app/list_model.h"

#include <stdexcept>
#include <string_view>

#include "data/gbk.h"

void TListModel::Reset(std::vector<TListField> fields)
{
    fields_ = std::move(fields);
    // Swapped rather than cleared: a short list after the full one should not
    // keep the full one's memory.
    std::vector<char>().swap(bytes_);
    std::vector<uint32_t>{0}.swap(offsets_);
    current_ = 0;
}

std::string TListModel::CutToSize(const std::string& value, uint32_t size)
{
    if (value.size() <= size)
        return value;
    // Cutting inside a double-byte character would leave a lead byte that the
    // grid draws as a broken glyph.
    size_t end = 0;
    while (end < value.size()) {
        const size_t next = end + GbkCharSize(value, end);
        if (next > size)
            break;
        end = next;
    }
    return value.substr(0, end);
}

void TListModel::Append(const std::vector<std::string>& values)
{
    if (offsets_.empty())
        offsets_.push_back(0);
    for (uint32_t f = 0; f < fields_.size(); ++f) {
        if (f < values.size()) {
            const std::string& value = values[f];
            const size_t keep =
                value.size() <= fields_[f].Size ? value.size() : CutToSize(value, fields_[f].Size).size();
            bytes_.insert(bytes_.end(), value.begin(), value.begin() + static_cast<std::ptrdiff_t>(keep));
        }
        offsets_.push_back(static_cast<uint32_t>(bytes_.size()));
    }
}

void TListModel::SetFieldVisible(uint32_t field, bool visible)
{
    if (field < fields_.size())
        fields_[field].Visible = visible;
}

void TListModel::Reserve(uint32_t rows)
{
    offsets_.reserve(1 + static_cast<size_t>(rows) * fields_.size());
}

void TListModel::Compact()
{
    bytes_.shrink_to_fit();
    offsets_.shrink_to_fit();
}

size_t TListModel::MemoryBytes() const
{
    return bytes_.capacity() + offsets_.capacity() * sizeof(uint32_t);
}

uint32_t TListModel::RowCount() const
{
    if (fields_.empty() || offsets_.empty())
        return 0;
    return static_cast<uint32_t>((offsets_.size() - 1) / fields_.size());
}

std::string TListModel::Value(uint32_t row, uint32_t field) const
{
    if (row >= RowCount() || field >= fields_.size())
        throw std::out_of_range("list cell " + std::to_string(row) + "," + std::to_string(field) + " out of range");
    const size_t cell = static_cast<size_t>(row) * fields_.size() + field;
    return std::string(bytes_.data() + offsets_[cell], offsets_[cell + 1] - offsets_[cell]);
}
