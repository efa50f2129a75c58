// Asks Windows what the journeys cannot see from X: windows by class alone, a dialog's
// texts, child windows, the foreground, the documents folder, where a window's painted components
// lie, the monitors; posts a message, moves a window or changes the display's size on request,
// or waits until a window's thread has answered one; starts a program on another desktop.
// Prints key=value lines (texts as UTF-8); exits 1 when the window asked about is missing.
#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "utf8_text.h"

namespace {

// The answer, printed once the command is done: a command asked again (wait) prints only the
// answer it ends with.
std::string answer;

[[gnu::format(gnu_printf, 1, 2)]] void Say(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    char line[4096];
    const int length = std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    answer.append(line, length < 0 ? 0 : std::min<std::size_t>(length, sizeof line - 1));
}

std::wstring TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(length + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

void PrintLine(const char* key, const std::wstring& text) {
    const std::string bytes = Utf8(text);
    Say("%s=%s\n", key, bytes.c_str());
}

void PrintWindow(const char* prefix, HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    Say("%shwnd=0x%llx\n", prefix,
        static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)));
    Say("%sleft=%ld\n%stop=%ld\n", prefix, outer.left, prefix, outer.top);
    Say("%swidth=%ld\n%sheight=%ld\n", prefix, outer.right - outer.left, prefix,
        outer.bottom - outer.top);
    Say("%svisible=%d\n%sprocess=%lu\n", prefix, IsWindowVisible(window) ? 1 : 0, prefix,
        static_cast<unsigned long>(process));
}

struct Search {
    std::wstring className;
    bool visibleOnly = false;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    if (ClassOf(window) == search.className && (!search.visibleOnly || IsWindowVisible(window))) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TopLevel(const char* className, bool visibleOnly) {
    Search search{Wide(className), visibleOnly, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTop(const char* className, const char* title) {
    return FindWindowW(Wide(className).c_str(), title != nullptr ? Wide(title).c_str() : nullptr);
}

HWND ParseHandle(const char* text) {
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::strtoull(text, nullptr, 0)));
}

// find CLASS [TITLE]: the first top-level window of the class (visible ones first).
int Find(int argc, char** argv) {
    HWND window = nullptr;
    if (argc > 3) {
        window = FindTop(argv[2], argv[3]);
    } else {
        const auto visible = TopLevel(argv[2], true);
        const auto all = TopLevel(argv[2], false);
        window = !visible.empty() ? visible.front() : !all.empty() ? all.front() : nullptr;
    }
    if (window == nullptr) {
        Say("found=0\n");
        return 1;
    }
    Say("found=1\n");
    PrintWindow("", window);
    PrintLine("title", TextOf(window));
    return 0;
}

// shown CLASS TITLE: the window, as find tells it; exits 1 unless it is there and visible.
int Shown(char** argv) {
    HWND window = FindTop(argv[2], argv[3]);
    Say("found=%d\n", window != nullptr ? 1 : 0);
    if (window == nullptr) {
        return 1;
    }
    PrintWindow("", window);
    return IsWindowVisible(window) ? 0 : 1;
}

// The window as PrintWindow tells it, with its client size and styles.
void PrintFrame(const char* prefix, HWND window) {
    PrintWindow(prefix, window);
    RECT client{};
    GetClientRect(window, &client);
    Say("%sclient_width=%ld\n%sclient_height=%ld\n", prefix, client.right, prefix, client.bottom);
    Say("%sstyle=0x%08lX\n%sexstyle=0x%08lX\n", prefix,
        static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)), prefix,
        static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
}

// probe CLASS TITLE: the window's frame, client size and styles, and its owner's.
int Probe(char** argv) {
    HWND window = FindTop(argv[2], argv[3]);
    Say("found=%d\n", window != nullptr ? 1 : 0);
    if (window == nullptr) {
        return 1;
    }
    PrintFrame("", window);
    HWND owner = GetWindow(window, GW_OWNER);
    Say("owned=%d\n", owner != nullptr ? 1 : 0);
    if (owner != nullptr) {
        PrintFrame("owner_", owner);
    }
    return 0;
}

