#include "fuzz/profile_input.h"

#include <array>
#include <optional>

namespace vc::fuzz {
namespace {

using namespace std::string_literals;

constexpr unsigned kLongText = 0xC0;
constexpr unsigned kNamedText = 0xE0;
constexpr std::size_t kLongestText = 0x1FFF;
// Every operation reads the whole file again, so a few dozen find as much as hundreds.
constexpr std::size_t kMostOps = 32;

const std::array<std::string, 32>& NamedTexts() {
    static const std::array<std::string, 32> texts{
        "",
        "A",
        "a",
        " A\t",
        "B",
        "k",
        "K",
        " k ",
        "j",
        "VeltriaTime",
        "XPos",
        "RealTime",
        "Color",
        "1",
        "FF8000",
        "\"v\"",
        "'v' ",
        "  v  ",
        ";c",
        "a=b",
        "[B]",
        "x]y",
        "\r\n",
        "k\r\nj=1",
        "x\0y"s,
        std::string(3000, 'x'),
        "\"" + std::string(2100, 'y') + "\"",
        "\xE9\x80\x81",
        "\xEF\xBB\xBF",
        "\x1A",
        "=",
        "[",
    };
    return texts;
}

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::optional<unsigned> Byte() {
        if (bytes_.empty()) {
            return std::nullopt;
        }
        const auto byte = static_cast<unsigned char>(bytes_.front());
        bytes_.remove_prefix(1);
        return byte;
    }

    std::optional<std::string> Text() {
        const std::optional<unsigned> first = Byte();
        if (!first) {
            return std::nullopt;
        }
        if (*first >= kNamedText) {
            return NamedTexts()[*first - kNamedText];
        }
        std::size_t length = *first;
        if (*first >= kLongText) {
            const std::optional<unsigned> low = Byte();
            if (!low) {
                return std::nullopt;
            }
            length = (*first - kLongText) << 8 | *low;
        }
        const std::string_view text = bytes_.substr(0, length);
        bytes_.remove_prefix(text.size());
        return std::string(text);
    }

  private:
    std::string_view bytes_;
};

void PutText(std::string& out, std::string_view text) {
    text = text.substr(0, kLongestText);
    if (text.size() < kLongText) {
        out += static_cast<char>(text.size());
    } else {
        out += static_cast<char>(kLongText + (text.size() >> 8));
        out += static_cast<char>(text.size() & 0xFF);
    }
    out += text;
}

}  // namespace

ProfileInput DecodeProfileInput(std::string_view bytes) {
    ProfileInput input;
    const std::size_t mark = bytes.find(kOpsMark);
    input.file = std::string(bytes.substr(0, mark));
    input.scripted = mark == std::string_view::npos;
    if (input.scripted) {
        return input;
    }
    Reader reader(bytes.substr(mark + kOpsMark.size()));
    input.rewriteFirst = (reader.Byte().value_or(0) & 1) != 0;
    while (input.ops.size() < kMostOps) {
        const std::optional<unsigned> kind = reader.Byte();
        if (!kind) {
            break;
        }
        ProfileOp op;
        switch (*kind & 3) {
            case 0:
                op.kind = ProfileOp::Kind::Get;
                break;
            case 3:
                input.ops.push_back(op);
                continue;
            default:
                op.kind = ProfileOp::Kind::Write;
                break;
        }
        std::optional<std::string> section = reader.Text();
        std::optional<std::string> key = reader.Text();
        std::optional<std::string> text = reader.Text();
        if (!text) {
            break;
        }
        op.section = std::move(*section);
        op.key = std::move(*key);
        op.text = std::move(*text);
        input.ops.push_back(std::move(op));
    }
    return input;
}

std::string EncodeProfileInput(const ProfileInput& input) {
    std::string out = input.file;
    if (input.scripted) {
        return out;
    }
    out += kOpsMark;
    out += static_cast<char>(input.rewriteFirst ? 1 : 0);
    for (const ProfileOp& op : input.ops) {
        switch (op.kind) {
            case ProfileOp::Kind::Get:
                out += '\0';
                break;
            case ProfileOp::Kind::Write:
                out += '\1';
                break;
            case ProfileOp::Kind::Flush:
                out += '\3';
                continue;
        }
        PutText(out, op.section);
        PutText(out, op.key);
        PutText(out, op.text);
    }
    return out;
}

}  // namespace vc::fuzz
