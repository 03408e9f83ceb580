#include "data/streams.h"

#include <algorithm>
#include <cstring>

void TMemoryStream::Seek(int64_t position)
{
    position_ = std::clamp<int64_t>(position, 0, Size());
}

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    const int64_t n = std::clamp<int64_t>(Size() - position_, 0, std::max<int64_t>(count, 0));
    if (n > 0)
        std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

void TMemoryStream::Write(const void* data, int64_t count)
{
    if (count <= 0)
        return;
    const auto end = static_cast<size_t>(position_ + count);
    if (end > bytes_.size())
        bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, data, static_cast<size_t>(count));
    position_ += count;
}