// count CLASS: top-level windows of the class, all and visible.
int Count(char** argv) {
    Say("count=%zu\n", TopLevel(argv[2], false).size());
    Say("visible_count=%zu\n", TopLevel(argv[2], true).size());
    return 0;
}

// menu: the shown popup menu's window; exits 1 while none is shown.
int Menu() {
    const auto shown = TopLevel("#32768", true);
    Say("count=%zu\n", shown.size());
    if (shown.empty()) {
        return 1;
    }
    PrintWindow("", shown.front());
    return 0;
}

struct Children {
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Children*>(context);
    if (search.className == L"*" || ClassOf(window) == search.className) {
        search.found.push_back(window);
    }
    return TRUE;
}

// children CLASS TITLE CHILD_CLASS: the window's descendants of a class ("*": any), in
// the order Windows enumerates them.
int ChildrenOf(char** argv) {
    HWND parent = FindTop(argv[2], argv[3]);
    if (parent == nullptr) {
        Say("found=0\n");
        return 1;
    }
    Children search{Wide(argv[4]), {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    Say("found=1\ncount=%zu\n", search.found.size());
    for (std::size_t i = 0; i < search.found.size(); ++i) {
        const std::string prefix = "child_" + std::to_string(i) + "_";
        Say("child_%zu=0x%llx\n", i,
            static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(search.found[i])));
        PrintLine((prefix + "class").c_str(), ClassOf(search.found[i]));
        RECT outer{};
        GetWindowRect(search.found[i], &outer);
        Say("%srect=%ldx%ld+%ld+%ld\n", prefix.c_str(), outer.right - outer.left,
            outer.bottom - outer.top, outer.left, outer.top);
        Say("%svisible=%d\n", prefix.c_str(), IsWindowVisible(search.found[i]) ? 1 : 0);
    }
    if (!search.found.empty()) {
        Say("last=0x%llx\n",
            static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(search.found.back())));
    }
    return 0;
}

BOOL CALLBACK CollectTexts(HWND window, LPARAM context) {
    auto& texts = *reinterpret_cast<std::vector<std::wstring>*>(context);
    if (_wcsicmp(ClassOf(window).c_str(), L"Static") == 0) {
        const std::wstring text = TextOf(window);
        if (!text.empty()) {
            texts.push_back(text);
        }
    }
    return TRUE;
}

// dialog TITLE: a dialog box's title and the texts of its static controls.
int Dialog(char** argv) {
    HWND dialog = FindTop("#32770", argv[2]);
    if (dialog == nullptr) {
        Say("found=0\n");
        return 1;
    }
    Say("found=1\n");
    PrintWindow("", dialog);
    PrintLine("title", TextOf(dialog));
    std::vector<std::wstring> texts;
    EnumChildWindows(dialog, CollectTexts, reinterpret_cast<LPARAM>(&texts));
    Say("texts=%zu\n", texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        PrintLine(("text_" + std::to_string(i)).c_str(), texts[i]);
    }
    if (!texts.empty()) {
        PrintLine("text", texts.front());
    }
    return 0;
}

int Foreground() {
    HWND window = GetForegroundWindow();
    if (window == nullptr) {
        Say("found=0\n");
        return 1;
    }
    Say("found=1\n");
    PrintWindow("", window);
    PrintLine("class", ClassOf(window));
    PrintLine("title", TextOf(window));
    return 0;
}

// post HWND MESSAGE WPARAM LPARAM (numbers in C notation).
// shell-restart HWND ID: what a restart of Explorer does to a program's notification icon:
// the icon (of receiver HWND, identifier ID) is gone, then TaskbarCreated is broadcast to
// the top-level windows.
int ShellRestart(char** argv) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = ParseHandle(argv[2]);
    icon.uID = static_cast<UINT>(std::strtoul(argv[3], nullptr, 0));
    const BOOL deleted = Shell_NotifyIconW(NIM_DELETE, &icon);
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    const BOOL broadcast = PostMessageW(HWND_BROADCAST, taskbarCreated, 0, 0);
    Say("deleted=%d\nbroadcast=%d\n", deleted ? 1 : 0, broadcast ? 1 : 0);
    return deleted && broadcast ? 0 : 1;
}

