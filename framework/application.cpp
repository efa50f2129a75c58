#include "framework/application.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "framework/file_path.h"

namespace vc {

std::string ApplicationTitle(std::string_view programPath, LeadByteTest isLeadByte) {
    std::string_view name = FileNameOf(programPath, isLeadByte);
    name = name.substr(0, name.find('.'));  // "." is never a trail byte
    std::string title(name);
    for (std::size_t i = title.empty() ? 0 : CharacterSize(title, 0, isLeadByte);
         i < title.size();) {
        const std::size_t size = CharacterSize(title, i, isLeadByte);
        if (size == 1) {
            title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
        }
        i += size;
    }
    return title;
}

PiecedText ErrorBoxText(PiecedText message) {
    const std::string bytes = Joined(message);
    if (!bytes.empty() && static_cast<unsigned char>(bytes.back()) > '.') {
        message.push_back({".", CodePage::Cp932});
    }
    return message;
}

std::string ErrorBoxText(std::string_view cp932Message) {
    return Joined(ErrorBoxText(PiecedText{{std::string(cp932Message), CodePage::Cp932}}));
}

void TApplication::DispatchFor(const TComponent& source, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        openErrorBoxes_.push_back(&source);
        struct Closed {
            std::vector<const TComponent*>& open;
            ~Closed() { open.pop_back(); }
        } closed{openErrorBoxes_};
        ShowException(error);
    }
}

bool TApplication::ErrorBoxOpenFor(const TComponent& source) const {
    return std::find(openErrorBoxes_.begin(), openErrorBoxes_.end(), &source) !=
           openErrorBoxes_.end();
}

void TApplication::ShowException(const std::exception& error) {
    const auto* own = dynamic_cast<const Exception*>(&error);
    PiecedText message = own != nullptr ? own->Pieces() : PiecedText{{error.what()}};
    system_.ShowErrorBox(ErrorBoxText(std::move(message)), title_);
}

}  // namespace vc
