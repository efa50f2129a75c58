// Counts what a program holds of the system, for the soak: its GDI and USER objects as
// GetGuiResources reports them, its kernel handles, and its windows (top-level and child).
// The process is named by one of its top-level windows: Wine's process ids are not the
// Unix ones that ps shows.
//   guires CLASS CAPTION
// Prints key=value lines; each count but the windows' comes with NAME_error: 0 when the
// system answered, else its error. Exits 1 when no such window exists.
#include <windows.h>

#include <cstdio>

namespace {

struct WindowCount {
    DWORD process;
    long count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM data) {
    auto& counted = *reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == counted.process) {
        ++counted.count;
    }
    return TRUE;
}

BOOL CALLBACK CountTop(HWND window, LPARAM data) {
    CountChild(window, data);
    EnumChildWindows(window, CountChild, data);
    return TRUE;
}

void PrintGuiResources(const char* name, HANDLE process, DWORD kind) {
    SetLastError(0);
    const DWORD count = GetGuiResources(process, kind);
    const DWORD error = count == 0 ? GetLastError() : 0;
    std::printf("%s=%lu\n%s_error=%lu\n", name, count, name, error);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: guires CLASS CAPTION\n");
        return 2;
    }
    HWND window = FindWindowA(argv[1], argv[2]);
    if (window == nullptr) {
        std::printf("found=0\n");
        return 1;
    }
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    std::printf("found=1\npid=%lu\n", id);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, id);
    if (process == nullptr) {
        std::printf("open_error=%lu\n", GetLastError());
        return 1;
    }
    PrintGuiResources("gdi", process, GR_GDIOBJECTS);
    PrintGuiResources("user", process, GR_USEROBJECTS);
    DWORD handles = 0;
    SetLastError(0);
    const BOOL counted = GetProcessHandleCount(process, &handles);
    // Wine answers success and 0 (a stub); a running process always holds some handle.
    const DWORD handlesError =
        !counted ? GetLastError() : (handles == 0 ? ERROR_CALL_NOT_IMPLEMENTED : 0);
    std::printf("handles=%lu\nhandles_error=%lu\n", handles, handlesError);
    WindowCount windows{id, 0};
    EnumWindows(CountTop, reinterpret_cast<LPARAM>(&windows));
    std::printf("windows=%ld\n", windows.count);
    CloseHandle(process);
    return 0;
}