int Post(char** argv) {
    const BOOL posted =
        PostMessageW(ParseHandle(argv[2]), static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                     static_cast<WPARAM>(std::strtoull(argv[4], nullptr, 0)),
                     static_cast<LPARAM>(std::strtoll(argv[5], nullptr, 0)));
    Say("posted=%d\n", posted ? 1 : 0);
    return posted ? 0 : 1;
}

// A window's thread answers a sent message only from its message loop, where Wine first
// reads the X events waiting for it: what the display sent before is then handled.
//   sync HWND | sync CLASS TITLE | sync-at X Y (the top-level window at that screen point)
int Sync(int argc, char** argv) {
    HWND window = nullptr;
    if (std::strcmp(argv[1], "sync-at") == 0) {
        const POINT point{std::strtol(argv[2], nullptr, 10), std::strtol(argv[3], nullptr, 10)};
        window = GetAncestor(WindowFromPoint(point), GA_ROOT);
    } else {
        window = argc > 3 ? FindTop(argv[2], argv[3]) : ParseHandle(argv[2]);
    }
    if (window == nullptr) {
        Say("found=0\n");
        return 1;
    }
    DWORD_PTR result = 0;
    const LRESULT answered =
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    Say("answered=%d\n", answered != 0 ? 1 : 0);
    if (answered == 0 && !IsWindow(window)) {
        // Gone while asked: a window closing as the keys came, as a journey may mean it to.
        Say("found=0\n");
    }
    return answered != 0 ? 0 : 1;
}

// moving CLASS TITLE: the window's thread is in the system's move or size loop (a drag);
// exits 1 once it is not, or without such a window.
int Moving(char** argv) {
    HWND window = FindTop(argv[2], argv[3]);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (window == nullptr || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        Say("found=0\n");
        return 1;
    }
    const bool moving = (info.flags & GUI_INMOVESIZE) != 0;
    Say("found=1\nmoving=%d\n", moving ? 1 : 0);
    return moving ? 0 : 1;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A quoted layout text ('' stands for a quote) in the half-width cells it takes in CP932,
// the program's code page: a full-width character takes two.
int CellsOf(std::string_view quoted) {
    std::string text;
    for (std::size_t i = 1; i < quoted.size(); ++i) {
        if (quoted[i] == '\'') {
            if (i + 1 < quoted.size() && quoted[i + 1] == '\'') {
                ++i;
            } else {
                break;
            }
        }
        text += quoted[i];
    }
    const std::wstring wide = Wide(text.c_str());
    return WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0,
                               nullptr, nullptr);
}

struct Placed {
    std::string name;
    long left = 0, top = 0, width = -1, height = -1;
    bool hasLeft = false, hasTop = false;
    long originX = 0, originY = 0;  // where the parent's client area starts in the form's
};

// Each named component of the stored layout that has a place, as NAME=WxH+X+Y from the
// window's corner (the client area starts at CLIENT in it; a nested control counts from its
// parent's corner), and NAME_cells for a caption. The form's own Left and Top are where it
// was designed, not where it runs.
void PrintLayout(std::string_view text, POINT client) {
    std::vector<Placed> open;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, newline));
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        if (line.starts_with("object ")) {
            Placed placed;
            const std::string_view header = line.substr(7);
            const std::size_t colon = header.find(':');
            if (colon != std::string_view::npos) {
                placed.name = std::string(Trimmed(header.substr(0, colon)));
            }
            if (open.size() > 1) {
                const Placed& parent = open.back();
                placed.originX = parent.originX + parent.left;
                placed.originY = parent.originY + parent.top;
            }
            open.push_back(placed);
            continue;
        }
        if (open.empty()) {
            continue;
        }
        if (line == "end") {
            const Placed placed = open.back();
            open.pop_back();
            if (!open.empty() && !placed.name.empty() && placed.hasLeft && placed.hasTop &&
                placed.width >= 0 && placed.height >= 0) {
                Say("%s=%ldx%ld+%ld+%ld\n", placed.name.c_str(), placed.width, placed.height,
                    client.x + placed.originX + placed.left,
                    client.y + placed.originY + placed.top);
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string value(Trimmed(line.substr(equals + 1)));
        Placed& placed = open.back();
        if (key == "Left") {
            placed.left = std::strtol(value.c_str(), nullptr, 10);
            placed.hasLeft = true;
        } else if (key == "Top") {
            placed.top = std::strtol(value.c_str(), nullptr, 10);
            placed.hasTop = true;
        } else if (key == "Width") {
            placed.width = std::strtol(value.c_str(), nullptr, 10);
        } else if (key == "Height") {
            placed.height = std::strtol(value.c_str(), nullptr, 10);
        } else if (key == "Caption" && !placed.name.empty() && value.starts_with('\'')) {
            Say("%s_cells=%d\n", placed.name.c_str(), CellsOf(value));
        }
    }
}

