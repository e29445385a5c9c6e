#include "Layout.h"

namespace platform::layout {

namespace {

[[noreturn]] void refuse(const char* name, const char* what) {
    throw std::logic_error(std::string("layout table, ") + name + ": " + what);
}

Container& containerNamed(Form& form, const char* name, const char* row) {
    if (!*name) return form;
    auto* c = dynamic_cast<Container*>(form.madeControl(QString::fromUtf8(name)));
    if (!c) refuse(row, "its container is made by no earlier row");
    return *c;
}

// The control, made by itself or as an item of its control array.
template <class T, class... Args>
T& makeOne(Form& form, Container& in, const QString& name, int index, Args&&... args) {
    if (index < 0)
        return static_cast<T&>(form.keepMade(std::make_unique<T>(in, name, std::forward<Args>(args)...)));
    ControlArray<T>& array = form.controlArray<T>(name.toUtf8().constData());
    if (array.has(index)) throw std::logic_error("layout table: " + name.toStdString() + " item made twice");
    return array.add(index, in, name, std::forward<Args>(args)...);
}

Control& makeKind(Form& form, Kind kind, Container& in, const QString& name, int index,
                  const QString& caption, int left, int top, int width, int height) {
    switch (kind) {
    case Kind::Label:
        return makeOne<Label>(form, in, name, index, caption);
    case Kind::Button:
        return makeOne<CommandButton>(form, in, name, index, caption);
    case Kind::Frame:
        return makeOne<Frame>(form, in, name, index, caption);
    case Kind::Text:
    case Kind::MultiLineText: {
        TextBox& t = makeOne<TextBox>(form, in, name, index, kind == Kind::MultiLineText);
        if (!caption.isEmpty()) t.setText(caption);
        return t;
    }
    case Kind::List:
        return makeOne<ListBox>(form, in, name, index);
    case Kind::Combo:
    case Kind::DropDownList: {
        ComboBox& b = makeOne<ComboBox>(form, in, name, index, kind == Kind::DropDownList ? 2 : 0);
        if (!caption.isEmpty()) b.setText(caption);
        return b;
    }
    case Kind::Check:
        return makeOne<CheckBox>(form, in, name, index, caption);
    case Kind::Option:
        return makeOne<OptionButton>(form, in, name, index, caption);
    case Kind::Image:
        return makeOne<Image>(form, in, name, index);
    case Kind::Line:
        return makeOne<Line>(form, in, name, index, left, top, width, height);
    case Kind::Progress:
        return makeOne<ProgressBar>(form, in, name, index);
    case Kind::Picture:
        return makeOne<PictureBox>(form, in, name, index);
    }
    throw std::logic_error("layout table: no such kind of control");
}

} // namespace

Control& make(Form& form, Kind kind, const char* name, const char* container, int left, int top, int width,
              int height, const char* caption, const char* tip, int state) {
    QString base = QString::fromUtf8(name);
    int index = -1;
    if (base.contains(u'(') && !Form::splitItemName(QString::fromUtf8(name), base, index))
        refuse(name, "not a name nor an array item");
    Container& in = containerNamed(form, container, name);
    Control& c = makeKind(form, kind, in, base, index, QString::fromUtf8(caption), left, top, width, height);
    if (kind != Kind::Line) c.move(left, top, width, height);
    if (*tip) c.setToolTipText(QString::fromUtf8(tip));
    if (state & Hidden) c.setVisible(false);
    if (state & Disabled) c.setEnabled(false);
    // Set before the row's events are wired, so that no Click is raised.
    if (state & Set) {
        if (auto* o = dynamic_cast<OptionButton*>(&c))
            o->setValue(true);
        else if (auto* k = dynamic_cast<CheckBox*>(&c))
            k->setValue(1);
        else
            refuse(name, "only option buttons and check boxes are set at load");
    }
    return c;
}

void wire(Control& c, On event, std::function<void(const EventCall&)> run) {
    const auto plain = [run] { run({}); };
    const auto mouse = [run](int button, int shift, double x, double y) { run({button, shift, x, y}); };
    const auto key = [run](int& k) {
        EventCall e;
        e.key = &k;
        run(e);
    };
    const char* name = nullptr;
    switch (event) {
    case On::Click:
        c.Click = plain;
        return;
    case On::DblClick:
        c.DblClick = plain;
        return;
    case On::GotFocus:
        c.GotFocus = plain;
        return;
    case On::LostFocus:
        c.LostFocus = plain;
        return;
    case On::MouseDown:
        c.MouseDown = mouse;
        return;
    case On::MouseMove:
        c.MouseMove = mouse;
        return;
    case On::MouseUp:
        c.MouseUp = mouse;
        return;
    case On::Change:
        if (auto* l = dynamic_cast<Label*>(&c))
            l->Change = plain;
        else if (auto* t = dynamic_cast<TextBox*>(&c))
            t->Change = plain;
        else if (auto* b = dynamic_cast<ComboBox*>(&c))
            b->Change = plain;
        else
            name = "Change";
        break;
    case On::KeyPress:
        if (auto* t = dynamic_cast<TextBox*>(&c))
            t->KeyPress = key;
        else if (auto* b = dynamic_cast<ComboBox*>(&c))
            b->KeyPress = key;
        else
            name = "KeyPress";
        break;
    }
    if (name) throw std::logic_error("layout table: " + c.name().toStdString() + " has no event " + name);
}

} // namespace platform::layout
