// What the prize check compares: an entry with the tail of a slot.
#pragma once

#include <string>

namespace fortuva {

// The last two bytes of a slot's text; a shorter text is its own tail.
std::string SlotTail(const std::string& slotText);

// Byte-for-byte equality of the entry and the slot's tail.
bool SlotMatches(const std::string& entry, const std::string& slotText);

}  // namespace fortuva
