// RTF documents made up for tests and benchmarks: escaped Chinese text in code page 936,
// 32-bit \dibitmap0 pictures (the picture form both Wine's and Windows' rich edit control draw)
// and embedded objects with such a picture as their result.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace ov::rtf_samples {

inline constexpr const char* kHeader =
    "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 ";

// "你好，世界" (hello, world) in code page 936, escaped.
inline constexpr const char* kChineseHello = "\\'c4\\'e3\\'ba\\'c3\\'a3\\'ac\\'ca\\'c0\\'bd\\'e7";
inline constexpr const wchar_t* kChineseHelloText = L"\u4f60\u597d\uff0c\u4e16\u754c";

inline void AppendHex(std::string& out, const void* data, std::size_t size)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 15];
        if (i % 64 == 63)
            out += "\r\n";
    }
}

// A width x height 32-bit picture of one colour (0x00RRGGBB), as a \pict group.
inline std::string Picture(int width, int height, std::uint32_t rgb)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::string out = "{\\pict\\dibitmap0\\picw" + std::to_string(width) + "\\pich" + std::to_string(height) +
                      "\\picwgoal" + std::to_string(width * 15) + "\\pichgoal" + std::to_string(height * 15) + "\r\n";
    out.reserve(out.size() + (sizeof(header) + std::size_t(width) * height * 4) * 2 * 65 / 64 + 8);
    AppendHex(out, &header, sizeof(header));
    std::string row;
    for (int x = 0; x < width; ++x)
        row.append(reinterpret_cast<const char*>(&rgb), 4);
    std::string pixels;
    for (int y = 0; y < height; ++y)
        pixels += row;
    AppendHex(out, pixels.data(), pixels.size());
    return out + "}";
}

// An embedded Paint picture object whose presentation is the given picture.
inline std::string EmbeddedObject(int width, int height, std::uint32_t rgb)
{
    return "{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw" + std::to_string(width * 15) + "\\objh" +
           std::to_string(height * 15) + "{\\*\\objdata 0105000002000000}{\\result " + Picture(width, height, rgb) +
           "}}";
}

// A document of `paragraphs` lines of Chinese text.
inline std::string ChineseText(int paragraphs)
{
    std::string out = kHeader;
    for (int i = 0; i < paragraphs; ++i)
        out += std::string(kChineseHello) + " " + std::to_string(i) + "\\par\r\n";
    return out + "}";
}

}  // namespace ov::rtf_samples
