// Reads the balloons notification icons show: the text, title (UTF-8) and place of each
// visible balloon tooltip, as text_N=, title_N= and rect_N= lines, and count=. Exits 1
// when none is shown. The tooltip belongs to the shell's process.
#include <windows.h>
// commctrl.h after windows.h
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "utf8_text.h"

namespace {

BOOL CALLBACK CollectTips(HWND window, LPARAM context) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == TOOLTIPS_CLASSW && IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    }
    return TRUE;
}

// A block of memory in another process, freed with it.
class RemoteBlock {
  public:
    RemoteBlock(HANDLE process, std::size_t size)
        : process_(process),
          at_(static_cast<char*>(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
    ~RemoteBlock() {
        if (at_ != nullptr) {
            VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
        }
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* At() const { return at_; }
    bool Write(std::size_t offset, const void* data, std::size_t size) const {
        return WriteProcessMemory(process_, at_ + offset, data, size, nullptr) != 0;
    }
    bool Read(std::size_t offset, void* data, std::size_t size) const {
        return ReadProcessMemory(process_, at_ + offset, data, size, nullptr) != 0;
    }

  private:
    HANDLE process_;
    char* at_;
};

constexpr std::size_t kChars = 1024;
constexpr std::size_t kTextAt = 256;  // the structures first, then the text buffer

std::wstring RemoteText(const RemoteBlock& block) {
    std::vector<wchar_t> text(kChars, L'\0');
    block.Read(kTextAt, text.data(), (kChars - 1) * sizeof(wchar_t));
    return text.data();
}

// The title has no window-text message: it is asked for into memory of the tip's process.
// Empty where the tooltip does not answer the request (Wine's does not).
std::wstring TitleOf(HWND tip) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tip, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        return {};
    }
    std::wstring text;
    {
        const RemoteBlock block(process, kTextAt + kChars * sizeof(wchar_t));
        TTGETTITLE title{};
        title.dwSize = sizeof title;
        title.cch = kChars;
        title.pszTitle = reinterpret_cast<WCHAR*>(block.At() + kTextAt);
        const wchar_t none = L'\0';
        if (block.At() != nullptr && block.Write(0, &title, sizeof title) &&
            block.Write(kTextAt, &none, sizeof none)) {
            SendMessageTimeoutW(tip, TTM_GETTITLE, 0, reinterpret_cast<LPARAM>(block.At()),
                                SMTO_ABORTIFHUNG, 5000, nullptr);
            text = RemoteText(block);
        }
    }
    CloseHandle(process);
    return text;
}

// The tip's text by the window-text message, which every system carries across processes.
std::wstring TextOf(HWND tip) {
    std::vector<wchar_t> text(kChars, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(tip, WM_GETTEXT, kChars, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    return text.data();
}

}  // namespace

int main() {
    std::vector<HWND> tips;
    EnumWindows(CollectTips, reinterpret_cast<LPARAM>(&tips));
    int shown = 0;
    for (HWND tip : tips) {
        if ((GetWindowLongW(tip, GWL_STYLE) & TTS_BALLOON) == 0) {
            continue;
        }
        std::printf("text_%d=%s\ntitle_%d=%s\n", shown, Utf8(TextOf(tip)).c_str(), shown,
                    Utf8(TitleOf(tip)).c_str());
        RECT at{};
        GetWindowRect(tip, &at);
        std::printf("rect_%d=%ldx%ld+%ld+%ld\n", shown, at.right - at.left, at.bottom - at.top,
                    at.left, at.top);
        ++shown;
    }
    std::printf("count=%d\n", shown);
    return shown > 0 ? 0 : 1;
}
