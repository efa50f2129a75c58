#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/seam/profile.h"

// The differential cases: parsing, escaping and one shared runner, so that the native engine
// and the Windows functions under Wine print transcripts that can be compared byte for byte.
namespace vc::profile_cases {

struct Operation {
    enum class Kind { Get, Write, Flush };
    Kind kind = Kind::Flush;
    std::string section;
    std::string key;
    std::string text;  // the fallback of a get, the value of a write
};

struct Case {
    std::string name;
    std::optional<std::string> file;  // none: no file at the start
    bool readOnly = false;
    bool missingFolder = false;
    std::vector<Operation> operations;
};

// Throws std::runtime_error on a malformed escape.
std::string Unescape(std::string_view text);
std::string Escape(std::string_view bytes);
// Throws std::runtime_error, naming the line, on a malformed case.
Case ParseCase(std::string name, std::string_view text);

using OpenProfile = std::function<std::unique_ptr<Profile>(const std::filesystem::path& file)>;

// Every *.case file of `folder`, in name order.
std::vector<Case> LoadCases(const std::filesystem::path& folder);
// Each case gets its own file name under `work`: the Windows functions cache files by name.
void RunCase(const Case& c, const std::filesystem::path& work, std::ostream& out,
             const OpenProfile& open);

// The runner programs: CASES WORK OUT. Returns the exit code.
int RunnerMain(int argc, char** argv, const OpenProfile& open);

}  // namespace vc::profile_cases
