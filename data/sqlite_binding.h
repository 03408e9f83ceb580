#pragma once
// Positional bindings: an ordered list of tagged values, element i binding
// parameter i + 1 of a statement.
#include <cstdint>
#include <string>
#include <vector>

class TObject;

class TBindValue {
public:
    enum class Tag {
        Integer,     // signed 32-bit
        Boolean,
        Int64,
        Extended,    // extended-precision float, bound as double
        Char,        // one byte character
        String,      // counted byte string
        PChar,       // zero-terminated byte string (borrowed)
        WideChar,
        PWideChar,   // zero-terminated UTF-16 string (borrowed)
        WideString,
        Pointer,
        Object,      // a stream or any other object (borrowed)
        // Tags a caller may carry but the binder cannot use.
        ClassRef,
        Currency,
        Variant,
        Interface,
    };

    static TBindValue Integer(int32_t v) { TBindValue b(Tag::Integer); b.int_ = v; return b; }
    static TBindValue Boolean(bool v) { TBindValue b(Tag::Boolean); b.bool_ = v; return b; }
    static TBindValue Int64(int64_t v) { TBindValue b(Tag::Int64); b.int64_ = v; return b; }
    static TBindValue Extended(long double v) { TBindValue b(Tag::Extended); b.ext_ = v; return b; }
    static TBindValue Char(char v) { TBindValue b(Tag::Char); b.char_ = v; return b; }
    static TBindValue String(std::string v) { TBindValue b(Tag::String); b.str_ = std::move(v); return b; }
    static TBindValue PChar(const char* v) { TBindValue b(Tag::PChar); b.pchar_ = v; return b; }
    static TBindValue WideChar(char16_t v) { TBindValue b(Tag::WideChar); b.wstr_ = std::u16string(1, v); return b; }
    static TBindValue PWideChar(const char16_t* v) { TBindValue b(Tag::PWideChar); b.pwchar_ = v; return b; }
    static TBindValue WideString(std::u16string v) { TBindValue b(Tag::WideString); b.wstr_ = std::move(v); return b; }
    static TBindValue Pointer(const void* v) { TBindValue b(Tag::Pointer); b.ptr_ = v; return b; }
    static TBindValue Object(TObject* v) { TBindValue b(Tag::Object); b.obj_ = v; return b; }
    static TBindValue Unsupported(Tag tag) { return TBindValue(tag); }

    Tag tag() const { return tag_; }
    int32_t AsInteger() const { return int_; }
    bool AsBoolean() const { return bool_; }
    int64_t AsInt64() const { return int64_; }
    long double AsExtended() const { return ext_; }
    char AsChar() const { return char_; }
    const std::string& AsString() const { return str_; }
    const char* AsPChar() const { return pchar_; }
    // WideChar and WideString share the text; PWideChar reads the pointer.
    const std::u16string& AsWide() const { return wstr_; }
    const char16_t* AsPWideChar() const { return pwchar_; }
    const void* AsPointer() const { return ptr_; }
    TObject* AsObject() const { return obj_; }

private:
    explicit TBindValue(Tag tag) : tag_(tag) {}

    Tag tag_;
    int32_t int_ = 0;
    bool bool_ = false;
    int64_t int64_ = 0;
    long double ext_ = 0;
    char char_ = 0;
    std::string str_;
    const char* pchar_ = nullptr;
    std::u16string wstr_;
    const char16_t* pwchar_ = nullptr;
    const void* ptr_ = nullptr;
    TObject* obj_ = nullptr;
};

using TBindings = std::vector<TBindValue>;
