// What assistive technology reads out for controls whose own texts do not
// say what they are.
#pragma once

#include <cstddef>
#include <string>

namespace fortuva {

// The name of winning-number slot `index` (0 for Edit2 up to 7 for Edit9):
// its prize class, followed by its place in the class when the class has
// more than one slot ("一等 1", "二等", "四等 3").
std::string SlotAccessibleName(std::size_t index);

// The default actions of the tool buttons and of the links, as read out.
extern const char* const kPressAction;
extern const char* const kClickAction;

}  // namespace fortuva
