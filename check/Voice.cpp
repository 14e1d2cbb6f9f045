#include "check/Voice.h"

#include "base/Errors.h"
#include "app/Main.h"

namespace fortuva {

void TMainForm::Announce(int clip) {
    const std::string digit = DecimalText(clip);
    // Looked up afresh each time, so override files may come and go.
    NativePath override = ProgramFile(digit + ".wav");
    if (s_.Files.FileExists(override)) {
        s_.Sound.PlayFile(override);
        return;
    }
    const std::string resource = "LUSEMI" + digit;
    if (!s_.Sound.PlayEmbedded(resource)) throw Exception(resource + " リソースが見つかりません");
}

}  // namespace fortuva
