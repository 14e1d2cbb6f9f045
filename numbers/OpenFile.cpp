#include "numbers/OpenFile.h"

namespace fortuva {

TOpenDialog::TOpenDialog(std::string name, IFileDialog& dialog) : TComponent(std::move(name)), dialog_(dialog) {
    state_.Title = "開く";
    state_.Filter = "*.txt|*.txt|*.*|*.*";
    state_.DefaultExt = "txt";
}

bool TOpenDialog::Execute() {
    OpenDialogState chosen = state_;
    if (!dialog_.Execute(chosen)) return false;
    state_ = chosen;
    return true;
}

NativePath FileLabel(const NativePath& path) {
    // Paths are UTF-16 here, so no separator can hide inside a character.
    std::size_t separator = path.find_last_of(u"\\:");
    NativePath name = separator == NativePath::npos ? path : path.substr(separator + 1);
    std::size_t dot = name.rfind(u'.');
    return dot == NativePath::npos ? name : name.substr(0, dot);
}

}  // namespace fortuva
