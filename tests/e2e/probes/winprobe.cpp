// Asks Windows about a top-level window found by class and caption, for the journeys.
// Prints key=value lines; exits 1 when no such window exists.
#include <windows.h>

#include <cstdio>

namespace {

void PrintWindow(const char* prefix, HWND window) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    std::printf("%sleft=%ld\n%stop=%ld\n", prefix, outer.left, prefix, outer.top);
    std::printf("%swidth=%ld\n%sheight=%ld\n", prefix, outer.right - outer.left, prefix,
                outer.bottom - outer.top);
    std::printf("%sclient_width=%ld\n%sclient_height=%ld\n", prefix, client.right, prefix,
                client.bottom);
    std::printf("%sstyle=0x%08lX\n%sexstyle=0x%08lX\n", prefix, static_cast<unsigned long>(style),
                prefix, static_cast<unsigned long>(exStyle));
    std::printf("%svisible=%d\n", prefix, IsWindowVisible(window) ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: winprobe CLASS CAPTION\n");
        return 2;
    }
    HWND window = FindWindowA(argv[1], argv[2]);
    if (window == nullptr) {
        std::printf("found=0\n");
        return 1;
    }
    std::printf("found=1\n");
    PrintWindow("", window);
    HWND owner = GetWindow(window, GW_OWNER);
    std::printf("owned=%d\n", owner != nullptr ? 1 : 0);
    if (owner != nullptr) {
        PrintWindow("owner_", owner);
    }
    return 0;
}
