// The open-file command's dialog and the label a chosen file gives the caption.
#pragma once

#include <string>

#include "base/Controls.h"
#include "base/Text.h"

namespace fortuva {

// What the file-open dialog shows and what it remembers between runs of the
// command: the last chosen file and the filter entry last selected.
struct OpenDialogState {
    std::string Title;
    // Pairs of "shown|pattern", separated by "|".
    std::string Filter;
    std::string DefaultExt;
    NativePath FileName;
    int FilterIndex = 1;  // counted from 1
};

class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // Shows the dialog modally; on OK writes the chosen file and filter into
    // state and returns true.
    virtual bool Execute(OpenDialogState& state) = 0;
};

class TOpenDialog : public TComponent {
public:
    TOpenDialog(std::string name, IFileDialog& dialog);
    // A cancelled dialog leaves the remembered file and filter as they were.
    bool Execute();
    const OpenDialogState& State() const { return state_; }
    const NativePath& FileName() const { return state_.FileName; }

private:
    IFileDialog& dialog_;
    OpenDialogState state_;
};

// The file name after the last "\" or ":", less its extension from the last ".".
NativePath FileLabel(const NativePath& path);

}  // namespace fortuva
