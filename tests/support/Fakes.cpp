#include "tests/support/Fakes.h"

#include <algorithm>
#include <cstring>

#include "base/Errors.h"

namespace fortuva::test {

namespace {
const char* KindName(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information: return "information";
    case MessageKind::Warning: return "warning";
    case MessageKind::Plain: return "plain";
    case MessageKind::Error: return "error";
    }
    return "?";
}

const char* ColorName(TColor color) {
    switch (color) {
    case TColor::BtnFace: return "btnface";
    case TColor::Window: return "window";
    case TColor::WindowText: return "windowtext";
    case TColor::Red: return "red";
    case TColor::Blue: return "blue";
    }
    return "?";
}

class FakeInputFile : public IInputFile {
public:
    FakeInputFile(const std::string& data, FakeFileSystem& owner, unsigned long readError, Journal& journal)
        : data_(data), owner_(owner), readError_(readError), journal_(journal) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        journal_.push_back("read " + std::to_string(size));
        // A failing file fails after its first buffer.
        if (readError_ != 0 && position_ > 0) throw EInOutError(readError_);
        std::size_t n = std::min(size, data_.size() - position_);
        std::memcpy(buffer, data_.data() + position_, n);
        position_ += n;
        return n;
    }
    void Close() override {
        journal_.push_back("close");
        --owner_.openFiles;
    }

private:
    std::string data_;
    FakeFileSystem& owner_;
    unsigned long readError_;
    Journal& journal_;
    std::size_t position_ = 0;
};
}  // namespace

void FakeEdit::SetText(const std::string& t) {
    text = t;
    if (onChange) onChange();
}

void FakeEdit::SetColor(TColor c) {
    color = c;
    journal_.push_back("color " + Name() + " " + ColorName(c));
}

void FakeLabel::SetCaption(const std::string& c) {
    caption = c;
    journal_.push_back("label " + Name() + " [" + c + "]");
}

void FakeTimer::SetEnabled(bool e) {
    if (e && failToStart) throw Exception(kCannotStartTimer);
    if (e != enabled) journal_.push_back(e ? "timer on" : "timer off");
    enabled = e;
}

void FakePlatform::ShowMessage(MessageKind kind, const std::string& title, const std::string& text) {
    if (boxesFail) throw Exception(kCannotShowMessage);
    journal_.push_back(std::string("dialog ") + KindName(kind) + " {" + title + "} " + text);
}

std::unique_ptr<IInputFile> FakeFileSystem::OpenRead(const NativePath& path) {
    if (openError != 0) throw EInOutError(openError);
    journal_.push_back("open");
    ++openFiles;
    return std::make_unique<FakeInputFile>(files.at(path), *this, readError, journal_);
}

void FakeWindow::SetCaption(const std::string& head, const NativePath& l, const std::string& tail) {
    label = l;
    caption = head;
    for (char16_t c : l) caption += c < 0x80 ? static_cast<char>(c) : '?';
    caption += tail;
}

bool FakeFileDialog::Execute(OpenDialogState& state) {
    journal_.push_back("file dialog");
    shown = state;
    // A dialog may scribble on its state even when cancelled.
    state.FileName = choose;
    state.FilterIndex = chooseFilter;
    return !cancel;
}

FormFixture::FormFixture() {
    TMainFormControls controls{window, edit1, {}, {}, label2, checkBox1, panel2, timer, openDialog1, icon,
                               l01, lMail, lUrl, lMail1, lUrl1};
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        slots.push_back(std::make_unique<FakeEdit>(SlotControlName(i), journal));
        controls.Slots[i] = slots[i].get();
    }
    for (std::size_t i = 0; i < kPrizeCount; ++i) {
        group.push_back(std::make_unique<FakeGroupBox>("GroupBox" + std::to_string(i + 1), kPrizeCaptions[i]));
        controls.GroupBoxes[i] = group[i].get();
    }
    form = std::make_unique<TMainForm>(controls, TMainFormServices{platform, files, application, sound, version, shell});
    edit1.onChange = [this] { form->Edit1Change(); };
}

void FormFixture::FillSlots(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) slot(i).text = texts[i];
}

std::vector<std::string> FormFixture::Events(const std::vector<std::string>& prefixes) const {
    std::vector<std::string> out;
    for (const std::string& entry : journal)
        for (const std::string& prefix : prefixes)
            if (entry.compare(0, prefix.size(), prefix) == 0) {
                out.push_back(entry);
                break;
            }
    return out;
}

}  // namespace fortuva::test
