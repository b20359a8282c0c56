// The syntax of stored layouts: UTF-8 text in the object-tree form, parsed into a tree of objects,
// properties and values (layout_reader.h turns the tree into components).
//
//   layout     = object
//   object     = ("object" | "inherited") [Name ":"] ClassName {property} {object} "end"
//   property   = Name {"." Name} "=" value
//   value      = integer | string | identifier | set | binary | list | collection
//   integer    = ["-"] digits | "$" hexdigits
//   string     = piece {piece} {"+" piece {piece}}     piece = 'text' | #code   ('' is one quote)
//   set        = "[" [identifier {"," identifier}] "]"
//   binary     = "{" hex digit pairs, white space anywhere "}"
//   list       = "(" {value} ")"
//   collection = "<" {"item" {property} "end"} ">"
//
// Comments do not exist. A violation raises Exception "Layout error in line N: ...".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

struct TLayoutProperty;

struct TLayoutValue {
    enum Kind { Integer, String, Identifier, Set, Binary, List, Collection };

    Kind kind = Integer;
    int line = 0;
    std::int64_t integer = 0;
    std::wstring text;                                // String, Identifier
    std::vector<std::wstring> elements;               // Set
    std::vector<std::uint8_t> bytes;                  // Binary
    std::vector<TLayoutValue> list;                   // List
    std::vector<std::vector<TLayoutProperty>> items;  // Collection: the properties of each item
};

struct TLayoutProperty {
    std::wstring name;  // with dots for properties of object properties ("Font.Name")
    TLayoutValue value;
    int line = 0;
};

struct TLayoutObject {
    std::wstring name;
    std::wstring className;
    bool inherited = false;  // "inherited": the component exists already
    int line = 0;
    std::vector<TLayoutProperty> properties;
    std::vector<TLayoutObject> children;
};

// Parses the whole text (one root object, nothing after it but white space). A UTF-8 byte order
// mark at the start is skipped.
TLayoutObject ParseLayout(std::string_view utf8);

// Raises the layout error of that line.
[[noreturn]] void ThrowLayoutError(int line, std::wstring_view message);

}  // namespace ov
