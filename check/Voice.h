// The spoken announcements: five clips, each either an override file in the
// program folder or the clip embedded in the executable.
#pragma once

#include <string>

#include "base/FileSystem.h"
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

// The clips are numbered by prize class; this one is for no prize.
constexpr int kNoPrizeClip = 0;

// Starts clip N and returns at once: "N.wav" in the program folder when it
// is there, otherwise the clip the executable holds. Throws when it holds
// no such clip.
void PlayVoiceClip(int clip, const NativePath& programFolder, IFileSystem& files, ISoundPlayer& sound);

}  // namespace fortuva
