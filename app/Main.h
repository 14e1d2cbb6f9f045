// The main window TMainForm: every control of the program, its private
// state, and all behaviour as event handlers. Plain C++: the window layer
// hands it its controls and the platform services, and forwards events.
#pragma once

#include <string>
#include <vector>

#include "app/Application.h"
#include "app/Controls.h"
#include "app/Platform.h"
#include "check/Voice.h"
#include "numbers/FileSystem.h"

namespace fortuva {

// The controls of the main window, created by the window layer.
struct TMainFormControls {
    TWindow& Form;
    TEdit& Edit1;
    TEdit& Edit2;
    TEdit& Edit3;
    TEdit& Edit4;
    TEdit& Edit5;
    TEdit& Edit6;
    TEdit& Edit7;
    TEdit& Edit8;
    TEdit& Edit9;
    TGroupBox& GroupBox1;
    TGroupBox& GroupBox2;
    TGroupBox& GroupBox3;
    TGroupBox& GroupBox4;
    TLabel& Label2;
    TCheckBox& CheckBox1;
    TPanel& Panel2;
    TTimer& Timer;
};

struct TMainFormServices {
    IPlatform& Platform;
    IFileSystem& Files;
    TApplication& Application;
    ISoundPlayer& Sound;
};

class TMainForm {
public:
    TMainForm(const TMainFormControls& controls, const TMainFormServices& services);

    // Start-up, run once before the window is first shown.
    void FormCreate();

    // Fills the winning-number slots from a file.
    void LoadFile(const NativePath& path);

    // The entry box's change event, and the check it starts.
    void Edit1Change();
    void Button1Click();

    // The window caption for a year or file label.
    static std::string CaptionFor(const std::string& label);

    const std::string& LastEntry() const { return lastEntry_; }

private:
    // Starts voice clip N and returns at once.
    void Announce(int clip);
    TComponent* FindComponent(const std::string& name) const;
    void EnableEntry();

    TMainFormControls c_;
    TMainFormServices s_;
    std::vector<TComponent*> components_;
    std::string lastEntry_;
};

}  // namespace fortuva
