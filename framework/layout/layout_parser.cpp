// The layout parser: a small tokenizer and a recursive-descent parser over it.
#include "framework/layout/layout_parser.h"

#include "framework/core/exception.h"
#include "framework/core/unicode.h"

namespace ov {

namespace {

// Nesting deeper than this is refused, so that hostile text cannot exhaust the stack.
constexpr int kMaxDepth = 64;

bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text)
    {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            pos_ = 3;
    }

    TLayoutObject ParseRoot()
    {
        SkipSpace();
        TLayoutObject root = ParseObject(0);
        SkipSpace();
        if (pos_ < text_.size())
            Fail(L"text after the end of the layout");
        return root;
    }

private:
    [[noreturn]] void Fail(std::wstring_view message) { ThrowLayoutError(line_, message); }

    void SkipSpace()
    {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '\n')
                ++line_;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
            ++pos_;
        }
    }

    [[nodiscard]] char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void Expect(char c, std::wstring_view what)
    {
        SkipSpace();
        if (Peek() != c)
            Fail(std::wstring(what) + L" expected");
        ++pos_;
    }

    std::string Identifier()
    {
        SkipSpace();
        if (!IsIdentStart(Peek()))
            Fail(L"identifier expected");
        size_t start = pos_;
        while (IsIdentChar(Peek()))
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    // An identifier at the current position that equals `word` (ignoring case), consumed if so.
    bool TakeKeyword(std::string_view word)
    {
        SkipSpace();
        size_t end = pos_;
        while (end < text_.size() && IsIdentChar(text_[end]))
            ++end;
        std::string_view found = text_.substr(pos_, end - pos_);
        if (found.size() != word.size())
            return false;
        for (size_t i = 0; i < word.size(); ++i)
            if ((found[i] | 0x20) != (word[i] | 0x20))
                return false;
        pos_ = end;
        return true;
    }

    TLayoutObject ParseObject(int depth)
    {
        if (depth > kMaxDepth)
            Fail(L"objects nested too deeply");
        TLayoutObject object;
        object.line = line_;
        if (TakeKeyword("inherited"))
            object.inherited = true;
        else if (!TakeKeyword("object"))
            Fail(L"\"object\" expected");
        std::string first = Identifier();
        SkipSpace();
        if (Peek() == ':') {
            ++pos_;
            object.name = Utf8ToWide(first);
            object.className = Utf8ToWide(Identifier());
        } else {
            object.className = Utf8ToWide(first);
        }
        for (;;) {
            SkipSpace();
            if (TakeKeyword("end"))
                return object;
            if (pos_ >= text_.size())
                Fail(L"\"end\" expected");
            if (IsObjectStart())
                object.children.push_back(ParseObject(depth + 1));
            else
                object.properties.push_back(ParseProperty(depth));
        }
    }

    bool IsObjectStart()
    {
        size_t saved = pos_;
        int savedLine = line_;
        bool result = TakeKeyword("object") || TakeKeyword("inherited");
        pos_ = saved;
        line_ = savedLine;
        return result;
    }

    TLayoutProperty ParseProperty(int depth)
    {
        TLayoutProperty property;
        property.line = line_;
        std::string name = Identifier();
        while (Peek() == '.') {
            ++pos_;
            name += '.';
            name += Identifier();
        }
        property.name = Utf8ToWide(name);
        Expect('=', L"\"=\"");
        property.value = ParseValue(depth);
        return property;
    }

    TLayoutValue ParseValue(int depth)
    {
        if (depth > kMaxDepth)
            Fail(L"values nested too deeply");
        SkipSpace();
        TLayoutValue value;
        value.line = line_;
        char c = Peek();
        if (c == '\'' || c == '#') {
            value.kind = TLayoutValue::String;
            value.text = ParseString();
        } else if (IsDigit(c) || c == '-' || c == '$') {
            value.kind = TLayoutValue::Integer;
            value.integer = ParseInteger();
        } else if (IsIdentStart(c)) {
            value.kind = TLayoutValue::Identifier;
            std::string ident = Identifier();
            while (Peek() == '.') {  // Form2.Button1 and the like
                ++pos_;
                ident += '.';
                ident += Identifier();
            }
            value.text = Utf8ToWide(ident);
        } else if (c == '[') {
            value.kind = TLayoutValue::Set;
            value.elements = ParseSet();
        } else if (c == '{') {
            value.kind = TLayoutValue::Binary;
            value.bytes = ParseBinary();
        } else if (c == '(') {
            value.kind = TLayoutValue::List;
            ++pos_;
            for (SkipSpace(); Peek() != ')'; SkipSpace()) {
                if (pos_ >= text_.size())
                    Fail(L"\")\" expected");
                value.list.push_back(ParseValue(depth + 1));
            }
            ++pos_;
        } else if (c == '<') {
            value.kind = TLayoutValue::Collection;
            value.items = ParseCollection(depth);
        } else {
            Fail(L"property value expected");
        }
        return value;
    }

    std::int64_t ParseInteger()
    {
        bool negative = false;
        if (Peek() == '-') {
            negative = true;
            ++pos_;
        }
        std::uint64_t magnitude = 0;
        int digits = 0;
        if (Peek() == '$') {
            ++pos_;
            for (int h; (h = HexValue(Peek())) >= 0; ++pos_, ++digits) {
                if (magnitude > (UINT64_MAX >> 4))
                    Fail(L"number too large");
                magnitude = magnitude << 4 | static_cast<unsigned>(h);
            }
        } else {
            for (; IsDigit(Peek()); ++pos_, ++digits) {
                if (magnitude > (UINT64_MAX - 9) / 10)
                    Fail(L"number too large");
                magnitude = magnitude * 10 + static_cast<unsigned>(Peek() - '0');
            }
        }
        if (digits == 0)
            Fail(L"number expected");
        if (Peek() == '.' || IsIdentChar(Peek()))
            Fail(L"invalid number");
        if (magnitude > static_cast<std::uint64_t>(INT64_MAX) + (negative ? 1 : 0))
            Fail(L"number too large");
        return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    }

    // 'text' and #code pieces, joined directly or across lines with "+".
    std::wstring ParseString()
    {
        std::wstring result;
        for (;;) {
            ParseStringPieces(result);
            SkipSpace();
            if (Peek() != '+')
                return result;
            ++pos_;
            SkipSpace();
            if (Peek() != '\'' && Peek() != '#')
                Fail(L"string expected after \"+\"");
        }
    }

    void ParseStringPieces(std::wstring& result)
    {
        for (;;) {
            char c = Peek();
            if (c == '\'') {
                ++pos_;
                std::string piece;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
                        Fail(L"unterminated string");
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            piece += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    piece += text_[pos_++];
                }
                result += Utf8ToWide(piece);
            } else if (c == '#') {
                ++pos_;
                std::uint32_t code = 0;
                int digits = 0;
                if (Peek() == '$') {
                    ++pos_;
                    for (int h; (h = HexValue(Peek())) >= 0 && digits < 8; ++pos_, ++digits)
                        code = code << 4 | static_cast<unsigned>(h);
                } else {
                    for (; IsDigit(Peek()) && digits < 8; ++pos_, ++digits)
                        code = code * 10 + static_cast<unsigned>(Peek() - '0');
                }
                if (digits == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    Fail(L"invalid character code");
                AppendCodePoint(result, code);
            } else {
                return;
            }
        }
    }

    static void AppendCodePoint(std::wstring& text, std::uint32_t code)
    {
        if (code < 0x10000) {
            text += static_cast<wchar_t>(code);
        } else {
            code -= 0x10000;
            text += static_cast<wchar_t>(0xD800 + (code >> 10));
            text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        }
    }

    std::vector<std::wstring> ParseSet()
    {
        ++pos_;
        std::vector<std::wstring> elements;
        SkipSpace();
        if (Peek() == ']') {
            ++pos_;
            return elements;
        }
        for (;;) {
            elements.push_back(Utf8ToWide(Identifier()));
            SkipSpace();
            if (Peek() == ']') {
                ++pos_;
                return elements;
            }
            Expect(',', L"\",\" or \"]\"");
        }
    }

    std::vector<std::uint8_t> ParseBinary()
    {
        ++pos_;
        std::vector<std::uint8_t> bytes;
        int high = -1;
        for (;;) {
            SkipSpace();
            char c = Peek();
            if (c == '}') {
                if (high >= 0)
                    Fail(L"odd number of hexadecimal digits");
                ++pos_;
                return bytes;
            }
            int v = HexValue(c);
            if (v < 0)
                Fail(L"hexadecimal digit expected");
            ++pos_;
            if (high < 0) {
                high = v;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(high << 4 | v));
                high = -1;
            }
        }
    }

    std::vector<std::vector<TLayoutProperty>> ParseCollection(int depth)
    {
        ++pos_;
        std::vector<std::vector<TLayoutProperty>> items;
        for (;;) {
            SkipSpace();
            if (Peek() == '>') {
                ++pos_;
                return items;
            }
            if (!TakeKeyword("item"))
                Fail(L"\"item\" or \">\" expected");
            std::vector<TLayoutProperty> properties;
            for (;;) {
                SkipSpace();
                if (TakeKeyword("end"))
                    break;
                if (pos_ >= text_.size())
                    Fail(L"\"end\" expected");
                properties.push_back(ParseProperty(depth + 1));
            }
            items.push_back(std::move(properties));
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

void ThrowLayoutError(int line, std::wstring_view message)
{
    throw Exception(L"Layout error in line %d: %s", {line, message});
}

TLayoutObject ParseLayout(std::string_view utf8) { return Parser(utf8).ParseRoot(); }

}  // namespace ov
