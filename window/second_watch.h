#pragma once

namespace vc {

// A clock line is rebuilt only when its second changes: the new second is remembered
// before the line is built. Starts at 0, so a first tick in second 0 rebuilds nothing.
class SecondWatch {
  public:
    bool Changed(int second) {
        if (second == last_) {
            return false;
        }
        last_ = second;
        return true;
    }

  private:
    int last_ = 0;
};

}  // namespace vc
