// The prize check without its window: how an entry is judged, which slots
// each prize class compares and in which order, and what the check writes
// and asks for each class it matches. The form carries it out.
#pragma once

#include <cstddef>
#include <string>

namespace fortuva {

// The winning numbers, in file order: two of the first prize, one of the
// second, two of the third and three of the fourth.
constexpr std::size_t kSlotCount = 8;
// The prize classes, first to fourth.
constexpr std::size_t kPrizeCount = 4;

// Slot i (0 to 7) is the control "Edit" + (i + 2): the entry box is Edit1.
std::string SlotControlName(std::size_t slot);

// The last two bytes of a slot's text; a shorter text is its own tail.
std::string SlotTail(const std::string& slotText);

// Byte-for-byte equality of the entry and the slot's tail.
bool SlotMatches(const std::string& entry, const std::string& slotText);

// An entry by the number rule: only a number from 0 to 99 is compared.
enum class EntryKind { NotANumber, OutOfRange, Comparable };
EntryKind JudgeEntry(const std::string& entry);

// The result for an entry that is no number, one outside 0 to 99, and one
// that matched no class.
extern const char kNotANumberResult[];
extern const char kOutOfRangeResult[];
extern const char kNoPrizeResult[];

// The prize classes by their index, which is also the index of their group
// box; the clip of a class is its index + 1, since clip 0 is for no prize.
enum Prize : std::size_t { First, Second, Third, Fourth };

// The slots of a class, first to last.
struct SlotRange {
    std::size_t first;
    std::size_t last;
};

// The fourth prize is won on the tail alone; the others only may be, so the
// user is asked to compare the full numbers.
enum class Decides { Tail, FullNumber };

struct PrizeClass {
    Prize prize;
    SlotRange slots;
    Decides decides;
    int Clip() const { return static_cast<int>(prize) + 1; }
};

// The order of the check: the fourth prize, then the third, the second and
// the first. For every class that has a slot whose tail matches the entry,
// in turn, the check adds the class's line to the result, starts the
// blinking, plays the class's clip and, unless the class is won on the tail
// or the user turned the confirmation off, shows the confirmation.
constexpr PrizeClass kCheckOrder[kPrizeCount] = {
    {Fourth, SlotRange{5, 7}, Decides::Tail},
    {Third, SlotRange{3, 4}, Decides::FullNumber},
    {Second, SlotRange{2, 2}, Decides::FullNumber},
    {First, SlotRange{0, 1}, Decides::FullNumber},
};

// The line a matching class adds to the result, named by its group box's
// caption. A class that only may be won starts with a line break, even when
// it comes first.
std::string ResultLine(const PrizeClass& prize, const std::string& className);

// What a slot of a class is called where its number alone does not say it:
// the class's caption, then the slot's place in the class when the class has
// more than one slot ("一等 1", "二等", "四等 3").
std::string SlotName(const PrizeClass& prize, std::size_t slot, const std::string& className);

// The head of the confirmation, above the full numbers of the class's
// slots, one to a line.
extern const char kConfirmationHead[];

}  // namespace fortuva
