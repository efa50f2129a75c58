// Asks Windows what the journeys cannot see from X: windows by class alone, a dialog's
// texts, child windows, the foreground, the documents folder; posts a message on request,
// or waits until a window's thread has answered one.
// Prints key=value lines (texts as UTF-8); exits 1 when the window asked about is missing.
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "utf8_text.h"

namespace {

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
    std::printf("%s=%s\n", key, bytes.c_str());
}

void PrintWindow(const char* prefix, HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    std::printf("%shwnd=0x%llx\n", prefix,
                static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)));
    std::printf("%sleft=%ld\n%stop=%ld\n", prefix, outer.left, prefix, outer.top);
    std::printf("%swidth=%ld\n%sheight=%ld\n", prefix, outer.right - outer.left, prefix,
                outer.bottom - outer.top);
    std::printf("%svisible=%d\n%sprocess=%lu\n", prefix, IsWindowVisible(window) ? 1 : 0, prefix,
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
        std::printf("found=0\n");
        return 1;
    }
    std::printf("found=1\n");
    PrintWindow("", window);
    PrintLine("title", TextOf(window));
    return 0;
}

// count CLASS: top-level windows of the class, all and visible.
int Count(char** argv) {
    std::printf("count=%zu\n", TopLevel(argv[2], false).size());
    std::printf("visible_count=%zu\n", TopLevel(argv[2], true).size());
    return 0;
}

// menu: the shown popup menu's window; exits 1 while none is shown.
int Menu() {
    const auto shown = TopLevel("#32768", true);
    std::printf("count=%zu\n", shown.size());
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
        std::printf("found=0\n");
        return 1;
    }
    Children search{Wide(argv[4]), {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    std::printf("found=1\ncount=%zu\n", search.found.size());
    for (std::size_t i = 0; i < search.found.size(); ++i) {
        const std::string prefix = "child_" + std::to_string(i) + "_";
        std::printf("child_%zu=0x%llx\n", i,
                    static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(search.found[i])));
        PrintLine((prefix + "class").c_str(), ClassOf(search.found[i]));
        RECT outer{};
        GetWindowRect(search.found[i], &outer);
        std::printf("%srect=%ldx%ld+%ld+%ld\n", prefix.c_str(), outer.right - outer.left,
                    outer.bottom - outer.top, outer.left, outer.top);
        std::printf("%svisible=%d\n", prefix.c_str(), IsWindowVisible(search.found[i]) ? 1 : 0);
    }
    if (!search.found.empty()) {
        std::printf("last=0x%llx\n", static_cast<unsigned long long>(
                                         reinterpret_cast<ULONG_PTR>(search.found.back())));
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
        std::printf("found=0\n");
        return 1;
    }
    std::printf("found=1\n");
    PrintWindow("", dialog);
    PrintLine("title", TextOf(dialog));
    std::vector<std::wstring> texts;
    EnumChildWindows(dialog, CollectTexts, reinterpret_cast<LPARAM>(&texts));
    std::printf("texts=%zu\n", texts.size());
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
        std::printf("found=0\n");
        return 1;
    }
    std::printf("found=1\n");
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
    std::printf("deleted=%d\nbroadcast=%d\n", deleted ? 1 : 0, broadcast ? 1 : 0);
    return deleted && broadcast ? 0 : 1;
}

int Post(char** argv) {
    const BOOL posted =
        PostMessageW(ParseHandle(argv[2]), static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)),
                     static_cast<WPARAM>(std::strtoull(argv[4], nullptr, 0)),
                     static_cast<LPARAM>(std::strtoll(argv[5], nullptr, 0)));
    std::printf("posted=%d\n", posted ? 1 : 0);
    return posted ? 0 : 1;
}

// A window's thread answers a sent message only from its message loop, where Wine first
// reads the X events waiting for it: what the display sent before is then handled.
int Sync(char** argv) {
    DWORD_PTR result = 0;
    const LRESULT answered =
        SendMessageTimeoutW(ParseHandle(argv[2]), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    std::printf("answered=%d\n", answered != 0 ? 1 : 0);
    return answered != 0 ? 0 : 1;
}

int Activate(char** argv) {
    const BOOL done = SetForegroundWindow(ParseHandle(argv[2]));
    std::printf("activated=%d\n", done ? 1 : 0);
    return done ? 0 : 1;
}

int Documents() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) {
        std::printf("found=0\n");
        return 1;
    }
    std::printf("found=1\n");
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

BOOL CALLBACK PrintTop(HWND window, LPARAM) {
    RECT outer{};
    GetWindowRect(window, &outer);
    std::printf("window=0x%llx %s '%s' %ldx%ld+%ld+%ld %s\n",
                static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)),
                Utf8(ClassOf(window)).c_str(), Utf8(TextOf(window)).c_str(),
                outer.right - outer.left, outer.bottom - outer.top, outer.left, outer.top,
                IsWindowVisible(window) ? "visible" : "hidden");
    return TRUE;
}

// list: every top-level window, for a journey's log when something is missing.
int List() {
    EnumWindows(PrintTop, 0);
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: winask find CLASS [TITLE] | count CLASS | menu | children CLASS TITLE "
                 "CHILD_CLASS | dialog TITLE | foreground | post HWND MSG WPARAM LPARAM | "
                 "activate HWND | sync HWND | documents | list | shell-restart HWND ID\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string command = argv[1];
    if (command == "find" && argc >= 3) {
        return Find(argc, argv);
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
    if (command == "sync" && argc == 3) {
        return Sync(argv);
    }
    if (command == "list" && argc == 2) {
        return List();
    }
    if (command == "documents" && argc == 2) {
        return Documents();
    }
    return Usage();
}
