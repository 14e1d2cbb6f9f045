// Reader of the winning-number file: plain text, one number per line, among
// any other lines the user likes.
#pragma once

#include <functional>
#include <string>

#include "base/FileSystem.h"

namespace fortuva {

// The file is read through a buffer of this size, never whole.
constexpr std::size_t kReadBufferSize = 4097;

// Calls onNumber with the text of each number line, less its leading spaces,
// in file order, until onNumber returns false or the file ends. Lines end at
// LF; carriage returns are never part of a line; a Ctrl-Z at the start of a
// line ends the file. The file is closed on every path.
void ReadNumberLines(IFileSystem& files, const NativePath& path,
                     const std::function<bool(const std::string&)>& onNumber);

}  // namespace fortuva
