#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/text_format.h"

namespace vc {

// The code page a piece of text is in: the program's own texts are CP932; a path or name
// from the system's ANSI functions is in the system's ANSI code page (932 on a Japanese
// Windows, 1252 on a Western one).
enum class CodePage { Cp932, SystemAnsi };

struct TextPiece {
    std::string bytes;
    CodePage codePage = CodePage::Cp932;

    friend bool operator==(const TextPiece&, const TextPiece&) = default;
};

using PiecedText = std::vector<TextPiece>;

inline std::string Joined(const PiecedText& text) {
    std::string bytes;
    for (const TextPiece& piece : text) {
        bytes += piece.bytes;
    }
    return bytes;
}

// The program's errors, shown in the application's error box. what() is the message's
// bytes; Pieces() says which code page each part is in.
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& cp932)
        : std::runtime_error(cp932), pieces_{{cp932, CodePage::Cp932}} {}
    // A CP932 message with a system path or name filled into its "%s".
    Exception(std::string_view cp932Format, std::string_view ansiName)
        : std::runtime_error(FillIn(cp932Format, ansiName)) {
        const std::size_t at = cp932Format.find("%s");
        pieces_ = {{std::string(cp932Format.substr(0, at)), CodePage::Cp932},
                   {std::string(ansiName), CodePage::SystemAnsi}};
        if (at != std::string_view::npos) {
            pieces_.push_back({std::string(cp932Format.substr(at + 2)), CodePage::Cp932});
        }
    }
    const PiecedText& Pieces() const { return pieces_; }

  private:
    PiecedText pieces_;
};

class EIniFileException : public Exception {
  public:
    using Exception::Exception;
};
class EFCreateError : public Exception {
  public:
    using Exception::Exception;
};
class EWriteError : public Exception {
  public:
    using Exception::Exception;
};
class EJPEG : public Exception {
  public:
    using Exception::Exception;
};
class EOutOfResources : public Exception {
  public:
    using Exception::Exception;
};

// A stored layout that cannot be built: names the line and what is wrong with it.
class ELayoutError : public Exception {
  public:
    ELayoutError(int line, const std::string& what)
        : Exception("layout line " + std::to_string(line) + ": " + what), line_(line) {}
    int Line() const { return line_; }

  private:
    int line_;
};

}  // namespace vc
