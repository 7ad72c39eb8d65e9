// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/tr.h"
#include "platform/control.h"
#include "platform/design.h"

namespace ventrose::platform {

class Runtime;

// What a control does on its events. Bound once by the window that owns the form; the
// bindings outlive the controls, which are made anew from the design at every load. The
// elements of a control array share one set, which receives the element's row (from 1).
struct ControlHandlers {
    std::function<void()> change;
    std::function<void()> click;
    std::function<void(int& keyAscii)> keyPress;
    std::function<void(int index)> rowChange;
    std::function<void(int index)> rowClick;
    std::function<void(int index, int& keyAscii)> rowKeyPress;
    std::function<void()> gotFocus;
    std::function<void(int index)> rowGotFocus;
    std::function<void()> lostFocus;
    std::function<void(int index)> rowLostFocus;
    std::function<void(int& keyCode, int shift)> keyDown;
    std::function<void(int index, int& keyCode, int shift)> rowKeyDown;
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

    // The window's width in twips: the design's at each load. Window code widens it to make
    // room for what it shows only at a person's choice (the log's optional columns); the views
    // follow.
    int width() const { return width_; }
    void setWidth(int width);

    // The control of that name, for names that arrive from outside the window's code (scenario
    // files, the soak, tests); an unknown name is std::out_of_range. Window code holds typed
    // references instead (platform/control_ref.h).
    Control& operator[](std::string_view name) const;
    Control* find(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // The loaded control of design row `row`; asking while the form is not loaded is a
    // programming error (std::logic_error).
    Control& controlAt(std::size_t row) const;
    // Element `index` (from 1) of the control array of design row `row`; an index outside
    // 1..rows is std::out_of_range, as for a name that is not there.
    Control& elementAt(std::size_t row, int index) const;
    // The design row of the control of that name and one of those kinds, a single control or
    // an array as asked; anything else fails with std::logic_error naming the form and the
    // control.
    std::size_t designRow(std::string_view name, std::initializer_list<ControlKind> kinds,
                          bool array = false) const;

    // The control that has the keyboard focus as far as the model knows: where a person last
    // put it (Focus, or typing in a box) or where window code moved it; null at each load.
    Control* focused() const { return focused_; }
    // Window code moves the focus: the views follow, and the control's GotFocus runs when the
    // focus was elsewhere.
    void setFocus(Control& control);
    // The focus arrives at `control` (a person's action): if it was elsewhere, the LostFocus of
    // the control it leaves runs, then the GotFocus of `control`.
    void focusArrived(Control& control);

    // Asked before a person's close request unloads the window (close box, Escape): false keeps
    // it open, as when a person cancels the saving of unsaved work.
    void onQueryUnload(std::function<bool()> handler) { queryUnload_ = std::move(handler); }
    bool queryUnload();

    void onLoad(std::function<void()> handler) { load_ = std::move(handler); }
    void onUnload(std::function<void()> handler) { unload_ = std::move(handler); }
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }  // the bare window
    // The language changed while the window is loaded (its design's captions have already
    // followed): the window writes again, in the new language, every text its code writes, and
    // carries typed numbers over to the new decimal mark. `previous` is the language before.
    void onLanguageChange(std::function<void(common::Language previous)> handler) {
        languageChange_ = std::move(handler);
    }
    // A file a person dropped onto the window, by its path. A window without this handler
    // takes no files: its views refuse a drag over it.
    void onDropFile(std::function<void(const std::string& path)> handler) {
        dropFile_ = std::move(handler);
    }
    bool takesDroppedFiles() const { return static_cast<bool>(dropFile_); }
    // Bindings by design row (as typed references bind them) or by name; a name that the
    // design lacks fails at once with std::logic_error.
    void onChange(std::size_t row, std::function<void()> handler);
    void onClick(std::size_t row, std::function<void()> handler);
    void onKeyPress(std::size_t row, std::function<void(int&)> handler);
    // The same for the elements of a control array, each told the element's row.
    void onRowChange(std::size_t row, std::function<void(int)> handler);
    void onRowClick(std::size_t row, std::function<void(int)> handler);
    void onRowKeyPress(std::size_t row, std::function<void(int, int&)> handler);
    void onGotFocus(std::size_t row, std::function<void()> handler);
    void onRowGotFocus(std::size_t row, std::function<void(int)> handler);
    void onLostFocus(std::size_t row, std::function<void()> handler);
    void onRowLostFocus(std::size_t row, std::function<void(int)> handler);
    void onKeyDown(std::size_t row, std::function<void(int&, int)> handler);
    void onRowKeyDown(std::size_t row, std::function<void(int, int&, int)> handler);
    void onChange(std::string_view control, std::function<void()> handler);
    void onClick(std::string_view control, std::function<void()> handler);
    void onKeyPress(std::string_view control, std::function<void(int&)> handler);

    // Dispatch, each doing nothing once the application has ended.
    void fireChange(const Control& control);
    void fireClick(const Control& control);
    void fireKeyPress(const Control& control, int& keyAscii);
    void fireKeyDown(const Control& control, int& keyCode, int shift);
    void fireFormClick();
    void fireDropFile(const std::string& path);

private:
    friend class Runtime;
    void createControls();
    void destroyControls();
    void fireLoad();
    void fireUnload();
    void fireLanguageChange(common::Language previous);
    const ControlHandlers* handlersOf(const Control& control) const;

    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };

    Runtime& runtime_;
    const FormDesign& design_;
    std::string caption_;
    int width_;
    bool loaded_ = false;
    bool unloading_ = false;
    std::vector<std::unique_ptr<Control>> controls_;  // design order, an array's elements together
    std::vector<std::size_t> firstOf_;                // by design row: its first in controls_
    std::unordered_map<std::string, Control*, NameHash, std::equal_to<>> byName_;
    std::vector<ControlHandlers> handlers_;  // by design row
    std::function<void()> load_, unload_, click_;
    std::function<bool()> queryUnload_;
    std::function<void(common::Language)> languageChange_;
    std::function<void(const std::string&)> dropFile_;
    Control* focused_ = nullptr;
};

}  // namespace ventrose::platform
