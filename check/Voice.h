// The spoken announcements: five clips, each either an override file in the
// program folder or the clip embedded in the executable.
#pragma once

#include <string>

#include "base/Text.h"

namespace fortuva {

// Plays asynchronously; a new sound stops the one still playing, and a clip
// that cannot be played gives the platform's default alert sound.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void PlayFile(const NativePath& path) = 0;
    // False when the executable holds no clip of that name.
    virtual bool PlayEmbedded(const std::string& resourceName) = 0;
};

// The clip numbers: 0 for no prize, otherwise the prize class.
enum VoiceClip { kNoPrizeClip = 0, kFirstClip = 1, kSecondClip = 2, kThirdClip = 3, kFourthClip = 4 };

}  // namespace fortuva