// layout CLASS TITLE: the window's place, where its client area starts on the screen, and
// the places of its components as the running program stores them: the layout resource named
// after the window's class, read from the program file of the window's process.
int Layout(char** argv) {
    HWND window = FindTop(argv[2], argv[3]);
    if (window == nullptr) {
        Say("found=0\n");
        return 1;
    }
    Say("found=1\n");
    PrintWindow("", window);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    Say("client_left=%ld\nclient_top=%ld\n", origin.x, origin.y);
    RECT outer{};
    GetWindowRect(window, &outer);
    const POINT client{origin.x - outer.left, origin.y - outer.top};
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    wchar_t path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const BOOL named = process != nullptr && QueryFullProcessImageNameW(process, 0, path, &length);
    if (process != nullptr) {
        CloseHandle(process);
    }
    if (!named) {
        Say("layout_error=no program file (%lu)\n", GetLastError());
        return 1;
    }
    PrintLine("program", path);
    HMODULE program = LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const std::wstring className = Wide(argv[2]);
    // RT_RCDATA (10); the macro names it in the build's narrow character set.
    HRSRC found = program != nullptr
                      ? FindResourceW(program, className.c_str(), MAKEINTRESOURCEW(10))
                      : nullptr;
    HGLOBAL loaded = found != nullptr ? LoadResource(program, found) : nullptr;
    const char* bytes =
        loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) {
        Say("layout_error=no layout resource %s\n", argv[2]);
        return 1;
    }
    PrintLayout(std::string_view(bytes, SizeofResource(program, found)), client);
    FreeLibrary(program);
    return 0;
}

// activate HWND: the window is asked to the front, and the answer waits (up to 5 s) until
// the system says it is there: another process's window comes forward through its own thread.
int Activate(char** argv) {
    HWND window = ParseHandle(argv[2]);
    const BOOL done = SetForegroundWindow(window);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (done && GetForegroundWindow() != window && GetTickCount64() < deadline) {
        Sleep(20);
    }
    Say("activated=%d\n", done ? 1 : 0);
    return done ? 0 : 1;
}

int Documents() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) {
        Say("found=0\n");
        return 1;
    }
    Say("found=1\n");
    PrintLine("path", path);
    // The same folder through its item list, the older way programs ask for it.
    LPITEMIDLIST list = nullptr;
    if (SUCCEEDED(SHGetFolderLocation(nullptr, CSIDL_PERSONAL, nullptr, 0, &list)) &&
        list != nullptr) {
        wchar_t listPath[MAX_PATH] = {};
        if (SHGetPathFromIDListW(list, listPath)) {
            PrintLine("item_list_path", listPath);
        }
        CoTaskMemFree(list);
    }
    return 0;
}

// The name Windows programs know a Unix path by, as Wine's winepath gives it; empty when
// Wine gives none.
std::wstring DosName(const char* unixPath) {
    using Convert = LPWSTR(CDECL*)(LPCSTR);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    wchar_t* name = convert != nullptr ? convert(unixPath) : nullptr;
    if (name == nullptr) {
        return {};
    }
    std::wstring kept = name;
    HeapFree(GetProcessHeap(), 0, name);
    return kept;
}

// dos-path UNIX_PATH
int DosPath(char** argv) {
    const std::wstring name = DosName(argv[2]);
    Say("found=%d\n", name.empty() ? 0 : 1);
    if (name.empty()) {
        return 1;
    }
    PrintLine("path", name);
    return 0;
}

