// Control identifiers and window classes of the main window, shared with the
// end-to-end tests that find the controls by them.
#pragma once

namespace fortuva::ids {

constexpr wchar_t kMainWindowClass[] = L"TMainForm";
constexpr wchar_t kApplicationWindowClass[] = L"TApplication";

enum : int {
    Edit1 = 101,  // Edit2 .. Edit9 follow: Edit1 + k - 1
    Edit9 = 109,
    Label1 = 201,
    Label2 = 202,
    GroupBox1 = 301,  // GroupBox2 .. GroupBox4 follow
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
    Bevel1 = 731,  // Bevel2, Bevel3 follow
};

constexpr int EditId(int k) { return Edit1 + k - 1; }
constexpr int GroupBoxId(int k) { return GroupBox1 + k - 1; }

}  // namespace fortuva::ids
