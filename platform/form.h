#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/control.h"
#include "platform/design.h"

namespace ventrose::platform {

class Runtime;

// What a control does on its events. Bound once by the window that owns the form; the
// bindings outlive the controls, which are made anew from the design at every load.
struct ControlHandlers {
    std::function<void()> change;
    std::function<void()> click;
    std::function<void(int& keyAscii)> keyPress;
};

// One window: its design, its controls while it is loaded, and its handlers. A window class
// derives from it, keeps its fields as members (they survive unloading: the form object lives
// as long as the application) and binds its handlers in its constructor.
class Form {
public:
    Form(Runtime& runtime, const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Runtime& runtime() const { return runtime_; }
    const FormDesign& design() const { return design_; }
    const std::string& name() const { return design_.name; }
    bool loaded() const { return loaded_; }
    bool unloading() const { return unloading_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // The control of that name; the window asks only for controls of its own design, so an
    // unknown name is a programming error (std::out_of_range), never a person's doing.
    Control& operator[](std::string_view name) const;
    Control* find(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    void onLoad(std::function<void()> handler) { load_ = std::move(handler); }
    void onUnload(std::function<void()> handler) { unload_ = std::move(handler); }
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }  // the bare window
    void onChange(const std::string& control, std::function<void()> handler);
    void onClick(const std::string& control, std::function<void()> handler);
    void onKeyPress(const std::string& control, std::function<void(int&)> handler);

    // Dispatch, each doing nothing once the application has ended.
    void fireChange(const Control& control);
    void fireClick(const Control& control);
    void fireKeyPress(const Control& control, int& keyAscii);
    void fireFormClick();

private:
    friend class Runtime;
    void createControls();
    void destroyControls();
    void fireLoad();
    void fireUnload();
    const ControlHandlers* handlersOf(const Control& control) const;

    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    Runtime& runtime_;
    const FormDesign& design_;
    std::string caption_;
    bool loaded_ = false;
    bool unloading_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, Control*, NameHash, std::equal_to<>> byName_;
    std::unordered_map<std::string, ControlHandlers, NameHash, std::equal_to<>> handlers_;
    std::function<void()> load_, unload_, click_;
};

}  // namespace ventrose::platform
