// The one conversion point between the program's code page 932 texts and the
// UTF-16 that the W functions of Windows take and give.
#pragma once

#include <string>

#include "app/Text.h"

namespace fortuva::win32 {

std::wstring Widen(const std::string& cp932);
std::string Narrow(const std::wstring& wide);
std::wstring PathW(const NativePath& path);
NativePath FromPathW(const std::wstring& path);

}  // namespace fortuva::win32
