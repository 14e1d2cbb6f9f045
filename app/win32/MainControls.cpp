#include "app/win32/MainControls.h"

#include <commctrl.h>

#include "app/ControlIds.h"
#include "app/MainLayout.h"
#include "app/MainTexts.h"
#include "base/win32/InputMethod.h"
#include "base/win32/LinkLabel.h"
#include "base/win32/ToolButton.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {

struct WindowKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return {L"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::ToolButton: return {kToolButtonClass, 0, 0};
    case ControlKind::Edit: return {L"Edit", WS_DISABLED | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::GroupBox: return {L"Button", BS_GROUPBOX, 0};
    case ControlKind::Frame: return {L"Static", SS_ETCHEDFRAME, 0};
    case ControlKind::ResultLabel: return {L"Static", SS_OWNERDRAW | SS_NOTIFY, 0};
    case ControlKind::CheckBox: return {L"Button", BS_AUTOCHECKBOX, 0};
    // Hidden until the about button shows it.
    case ControlKind::Panel: return {kPanelClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::PushButton: return {L"Button", BS_DEFPUSHBUTTON, 0};
    case ControlKind::Image: return {L"Static", SS_ICON | SS_REALSIZECONTROL, 0};
    case ControlKind::Link: return {kLinkLabelClass, 0, 0};
    case ControlKind::Notice: return {L"Static", SS_LEFT | SS_NOPREFIX, 0};
    }
    return {L"Static", 0, 0};
}

// Frames lie beneath the controls they hold, so that each control paints
// itself and the frames paint around it.
bool LiesBeneath(ControlKind kind) { return kind == ControlKind::GroupBox || kind == ControlKind::Frame; }

HFONT WindowFont(int pixels, int weight) {
    return CreateFontW(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Widen(kFontFace).c_str());
}

}  // namespace

