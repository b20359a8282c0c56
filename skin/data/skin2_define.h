// Skin2Define: the names of the skin entries, in four ordered groups (colours, bitmaps, integers,
// booleans). An entry's position in its group is the id by which painters ask for it; its name is
// the key in the skin data file. Colours and integers are stored as integer entries, booleans as
// boolean entries, bitmaps as bitmap entries. Each list below is the only place a name is written.
#pragma once

#include <array>
#include <string_view>

#include "skin/data/sk2_format.h"

// The lists are laid out by hand, several names to a line.
// clang-format off
// Colour ids.
#define OV_SKIN2_COLORS(X)                                                                            \
    X(SKIN2_TRANSCOLOR) X(SKIN2_TITLEFONTCOLOR) X(SKIN2_FORMCOLOR) X(SKIN2_MENUBARSTARTCOLOR)         \
    X(SKIN2_MENUBARENDCOLOR) X(SKIN2_TOPSELECTEDMENUCOLOR) X(SKIN2_TOPSELECTEDMENUBORDERCOLOR)       \
    X(SKIN2_TOPSELECTEDMENUFONTCOLOR) X(SKIN2_TOPMENUFONTCOLOR) X(SKIN2_LEFTBARSTARTCOLOR)           \
    X(SKIN2_LEFTBARENDCOLOR) X(SKIN2_MENUITEMCOLOR) X(SKIN2_MENUITEMFONTCOLOR) X(SKIN2_SELECTEDMENUCOLOR) \
    X(SKIN2_SELECTEDMENUBORDERCOLOR) X(SKIN2_SELECTEDMENUFONTCOLOR) X(SKIN2_TOOLBARSTARTCOLOR)       \
    X(SKIN2_TOOLBARENDCOLOR) X(SKIN2_TOOLBARONCOLOR) X(SKIN2_TOOLBARBORDERCOLOR) X(SKIN2_TOOLBARDOWNCOLOR) \
    X(SKIN2_CONTROLCOLOR) X(SKIN2_CONTROLBORDERCOLOR) X(SKIN2_CONTROLFONTCOLOR) X(SKIN2_BUTTONFONTCOLOR) \
    X(SKIN2_SCROLLBARCOLOR) X(SKIN2_TABCONTROLCOLOR) X(SKIN2_TABCONTROLBORDERCOLOR)                  \
    X(SKIN2_TABCONTROLACTIVEFONTCOLOR) X(SKIN2_TABCONTROLINACTIVEFONTCOLOR) X(SKIN2_SIDECHANNELCOLOR) \
    X(SKIN2_SIDECHANNELBORDERCOLOR)

// Bitmap ids.
#define OV_SKIN2_BITMAPS(X)                                                                           \
    X(SKIN2_TITLEBAR1) X(SKIN2_TITLEBAR2) X(SKIN2_TITLEBAR3) X(SKIN2_TITLEBAR4) X(SKIN2_TITLEBAR5)     \
    X(SKIN2_FORMLEFTBORDER) X(SKIN2_FORMRIGHTBORDER) X(SKIN2_FORMBOTTOMBORDER1) X(SKIN2_FORMBOTTOMBORDER2) \
    X(SKIN2_FORMBOTTOMBORDER3) X(SKIN2_MINIMIZEDTITLE) X(SKIN2_TITLEBUTTONS) X(SKIN2_CHECKEDMENUICON)  \
    X(SKIN2_MENUBAR) X(SKIN2_TOOLBAR) X(SKIN2_BUTTON) X(SKIN2_CHECKBOX) X(SKIN2_CHECKBOXLIST)          \
    X(SKIN2_RADIOBUTTON) X(SKIN2_PROGRESSBAR1) X(SKIN2_PROGRESSBAR2) X(SKIN2_PROGRESSBAR3)             \
    X(SKIN2_PROGRESSBAR4) X(SKIN2_TRACKBAR) X(SKIN2_TRACKBARSLIDER) X(SKIN2_TRACKBARVSLIDER)           \
    X(SKIN2_SCROLLBARUPBUTTON) X(SKIN2_SCROLLBAR) X(SKIN2_SCROLLBARDOWNBUTTON) X(SKIN2_TABCONTROL)     \
    X(SKIN2_TABCONTROLLINE) X(SKIN2_SIDECHANNELBAR) X(SKIN2_SIDECHANNELTITLE) X(SKIN2_SCROLLBUTTON)

