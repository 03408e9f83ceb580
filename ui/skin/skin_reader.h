#pragma once
// The skin package: a 32-bit size U and an LZHUF stream that decodes to the
// skin archive (header, extra block, name list, size table, data area).
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/streams.h"

inline constexpr int kMaxSkinFiles = 1001;
// A damaged package must not make the decoder allocate and loop for minutes:
// no skin comes anywhere near this.
inline constexpr int64_t kMaxArchiveSize = 64 * 1024 * 1024;
inline constexpr char kOlderSkinMessage[] = "This is Older Skin File\rPlease update to new version !";

// Size of the block between the header and the name list, by FormatCode;
// -1 for a code the reader does not know.
int ExtraBlockSize(int32_t formatCode);

// The most bytes an LZHUF stream of streamBytes bytes can produce: a match
// writes at most 60 bytes and takes at least 10 bits.
int64_t MaxDecodedSize(int64_t streamBytes);

// Splits the name list: lines end at CR, LF or NUL, CR LF is one end, a line
// end at the very end adds no empty line.
std::vector<std::string> SplitNameList(const std::string& text);

class TSkinReader {
public:
    // Shows the one message the reader has for its user (the older-skin box).
    using TShowMessage = std::function<void(const std::string&)>;

    explicit TSkinReader(TShowMessage showMessage = {}) : showMessage_(std::move(showMessage)) {}

    // Decodes the package and indexes the archive. True when the archive's
    // FormatCode is known and its tables lie inside it; false otherwise, with
    // the reason in LastError().
    bool ReadArchive(TStream& package);

    // Empties target, then copies the first file whose name equals the
    // lower-cased name into it and rewinds it.
    void GetFileByName(const std::string& name, TMemoryStream& target) const;
    // Empties target, then copies the first file whose name contains text
    // (compared as given) into it and returns its name in name.
    void GetFileByPart(const std::string& text, TMemoryStream& target, std::string& name) const;

    const std::vector<std::string>& FileNames() const { return names_; }
    int32_t FileCount() const { return fileCount_; }
    int32_t FileSize(int index) const { return sizes_[index]; }
    int64_t DataSize() const { return data_.Size(); }
    int32_t FormatCode() const { return formatCode_; }
    int32_t NameListLength() const { return nameListLength_; }
    // Size of the last decoded archive, for the benchmark.
    int64_t ArchiveSize() const { return archiveSize_; }
    const std::string& LastError() const { return lastError_; }

private:
    bool Fail(std::string reason);
    void CopyFile(int index, TMemoryStream& target) const;

    std::vector<std::string> names_;
    int32_t fileCount_ = 0;
    std::array<int32_t, kMaxSkinFiles> sizes_{};
    TMemoryStream data_;
    int32_t formatCode_ = 0;
    int32_t nameListLength_ = 0;
    int32_t header8_ = 0;
    int32_t header12_ = 0;

    int64_t archiveSize_ = 0;
    std::string lastError_;
    TShowMessage showMessage_;
};
