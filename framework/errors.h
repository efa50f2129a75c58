#pragma once
#include <stdexcept>
#include <string>

namespace vc {

// The program's errors; messages are CP932, shown in the application's error box.
class Exception : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class EIniFileException : public Exception {
  public:
    using Exception::Exception;
};
class EFCreateError : public Exception {
  public:
    using Exception::Exception;
};
class EWriteError : public Exception {
  public:
    using Exception::Exception;
};
class EJPEG : public Exception {
  public:
    using Exception::Exception;
};
class EOutOfResources : public Exception {
  public:
    using Exception::Exception;
};

// A stored layout that cannot be built: names the line and what is wrong with it.
class ELayoutError : public Exception {
  public:
    ELayoutError(int line, const std::string& what)
        : Exception("layout line " + std::to_string(line) + ": " + what), line_(line) {}
    int Line() const { return line_; }

  private:
    int line_;
};

}  // namespace vc
