// The taskbar's and Alt+Tab's picture of the program is the main window's,
// scaled to the room the system offers.
#pragma once

namespace fortuva {

struct Extent {
    int width;
    int height;
};

// The picture scaled to fit the room with its proportions kept: never
// larger than it is, never less than a pixel either way.
Extent FitWithin(Extent picture, Extent room);

}  // namespace fortuva
