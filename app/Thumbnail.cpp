#include "app/Thumbnail.h"

#include <algorithm>

namespace fortuva {

Extent FitWithin(Extent picture, Extent room) {
    if (picture.width <= 0 || picture.height <= 0 || room.width <= 0 || room.height <= 0) return {1, 1};
    // Scale by the tighter side; in 64 bits, as sizes multiply.
    const long long w = picture.width, h = picture.height;
    long long width = std::min<long long>(w, room.width);
    long long height = width * h / w;
    if (height > room.height) {
        height = std::min<long long>(h, room.height);
        width = height * w / h;
    }
    return {static_cast<int>(std::max(1LL, width)), static_cast<int>(std::max(1LL, height))};
}

Box ClientInWindow(Box window, Box client) {
    return {client.left - window.left, client.top - window.top, client.width, client.height};
}

}  // namespace fortuva
