#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "framework/component.h"
#include "framework/file_path.h"
#include "framework/seam/window_system.h"

namespace vc {

// The program's title from its file: no folder, nothing from the first "."; the first
// character as it is, the rest in lower case ("VeltriaClock.exe" gives "Veltriaclock").
// Characters, not bytes: the path is in the system's ANSI code page, whose double-byte
// characters (CP932's, on a Japanese Windows) are kept whole.
std::string ApplicationTitle(std::string_view programPath, LeadByteTest isLeadByte = IsLeadByte);

// The error box's text: the message, with "." appended when its last byte sorts after ".".
PiecedText ErrorBoxText(PiecedText message);
std::string ErrorBoxText(std::string_view cp932Message);

// Owner of the forms. Every event runs through its dispatch, which shows what a handler
// throws in the error box; the program then carries on.
class TApplication : public TComponent {
  public:
    TApplication(WindowSystem& system, std::string title)
        : TComponent(nullptr), system_(system), title_(std::move(title)) {}
    const char* ClassName() const override { return "TApplication"; }

    const std::string& Title() const { return title_; }
    WindowSystem& System() const override { return system_; }
    void ShowException(const std::exception& error);

  protected:
    void DispatchFor(const TComponent& source, const std::function<void()>& handler) override;
    bool ErrorBoxOpenFor(const TComponent& source) const override;

  private:
    WindowSystem& system_;
    std::string title_;
    // The components whose events' error boxes are open, the latest last.
    std::vector<const TComponent*> openErrorBoxes_;
};

}  // namespace vc
