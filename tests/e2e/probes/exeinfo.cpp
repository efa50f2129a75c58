// Reads back what Windows sees in a program file: its version resource (as Explorer's
// Properties > Details shows it) and its application manifest. Prints key=value lines,
// the manifest last as manifest=<its text on one line>; exits 1 when the file has no
// version resource or no manifest.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(length > 0 ? length - 1 : 0, '\0');
    if (length > 1) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), length, nullptr, nullptr);
    }
    return bytes;
}

bool PrintVersion(const wchar_t* file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
    if (size == 0) {
        return false;
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(file, 0, size, data.data())) {
        return false;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
        std::printf("file_version=%d.%d.%d.%d\n", HIWORD(fixed->dwFileVersionMS),
                    LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                    LOWORD(fixed->dwFileVersionLS));
        std::printf("product_version=%d.%d.%d.%d\n", HIWORD(fixed->dwProductVersionMS),
                    LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
                    LOWORD(fixed->dwProductVersionLS));
    }
    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation)) {
        return false;
    }
    for (const wchar_t* name :
         {L"ProductName", L"FileDescription", L"FileVersion", L"ProductVersion", L"LegalCopyright",
          L"CompanyName", L"OriginalFilename"}) {
        wchar_t path[128];
        swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
                 translation->codePage, name);
        wchar_t* value = nullptr;
        if (VerQueryValueW(data.data(), path, reinterpret_cast<void**>(&value), &length)) {
            std::printf("%s=%s\n", Utf8(name).c_str(), Utf8(value).c_str());
        }
    }
    return true;
}

bool PrintManifest(const wchar_t* file) {
    HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        return false;
    }
    bool found = false;
    if (HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const DWORD size = SizeofResource(module, resource);
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
        if (bytes != nullptr) {
            std::string text(bytes, size);
            for (char& c : text) {
                if (c == '\r' || c == '\n') {
                    c = ' ';
                }
            }
            std::printf("manifest=%s\n", text.c_str());
            found = true;
        }
    }
    FreeLibrary(module);
    return found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: exeinfo FILE\n");
        return 2;
    }
    const bool version = PrintVersion(argv[1]);
    const bool manifest = PrintManifest(argv[1]);
    return version && manifest ? 0 : 1;
}