MainControls::MainControls(HINSTANCE instance, HWND main, TOpenDialog& openDialog1, int dpi)
    : instance_(instance),
      main_(main),
      window_(main),
      timer_("Timer", main, kBlinkTimerId, kTimerIntervalMs),
      openDialog1_(openDialog1) {
    // Owned by the main window, which destroys it.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main_, nullptr, instance_,
                               nullptr);

    std::size_t slot = 0, group = 0;
    for (std::size_t i = 0; i < kMainLayoutSize; ++i) {
        const ControlRow& row = kMainLayout[i];
        HWND hwnd = Create(row);
        windows_.push_back(hwnd);
        const std::string name = row.name;
        switch (row.kind) {
        case ControlKind::Edit:
            if (row.id == ids::Edit1) {
                edit1_ = std::make_unique<Win32Edit>(name, hwnd);
                // Typed digits reach the entry box as typed, whatever the
                // input method's state: none would compose them.
                DetachInputMethod(hwnd);
            } else {
                slots_.at(slot++) = std::make_unique<Win32Edit>(name, hwnd);
            }
            break;
        case ControlKind::GroupBox: groups_.at(group++) = std::make_unique<Win32GroupBox>(name, hwnd); break;
        case ControlKind::ResultLabel: label2_ = std::make_unique<AnnouncedLabel>(name, hwnd); break;
        case ControlKind::CheckBox: checkBox1_ = std::make_unique<Win32CheckBox>(name, hwnd); break;
        case ControlKind::Panel:
            panel2_ = hwnd;
            panel2Control_ = std::make_unique<Win32Panel>(name, hwnd);
            break;
        case ControlKind::Image:
            icon_ = std::make_unique<Win32Image>(name, hwnd, Widen(row.resource));
            break;
        case ControlKind::Link: links_.push_back(std::make_unique<Win32Label>(name, hwnd, row.tag)); break;
        case ControlKind::Notice: notice_ = hwnd; break;
        case ControlKind::Label:
            // The product label takes the size of every new caption.
            if (row.id == ids::L01) l01_ = std::make_unique<Win32Label>(name, hwnd, 0, true);
            break;
        case ControlKind::ToolButton:
        case ControlKind::Frame:
        case ControlKind::PushButton: break;
        }
    }
    for (std::size_t i = 0; i < kMainLayoutSize; ++i)
        if (LiesBeneath(kMainLayout[i].kind))
            SetWindowPos(windows_[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DescribeControls();
    LayOut(dpi);
}

MainControls::~MainControls() {
    DeleteObject(font_);
    DeleteObject(boldFont_);
    for (HICON glyph : glyphs_) DestroyIcon(glyph);
}

void MainControls::LayOut(int dpi) {
    // The whole layout follows the font's pixel height at that resolution.
    HFONT font = WindowFont(FontPixelsAt(dpi), FW_NORMAL);
    HFONT boldFont = WindowFont(FontPixelsAt(dpi), FW_BOLD);
    const int glyphSize = ScaledAt(kGlyphPixels, dpi);
    std::vector<HICON> glyphs;
    SendMessageW(main_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (std::size_t i = 0; i < kMainLayoutSize; ++i) {
        const ControlRow& row = kMainLayout[i];
        HWND hwnd = windows_[i];
        const Bounds at = BoundsAt(row, dpi);
        SetWindowPos(hwnd, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
        const bool bold = row.kind == ControlKind::ResultLabel;
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(bold ? boldFont : font), TRUE);
        if (row.kind == ControlKind::Label) FitToText(hwnd);
        if (row.kind == ControlKind::ToolButton) {
            // Drawn for this size, not stretched from another.
            glyphs.push_back(static_cast<HICON>(
                LoadImageW(instance_, Widen(row.resource).c_str(), IMAGE_ICON, glyphSize, glyphSize, 0)));
            SetToolButtonGlyph(hwnd, glyphs.back(), glyphSize);
        }
    }
    // The about panel, when shown, lies over the whole window.
    if (panel2Control_->Visible()) panel2Control_->FillParent();
    icon_->FitIcon();
    // What the controls held before is let go once none holds it.
    if (font_) DeleteObject(font_);
    if (boldFont_) DeleteObject(boldFont_);
    for (HICON glyph : glyphs_) DestroyIcon(glyph);
    font_ = font;
    boldFont_ = boldFont;
    glyphs_ = std::move(glyphs);
}

HWND MainControls::Create(const ControlRow& row) {
    const WindowKind kind = KindOf(row.kind);
    HWND parent = row.parent ? panel2_ : main_;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (row.kind != ControlKind::Panel) style |= WS_VISIBLE;
    if (row.tabStop) style |= WS_TABSTOP;
    // Placed, and given its font, by the layout at the window's resolution.
    HWND hwnd = CreateWindowExW(kind.exStyle, kind.windowClass, Widen(row.text).c_str(), style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance_, nullptr);
    if (row.hint) {
        WideString text = Widen(row.hint);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = main_;
        tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return hwnd;
}

void MainControls::DescribeControls() {
    // The slots by their prize class and place, since every slot's nearest
    // label is the entry box's prompt.
    for (const PrizeClass& prizeClass : kCheckOrder) {
        const std::string className = groups_[prizeClass.prize]->Caption();
        for (std::size_t slot = prizeClass.slots.first; slot <= prizeClass.slots.last; ++slot)
            accessible_.Slot(slots_[slot]->Handle(), SlotName(prizeClass, slot, className));
    }
    accessible_.ToolButton(GetDlgItem(main_, ids::SpeedButton1), kPressAction);
    accessible_.ToolButton(GetDlgItem(main_, ids::SpeedButton2), kPressAction);
    for (const auto& link : links_) accessible_.Link(link->Handle(), kClickAction);
    accessible_.ResultLabel(label2_->Handle());
}

TMainFormControls MainControls::FormControls() {
    TMainFormControls controls{window_, *edit1_,  {},      {},           *label2_,     *checkBox1_, *panel2Control_,
                               timer_,  openDialog1_, *icon_, *l01_,    *links_.at(0), *links_.at(1), *links_.at(2),
                               *links_.at(3)};
    for (std::size_t i = 0; i < kSlotCount; ++i) controls.Slots[i] = slots_[i].get();
    for (std::size_t i = 0; i < kPrizeCount; ++i) controls.GroupBoxes[i] = groups_[i].get();
    return controls;
}

const Win32Edit* MainControls::EditOf(HWND control) const {
    if (edit1_->Handle() == control) return edit1_.get();
    for (const auto& slot : slots_)
        if (slot->Handle() == control) return slot.get();
    return nullptr;
}

Win32Label* MainControls::LinkOf(HWND control) {
    for (const auto& link : links_)
        if (link->Handle() == control) return link.get();
    return nullptr;
}

}  // namespace fortuva::win32
