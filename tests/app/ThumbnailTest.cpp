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

// A picture as the window layer takes it: a bitmap, here a number, 0 when
// it could not be had, and where the client area lies in it.
struct FakeBitmap {
    int id = 0;
    explicit operator bool() const { return id != 0; }
};
using Picture = WindowPicture<FakeBitmap>;

TEST(Thumbnail, WhileHiddenOrWhenATakingFailsTheLastPictureTakenStandsIn) {
    KeptPicture<Picture> kept;
    int taken = 0;
    // The window at (100, 200) with a frame 3 pixels wide and a caption of
    // 22; hidden while minimised, as the window on the taskbar is parked far
    // off screen, it keeps the place it had.
    const Box window{100, 200, 383, 202};
    const Box client{103, 225, 377, 177};
    const auto take = [&](int id) {
        return [&taken, id, window, client] {
            ++taken;
            return Picture{FakeBitmap{id}, {window.width, window.height}, ClientInWindow(window, client)};
        };
    };
    EXPECT_EQ(kept.Current(false, take(1)), nullptr) << "a hidden window drew a picture";
    ASSERT_NE(kept.Current(true, take(2)), nullptr);
    EXPECT_EQ(kept.Current(true, take(0))->bitmap.id, 2) << "a picture that could not be taken was given";
    const Picture* hidden = kept.Current(false, take(3));
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->bitmap.id, 2);
    EXPECT_EQ(hidden->client.left, 3);
    EXPECT_EQ(hidden->client.top, 25);
    EXPECT_EQ(taken, 2) << "a picture was taken of the hidden window";
}

}  // namespace
}  // namespace fortuva
