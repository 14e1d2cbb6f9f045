#include "check/Voice.h"

#include "base/Errors.h"
#include "resources/ResourceNames.h"

namespace fortuva {

void PlayVoiceClip(int clip, const NativePath& programFolder, IFileSystem& files, ISoundPlayer& sound) {
    const std::string digit = DecimalText(clip);
    // Looked up afresh each time, so override files may come and go.
    NativePath override = programFolder + AsciiPath(digit + ".wav");
    if (files.FileExists(override)) {
        sound.PlayFile(override);
        return;
    }
    const std::string resource = RES_VOICE_CLIP_PREFIX + digit;
    if (!sound.PlayEmbedded(resource)) throw Exception(resource + " リソースが見つかりません");
}

}  // namespace fortuva
