#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// What is thrown, and why:
// - Exception and its named classes below: what a player can meet (a file or folder that
//   cannot be written, a capture the system refuses, a broken layout). The message is the
//   player's, in CP932; the framework's dispatch shows it in the error box.
// - std::logic_error: a component used against its contract (a wrong owner, a missing
//   component): a mistake in the program, caught by its tests, never expected in play.
// - std::runtime_error with an English message: a broken build or developer's machine (an
//   embedded resource, font or picture that cannot be read); vlttime reports it on its
//   error stream, the exe's dispatch would show it like any other.
// - std::bad_alloc: out of memory.
//
// The program's errors, shown in the application's error box. what() is the message's
// bytes; Pieces() says which code page each part is in.
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& cp932) : Exception(PiecedText{{cp932}}) {}
    // A CP932 message with a system path or name filled into its "%s".
    Exception(std::string_view cp932Format, std::string_view ansiName)
        : Exception(FilledIn(cp932Format, ansiName)) {}
    const PiecedText& Pieces() const { return pieces_; }

  private:
    explicit Exception(PiecedText pieces)
        : std::runtime_error(Joined(pieces)), pieces_(std::move(pieces)) {}
    static PiecedText FilledIn(std::string_view cp932Format, std::string_view ansiName) {
        const std::size_t at = cp932Format.find("%s");
        PiecedText pieces{{std::string(cp932Format.substr(0, at)), CodePage::Cp932},
                          {std::string(ansiName), CodePage::SystemAnsi}};
        if (at != std::string_view::npos) {
            pieces.push_back({std::string(cp932Format.substr(at + 2)), CodePage::Cp932});
        }
        return pieces;
    }

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
