#include "app/vlttime/run.h"

#include "app/vlttime/alarms_command.h"
#include "app/vlttime/options.h"
#include "app/vlttime/render_command.h"
#include "app/vlttime/report.h"
#include "app/vlttime/settings_command.h"
#include "app/vlttime/usage.h"
#include "app/vlttime/watch.h"

namespace vc::vlttime {

int Run(std::span<const std::string_view> args, const Environment& env) {
    if (!args.empty() && args.front() == kRenderCommand) {
        return RunRender(args.subspan(1), env);
    }
    if (!args.empty() && args.front() == kSettingsCommand) {
        return RunSettings(args.subspan(1), env);
    }
    if (!args.empty() && args.front() == kAlarmsCommand) {
        return RunAlarms(args.subspan(1), env);
    }
    const OptionsParse parse = ParseOptions(args);
    if (!parse.error.empty()) {
        env.err << "vlttime: " << parse.error << '\n';
        return kExitUsage;
    }
    const Options& options = parse.options;
    if (options.help) {
        env.out << UsageText();
    } else if (options.watch) {
        Watch(options, env);
    } else {
        const SystemTime local = options.at ? *options.at : env.clock.Now();
        for (const std::string& line : Report(options, local)) {
            env.out << line << '\n';
        }
    }
    return kExitOk;
}

}  // namespace vc::vlttime
