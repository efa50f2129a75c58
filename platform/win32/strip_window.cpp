#include "platform/win32/strip_window.h"

#include <exception>

#include "framework/texts.h"
#include "platform/win32/wide_text.h"

namespace vc {
namespace {

constexpr char kOwnerClass[] = "TApplication";
constexpr char kStripClass[] = "TFormVT555";
constexpr char kCaption[] = "VeltriaClock";
constexpr int kWidth = 175;
constexpr int kHeight = 38;
constexpr UINT_PTR kGameTimer = 1;
// The label grows with its text; the strip clips it.
constexpr RECT kGameLabel{22, 13, kWidth, 13 + 12};
constexpr COLORREF kFrame = RGB(0x50, 0x58, 0x64);
constexpr COLORREF kBand = RGB(0, 0, 0);
constexpr COLORREF kText = RGB(0xFF, 0xFF, 0xFF);

void RegisterClassNamed(HINSTANCE instance, const char* name, WNDPROC procedure) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

void Fill(HDC dc, RECT area, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

}  // namespace

StripWindow::StripWindow(HINSTANCE instance, const LocalClock& clock, GameLineTicker& ticker)
    : clock_(clock), ticker_(ticker), line_(texts::kDesignedGameCaption.cp932) {
    RegisterClassNamed(instance, kOwnerClass, DefWindowProcA);
    RegisterClassNamed(instance, kStripClass, &StripWindow::Procedure);
    owner_ = CreateWindowExA(0, kOwnerClass, "Veltriaclock", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             instance, nullptr);
    SetWindowLongA(owner_, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        FIXED_PITCH | FF_MODERN, Cp932ToWide(texts::kFontName.cp932).c_str());
    window_ = CreateWindowExA(WS_EX_TOPMOST, kStripClass, kCaption, WS_POPUP, 202, 109, kWidth,
                              kHeight, owner_, nullptr, instance, this);
    SetTimer(window_, kGameTimer, 1, nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

StripWindow::~StripWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    DestroyWindow(owner_);
    DeleteObject(font_);
}

int StripWindow::RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK StripWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StripWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // Nothing may unwind through the system's frames.
    try {
        self->window_ = window;
        return self->Handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        MessageBoxA(window, error.what(), "Veltriaclock", MB_ICONERROR | MB_OK);
        return 0;
    }
}

LRESULT StripWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            OnTimer();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_DESTROY:
            KillTimer(window_, kGameTimer);
            PostQuitMessage(0);
            window_ = nullptr;
            return 0;
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void StripWindow::OnTimer() {
    if (auto line = ticker_.Tick(CalcGameTime(clock_))) {
        line_ = std::move(*line);
        InvalidateRect(window_, &kGameLabel, FALSE);
    }
}

void StripWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window_, &paint);
    // Compose off-screen, reach the screen in one copy.
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    Compose(memory);
    BitBlt(screen, 0, 0, kWidth, kHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window_, &paint);
}

void StripWindow::Compose(HDC dc) const {
    Fill(dc, RECT{0, 0, kWidth, 9}, kFrame);
    Fill(dc, RECT{0, 9, kWidth, 29}, kBand);
    Fill(dc, RECT{0, 29, kWidth, kHeight}, kFrame);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetTextColor(dc, kText);
    SetBkColor(dc, kBand);
    const std::wstring text = Cp932ToWide(line_);
    TextOutW(dc, kGameLabel.left, kGameLabel.top, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc, oldFont);
}

}  // namespace vc
