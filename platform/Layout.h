// A window's controls as one table: a row a control, giving what it is, its name, its container,
// its place and size in twips at the design size, its caption, tool-tip and state at load, and the
// window's handlers of its events. One routine reads the table: it makes each control under its
// container, places it and wires its events. The window declares each control as a reference to
// the one the table made (`control<Label>("Label1")`), so that its code names the controls as ever.
//
//     const platform::Layout<FrmX>& FrmX::layout() {
//         using enum platform::Kind;
//         using enum platform::On;
//         static const platform::Layout<FrmX> rows = {
//             // kind   name          container  left  top  width height caption  tool-tip  state
//             {Button, "Command1",   "",         120, 4530, 1200, 495, "AU&TO", "",  Visible,
//              {{Click, &FrmX::Command1_Click}}},
//             {Label,  "Label16(0)", "Frame1",   120, 2070,  780, 315, "",      "",  Hidden},
//         };
//         return rows;
//     }
//
// The window's first member makes the controls (`platform::LaidOut laidOut_{*this, layout()}`),
// before the members that refer to them.
#pragma once

#include "Form.h"

#include <variant>
#include <vector>

namespace platform {

// What a row makes: a Label, CommandButton, Frame, TextBox (one line or several), ListBox,
// ComboBox (a drop-down combo, style 0, or a drop-down list, style 2), CheckBox, OptionButton,
// Image, Line, ProgressBar or PictureBox.
enum class Kind {
    Label,
    Button,
    Frame,
    Text,
    MultiLineText,
    List,
    Combo,
    DropDownList,
    Check,
    Option,
    Image,
    Line,
    Progress,
    Picture
};

// A control's state at load; an option button or check box may also be set at load, which, as a
// value of the design, raises no event.
enum RowState { Visible = 0, Hidden = 1, Disabled = 2, HiddenDisabled = 3, Set = 4 };

// The events a row can wire: Change on labels, text boxes and combo boxes, KeyPress on text boxes
// and combo boxes, the others on every control.
enum class On { Click, DblClick, GotFocus, LostFocus, MouseDown, MouseMove, MouseUp, Change, KeyPress };

// An event and the window's handler of it. A handler of a control array's event takes the index
// first; a mouse event's handler may leave out the mouse's values.
template <class F> struct Wire {
    using Plain = void (F::*)();
    using Indexed = void (F::*)(int index);
    using Mouse = void (F::*)(int button, int shift, double x, double y);
    using IndexedMouse = void (F::*)(int index, int button, int shift, double x, double y);
    using Key = void (F::*)(int& keyAscii);
    using IndexedKey = void (F::*)(int index, int& keyAscii);
    // A routine of the window's file that calls a shared handler with the control's own values.
    using Routine = void (*)(F& form);
    // A filter of typed keys shared by several boxes.
    using KeyFilter = void (*)(int& keyAscii);
    using Any = std::variant<Plain, Indexed, Mouse, IndexedMouse, Key, IndexedKey, Routine, KeyFilter>;

    template <class H> Wire(On e, H h) : event(e), handler(Any(h)) {}
    On event;
    Any handler;
};

template <class F> struct ControlRow {
    ControlRow(Kind kind, const char* name, const char* container, int left, int top, int width, int height,
               const char* caption, const char* tip, int state = Visible, std::vector<Wire<F>> events = {})
        : kind(kind), name(name), container(container), left(left), top(top), width(width), height(height),
          caption(caption), tip(tip), state(state), events(std::move(events)) {}
    Kind kind;
    // "Label4", or in a control array "Label4(3)".
    const char* name;
    // "" for the window itself, else a frame or picture box made by an earlier row.
    const char* container;
    // In twips within the container; a line's two ends x1, y1, x2, y2.
    int left, top, width, height;
    // A text box's text; "" for none.
    const char* caption;
    const char* tip;
    int state;
    std::vector<Wire<F>> events;
};

template <class F> using Layout = std::vector<ControlRow<F>>;

namespace layout {

// A row's control made under its container (found among the controls made before), placed, with
// its caption, tool-tip and state; throws std::logic_error on a table that names no container or a
// control twice.
Control& make(Form& form, Kind kind, const char* name, const char* container, int left, int top, int width,
              int height, const char* caption, const char* tip, int state);

// The control's event set to run `run`, which gets the mouse's values or the key as the event
// passes them; throws std::logic_error on an event the control has not.
struct EventCall {
    int button = 0, shift = 0;
    double x = 0, y = 0;
    int* key = nullptr;
};
void wire(Control& c, On event, std::function<void(const EventCall&)> run);

template <class F> void wireRow(F& form, Control& c, const Wire<F>& w) {
    const int index = c.index();
    const auto call = [&form, index](const typename Wire<F>::Any& h, const EventCall& e) {
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, typename Wire<F>::Plain>)
                    (form.*member)();
                else if constexpr (std::is_same_v<M, typename Wire<F>::Indexed>)
                    (form.*member)(index);
                else if constexpr (std::is_same_v<M, typename Wire<F>::Mouse>)
                    (form.*member)(e.button, e.shift, e.x, e.y);
                else if constexpr (std::is_same_v<M, typename Wire<F>::IndexedMouse>)
                    (form.*member)(index, e.button, e.shift, e.x, e.y);
                else if constexpr (std::is_same_v<M, typename Wire<F>::Key>)
                    (form.*member)(*e.key);
                else if constexpr (std::is_same_v<M, typename Wire<F>::IndexedKey>)
                    (form.*member)(index, *e.key);
                else if constexpr (std::is_same_v<M, typename Wire<F>::Routine>)
                    member(form);
                else
                    member(*e.key);
            },
            h);
    };
    wire(c, w.event, [call, h = w.handler](const EventCall& e) { call(h, e); });
}

} // namespace layout

// Makes, places and wires every control of the table, in its order (a container before what it
// holds; siblings stack in the order of their rows).
template <class F> void makeControls(F& form, const Layout<F>& rows) {
    for (const ControlRow<F>& row : rows) {
        Control& c = layout::make(form, row.kind, row.name, row.container, row.left, row.top, row.width,
                                  row.height, row.caption, row.tip, row.state);
        for (const Wire<F>& w : row.events) layout::wireRow(form, c, w);
    }
}

// The window's first member: the table's controls made as the window is built.
struct LaidOut {
    template <class F> LaidOut(F& form, const Layout<F>& rows) { makeControls(form, rows); }
};

} // namespace platform
