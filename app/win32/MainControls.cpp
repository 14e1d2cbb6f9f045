#include "app/win32/MainControls.h"

#include <algorithm>

#include "app/ControlIds.h"
#include "app/MainTexts.h"
#include "base/win32/Guard.h"
#include "base/win32/InputMethod.h"
#include "base/win32/LinkLabel.h"
#include "base/win32/ToolButton.h"
#include "base/win32/Window.h"

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
    case ControlKind::ToolButton: return {ToolButton::kClassName, 0, 0};
    case ControlKind::Edit: return {L"Edit", WS_DISABLED | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::GroupBox: return {L"Button", BS_GROUPBOX, 0};
    case ControlKind::Frame: return {L"Static", SS_ETCHEDFRAME, 0};
    case ControlKind::ResultLabel: return {L"Static", SS_OWNERDRAW | SS_NOTIFY, 0};
    case ControlKind::CheckBox: return {L"Button", BS_AUTOCHECKBOX, 0};
    // Hidden until the about button shows it.
    case ControlKind::Panel: return {kPanelClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::PushButton: return {L"Button", BS_DEFPUSHBUTTON, 0};
    case ControlKind::Image: return {L"Static", SS_ICON | SS_REALSIZECONTROL, 0};
    case ControlKind::Link: return {LinkLabel::kClassName, 0, 0};
    case ControlKind::Notice: return {L"Static", SS_LEFT | SS_NOPREFIX, 0};
    }
    return {L"Static", 0, 0};
}

// Frames lie beneath the controls they hold, so that each control paints
// itself and the frames paint around it.
bool LiesBeneath(ControlKind kind) { return kind == ControlKind::GroupBox || kind == ControlKind::Frame; }

OwnedFont WindowFont(int pixels, int weight) {
    return OwnedFont(CreateFontW(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                 Widen(kFontFace).c_str()));
}

}  // namespace

void MainControls::Register(HINSTANCE instance) {
    RegisterWindowClass(instance, kPanelClass, PanelProc);
    ToolButton::Register(instance);
    LinkLabel::Register(instance);
}

LRESULT CALLBACK MainControls::PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&] {
        // The panel's controls report to the main window, like its own children.
        switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return SendMessageW(GetParent(hwnd), message, wParam, lParam);
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    });
}

