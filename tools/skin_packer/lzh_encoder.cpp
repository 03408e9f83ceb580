#include "tools/skin_packer/lzh_encoder.h"

#include <memory>

#include "ui/skin/lzh_tables.h"

using namespace lzh;

namespace {

constexpr int NIL = N;

class TBitWriter {
public:
    explicit TBitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Bit(int b)
    {
        acc_ = static_cast<uint8_t>((acc_ << 1) | (b & 1));
        if (++count_ == 8) {
            out_.push_back(acc_);
            acc_ = 0;
            count_ = 0;
        }
    }
    // The top len bits of a left-aligned byte.
    void Bits(unsigned leftAligned, int len)
    {
        for (int i = 0; i < len; ++i)
            Bit((leftAligned >> (7 - i)) & 1);
    }
    void Flush()
    {
        while (count_ != 0)
            Bit(0);
    }

private:
    std::vector<uint8_t>& out_;
    uint8_t acc_ = 0;
    int count_ = 0;
};

// Longest-match search over the window: one binary tree per first byte.
class TMatchTree {
public:
    TMatchTree() : text(N + F - 1, 0), lson(N + 1, NIL), rson(N + 257, NIL), dad(N + 1, NIL) {}

    void Insert(int r)
    {
        int cmp = 1;
        const uint8_t* key = &text[static_cast<size_t>(r)];
        int p = N + 1 + key[0];
        rson[r] = lson[r] = NIL;
        matchLength = 0;
        for (;;) {
            if (cmp >= 0) {
                if (rson[p] != NIL) {
                    p = rson[p];
                } else {
                    rson[p] = r;
                    dad[r] = p;
                    return;
                }
            } else {
                if (lson[p] != NIL) {
                    p = lson[p];
                } else {
                    lson[p] = r;
                    dad[r] = p;
                    return;
                }
            }
            int i = 1;
            for (; i < F; ++i)
                if ((cmp = key[i] - text[static_cast<size_t>(p + i)]) != 0)
                    break;
            if (i > THRESHOLD) {
                const int position = ((r - p) & (N - 1)) - 1;
                if (i > matchLength) {
                    matchPosition = position;
                    if ((matchLength = i) >= F)
                        break;
                } else if (i == matchLength && position < matchPosition) {
                    matchPosition = position;
                }
            }
        }
        // A full-length match replaces the old node, which is never needed again.
        dad[r] = dad[p];
        lson[r] = lson[p];
        rson[r] = rson[p];
        dad[lson[p]] = r;
        dad[rson[p]] = r;
        if (rson[dad[p]] == p)
            rson[dad[p]] = r;
        else
            lson[dad[p]] = r;
        dad[p] = NIL;
    }

    void Delete(int p)
    {
        if (dad[p] == NIL)
            return;
        int q;
        if (rson[p] == NIL) {
            q = lson[p];
        } else if (lson[p] == NIL) {
            q = rson[p];
        } else {
            q = lson[p];
            if (rson[q] != NIL) {
                do {
                    q = rson[q];
                } while (rson[q] != NIL);
                rson[dad[q]] = lson[q];
                dad[lson[q]] = dad[q];
                lson[q] = lson[p];
                dad[lson[p]] = q;
            }
            rson[q] = rson[p];
            dad[rson[p]] = q;
        }
        dad[q] = dad[p];
        if (rson[dad[p]] == p)
            rson[dad[p]] = q;
        else
            lson[dad[p]] = q;
        dad[p] = NIL;
    }

    std::vector<uint8_t> text;
    std::vector<int> lson, rson, dad;
    int matchPosition = 0;
    int matchLength = 0;
};

class TEncoder {
public:
    explicit TEncoder(std::vector<uint8_t>& out) : bits_(out) {}

    void Char(int c)
    {
        // The path from the leaf up to the root, sent root first. Codes can
        // be longer than 16 bits in a skewed tree, so no fixed-width word.
        int path[T];
        int len = 0;
        for (int k = tree_.prnt[c + T]; k != R; k = tree_.prnt[k])
            path[len++] = k & 1;
        while (len > 0)
            bits_.Bit(path[--len]);
        tree_.Update(c);
    }
    void Position(int p)
    {
        const int upper = p >> 6;
        bits_.Bits(p_code[static_cast<size_t>(upper)], p_len[static_cast<size_t>(upper)]);
        bits_.Bits(static_cast<unsigned>(p & 0x3F) << 2, 6);
    }
    void End() { bits_.Flush(); }

private:
    TBitWriter bits_;
    THuffmanTree tree_;
};

} // namespace

std::vector<uint8_t> LZHPack(const std::vector<uint8_t>& input)
{
    std::vector<uint8_t> out;
    if (input.empty())
        return out;
    auto tree = std::make_unique<TMatchTree>();
    TEncoder encoder(out);
    std::vector<uint8_t>& text = tree->text;
    size_t next = 0;
    auto get = [&](int& c) {
        if (next >= input.size())
            return false;
        c = input[next++];
        return true;
    };

    int s = 0, r = N - F;
    for (int i = s; i < r; ++i)
        text[static_cast<size_t>(i)] = ' ';
    int len = 0;
    for (int c; len < F && get(c); ++len)
        text[static_cast<size_t>(r + len)] = static_cast<uint8_t>(c);
    for (int i = 1; i <= F; ++i)
        tree->Insert(r - i);
    tree->Insert(r);
    do {
        if (tree->matchLength > len)
            tree->matchLength = len;
        if (tree->matchLength <= THRESHOLD) {
            tree->matchLength = 1;
            encoder.Char(text[static_cast<size_t>(r)]);
        } else {
            encoder.Char(255 - THRESHOLD + tree->matchLength);
            encoder.Position(tree->matchPosition);
        }
        const int last = tree->matchLength;
        int i = 0;
        for (int c; i < last && get(c); ++i) {
            tree->Delete(s);
            text[static_cast<size_t>(s)] = static_cast<uint8_t>(c);
            if (s < F - 1)
                text[static_cast<size_t>(s + N)] = static_cast<uint8_t>(c);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            tree->Insert(r);
        }
        while (i++ < last) {
            tree->Delete(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len)
                tree->Insert(r);
        }
    } while (len > 0);
    encoder.End();
    return out;
}
