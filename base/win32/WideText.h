// The one conversion point between the program's code page 932 texts and the
// UTF-16 that the W functions of Windows take and give.
#pragma once

#include <string>

#include "base/Text.h"

namespace fortuva::win32 {

// UTF-16 text for the W functions. Its own traits keep it apart from the
// run-time library's prebuilt wide string, which would bring all of its
// members into the executable; only what is used here is compiled.
struct WideTraits : std::char_traits<wchar_t> {};
using WideString = std::basic_string<wchar_t, WideTraits>;

WideString Widen(const std::string& cp932);
std::string Narrow(const WideString& wide);
WideString PathW(const NativePath& path);
NativePath FromPathW(const WideString& path);

}  // namespace fortuva::win32
