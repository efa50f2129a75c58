#include "framework/application.h"

#include <cctype>
#include <exception>

namespace vc {

std::string ApplicationTitle(std::string_view programPath) {
    const std::size_t slash = programPath.find_last_of("\\/");
    std::string_view name =
        slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i) {
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
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
