// Texts inside the program are byte strings in code page 932 (Shift-JIS):
// every length and every tail counts bytes. Paths are kept in UTF-16 so that
// a folder or file name outside code page 932 still reaches the file system.
#pragma once

#include <cstddef>
#include <string>

namespace fortuva {

using NativePath = std::u16string;

// True for a byte that opens a double-byte character in code page 932.
bool IsLeadByte(unsigned char b);

// The bytes of the character at offset i: 2 for a lead byte with a byte
// after it, else 1 (a lead byte at the very end stands alone).
std::size_t CharLength(const std::string& text, std::size_t i);

// Byte offset of the last character (a double-byte character counts whole),
// or std::string::npos for an empty text.
std::size_t LastCharOffset(const std::string& text);

// The decimal text of a number ("2026", "-5").
std::string DecimalText(long long value);

// ASCII-only widening, for the fixed parts of paths ("2026.txt", "0.wav").
NativePath AsciiPath(const std::string& ascii);

// The folder of a path, with its trailing separator.
NativePath FolderOf(const NativePath& path);

// Case-insensitive comparison of ASCII names (component names).
bool SameName(const std::string& a, const std::string& b);

}  // namespace fortuva