// Integer ids.
#define OV_SKIN2_INTEGERS(X)                                                                          \
    X(SKIN2_TITLEBARICONPOSX) X(SKIN2_TITLEBARICONPOSY) X(SKIN2_TITLEBARCAPTIONTOP)                  \
    X(SKIN2_TITLEBARBUTTONPOSX) X(SKIN2_TITLEBARBUTTONPOSY) X(SKIN2_TITLEBARREGIONMINY)              \
    X(SKIN2_TITLEBARREGIONMAXY) X(SKIN2_BOTTOMREGIONMINY) X(SKIN2_BOTTOMREGIONMAXY)

// Boolean ids.
#define OV_SKIN2_BOOLEANS(X)                                                                          \
    X(SKIN2_TITLEFIVESECT) X(SKIN2_BOTTOMBORDERTHREESECT) X(SKIN2_TITLEBARNEEDREGION)                \
    X(SKIN2_BOTTOMBORDERNEEDREGION) X(SKIN2_TITLEBTNTRANS) X(SKIN2_BUTTONTRANS) X(SKIN2_CHECKBOXTRANS) \
    X(SKIN2_RADIOBUTTONTRANS) X(SKIN2_TABCONTROLTRANS)
// clang-format on

namespace ov {

#define OV_SKIN2_ENUMERATOR(name) name,
#define OV_SKIN2_NAME(name) #name,

enum Skin2Color : int { OV_SKIN2_COLORS(OV_SKIN2_ENUMERATOR) kSkin2ColorCount };
enum Skin2Bitmap : int { OV_SKIN2_BITMAPS(OV_SKIN2_ENUMERATOR) kSkin2BitmapCount };
enum Skin2Integer : int { OV_SKIN2_INTEGERS(OV_SKIN2_ENUMERATOR) kSkin2IntegerCount };
enum Skin2Boolean : int { OV_SKIN2_BOOLEANS(OV_SKIN2_ENUMERATOR) kSkin2BooleanCount };

inline constexpr std::array<std::string_view, kSkin2ColorCount> kSkin2ColorNames = {OV_SKIN2_COLORS(OV_SKIN2_NAME)};
inline constexpr std::array<std::string_view, kSkin2BitmapCount> kSkin2BitmapNames = {OV_SKIN2_BITMAPS(OV_SKIN2_NAME)};
inline constexpr std::array<std::string_view, kSkin2IntegerCount> kSkin2IntegerNames = {
    OV_SKIN2_INTEGERS(OV_SKIN2_NAME)};
inline constexpr std::array<std::string_view, kSkin2BooleanCount> kSkin2BooleanNames = {
    OV_SKIN2_BOOLEANS(OV_SKIN2_NAME)};

#undef OV_SKIN2_ENUMERATOR
#undef OV_SKIN2_NAME

// Two integer entries outside the groups: skins carry them, nothing reads them.
inline constexpr std::string_view kSkin2SystemColor1 = "SKIN2_SYSTEMCOLOR1";
inline constexpr std::string_view kSkin2SystemColor2 = "SKIN2_SYSTEMCOLOR2";

// The entry kind each group is stored as.
inline constexpr sk2::EntryKind kSkin2ColorKind = sk2::EntryKind::Integer;
inline constexpr sk2::EntryKind kSkin2BitmapKind = sk2::EntryKind::Bitmap;
inline constexpr sk2::EntryKind kSkin2IntegerKind = sk2::EntryKind::Integer;
inline constexpr sk2::EntryKind kSkin2BooleanKind = sk2::EntryKind::Boolean;

inline std::string_view Skin2Name(Skin2Color id) { return kSkin2ColorNames[id]; }
inline std::string_view Skin2Name(Skin2Bitmap id) { return kSkin2BitmapNames[id]; }
inline std::string_view Skin2Name(Skin2Integer id) { return kSkin2IntegerNames[id]; }
inline std::string_view Skin2Name(Skin2Boolean id) { return kSkin2BooleanNames[id]; }

static_assert(int{kSkin2ColorCount} + int{kSkin2BitmapCount} + int{kSkin2IntegerCount} + int{kSkin2BooleanCount} == 84);

}  // namespace ov
