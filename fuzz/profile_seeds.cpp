// Seeds for fuzz_profile from the differential cases: each case's file with its operations, as
// it is and rewritten by the engine first, and the file alone for the clock's round trip. Usage:
// profile_seeds CASES_FOLDER OUT_FOLDER
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "fuzz/profile_input.h"
#include "tests/profile/case_runner.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CASES_FOLDER OUT_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path out = argv[2];
        std::filesystem::create_directories(out);
        for (const vc::profile_cases::Case& c : vc::profile_cases::LoadCases(argv[1])) {
            vc::fuzz::ProfileInput input{c.file.value_or(""), false, false, {}};
            for (const vc::profile_cases::Operation& op : c.operations) {
                using Kind = vc::profile_cases::Operation::Kind;
                const auto kind = op.kind == Kind::Get     ? vc::fuzz::ProfileOp::Kind::Get
                                  : op.kind == Kind::Write ? vc::fuzz::ProfileOp::Kind::Write
                                                           : vc::fuzz::ProfileOp::Kind::Flush;
                input.ops.push_back({kind, op.section, op.key, op.text});
            }
            std::ofstream(out / c.name, std::ios::binary) << vc::fuzz::EncodeProfileInput(input);
            input.rewriteFirst = true;
            std::ofstream(out / (c.name + ".rewritten"), std::ios::binary)
                << vc::fuzz::EncodeProfileInput(input);
            input.scripted = true;
            std::ofstream(out / (c.name + ".file"), std::ios::binary)
                << vc::fuzz::EncodeProfileInput(input);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
