#include "app/vlttime/watch.h"

#include <string>
#include <vector>

#include "app/vlttime/report.h"
#include "clock/game_phases.h"
#include "clock/game_time.h"

namespace vc::vlttime {
namespace {

constexpr std::string_view kClearToEndOfLine = "\x1b[K";

using Lines = std::vector<std::string>;

std::string JoinLines(const Lines& lines, std::string_view eachLineStart) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += i == 0 ? "" : "\n";
        text += eachLineStart;
        text += lines[i];
    }
    return text;
}

// The cursor rests at the end of the block's last line.
std::string Redraw(const Lines& lines) {
    std::string text = "\r";
    if (lines.size() > 1) {
        text += "\x1b[" + std::to_string(lines.size() - 1) + "A";
    }
    return text + JoinLines(lines, kClearToEndOfLine);
}

class Screen {
  public:
    Screen(const Options& options, std::ostream& out) : json_(options.json), out_(out) {}

    void Show(const Lines& lines) {
        if (json_) {
            out_ << lines.front() << '\n';
        } else {
            out_ << (last_.empty() ? JoinLines(lines, "") : Redraw(lines));
        }
        out_.flush();
        last_ = lines;
    }

    // Redrawing also wipes whatever the terminal echoed for Ctrl+C.
    void Finish() {
        if (!json_) {
            out_ << Redraw(last_) << '\n';
        }
        out_.flush();
    }

  private:
    bool json_;
    std::ostream& out_;
    Lines last_;
};

}  // namespace

void Watch(const Options& options, const Environment& env) {
    Screen screen(options, env.out);
    SystemTime now = env.clock.Now();
    GameTime shown = CalcGameTime(now);
    screen.Show(Report(options, now));
    while (true) {
        env.sleeper.SleepMs(RealMsToNextGameSecond(now));
        if (env.stopRequested()) {
            break;
        }
        now = env.clock.Now();
        const GameTime game = CalcGameTime(now);
        if (game != shown) {
            shown = game;
            screen.Show(Report(options, now));
        }
    }
    screen.Finish();
}

}  // namespace vc::vlttime
