// Reading and writing skin.txt.
#include "tools/skinc/manifest.h"

#include <algorithm>
#include <cstdio>

#include "skin/data/byte_order.h"
#include "tools/skinc/entry_names.h"
#include "tools/skinc/skinc_error.h"

namespace ov::skinc {
namespace {

constexpr std::string_view kSpace = " \t";

// Reading position within one line, with the location for messages.
class LineReader {
public:
    LineReader(std::string_view text, const std::string& file, int line) : rest_(text), file_(file), line_(line) {}

    [[noreturn]] void Fail(const std::string& reason) const
    {
        throw Error(file_ + ":" + std::to_string(line_) + ": " + reason);
    }

    void SkipSpace() { rest_.remove_prefix(std::min(rest_.find_first_not_of(kSpace), rest_.size())); }

    // The next run of non-blank characters; empty at the end of the line or at a comment.
    std::string_view Word()
    {
        SkipSpace();
        if (rest_.empty() || rest_.front() == '#')
            return {};
        const size_t end = std::min(rest_.find_first_of(kSpace), rest_.size());
        const std::string_view word = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return word;
    }

    // Nothing but blanks or a comment may follow the last field.
    void ExpectEnd()
    {
        if (const std::string_view extra = Word(); !extra.empty())
            Fail("unexpected '" + std::string(extra) + "'");
    }

    // What is left of the line, trailing blanks dropped.
    std::string_view Rest()
    {
        SkipSpace();
        return rest_.substr(0, rest_.find_last_not_of(kSpace) + 1);
    }

private:
    std::string_view rest_;
    const std::string& file_;
    int line_;
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decimal with an optional minus, or 0x and hex digits. Anything beyond 2^40 is reported as such a
// large number; the caller's range check refuses it.
[[noreturn]] void NotANumber(const LineReader& reader, std::string_view word)
{
    std::string reason(1, '\'');
    reason.append(word).append("' is not a number");
    reader.Fail(reason);
}

int64_t ParseNumber(LineReader& reader, std::string_view word)
{
    constexpr int64_t kCap = int64_t{1} << 40;
    const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
    const bool negative = !hex && !word.empty() && word[0] == '-';
    const std::string_view digits = word.substr(hex ? 2 : negative ? 1 : 0);
    if (digits.empty())
        NotANumber(reader, word);
    int64_t value = 0;
    for (char c : digits) {
        const int d = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0)
            NotANumber(reader, word);
        value = std::min(value * (hex ? 16 : 10) + d, kCap);
    }
    return negative ? -value : value;
}

std::string Unescape(LineReader& reader, std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out.push_back(text[i]);
            continue;
        }
        const char c = i + 1 < text.size() ? text[++i] : '\0';
        if (c == '\\')
            out.push_back('\\');
        else if (c == 'n')
            out.push_back('\n');
        else if (c == 'r')
            out.push_back('\r');
        else if (c == 't')
            out.push_back('\t');
        else if (c == 'x' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2])));
            i += 2;
        } else {
            reader.Fail("unknown escape in string text (use \\\\, \\n, \\r, \\t or \\xHH)");
        }
    }
    return out;
}

ManifestLine ParseLine(LineReader& reader, std::string_view keyword, int line)
{
    ManifestLine result;
    result.line = line;
    if (keyword == "integer")
        result.kind = sk2::EntryKind::Integer;
    else if (keyword == "boolean")
        result.kind = sk2::EntryKind::Boolean;
    else if (keyword == "string")
        result.kind = sk2::EntryKind::String;
    else
        reader.Fail("unknown line kind '" + std::string(keyword) + "' (integer, boolean or string)");
    result.name = reader.Word();
    if (result.name.empty())
        reader.Fail(std::string(keyword) + " line without a name");
    if (result.kind == sk2::EntryKind::String) {
        result.text = Unescape(reader, reader.Rest());
        return result;
    }
    const std::string_view value = reader.Word();
    if (value.empty())
        reader.Fail(result.name + " has no value");
    result.number = ParseNumber(reader, value);
    reader.ExpectEnd();
    return result;
}

// Text as a string line carries it: escapes for the backslash, control bytes and for blanks at
// either end, which a line would otherwise lose.
std::string Escape(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool edgeBlank = (c == ' ' || c == '\t') && (i == 0 || i + 1 == text.size());
        if (c == '\\') {
            out += "\\\\";
        } else if (c < 0x20 || c == 0x7F || edgeBlank) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

std::string FormatValue(const SkinEntry& entry)
{
    if (entry.kind == sk2::EntryKind::String) {
        return Escape({reinterpret_cast<const char*>(entry.data.data()), entry.data.size()});
    }
    if (entry.kind == sk2::EntryKind::Boolean)
        return std::to_string(entry.data.at(0));
    const auto value = static_cast<int32_t>(LoadLe32(entry.data.data()));
    const auto known = FindKnownName(entry.name);
    const bool colour = known && (known->group == NameGroup::Color || known->group == NameGroup::SystemColor);
    if (!colour || value < 0)
        return std::to_string(value);
    char hex[11];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(value));
    return hex;
}

const char* Keyword(sk2::EntryKind kind)
{
    return kind == sk2::EntryKind::Integer ? "integer" : kind == sk2::EntryKind::Boolean ? "boolean" : "string";
}

}  // namespace

std::vector<ManifestLine> ParseManifest(std::string_view text, const std::string& file)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);  // a byte order mark some editors add
    std::vector<ManifestLine> lines;
    for (int number = 1; !text.empty(); ++number) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        LineReader reader(line, file, number);
        if (const std::string_view keyword = reader.Word(); !keyword.empty()) {
            lines.push_back(ParseLine(reader, keyword, number));
        }
    }
    return lines;
}

std::string FormatManifest(std::span<const SkinEntry> entries)
{
    size_t width = 0;
    for (const SkinEntry& entry : entries)
        width = std::max(width, entry.name.size());
    std::string out =
        "# Skin manifest: integer NAME VALUE, boolean NAME 0|1, string NAME TEXT.\n"
        "# Bitmaps are the NAME.bmp files beside it.\n";
    for (const SkinEntry& entry : entries) {
        if (entry.kind == sk2::EntryKind::Bitmap)
            continue;
        std::string line = std::string(Keyword(entry.kind)) + " " + entry.name;
        line.append(width + 1 - entry.name.size(), ' ');
        line += FormatValue(entry);
        out += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return out;
}

}  // namespace ov::skinc