MainControls::MainControls(HINSTANCE instance, HWND main, TOpenDialog& openDialog1, int dpi)
    : instance_(instance),
      main_(main),
      window_(main, shown_),
      timer_("Timer", main, kBlinkTimerId, kTimerIntervalMs),
      openDialog1_(openDialog1) {
    // Owned by the main window, which destroys it.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main_, nullptr, instance_,
                               nullptr);

    for (std::size_t i = 0; i < kMainLayoutSize; ++i) {
        const ControlRow& row = kMainLayout[i];
        // The program's own controls are objects first, which their windows
        // are made for.
        std::unique_ptr<CustomControl>& custom = customs_.emplace_back();
        if (row.kind == ControlKind::ToolButton) custom = std::make_unique<ToolButton>();
        if (row.kind == ControlKind::Link) custom = std::make_unique<LinkLabel>();
        HWND hwnd = Create(row, custom.get());
        windows_.push_back(hwnd);
        if (row.traits & kTakesNoInputMethod) DetachInputMethod(hwnd);
        if (row.traits & kRedText) redText_.push_back(hwnd);
        const std::string name = row.name;
        switch (row.kind) {
        case ControlKind::Edit: edits_.at(row.id - ids::Edit1) = std::make_unique<Win32Edit>(name, hwnd, shown_); break;
        case ControlKind::GroupBox:
            groups_.at(row.id - ids::GroupBox1) = std::make_unique<Win32GroupBox>(name, hwnd);
            break;
        case ControlKind::ResultLabel: label2_ = std::make_unique<AnnouncedLabel>(name, hwnd, shown_); break;
        case ControlKind::CheckBox: checkBox1_ = std::make_unique<Win32CheckBox>(name, hwnd); break;
        case ControlKind::Panel: panel2_ = std::make_unique<Win32Panel>(name, hwnd, shown_); break;
        case ControlKind::Image: icon_ = std::make_unique<Win32Image>(name, hwnd, Widen(row.resource), shown_); break;
        case ControlKind::Link:
            links_.at(row.id - ids::LMail) =
                std::make_unique<Win32Link>(name, static_cast<LinkLabel&>(*custom), shown_, row.tag);
            break;
        case ControlKind::Label:
            if (row.id == ids::L01)
                l01_ = std::make_unique<Win32Label>(name, hwnd, shown_, 0, row.traits & kSizedToEachCaption);
            break;
        case ControlKind::ToolButton:
        case ControlKind::Frame:
        case ControlKind::PushButton:
        case ControlKind::Notice: break;
        }
    }
    for (std::size_t i = 0; i < kMainLayoutSize; ++i)
        if (LiesBeneath(kMainLayout[i].kind))
            SetWindowPos(windows_[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DescribeControls();
    LayOut(dpi);
}

void MainControls::LayOut(int dpi) {
    // The whole layout follows the font's pixel height at that resolution.
    OwnedFont font = WindowFont(FontPixelsAt(dpi), FW_NORMAL);
    OwnedFont boldFont = WindowFont(FontPixelsAt(dpi), FW_BOLD);
    const ImageSizes sizes = ImageSizesAt(dpi);
    std::vector<OwnedIcon> glyphs;
    SendMessageW(main_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    for (std::size_t i = 0; i < kMainLayoutSize; ++i) {
        const ControlRow& row = kMainLayout[i];
        HWND hwnd = windows_[i];
        const Bounds at = BoundsAt(row, dpi);
        SetWindowPos(hwnd, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
        const bool bold = row.kind == ControlKind::ResultLabel;
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>((bold ? boldFont : font).Get()), TRUE);
        if (row.kind == ControlKind::Label) FitToText(hwnd);
        if (row.kind == ControlKind::ToolButton) {
            // Drawn for this size, not stretched from another.
            glyphs.emplace_back(static_cast<HICON>(
                LoadImageW(instance_, Widen(row.resource).c_str(), IMAGE_ICON, sizes.glyph, sizes.glyph, 0)));
            static_cast<ToolButton&>(*customs_[i]).SetGlyph(glyphs.back().Get(), sizes.glyph);
        }
    }
    // The about panel, when shown, lies over the whole window.
    if (panel2_->Visible()) panel2_->FillParent();
    icon_->SetIconSize(sizes.aboutImage);
    // What the controls held before is let go now that none holds it.
    font_ = std::move(font);
    boldFont_ = std::move(boldFont);
    glyphs_ = std::move(glyphs);
}

HWND MainControls::Create(const ControlRow& row, CustomControl* custom) {
    const WindowKind kind = KindOf(row.kind);
    HWND parent = row.parent ? panel2_->Handle() : main_;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (row.kind != ControlKind::Panel) style |= WS_VISIBLE;
    if (row.tabStop) style |= WS_TABSTOP;
    // Placed, and given its font, by the layout at the window's resolution.
    HWND hwnd = CreateWindowExW(kind.exStyle, kind.windowClass, Widen(row.text).c_str(), style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance_, custom);
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
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        accessible_.NamedText(edits_[1 + slot]->Handle(), SlotAccessibleName(slot));
    for (std::size_t i = 0; i < kMainLayoutSize; ++i) {
        switch (kMainLayout[i].kind) {
        case ControlKind::ToolButton: accessible_.PushButton(windows_[i], kPressAction); break;
        case ControlKind::Link: accessible_.Link(windows_[i], kClickAction); break;
        case ControlKind::ResultLabel: accessible_.LiveText(windows_[i]); break;
        default: break;
        }
    }
}

TMainFormControls MainControls::FormControls() {
    TMainFormControls controls{window_,        *edits_[0], {},        {},        *label2_,  *checkBox1_, *panel2_,
                               timer_,         openDialog1_, *icon_,  *l01_,     *links_[0], *links_[1], *links_[2],
                               *links_[3]};
    for (std::size_t i = 0; i < kSlotCount; ++i) controls.Slots[i] = edits_[1 + i].get();
    for (std::size_t i = 0; i < kPrizeCount; ++i) controls.GroupBoxes[i] = groups_[i].get();
    return controls;
}

bool MainControls::HasRedText(HWND control) const {
    return std::find(redText_.begin(), redText_.end(), control) != redText_.end();
}

const Win32Edit* MainControls::EditById(int id) const {
    const auto index = static_cast<std::size_t>(id - ids::Edit1);
    return id >= ids::Edit1 && index < edits_.size() ? edits_[index].get() : nullptr;
}

Win32Label* MainControls::LinkById(int id) {
    const auto index = static_cast<std::size_t>(id - ids::LMail);
    return id >= ids::LMail && index < links_.size() ? links_[index].get() : nullptr;
}

}  // namespace fortuva::win32