BOOL CALLBACK PrintTop(HWND window, LPARAM) {
    RECT outer{};
    GetWindowRect(window, &outer);
    Say("window=0x%llx %s '%s' %ldx%ld+%ld+%ld %s\n",
        static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)),
        Utf8(ClassOf(window)).c_str(), Utf8(TextOf(window)).c_str(), outer.right - outer.left,
        outer.bottom - outer.top, outer.left, outer.top,
        IsWindowVisible(window) ? "visible" : "hidden");
    return TRUE;
}

// list: every top-level window, for a journey's log when something is missing.
int List() {
    EnumWindows(PrintTop, 0);
    return 0;
}

BOOL CALLBACK CollectIcon(HWND window, LPARAM context) {
    if (ClassOf(window) == L"E2E-TrayIcon") {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    }
    return TRUE;
}

// tray-icons: the icons the stand-in notification area (trayshell) holds, as icon_N_hwnd,
// _owner, _id, _callback, _after_ms (after the area appeared) and _rect; exits 1 while it
// holds none.
int TrayIcons() {
    HWND shell = FindWindowW(L"Shell_TrayWnd", nullptr);
    Say("shell=0x%llx\n", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(shell)));
    std::vector<HWND> icons;
    if (shell != nullptr) {
        EnumChildWindows(shell, CollectIcon, reinterpret_cast<LPARAM>(&icons));
    }
    Say("count=%zu\n", icons.size());
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const auto number = [&](const wchar_t* name) {
            return static_cast<unsigned long long>(
                reinterpret_cast<ULONG_PTR>(GetPropW(icons[i], name)));
        };
        RECT outer{};
        GetWindowRect(icons[i], &outer);
        Say("icon_%zu_hwnd=0x%llx\nicon_%zu_owner=0x%llx\n", i,
            static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(icons[i])), i,
            number(L"owner"));
        Say("icon_%zu_id=%llu\nicon_%zu_callback=%llu\nicon_%zu_after_ms=%llu\n", i, number(L"id"),
            i, number(L"callback"), i, number(L"after_ms"));
        Say("icon_%zu_rect=%ldx%ld+%ld+%ld\n", i, outer.right - outer.left,
            outer.bottom - outer.top, outer.left, outer.top);
    }
    return icons.empty() ? 1 : 0;
}

// click HWND: the pointer is asked to the window's centre, and the left button is pressed
// and released there as the window's own messages tell it: no display needed. x and y are
// where the system then has the pointer.
int Click(char** argv) {
    HWND window = ParseHandle(argv[2]);
    RECT outer{};
    if (!GetWindowRect(window, &outer)) {
        Say("found=0\n");
        return 1;
    }
    const POINT centre{(outer.left + outer.right) / 2, (outer.top + outer.bottom) / 2};
    POINT inside = centre;
    ScreenToClient(window, &inside);
    const LPARAM at = MAKELPARAM(inside.x, inside.y);
    POINT pointer{};
    const BOOL done = SetCursorPos(centre.x, centre.y) && GetCursorPos(&pointer) &&
                      PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
                      PostMessageW(window, WM_LBUTTONUP, 0, at);
    Say("found=1\nx=%ld\ny=%ld\nclicked=%d\n", pointer.x, pointer.y, done ? 1 : 0);
    return done ? 0 : 1;
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
    auto& number = *reinterpret_cast<int*>(context);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& m = info.rcMonitor;
    const RECT& w = info.rcWork;
    Say("monitor_%d=%ldx%ld+%ld+%ld\nmonitor_%d_work=%ldx%ld+%ld+%ld\nmonitor_%d_primary=%d\n",
        number, m.right - m.left, m.bottom - m.top, m.left, m.top, number, w.right - w.left,
        w.bottom - w.top, w.left, w.top, number, (info.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
    ++number;
    return TRUE;
}

// monitors: each monitor as monitor_N=WxH+X+Y (and _work, _primary), in the system's order,
// count, and the virtual screen as desktop=WxH+X+Y.
int Monitors() {
    int count = 0;
    EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, reinterpret_cast<LPARAM>(&count));
    Say("count=%d\ndesktop=%dx%d+%d+%d\n", count, GetSystemMetrics(SM_CXVIRTUALSCREEN),
        GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_XVIRTUALSCREEN),
        GetSystemMetrics(SM_YVIRTUALSCREEN));
    return count > 0 ? 0 : 1;
}

