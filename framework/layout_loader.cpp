#include "framework/layout_loader.h"

#include <vector>

#include "framework/controls.h"
#include "framework/errors.h"
#include "framework/form.h"
#include "framework/layout_text.h"
#include "framework/menu.h"

namespace vc {
namespace {

class Loader final : public LayoutContext {
  public:
    Loader(TForm& form, const ComponentRegistry& registry, const LayoutSources& sources)
        : form_(form), registry_(registry), sources_(sources) {}

    void Run(std::string_view text);

    TNotifyEvent NotifyHandler(const LayoutValue& name) override {
        TNotifyEvent handler = form_.FindHandler(name.AsIdentifier());
        if (!handler) {
            throw ELayoutError(name.line, "unknown handler " + name.text);
        }
        return handler;
    }

    TMouseEvent MouseHandler(const LayoutValue& name) override {
        TMouseEvent handler = form_.FindMouseHandler(name.AsIdentifier());
        if (!handler) {
            throw ELayoutError(name.line, "unknown handler " + name.text);
        }
        return handler;
    }

    std::string PictureBytes(const LayoutValue& name) override {
        return sources_.picture(name.AsString());
    }

    void Reference(const LayoutValue& name,
                   std::function<void(TComponent& target)> resolve) override {
        references_.push_back({name.line, name.AsIdentifier(), std::move(resolve)});
    }

  private:
    struct Open {
        TComponent* component;
        int line;
    };
    struct PendingReference {
        int line;
        std::string name;
        std::function<void(TComponent&)> resolve;
    };

    void ReadLine(std::string_view text, int line);
    void BeginObject(std::string_view header, int line);
    void SetProperty(std::string_view text, int line);
    void Place(TComponent& component, TComponent& container, int line);
    void Finish(int lastLine);

    TForm& form_;
    const ComponentRegistry& registry_;
    const LayoutSources& sources_;
    std::vector<Open> open_;
    std::vector<TComponent*> created_;
    std::vector<PendingReference> references_;
    bool rootClosed_ = false;
};

void Loader::Run(std::string_view text) {
    int line = 0;
    while (!text.empty() || line == 0) {
        const std::size_t newline = text.find('\n');
        ReadLine(TrimLayoutText(text.substr(0, newline)), ++line);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
    }
    Finish(line);
}

void Loader::ReadLine(std::string_view text, int line) {
    if (text.empty() || text.starts_with("//")) {
        return;
    }
    if (rootClosed_) {
        throw ELayoutError(line, "text after the form's end");
    }
    if (text.starts_with("object ")) {
        BeginObject(TrimLayoutText(text.substr(7)), line);
    } else if (text == "end") {
        if (open_.empty()) {
            throw ELayoutError(line, "end without object");
        }
        open_.pop_back();
        rootClosed_ = open_.empty();
    } else if (open_.empty()) {
        throw ELayoutError(line, "expected \"object\" for the form");
    } else {
        SetProperty(text, line);
    }
}

void Loader::BeginObject(std::string_view header, int line) {
    const std::size_t colon = header.find(':');
    const std::string_view name =
        colon == std::string_view::npos ? "" : TrimLayoutText(header.substr(0, colon));
    const std::string_view kind =
        TrimLayoutText(colon == std::string_view::npos ? header : header.substr(colon + 1));
    if (!IsLayoutName(kind) || (colon != std::string_view::npos && !IsLayoutName(name))) {
        MalformedLayout(line, header);
    }
    if (open_.empty()) {
        if (kind != form_.ClassName()) {
            throw ELayoutError(line, "the form is a " + std::string(form_.ClassName()) +
                                         ", not a " + std::string(kind));
        }
        form_.SetName(std::string(name));
        open_.push_back({&form_, line});
        return;
    }
    if (!name.empty() && form_.FindComponent(name) != nullptr) {
        throw ELayoutError(line, "a second component named " + std::string(name));
    }
    std::unique_ptr<TComponent> made = registry_.Make(kind, form_);
    if (made == nullptr) {
        throw ELayoutError(line, "unknown kind " + std::string(kind));
    }
    TComponent& component = *made;
    component.SetName(std::string(name));
    form_.Adopt(std::move(made));
    Place(component, *open_.back().component, line);
    created_.push_back(&component);
    open_.push_back({&component, line});
}

void Loader::Place(TComponent& component, TComponent& container, int line) {
    auto* control = dynamic_cast<TControl*>(&component);
    auto* parent = dynamic_cast<TWinControl*>(&container);
    auto* item = dynamic_cast<TMenuItem*>(&component);
    auto* menu = dynamic_cast<TPopupMenu*>(&container);
    if (control != nullptr && parent != nullptr) {
        control->SetParent(parent);
    } else if (item != nullptr && menu != nullptr) {
        menu->Add(*item);
    } else if (control != nullptr || item != nullptr || &container != &form_) {
        throw ELayoutError(
            line, std::string(container.ClassName()) + " cannot hold a " + component.ClassName());
    }
}

void Loader::SetProperty(std::string_view text, int line) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        MalformedLayout(line, text);
    }
    const std::string_view name = TrimLayoutText(text.substr(0, equals));
    if (!IsLayoutName(name)) {
        MalformedLayout(line, text);
    }
    const LayoutValue value =
        ParseLayoutValue(TrimLayoutText(text.substr(equals + 1)), line, sources_.toCp932);
    TComponent& component = *open_.back().component;
    bool known = false;
    try {
        known = component.SetProperty(name, value, *this);
    } catch (const ELayoutError&) {
        throw;
    } catch (const std::exception& error) {
        throw ELayoutError(line, std::string(name) + ": " + error.what());
    }
    if (!known) {
        throw ELayoutError(
            line, std::string(component.ClassName()) + " has no property " + std::string(name));
    }
}

void Loader::Finish(int lastLine) {
    if (!open_.empty()) {
        throw ELayoutError(lastLine,
                           "object of line " + std::to_string(open_.back().line) + " has no end");
    }
    if (!rootClosed_) {
        throw ELayoutError(lastLine, "no form in the layout");
    }
    for (const PendingReference& reference : references_) {
        TComponent* target = form_.FindComponent(reference.name);
        if (target == nullptr) {
            throw ELayoutError(reference.line, "no component named " + reference.name);
        }
        reference.resolve(*target);
    }
    for (TComponent* component : created_) {
        component->Loaded();
    }
    form_.Loaded();
}

}  // namespace

void LoadLayout(TForm& form, std::string_view text, const ComponentRegistry& registry,
                const LayoutSources& sources) {
    Loader(form, registry, sources).Run(text);
}

}  // namespace vc
