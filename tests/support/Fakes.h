// Plain fakes of the window's controls and of the platform, recording what
// the form does to them in one shared journal, in order.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Main.h"
#include "app/MainTexts.h"

namespace fortuva::test {

using Journal = std::vector<std::string>;

class FakeEdit : public TEdit {
public:
    FakeEdit(std::string name, Journal& journal) : TEdit(std::move(name)), journal_(journal) {}
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override;
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool e) override { enabled = e; }
    TColor Color() const override { return color; }
    void SetColor(TColor c) override;
    void SetFocus() override { focused = true; }

    std::string text;
    bool enabled = false;
    bool focused = false;
    TColor color = TColor::BtnFace;
    // The form's handler for the change event, when this is the entry box.
    std::function<void()> onChange;

private:
    Journal& journal_;
};

class FakeLabel : public TLabel {
public:
    FakeLabel(std::string name, Journal& journal, int tag = 0) : TLabel(std::move(name), tag), journal_(journal) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& c) override;
    void Repaint() override { journal_.push_back("repaint " + Name() + " [" + caption + "]"); }
    void SetLook(TColor color, bool underline, bool hand) override {
        fontColor = color;
        underlined = underline;
        handCursor = hand;
    }

    std::string caption;
    TColor fontColor = TColor::WindowText;
    bool underlined = false;
    bool handCursor = false;

private:
    Journal& journal_;
};

class FakeGroupBox : public TGroupBox {
public:
    FakeGroupBox(std::string name, std::string caption) : TGroupBox(std::move(name)), caption(std::move(caption)) {}
    std::string Caption() const override { return caption; }
    std::string caption;
};

class FakeCheckBox : public TCheckBox {
public:
    using TCheckBox::TCheckBox;
    bool Checked() const override { return checked; }
    bool checked = false;
};

class FakePanel : public TPanel {
public:
    using TPanel::TPanel;
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    void FillParent() override { filling = true; }
    bool visible = false;
    bool filling = false;
};

class FakeImage : public TImage {
public:
    using TImage::TImage;
    void ShowMainIcon() override { showsIcon = true; }
    bool showsIcon = false;
};

// The program's own version resource: one translation, Japanese / 932.
class FakeVersion : public IVersionApi {
public:
    unsigned long InfoSize(const NativePath&) override { return 4; }
    bool ReadInfo(const NativePath&, unsigned long, void*) override { return true; }
    bool QueryValue(const void*, const std::string&, const void** value, unsigned* length) override {
        *value = translation_;
        *length = sizeof(translation_);
        return true;
    }
    bool QueryString(const void*, const std::string& subBlock, std::string* text) override {
        auto found = values.find(subBlock);
        if (found == values.end()) return false;
        *text = found->second;
        return true;
    }
    std::map<std::string, std::string> values{{"\\StringFileInfo\\041103A4\\ProductName", "Fortuva"},
                                              {"\\StringFileInfo\\041103A4\\ProductVersion", "1.23"}};

private:
    unsigned char translation_[4] = {0x11, 0x04, 0xA4, 0x03};
};

class FakeShell : public IShell {
public:
    explicit FakeShell(Journal& journal) : journal_(journal) {}
    void Execute(const std::string& verb, const std::string& target) override {
        journal_.push_back("shell " + verb + " " + target);
    }

private:
    Journal& journal_;
};

class FakeTimer : public TTimer {
public:
    FakeTimer(std::string name, Journal& journal) : TTimer(std::move(name)), journal_(journal) {}
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool e) override;
    bool enabled = false;
    bool failToStart = false;

private:
    Journal& journal_;
};

class FakeWindow : public TWindow {
public:
    // The caption with the label's ASCII as is and any other character as "?";
    // the label itself is kept whole.
    void SetCaption(const std::string& head, const NativePath& l, const std::string& tail) override;
    std::string caption = kWaitingCaption;
    NativePath label;
};

