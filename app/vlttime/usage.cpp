#include "app/vlttime/usage.h"

namespace vc::vlttime {

std::string_view UsageText() {
    return R"(Usage: vlttime [options]
       vlttime render --out FILE.png [render options]
       vlttime settings FILE.ini
       vlttime alarms FILE.ini [--at "YYYY-MM-DD hh:mm:ss[.mmm]"] [--json]

Prints the VeltriaRune game clock for the local time, as the clock strip shows it:
  555年03月008日  23:56:48
Every real three-hour block of local time (00:00, 03:00, ... 21:00) is one game day.

Options:
  --at "YYYY-MM-DD hh:mm:ss[.mmm]", --at="YYYY-MM-DD hh:mm:ss[.mmm]"
              Use this local time instead of now. The year runs 1601..9999; month, day,
              hour, minute and second take exactly two digits, milliseconds exactly three;
              the date must exist (Gregorian calendar). The weekday follows from the date.
  --12h       12-hour form (am/pm) for the game and real lines; the default is 24-hour.
  --real      Also print the real line (date, weekday, time) on a second line.
  --next      Also print when the game's next dawn (05:00:00) and next dusk (19:00:00)
              begin, strictly after the moment, as local times, and how far away they are:
                next dawn: YYYY-MM-DD hh:mm:ss.mmm (in h:mm:ss.mmm)
                next dusk: YYYY-MM-DD hh:mm:ss.mmm (in h:mm:ss.mmm)
              Dawn begins 0:37:54 and dusk 2:22:54 into every block. Local times are
              counted on the wall clock's calendar: daylight-saving jumps are ignored.
  --json      Print one JSON object (UTF-8) on one line instead, with the game time as
              numbers "month", "day", "hour", "minute", "second", "night" (true or false),
              and the strings "game_line" and "real_line" (the hour form applied). With
              --next also "next_dawn" and "next_dusk" (local times as above) and
              "ms_to_dawn" and "ms_to_dusk" (milliseconds).
  --sjis      Write the game and real lines as raw CP932 (Shift_JIS) bytes instead of
              UTF-8. Not with --json.
  --watch     Keep the output up to date until interrupted (Ctrl+C): the lines are
              rewritten in place whenever the game second changes (every 125 ms of real
              time); with --json, one object per line per change. Not with --at.
  -h, --help  Print this help and exit.

Picture of the strip:
  vlttime render --out FILE.png [--at "YYYY-MM-DD hh:mm:ss[.mmm]"] [--width 175|350]
                 [--12h] [--look normal|over|down]
              Save the strip exactly as the clock shows it (now, or at --at) as a PNG
              picture. The options above do not apply; `vlttime render --help` lists its
              own. "render" must be the first argument. With --settings FILE.ini the
              strip takes its colours, width and hour form from that settings file.

Checking a settings file:
  vlttime settings FILE.ini
              Print, in the order the clock loads them, one line per key as the clock
              would take it: "Section.Key=VALUE" in the form the clock writes it. A key
              whose stored text is not used ends in "  # default: ..." saying why; the
              screenshot folder shows the folder that would be used. A missing file gives
              every default; a file that cannot be read is an error (status 2). The
              alarm times "[Alert] At=" show as taken, each entry left out named with why.

The alerts a settings file switches on:
  vlttime alarms FILE.ini [--at "YYYY-MM-DD hh:mm:ss[.mmm]"] [--json]
              For the moment (now, or --at), the next occurrence of every alert the file
              switches on (dusk, dawn, each alarm time of "[Alert] At="), soonest first:
                alarm 12:00: YYYY-MM-DD hh:mm:ss.mmm (in h:mm:ss.mmm), told YYYY-MM-DD
                hh:mm:ss.mmm (in h:mm:ss.mmm)
              "told" is the moment less the lead ("[Alert] Lead=", real seconds): when the
              clock shows the balloon and starts the button's blink. With --json, one
              object per alert per line: "kind" (dusk, dawn or alarm), "game_time", "at",
              "ms_away", "told", "ms_to_told".

Exit status: 0 on success; 1 when render cannot write its picture; 2 on a usage error
(bad option, bad time, or options that cannot go together), reported in one line on
standard error.
)";
}

}  // namespace vc::vlttime
