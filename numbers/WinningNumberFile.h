// Reader of the winning-number file: plain text, one number per line, among
// any other lines the user likes.
#pragma once

#include <functional>
#include <string>

#include "base/FileSystem.h"

namespace fortuva {

// The file is read through a buffer of this size, never whole.
constexpr std::size_t kReadBufferSize = 4097;

// The longest text kept for a number line, far above any real number. Only
// leading zeros can make a number line longer (its value has at most ten
// significant digits); such a line loses as many of them as it must to fit
// exactly, so that its value, sign, prefix and last two bytes stay as written.
constexpr std::size_t kNumberTextBound = 1024;

// Calls onNumber with the text of each number line, less its leading spaces,
// in file order, until onNumber returns false or the file ends. Lines end at
// LF; carriage returns are never part of a line; a Ctrl-Z at the start of a
// line ends the file. The file is closed on every path.
//
// A UTF-8 byte-order mark at the very start is no part of the first line. A
// file that starts with a UTF-16 byte-order mark (either byte order) is read
// as UTF-16: each code unit is one character, ASCII as itself, any other one
// a character that no number contains.
void ReadNumberLines(IFileSystem& files, const NativePath& path,
                     const std::function<bool(const std::string&)>& onNumber);

}  // namespace fortuva
