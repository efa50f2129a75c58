#pragma once

namespace vc {

// What the process sets for itself before anything else can load a DLL or touch a drive.
class ProcessStart {
  public:
    virtual ~ProcessStart() = default;
    // A drive without a disk (a card reader, an optical drive) fails the call that touched it,
    // and the program's own behaviour follows; the system shows no box of its own.
    virtual void FailCriticalErrorsQuietly() = 0;
    // A DLL lying beside the clock (a downloads folder) is never loaded by the system's DLLs.
    virtual void LoadDllsOnlyFromTheSystemFolder() = 0;
};

// The first thing the program does, in this order: the error mode first, as loading
// (DLLs among it) may already touch a drive.
inline void BeginProcess(ProcessStart& start) {
    start.FailCriticalErrorsQuietly();
    start.LoadDllsOnlyFromTheSystemFolder();
}

}  // namespace vc
