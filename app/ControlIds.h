// Control identifiers and window classes of the main window, shared by the
// window layer and the end-to-end tests that find the controls by them.
#pragma once

#include <cstddef>

namespace fortuva::ids {

constexpr wchar_t kMainWindowClass[] = L"TMainForm";
constexpr wchar_t kApplicationWindowClass[] = L"TApplication";

enum : int {
    Edit1 = 101,
    FirstSlot = 102,  // the slots follow in slot order
    Label1 = 201,
    Label2 = 202,
    GroupBox1 = 301,  // the group boxes follow in prize order
    Panel1 = 401,
    Panel2 = 402,
    CheckBox1 = 501,
    SpeedButton1 = 601,
    SpeedButton2 = 602,
    Button2 = 603,
    L01 = 701,
    Label4 = 704,
    Label5 = 705,
    Label6 = 706,
    Label7 = 707,
    LMail = 711,
    LURL = 712,
    LMail1 = 713,
    LURL1 = 714,
    Icon = 720,
    Bevel1 = 731,
    Bevel2 = 732,
    Bevel3 = 733,
};

// Messages the taskbar's window posts to itself (from WM_APP on): to bring
// the window the user works in forward once an activation has run its
// course, and to tell the window manager, once for a run of changes, that
// the pictures of the window given out so far are out of date.
enum : unsigned {
    kBringForwardMessage = 0x8000,
    kPicturesOutOfDateMessage = 0x8001,
};

// Slot i (0 to 7, in file order) and the group box of prize class index i
// (0 for the first prize).
constexpr int SlotId(std::size_t i) { return FirstSlot + static_cast<int>(i); }
constexpr int GroupBoxId(std::size_t i) { return GroupBox1 + static_cast<int>(i); }

}  // namespace fortuva::ids
