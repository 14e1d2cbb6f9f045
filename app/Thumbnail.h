// The taskbar's and Alt+Tab's picture of the program is the main window's,
// scaled to the room the system offers; the peek shows its client area
// where it stands, in a frame the system draws.
#pragma once

#include <utility>

namespace fortuva {

struct Extent {
    int width;
    int height;
};

// The picture scaled to fit the room with its proportions kept: never
// larger than it is, never less than a pixel either way.
Extent FitWithin(Extent picture, Extent room);

struct Box {
    int left, top, width, height;
};

// A picture of the whole window, frame and all, and where its client area
// lies in it: the place the peek draws the client area at, inside the
// frame. Both come from the window itself, wherever the system has parked
// the window that carries the taskbar entry.
template <typename Bitmap>
struct WindowPicture {
    Bitmap bitmap{};
    Extent size{};
    Box client{};
    explicit operator bool() const { return static_cast<bool>(bitmap); }
};

// Where the client area lies in a picture of the whole window, from the
// places of both on screen.
Box ClientInWindow(Box window, Box client);

// Windows asks for the picture at any time, also while the program is
// minimised and its window hidden, when it draws nothing: the last picture
// taken while the window was shown then stands in, and so it does when a
// picture cannot be taken.
template <typename Picture>
class KeptPicture {
public:
    // The picture to give, taken afresh by `take` while the window is
    // shown; nullptr before any could be taken.
    template <typename Take>
    const Picture* Current(bool shown, Take take) {
        if (shown) Keep(take());
        return kept_ ? &kept_ : nullptr;
    }
    // A picture taken, kept unless it could not be had.
    void Keep(Picture picture) {
        if (picture) kept_ = std::move(picture);
    }

private:
    Picture kept_{};
};

}  // namespace fortuva
