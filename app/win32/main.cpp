#include <windows.h>

#include "framework/application.h"
#include "framework/resources.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window_system.h"
#include "window/form_vt555.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // One clock per desktop: a second start raises the first and ends.
    if (HWND running = FindWindowA("TFormVT555", "VeltriaClock")) {
        SetForegroundWindow(running);
        return 0;
    }
    vc::Win32WindowSystem system(instance);
    vc::Win32Shell shell(system.ApplicationWindow());
    vc::TApplication application(system, vc::ApplicationTitle(shell.ProgramPath()));
    const vc::Win32LocalClock clock;
    try {
        const vc::LayoutSources sources{vc::Utf8ToCp932, vc::ResourceBytes};
        auto form = vc::CreateFormVT555(application, clock, shell, vc::ResourceBytes("TFORMVT555"),
                                        sources);
        form->Show();
        return system.RunMessageLoop();
    } catch (const std::exception& error) {
        application.ShowException(error);
        return 1;
    }
}
