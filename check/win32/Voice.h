#pragma once

#include "check/Voice.h"

namespace fortuva::win32 {

class Win32SoundPlayer : public ISoundPlayer {
public:
    void PlayFile(const NativePath& path) override;
    bool PlayEmbedded(const std::string& resourceName) override;
};

}  // namespace fortuva::win32
