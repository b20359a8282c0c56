// Stored layouts: reading the object-tree text of a form (`object Form1: TForm1` ... `end`) into
// the form, creating its components by class name and setting their properties by name.
//
//   object Form1: TForm1
//     Caption = 'Hello'#13#10'world'          strings in quotes, #nnn character codes, + joins
//     ClientWidth = 782                          integers
//     Visible = False                            booleans, identifiers (alTop, clBtnFace)
//     Anchors = [akLeft, akTop]                  sets
//     Font.Name = 'Tahoma'                       properties of object properties
//     OnCreate = FormCreate                      published methods of the form
//     SkinData = {4B 52 ...}                     binary data, handed to DefineProperties readers
//     Lines.Strings = ('a' 'b')                  string lists
//     Items = <item Caption = 'x' end>           collections
//     object Button1: TButton ... end            nested components, in creation order
//   end
//
// Order of work: every component is created (owned by the root, parented to the enclosing
// object) and gets its properties in stored order; then references to other components
// (Images = ImageList1) are resolved; then every component's Loaded runs, the root's first. Text
// that does not follow the form raises Exception with the line number.
#pragma once

#include <windows.h>

#include <string_view>

namespace ov {

class TComponent;

void ReadLayout(TComponent& root, std::string_view utf8Text);
// Reads the RT_RCDATA resource of that name (found ignoring case) from a module, by default the
// program's own, in place; false when there is no such resource.
bool ReadLayoutResource(TComponent& root, std::wstring_view resourceName, HMODULE module = nullptr);

}  // namespace ov
