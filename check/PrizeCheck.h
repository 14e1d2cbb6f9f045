// What the prize check compares: an entry with the tail of a slot.
#pragma once

#include <cstddef>
#include <string>

namespace fortuva {

// The winning numbers, in file order: two of the first prize, one of the
// second, two of the third and three of the fourth.
constexpr std::size_t kSlotCount = 8;
// The prize classes, first to fourth.
constexpr std::size_t kPrizeCount = 4;

// The last two bytes of a slot's text; a shorter text is its own tail.
std::string SlotTail(const std::string& slotText);

// Byte-for-byte equality of the entry and the slot's tail.
bool SlotMatches(const std::string& entry, const std::string& slotText);

}  // namespace fortuva
