// The main window TMainForm: every control of the program, its private
// state, and all behaviour as event handlers. Plain C++: the window layer
// hands it its controls and the platform services, and forwards events.
// The handlers live beside this file, each file named for what it does;
// Main.cpp holds start-up. The window's controls and texts are described as
// data beside them (MainLayout, MainTexts).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "about/Shell.h"
#include "about/VersionInfo.h"
#include "app/Application.h"
#include "app/Keys.h"
#include "base/Controls.h"
#include "base/FileSystem.h"
#include "base/Platform.h"
#include "check/PrizeCheck.h"
#include "check/Voice.h"
#include "numbers/OpenFile.h"

namespace fortuva {

// The controls of the main window, created by the window layer. The slots
// and the group boxes are held by the index of their role, so that the
// window layer fills them from that index and none can take another's place.
struct TMainFormControls {
    TWindow& Form;
    TEdit& Edit1;
    // The winning numbers by slot, in file order.
    std::array<TEdit*, kSlotCount> Slots;
    // The group boxes by prize class, whose captions name the classes.
    std::array<TGroupBox*, kPrizeCount> GroupBoxes;
    TLabel& Label2;
    TCheckBox& CheckBox1;
    TPanel& Panel2;
    TTimer& Timer;
    TOpenDialog& OpenDialog1;
    TImage& Icon;
    TLabel& L01;
    TLabel& LMail;
    TLabel& LURL;
    TLabel& LMail1;
    TLabel& LURL1;
};

struct TMainFormServices {
    IPlatform& Platform;
    IFileSystem& Files;
    TApplication& Application;
    ISoundPlayer& Sound;
    IVersionApi& Version;
    IShell& Shell;
};

class TMainForm {
public:
    TMainForm(const TMainFormControls& controls, const TMainFormServices& services);

    // Start-up's first step, the beep and the notice: before the window is
    // even made, so that the notice comes at once.
    static void ShowNotice(IPlatform& platform);
    // The rest of start-up, run once before the window is first shown.
    void FormCreate();

    // Fills the winning-number slots from a file.
    void LoadFile(const NativePath& path);

    // The entry box's change event, and the check it starts.
    void Edit1Change();
    void Button1Click();

    // The timer's tick: the slot that matched the last entry blinks.
    void TimerTimer();

    // The open-file command.
    void SpeedButton1Click();

    // The about panel: show, hide, and its four links.
    void SpeedButton2Click();
    void Button2Click();
    void LMailMouseEnter(TLabel& link);
    void LMailMouseLeave(TLabel& link);
    void LMailClick(TLabel& link);

    // A key pressed anywhere in the window, the about panel included, before
    // the focused control sees it: Ctrl+O opens a file, F1 shows the about
    // panel, Escape hides it. True when the key ran a command; the control
    // then never sees it.
    bool FormShortcut(TKey key, TShiftState shift);

    const std::string& LastEntry() const { return lastEntry_; }
    const TEdit* BlinkEdit() const { return blinkEdit_; }

private:
    // Starts voice clip N and returns at once.
    void Announce(int clip);
    // The blinking slot returns to its normal colour and the timer stops.
    void StopBlinking();
    // Product label, icon and links, once at start-up.
    void PrepareAboutPanel();
    TComponent* FindComponent(const std::string& name) const;
    void EnableEntry();
    // The program folder, never the working directory, and a file of it.
    NativePath ProgramFolder();
    NativePath ProgramFile(const std::string& name);
    // The caption for a year or a file's name.
    void SetCaptionLabel(const NativePath& label);

    TMainFormControls c_;
    TMainFormServices s_;
    std::vector<TComponent*> components_;
    std::string lastEntry_;
    TEdit* blinkEdit_ = nullptr;
    std::string mailLink_;
    std::string urlLink_;
    std::string mailLink1_;
    std::string urlLink1_;
};

}  // namespace fortuva