// move HWND X Y: the system moves the window's corner there, as a window manager or another
// program does, without the window asking; left and top are where it then stands.
int Move(char** argv) {
    HWND window = ParseHandle(argv[2]);
    const BOOL moved = SetWindowPos(window, nullptr, std::strtol(argv[3], nullptr, 10),
                                    std::strtol(argv[4], nullptr, 10), 0, 0,
                                    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer{};
    GetWindowRect(window, &outer);
    Say("moved=%d\nleft=%ld\ntop=%ld\n", moved ? 1 : 0, outer.left, outer.top);
    return moved ? 0 : 1;
}

// display-mode WIDTH HEIGHT: the primary display is asked to take that size, as a game
// switching to full screen does; changed=1 when the system took it, else result= is the
// refusal (DISP_CHANGE_*). Every top-level window then hears WM_DISPLAYCHANGE.
int DisplayMode(char** argv) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = std::strtoul(argv[2], nullptr, 10);
    mode.dmPelsHeight = std::strtoul(argv[3], nullptr, 10);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    Say("changed=%d\nresult=%ld\n", result == DISP_CHANGE_SUCCESSFUL ? 1 : 0, result);
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

// on-desktop DESKTOP PROGRAM [ARGS...]: the program (a Unix path) runs on that desktop
// (WINSTATION\DESKTOP) with this program's standard handles; the answer is its exit status.
// A Windows program's desktop is its parent's to choose. No argument may hold a quote or end
// in a backslash.
int OnDesktop(int argc, char** argv) {
    std::wstring command = L"\"" + DosName(argv[3]) + L"\"";
    for (int i = 4; i < argc; ++i) {
        command += L" \"" + Wide(argv[i]) + L"\"";
    }
    std::wstring desktop = Wide(argv[2]);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.data();
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started{};
    // Wine now and then refuses a start on another window station with an internal error
    // (seen once in some thirty journeys); the next try starts it.
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &started)) {
            break;
        }
        const DWORD error = GetLastError();
        std::fprintf(stderr, "winask: cannot start %s on %s (%lu), try %d\n", argv[3], argv[2],
                     error, attempt);
        if (error != ERROR_INTERNAL_ERROR || attempt == 3) {
            return 125;
        }
        Sleep(200);
    }
    CloseHandle(started.hThread);
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hProcess);
    return static_cast<int>(status);
}

int Usage() {
    std::fprintf(
        stderr,
        "usage: winask find CLASS [TITLE] | shown CLASS TITLE | probe CLASS TITLE | "
        "count CLASS | menu | "
        "children CLASS TITLE "
        "CHILD_CLASS | dialog TITLE | foreground | post HWND MSG WPARAM LPARAM | "
        "activate HWND | sync HWND | sync CLASS TITLE | sync-at X Y | moving CLASS TITLE | "
        "documents | list | "
        "shell-restart HWND ID | dos-path UNIX_PATH | tray-icons | click HWND | "
        "layout CLASS TITLE | monitors | move HWND X Y | display-mode WIDTH HEIGHT | "
        "wait SECONDS COMMAND ... | wait-gone SECONDS COMMAND ... "
        "(commands joined by +: in turn) | serve | "
        "on-desktop DESKTOP PROGRAM [ARGS...]\n");
    return 2;
}

