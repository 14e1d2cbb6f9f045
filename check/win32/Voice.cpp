#include "check/win32/Voice.h"

#include "base/win32/SystemFunctions.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {
namespace {

// Asynchronous, and without SND_NODEFAULT: a clip that cannot be played
// gives the default alert sound instead.
void Play(LPCWSTR sound, UINT flags) {
    sys::sndPlaySoundW(sound, SND_ASYNC | flags);
}

}  // namespace

void Win32SoundPlayer::PlayFile(const NativePath& path) { Play(PathW(path).c_str(), 0); }

bool Win32SoundPlayer::PlayEmbedded(const std::string& resourceName) {
    WideString name = Widen(resourceName);
    HRSRC found = FindResourceW(nullptr, name.c_str(), RT_RCDATA);
    if (!found) return false;
    HGLOBAL handle = LoadResource(nullptr, found);
    if (!handle) return false;
    // The clip's bytes belong to the module and outlive the handle.
    Play(static_cast<LPCWSTR>(LockResource(handle)), SND_MEMORY);
    FreeResource(handle);
    return true;
}

}  // namespace fortuva::win32
