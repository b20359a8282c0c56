// The program's name as people see it: the application title and the main window's caption.
#pragma once

namespace ov {

inline constexpr wchar_t kAppTitle[] = L"Zelvo健康咨询系列——Ovalune（科普版）";

}  // namespace ov
