#include <windows.h>

#include <memory>

#include "framework/application.h"
#include "framework/resources.h"
#include "framework/seam/process_start.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window_system.h"
#include "window/form_vt555.h"

namespace {

class Win32ProcessStart : public vc::ProcessStart {
  public:
    void FailCriticalErrorsQuietly() override {
        SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS);
    }
    // Looked up at run time, as Windows 7 has it only with an update.
    void LoadDllsOnlyFromTheSystemFolder() override {
        using SetDirectories = BOOL(WINAPI*)(DWORD);
        const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        const auto set = reinterpret_cast<SetDirectories>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
        if (set != nullptr) {
            set(LOAD_LIBRARY_SEARCH_SYSTEM32);
        }
    }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Win32ProcessStart start;
    vc::BeginProcess(start);
    // One clock per desktop: a later start raises the first and ends.
    vc::SingleInstance single;
    if (!single.TakeFirstPlace()) {
        return 0;
    }
    std::unique_ptr<vc::Win32WindowSystem> made;
    try {
        made = std::make_unique<vc::Win32WindowSystem>(instance);
    } catch (const std::exception& error) {
        // No windows, so no error box of the program's own: the system's plain one.
        MessageBoxW(nullptr, vc::Cp932ToWide(error.what()).c_str(), L"VeltriaClock",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
    vc::Win32WindowSystem& system = *made;
    vc::Win32Shell shell(system.ApplicationWindow());
    vc::TApplication application(system,
                                 vc::ApplicationTitle(shell.ProgramPath(), shell.PathLeadByte()));
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
