#pragma once
#include <windows.h>

namespace vc {

// One clock per desktop session. A named mutex decides which of several starts is the
// first, so starts that overlap cannot all pass a window lookup made before any window
// exists. Its name is fixed: like the window lookup, it does not depend on the program
// file's name or folder.
class SingleInstance {
  public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True for the first start. A later start waits a little for the first one's window,
    // brings it to the front and answers false; when the first start ends before it has
    // a window, this start becomes the first.
    bool TakeFirstPlace();

  private:
    HANDLE mutex_ = nullptr;
    bool owned_ = false;
};

}  // namespace vc