// Stands for the user in front of the file dialog.
class FakeFileDialog : public IFileDialog {
public:
    explicit FakeFileDialog(Journal& journal) : journal_(journal) {}
    bool Execute(OpenDialogState& state) override;
    OpenDialogState shown;           // what the dialog was opened with
    bool cancel = false;
    NativePath choose;
    int chooseFilter = 1;

private:
    Journal& journal_;
};

class FakePlatform : public IPlatform {
public:
    explicit FakePlatform(Journal& journal) : journal_(journal) {}
    void Beep() override { journal_.push_back("beep"); }
    void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    void Sleep(unsigned ms) override { journal_.push_back("sleep " + std::to_string(ms)); }
    int CurrentYear() override { return year; }
    NativePath ExecutablePath() override { return exePath; }

    int year = 2002;
    bool boxesFail = false;  // no message box can be shown
    NativePath exePath = u"C:\\Program Files\\Fortuva\\Fortuva.exe";

private:
    Journal& journal_;
};

// Files held in memory; a file can be made to fail on open or part-way.
class FakeFileSystem : public IFileSystem {
public:
    explicit FakeFileSystem(Journal& journal) : journal_(journal) {}
    bool FileExists(const NativePath& path) override { return files.count(path) != 0; }
    std::unique_ptr<IInputFile> OpenRead(const NativePath& path) override;

    std::map<NativePath, std::string> files;
    unsigned long openError = 0;
    unsigned long readError = 0;
    int openFiles = 0;

private:
    Journal& journal_;
};

class FakeSound : public ISoundPlayer {
public:
    explicit FakeSound(Journal& journal) : journal_(journal) {}
    void PlayFile(const NativePath& path) override {
        journal_.push_back("play file " + std::string(path.begin(), path.end()));
    }
    bool PlayEmbedded(const std::string& name) override {
        if (missing == name) return false;
        journal_.push_back("play " + name);
        return true;
    }
    std::string missing;

private:
    Journal& journal_;
};

// A whole main window of fakes with the form on top.
struct FormFixture {
    FormFixture();
    // Types the text into the entry box, raising its change event.
    void Type(const std::string& text) { edit1.SetText(text); }
    void FillSlots(const std::vector<std::string>& texts);
    // The entry box as a taken file leaves it: window colour, enabled, focused.
    bool EntryReady() const {
        return edit1.color == TColor::Window && edit1.enabled && edit1.focused;
    }
    // Slot i, 0 to 7, in file order.
    FakeEdit& slot(std::size_t i) { return *slots.at(i); }
    const FakeEdit& slot(std::size_t i) const { return *slots.at(i); }
    // Journal entries that start with one of the prefixes, in order.
    std::vector<std::string> Events(const std::vector<std::string>& prefixes) const;

    Journal journal;
    FakeEdit edit1{"Edit1", journal};
    std::vector<std::unique_ptr<FakeEdit>> slots;
    std::vector<std::unique_ptr<FakeGroupBox>> group;  // by prize class
    FakeLabel label2{"Label2", journal};
    FakeCheckBox checkBox1{"CheckBox1"};
    FakePanel panel2{"Panel2"};
    FakeTimer timer{"Timer", journal};
    FakeWindow window;
    FakePlatform platform{journal};
    FakeFileSystem files{journal};
    FakeSound sound{journal};
    FakeFileDialog fileDialog{journal};
    TOpenDialog openDialog1{"OpenDialog1", fileDialog};
    FakeImage icon{"Icon"};
    FakeLabel l01{"L01", journal}, lMail{"LMail", journal, 0}, lUrl{"LURL", journal, 0}, lMail1{"LMail1", journal, 1},
        lUrl1{"LURL1", journal, 1};
    FakeVersion version;
    FakeShell shell{journal};
    TApplication application{platform, "Fortuva"};
    std::unique_ptr<TMainForm> form;
};

}  // namespace fortuva::test
