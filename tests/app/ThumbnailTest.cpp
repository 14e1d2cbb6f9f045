#include <gtest/gtest.h>

#include "app/Thumbnail.h"

namespace fortuva {

// Found by argument-dependent lookup from GoogleTest's comparisons.
bool operator==(Extent a, Extent b) { return a.width == b.width && a.height == b.height; }
std::ostream& operator<<(std::ostream& out, Extent e) { return out << e.width << "x" << e.height; }

namespace {

TEST(Thumbnail, FitsTheRoomByItsTighterSideAndIsNeverEnlarged) {
    // The window, 383 x 206 with its frame, in the taskbar's 200 x 120.
    EXPECT_EQ(FitWithin({383, 206}, {200, 120}), (Extent{200, 107}));
    EXPECT_EQ(FitWithin({383, 206}, {300, 100}), (Extent{185, 100}));
    EXPECT_EQ(FitWithin({383, 206}, {1000, 1000}), (Extent{383, 206}));
    EXPECT_EQ(FitWithin({383, 0}, {200, 120}), (Extent{1, 1}));
    // However narrow the room, no side of the picture comes to nothing.
    EXPECT_EQ(FitWithin({10000, 10}, {200, 120}), (Extent{200, 1}));
}

}  // namespace
}  // namespace fortuva
