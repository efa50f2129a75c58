#include "framework/seam/process_start.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vc {
namespace {

struct RecordingStart : ProcessStart {
    void FailCriticalErrorsQuietly() override { calls.push_back("error mode"); }
    void LoadDllsOnlyFromTheSystemFolder() override { calls.push_back("DLL folders"); }
    std::vector<std::string> calls;
};

TEST(BeginProcess, SetsTheErrorModeBeforeAnythingCanLoadADll) {
    RecordingStart start;
    BeginProcess(start);
    EXPECT_EQ(start.calls, (std::vector<std::string>{"error mode", "DLL folders"}));
}

}  // namespace
}  // namespace vc
