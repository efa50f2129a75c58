#include "framework/application.h"

#include <cctype>
#include <exception>

#include "framework/text_prefix.h"

namespace vc {

namespace {

// The bytes of the CP932 character that starts at `at`.
std::size_t CharacterSize(std::string_view cp932, std::size_t at) {
    return IsLeadByte(static_cast<unsigned char>(cp932[at])) && at + 1 < cp932.size() ? 2 : 1;
}

// A trail byte may be "\\" or a letter; only whole characters count.
std::string_view FileName(std::string_view path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); i += CharacterSize(path, i)) {
        if (path[i] == '\\' || path[i] == '/') {
            start = i + 1;
        }
    }
    return path.substr(start);
}

}  // namespace

std::string ApplicationTitle(std::string_view programPath) {
    std::string_view name = FileName(programPath);
    name = name.substr(0, name.find('.'));  // "." is never a trail byte
    std::string title(name);
    for (std::size_t i = title.empty() ? 0 : CharacterSize(title, 0); i < title.size();) {
        const std::size_t size = CharacterSize(title, i);
        if (size == 1) {
            title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
        }
        i += size;
    }
    return title;
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}

void TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

void TApplication::ShowException(const std::exception& error) {
    system_.ShowErrorBox(ErrorBoxText(error.what()), title_);
}

}  // namespace vc
