#include "app/AccessibleNames.h"

#include "app/Text.h"

namespace fortuva {

const char* const kPressAction = "押す";
const char* const kClickAction = "クリック";

namespace {
struct PrizeClassSlots {
    const char* caption;
    std::size_t slots;
};
// In the order of the slots.
const PrizeClassSlots kClasses[] = {{"一等", 2}, {"二等", 1}, {"三等", 2}, {"四等", 3}};
}  // namespace

std::string SlotAccessibleName(std::size_t index) {
    for (const PrizeClassSlots& prize : kClasses) {
        if (index < prize.slots)
            return prize.slots == 1 ? prize.caption
                                    : prize.caption + std::string(" ") + DecimalText(static_cast<long long>(index) + 1);
        index -= prize.slots;
    }
    return {};
}

}  // namespace fortuva