int Run(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string command = argv[1];
    if (command == "find" && argc >= 3) {
        return Find(argc, argv);
    }
    if (command == "shown" && argc == 4) {
        return Shown(argv);
    }
    if (command == "probe" && argc == 4) {
        return Probe(argv);
    }
    if (command == "count" && argc == 3) {
        return Count(argv);
    }
    if (command == "menu" && argc == 2) {
        return Menu();
    }
    if (command == "children" && argc == 5) {
        return ChildrenOf(argv);
    }
    if (command == "dialog" && argc == 3) {
        return Dialog(argv);
    }
    if (command == "foreground" && argc == 2) {
        return Foreground();
    }
    if (command == "shell-restart" && argc == 4) {
        return ShellRestart(argv);
    }
    if (command == "post" && argc == 6) {
        return Post(argv);
    }
    if (command == "activate" && argc == 3) {
        return Activate(argv);
    }
    if ((command == "sync" && (argc == 3 || argc == 4)) || (command == "sync-at" && argc == 4)) {
        return Sync(argc, argv);
    }
    if (command == "moving" && argc == 4) {
        return Moving(argv);
    }
    if (command == "layout" && argc == 4) {
        return Layout(argv);
    }
    if (command == "list" && argc == 2) {
        return List();
    }
    if (command == "dos-path" && argc == 3) {
        return DosPath(argv);
    }
    if (command == "documents" && argc == 2) {
        return Documents();
    }
    if (command == "tray-icons" && argc == 2) {
        return TrayIcons();
    }
    if (command == "click" && argc == 3) {
        return Click(argv);
    }
    if (command == "monitors" && argc == 2) {
        return Monitors();
    }
    if (command == "move" && argc == 5) {
        return Move(argv);
    }
    if (command == "display-mode" && argc == 4) {
        return DisplayMode(argv);
    }
    return Usage();
}

// wait SECONDS COMMAND ARGS...: asks again until the command answers (exits 0);
// wait-gone SECONDS COMMAND ARGS...: until it finds nothing (exits 1). One program asking
// many times costs far less than as many programs. Exits 3 when the time is up first.
int Wait(int argc, char** argv) {
    const bool gone = std::strcmp(argv[1], "wait-gone") == 0;
    const ULONGLONG deadline = GetTickCount64() + std::strtoul(argv[2], nullptr, 10) * 1000ull;
    const std::size_t before = answer.size();
    for (;;) {
        answer.resize(before);
        const int status = Run(argc - 2, argv + 2);
        if (status == 2 || (gone ? status == 1 : status == 0)) {
            return gone && status == 1 ? 0 : status;
        }
        if (GetTickCount64() >= deadline) {
            return 3;
        }
        Sleep(50);
    }
}

int RunOrWait(int argc, char** argv) {
    const bool waits =
        argc > 3 && (std::strcmp(argv[1], "wait") == 0 || std::strcmp(argv[1], "wait-gone") == 0);
    return waits ? Wait(argc, argv) : Run(argc, argv);
}

// COMMAND ARGS... [+ COMMAND ARGS...]: the commands in turn, until one fails; its status is
// the answer's. One program doing several costs less than as many programs.
int Answer(std::vector<char*> args) {
    int status = 0;
    for (std::size_t first = 1; first < args.size() && status == 0;) {
        std::size_t end = first;
        while (end < args.size() && std::strcmp(args[end], "+") != 0) {
            ++end;
        }
        // The command's own argument vector, with the program's name before it.
        std::vector<char*> command{args[0]};
        command.insert(command.end(), args.begin() + first, args.begin() + end);
        status = RunOrWait(static_cast<int>(command.size()), command.data());
        first = end + 1;
    }
    return status;
}

// serve: "ready", then one question a line (its arguments separated by tabs), each answer
// followed by "status=N" and a line ".". A journey keeps one such program for all its questions:
// each Windows program started costs Wine a fifth of a second of the machine.
int Serve(char* name) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    // Once this is read, Wine's server and system programs run.
    std::puts("ready");
    std::fflush(stdout);
    std::string line;
    for (int c = std::getchar(); c != EOF; c = std::getchar()) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        std::vector<std::string> words{""};
        for (char character : line) {
            if (character == '\t') {
                words.emplace_back();
            } else {
                words.back().push_back(character);
            }
        }
        std::vector<char*> args{name};
        for (auto& word : words) {
            args.push_back(word.data());
        }
        answer.clear();
        const int status = words.front().empty() ? Usage() : Answer(args);
        std::printf("%sstatus=%d\n.\n", answer.c_str(), status);
        std::fflush(stdout);
        line.clear();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "serve") == 0) {
        return Serve(argv[0]);
    }
    if (argc >= 4 && std::strcmp(argv[1], "on-desktop") == 0) {
        return OnDesktop(argc, argv);
    }
    if (argc < 2) {
        return Usage();
    }
    const int status = Answer(std::vector<char*>(argv, argv + argc));
    std::fputs(answer.c_str(), stdout);
    return status;
}
