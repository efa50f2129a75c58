#include "framework/file_path.h"

namespace vc {

std::size_t CharacterSize(std::string_view text, std::size_t at, LeadByteTest isLeadByte) {
    return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

std::size_t LastSeparator(std::string_view path, std::string_view separators,
                          LeadByteTest isLeadByte) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); i += CharacterSize(path, i, isLeadByte)) {
        if (separators.find(path[i]) != std::string_view::npos) {
            last = i;
        }
    }
    return last;
}

std::string_view FileNameOf(std::string_view path, LeadByteTest isLeadByte) {
    const std::size_t separator = LastSeparator(path, "\\/", isLeadByte);
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string_view FolderOf(std::string_view path, LeadByteTest isLeadByte) {
    const std::size_t separator = LastSeparator(path, "\\/", isLeadByte);
    return separator == std::string_view::npos ? std::string_view(".") : path.substr(0, separator);
}

std::string WithExtension(std::string_view path, std::string_view extension,
                          LeadByteTest isLeadByte) {
    // "." is never a trail byte, so the last one found byte by byte is a character.
    const std::size_t dot = path.rfind('.');
    const std::size_t separator = LastSeparator(path, "\\:", isLeadByte);
    const bool hasExtension =
        dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator);
    return std::string(path.substr(0, hasExtension ? dot : path.size())) + std::string(extension);
}

}  // namespace vc
