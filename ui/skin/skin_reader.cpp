#include "ui/skin/skin_reader.h"

#include "ui/skin/lzh.h"
#include "ui/skin/lzh_tables.h"

namespace {

int32_t ReadInt32(const std::vector<uint8_t>& bytes, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | bytes[at + i];
    return static_cast<int32_t>(v);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

} // namespace

int ExtraBlockSize(int32_t formatCode)
{
    switch (formatCode) {
    case 20000: return 0;
    case 30000: return 256;
    case 40000: return 80;
    case 50000: return 48;
    case 60000: return 117;
    case 70000: return 69;
    default: return -1;
    }
}

int64_t MaxDecodedSize(int64_t streamBytes)
{
    return (streamBytes * 8 / 10 + 1) * 60;
}

std::vector<std::string> SplitNameList(const std::string& text)
{
    std::vector<std::string> lines;
    size_t i = 0;
    while (i < text.size()) {
        size_t end = i;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n' && text[end] != '\0')
            ++end;
        lines.push_back(text.substr(i, end - i));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            end += 2;
        else if (end < text.size())
            end += 1;
        i = end;
    }
    return lines;
}

bool TSkinReader::Fail(std::string reason)
{
    lastError_ = "Damaged skin package: " + std::move(reason);
    return false;
}

bool TSkinReader::ReadArchive(TStream& package)
{
    names_.clear();
    fileCount_ = 0;
    sizes_.fill(0);
    data_ = TMemoryStream();
    formatCode_ = nameListLength_ = header8_ = header12_ = 0;
    archiveSize_ = 0;
    lastError_.clear();

    package.Seek(0);
    uint8_t head[4] = {0, 0, 0, 0};
    const int64_t got = package.Read(head, 4);
    // A package too short to hold U decodes to nothing.
    const int32_t u = got == 4 ? ReadInt32(std::vector<uint8_t>(head, head + 4), 0) : 0;
    const int64_t streamBytes = package.Size() - package.Position();
    if (u > kMaxArchiveSize)
        return Fail("it claims " + std::to_string(u) + " bytes, more than any skin holds");
    if (u > MaxDecodedSize(streamBytes))
        return Fail("it claims " + std::to_string(u) + " bytes, more than its " + std::to_string(streamBytes) +
                    " compressed bytes can produce");

    std::vector<uint8_t> archive;
    if (u > 0) {
        archive.reserve(static_cast<size_t>(u) + lzh::F);
        TLZH lzh;
        lzh.LZHUnpack(
            u,
            [&package](uint8_t& b) { return static_cast<int>(package.Read(&b, 1)); },
            [&archive](uint8_t b) { archive.push_back(b); });
    }
    archiveSize_ = static_cast<int64_t>(archive.size());

    // A header too short to hold its code reads as code 0, an older skin.
    formatCode_ = archive.size() >= 4 ? ReadInt32(archive, 0) : 0;
    const int extra = ExtraBlockSize(formatCode_);
    if (extra < 0) {
        lastError_ = "Unknown skin format " + std::to_string(formatCode_);
        if (showMessage_)
            showMessage_(kOlderSkinMessage);
        return false;
    }
    if (archive.size() < 16)
        return Fail("the archive header is cut short");
    nameListLength_ = ReadInt32(archive, 4);
    header8_ = ReadInt32(archive, 8);
    header12_ = ReadInt32(archive, 12);

    const uint64_t size = archive.size();
    const uint64_t namesAt = 16 + static_cast<uint64_t>(extra);
    if (namesAt > size)
        return Fail("the extra block runs past the end");
    if (nameListLength_ < 0 || namesAt + static_cast<uint64_t>(nameListLength_) > size)
        return Fail("the name list runs past the end");

    std::string list(reinterpret_cast<const char*>(archive.data() + namesAt), static_cast<size_t>(nameListLength_));
    for (char& c : list)
        c = LowerAscii(c);
    std::vector<std::string> names = SplitNameList(list);
    if (names.size() > kMaxSkinFiles)
        return Fail("it lists " + std::to_string(names.size()) + " files, more than " +
                    std::to_string(kMaxSkinFiles));

    const uint64_t sizesAt = namesAt + static_cast<uint64_t>(nameListLength_);
    const uint64_t dataAt = sizesAt + 4 * names.size();
    if (dataAt > size)
        return Fail("the size table runs past the end");
    const uint64_t dataSize = size - dataAt;
    uint64_t total = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        const int32_t s = ReadInt32(archive, sizesAt + 4 * i);
        if (s < 0)
            return Fail("file '" + names[i] + "' has a negative size");
        total += static_cast<uint64_t>(s);
        if (total > dataSize)
            return Fail("file '" + names[i] + "' runs past the data area");
        sizes_[i] = s;
    }

    names_ = std::move(names);
    fileCount_ = static_cast<int32_t>(names_.size());
    data_ = TMemoryStream(std::vector<uint8_t>(archive.begin() + static_cast<ptrdiff_t>(dataAt), archive.end()));
    return true;
}

void TSkinReader::CopyFile(int index, TMemoryStream& target) const
{
    int64_t offset = 0;
    for (int i = 0; i < index; ++i)
        offset += sizes_[i];
    target.Write(data_.Memory() + offset, sizes_[index]);
    target.Seek(0);
}

void TSkinReader::GetFileByName(const std::string& name, TMemoryStream& target) const
{
    target = TMemoryStream();
    std::string key = name;
    for (char& c : key)
        c = LowerAscii(c);
    for (int i = 0; i < fileCount_; ++i) {
        if (names_[i] == key) {
            CopyFile(i, target);
            return;
        }
    }
}

void TSkinReader::GetFileByPart(const std::string& text, TMemoryStream& target, std::string& name) const
{
    target = TMemoryStream();
    for (int i = 0; i < fileCount_; ++i) {
        if (names_[i].find(text) != std::string::npos) {
            CopyFile(i, target);
            name = names_[i];
            return;
        }
    }
}
