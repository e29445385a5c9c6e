#include "Controls.h"

#include "Dialogs.h"
#include "Files.h"
#include "Form.h"
#include "KeptWindows.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QColorSpace>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <cmath>
#include <cstring>
#include <exception>
#include <optional>
#include <utility>

namespace platform {

QString withoutMarks(const QString& s) {
    QString out;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == u'&') {
            if (i + 1 < s.size() && s[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += s[i];
    }
    return out;
}

namespace {

int vbButton(Qt::MouseButtons b) {
    int r = 0;
    if (b & Qt::LeftButton) r |= vbLeftButton;
    if (b & Qt::RightButton) r |= vbRightButton;
    if (b & Qt::MiddleButton) r |= vbMiddleButton;
    return r;
}

int vbShift(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= 1;
    if (m & Qt::ControlModifier) r |= 2;
    if (m & Qt::AltModifier) r |= 4;
    return r;
}

// The character marked as the access key ("&Chiudi" -> 'C'), or none.
QChar accessKey(const QString& s) {
    for (int i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != u'&') continue;
        if (s[i + 1] != u'&') return s[i + 1];
        ++i;
    }
    return {};
}

// What a handler raised by the control is told of it, in the words the window shows: a button's
// caption (its tool-tip when it has none), a label's or a picture's tool-tip (a label without one:
// its caption), a list's item picked; the control's name when nothing else tells.
HandlerSource sourceOf(const Control& c) {
    QString words;
    const auto first = [&words](const QString& text) {
        if (words.isEmpty()) words = withoutMarks(text).simplified();
    };
    if (const auto* b = dynamic_cast<const CommandButton*>(&c))
        first(b->caption());
    else if (const auto* k = dynamic_cast<const CheckBox*>(&c))
        first(k->caption());
    else if (const auto* o = dynamic_cast<const OptionButton*>(&c))
        first(o->caption());
    else if (const auto* l = dynamic_cast<const ListBox*>(&c))
        first(l->text());
    else if (const auto* x = dynamic_cast<const ComboBox*>(&c))
        first(x->text());
    first(c.toolTipText());
    if (const auto* l = dynamic_cast<const Label*>(&c)) first(l->caption());
    first(c.name());
    const Form* form = c.parent().form();
    return {form ? form->caption().simplified() : QString(), words};
}

int px(int twips) {
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

int px(int twips, double scale) {
    return int(std::lround(double(twips) * scale / kTwipsPerPixel));
}

void setPaletteColours(QWidget* w, long back, long fore, bool fill) {
    QPalette p = w->palette();
    const QColor b = toQColor(back), f = toQColor(fore);
    p.setColor(QPalette::Window, b);
    p.setColor(QPalette::Button, b);
    // A disabled control keeps the system's grey text, as the old toolkit showed it, also for the
    // controls of a frame that inherit the frame's colours.
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::WindowText, f);
        p.setColor(g, QPalette::ButtonText, f);
        p.setColor(g, QPalette::Text, f);
    }
    const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(QPalette::Disabled, r, grey);
    w->setPalette(p);
    w->setAutoFillBackground(fill);
}

// A graphical check box's picture in its two states, plain to tell apart: ticked, in full colour
// inside a green frame; unticked, faded to grey.
QIcon toggleIcon(const QImage& img, const QSize& size) {
    if (img.isNull()) return QIcon();
    const QImage base = img.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    QImage on = base;
    {
        QPainter p(&on);
        constexpr int kFrame = 3;
        p.setPen(QPen(QColor(0, 176, 0), kFrame));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(base.rect()).adjusted(kFrame / 2.0, kFrame / 2.0, -kFrame / 2.0, -kFrame / 2.0));
    }
    QImage off = base;
    for (int y = 0; y < off.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(off.scanLine(y));
        for (int x = 0; x < off.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(off), QIcon::Normal, QIcon::Off);
    icon.addPixmap(QPixmap::fromImage(on), QIcon::Normal, QIcon::On);
    return icon;
}

// Boxes the player types in or picks from: their own colours while enabled; disabled, the face
// colour and grey text, so that they no longer look editable.
void setEntryColours(QWidget* w, long back, long fore) {
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Base, toQColor(back));
        p.setColor(g, QPalette::Text, toQColor(fore));
    }
    p.setColor(QPalette::Disabled, QPalette::Base, toQColor(vbButtonFace));
    p.setColor(QPalette::Disabled, QPalette::Text,
               QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    w->setPalette(p);
}

// Turns the widget's mouse events into the control's events.
class MouseBridge : public QObject {
  public:
    MouseBridge(Control* c, bool clickOnRelease) : QObject(c->widget()), c_(c), click_(clickOnRelease) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(e);
            pressed_ = true;
            c_->raiseMouse(c_->MouseDown, vbButton(m->button()), vbShift(m->modifiers()),
                           c_->toScaleX(int(m->position().x())), c_->toScaleY(int(m->position().y())));
            break;
        }
        case QEvent::MouseMove: {
            auto* m = static_cast<QMouseEvent*>(e);
            c_->raiseMouse(c_->MouseMove, vbButton(m->buttons()), vbShift(m->modifiers()),
                           c_->toScaleX(int(m->position().x())), c_->toScaleY(int(m->position().y())));
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(e);
            c_->raiseMouse(c_->MouseUp, vbButton(m->button()), vbShift(m->modifiers()),
                           c_->toScaleX(int(m->position().x())), c_->toScaleY(int(m->position().y())));
            if (click_ && pressed_ && c_->widget()->rect().contains(m->position().toPoint()))
                c_->raise(c_->Click);
            pressed_ = false;
            break;
        }
        case QEvent::MouseButtonDblClick: {
            auto* m = static_cast<QMouseEvent*>(e);
            c_->raiseMouse(c_->MouseDown, vbButton(m->button()), vbShift(m->modifiers()),
                           c_->toScaleX(int(m->position().x())), c_->toScaleY(int(m->position().y())));
            c_->raise(c_->DblClick);
            pressed_ = false;
            break;
        }
        case QEvent::FocusIn:
            c_->raise(c_->GotFocus);
            break;
        case QEvent::FocusOut:
            c_->raise(c_->LostFocus);
            break;
        default:
            break;
        }
        return false;
    }

  private:
    Control* c_;
    bool click_;
    bool pressed_ = false;
};

// Tab and Shift+Tab move to the next control, as the old toolkit did: they never reach a box's
// KeyPress, which could drop them.
bool movesFocus(const QKeyEvent& k) {
    return k.key() == Qt::Key_Tab || k.key() == Qt::Key_Backtab;
}

} // namespace

// ---------------------------------------------------------------- Control

Control::Control(Container& parent, const QString& name) : parent_(parent), name_(name) {
    parent.adopt(this);
}

Control::~Control() {
    kept::forget(this);
}

void Control::aboutToChange() {
    // Once a keeping moment: a step's thousands of drawings on the map ask only this.
    if (keptAt_ == kept::moment() || !kept::keeping(parent_.form())) return;
    keptAt_ = kept::moment();
    kept::note(this, [this] { return standing(); });
}

std::function<void()> Control::standing() {
    struct Standing {
        int left, top, width, height;
        bool visible, enabled;
        long back, fore;
        QString tip;
        int pointer;
        bool ownFont;
        double points;
        std::optional<QFont> font;
    };
    Standing was{left_,
                 top_,
                 width_,
                 height_,
                 visible_,
                 enabled_,
                 back_,
                 fore_,
                 tip_,
                 pointer_,
                 ownFont_,
                 fontPoints_,
                 widget_ ? std::optional<QFont>(widget_->font()) : std::nullopt};
    return [this, was] {
        ownFont_ = was.ownFont;
        fontPoints_ = was.points;
        if (widget_ && was.font) widget_->setFont(*was.font);
        move(was.left, was.top, was.width, was.height);
        if (visible_ != was.visible) setVisible(was.visible);
        if (enabled_ != was.enabled) setEnabled(was.enabled);
        if (back_ != was.back || fore_ != was.fore) {
            back_ = was.back;
            fore_ = was.fore;
            applyColors();
        }
        if (tip_ != was.tip) setToolTipText(was.tip);
        if (pointer_ != was.pointer) setMousePointer(was.pointer);
    };
}

QWidget* Control::parentWidget() const {
    return parent_.childArea();
}

double scaledPoints(double points, double scale) {
    return std::max(points * scale, std::min(points, kSmallestPoints));
}

void Control::setWidget(QWidget* w) {
    widget_ = w;
    w->setObjectName(name_);
    w->setMouseTracking(true);
    w->setVisible(true);
    move(left_, top_);
    applyColors();
    if (ownFont_) applyFont();
}

int Control::toPixels(int twips) const {
    return px(twips, parent_.form()->scale());
}

double Control::toScaleX(int pxX) const {
    return double(pxX) * kTwipsPerPixel / parent_.form()->scale();
}

double Control::toScaleY(int pxY) const {
    return double(pxY) * kTwipsPerPixel / parent_.form()->scale();
}

void Control::move(int left, int top, int width, int height) {
    aboutToChange();
    left_ = left;
    top_ = top;
    if (width >= 0) width_ = width;
    if (height >= 0) height_ = height;
    if (!widget_) return;
    // The edges are scaled, not the sizes, so that controls side by side stay side by side.
    const int x = toPixels(left_), y = toPixels(top_);
    widget_->setGeometry(x, y, std::max(1, toPixels(left_ + width_) - x),
                         std::max(1, toPixels(top_ + height_) - y));
}

void Control::applyScale() {
    move(left_, top_);
    if (ownFont_) applyFont();
}

void Control::applyFont() {
    if (!widget_) return;
    QFont f = widget_->font();
    const double design = fontPoints_ > 0 ? fontPoints_ : QApplication::font().pointSizeF();
    f.setPointSizeF(scaledPoints(design, parent_.form()->scale()));
    widget_->setFont(f);
}

void Control::setVisible(bool v) {
    aboutToChange();
    visible_ = v;
    if (widget_) widget_->setVisible(v);
}

void Control::setEnabled(bool v) {
    aboutToChange();
    enabled_ = v;
    if (widget_) widget_->setEnabled(v);
}

void Control::setBackColor(long c) {
    aboutToChange();
    back_ = c;
    applyColors();
}

void Control::setForeColor(long c) {
    aboutToChange();
    fore_ = c;
    applyColors();
}

void Control::applyColors() {
    if (widget_) setPaletteColours(widget_, back_, fore_, false);
}

void Control::setToolTipText(const QString& t) {
    aboutToChange();
    tip_ = t;
    if (widget_) widget_->setToolTip(t);
}

void Control::setFontSize(double points) {
    aboutToChange();
    if (!widget_) return;
    ownFont_ = true;
    fontPoints_ = points;
    applyFont();
}

void Control::setFontBold(bool bold) {
    aboutToChange();
    if (!widget_) return;
    QFont f = widget_->font();
    f.setBold(bold);
    widget_->setFont(f);
    ownFont_ = true;
    applyFont();
}

void Control::setFontName(const QString& family) {
    aboutToChange();
    if (!widget_) return;
    QFont f = widget_->font();
    f.setFamily(family);
    widget_->setFont(f);
    ownFont_ = true;
    applyFont();
}

void Control::setFocus() {
    if (widget_) widget_->setFocus();
}

void Control::zOrder(int position) {
    if (!widget_) return;
    parent_.aboutToRestack();
    if (position == vbSendToBack)
        widget_->lower();
    else
        widget_->raise();
}

void Container::aboutToRestack() {
    if (restackKeptAt_ == kept::moment() || !kept::keeping(form())) return;
    restackKeptAt_ = kept::moment();
    QWidget* area = childArea();
    if (!area) return;
    // The children as they lie, from the bottom (no copy: the list is shared until it changes).
    kept::noteMore(this, [area = QPointer<QWidget>(area), order = area->children()] {
        if (!area) return;
        for (QObject* o : order) {
            // Only what is still there: a widget gone since may have left its address to another.
            if (!area->children().contains(o)) continue;
            if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) w->raise();
        }
    });
}

void Control::setMousePointer(int p) {
    aboutToChange();
    pointer_ = p;
    if (widget_) {
        if (p == 15)
            widget_->setCursor(Qt::SizeAllCursor);
        else if (p == 11)
            widget_->setCursor(Qt::WaitCursor);
        else if (p == 2)
            widget_->setCursor(Qt::CrossCursor);
        else
            widget_->unsetCursor();
    }
}

void Control::raise(const Handler& h) {
    if (h) runHandler(h, [this] { return sourceOf(*this); });
}

void Control::raiseMouse(const MouseHandler& h, int button, int shift, double x, double y) {
    if (h) runHandler([&] { h(button, shift, x, y); }, [this] { return sourceOf(*this); });
}

void Control::doClick() {
    if (visible_ && enabled_) raise(Click);
}

void Control::doDblClick() {
    if (visible_ && enabled_) raise(DblClick);
}

void Control::doMouseDown(int button, int shift, double x, double y) {
    if (enabled_) raiseMouse(MouseDown, button, shift, x, y);
}

void Control::doMouseMove(int button, int shift, double x, double y) {
    if (enabled_) raiseMouse(MouseMove, button, shift, x, y);
}

void Control::doMouseUp(int button, int shift, double x, double y) {
    if (enabled_) raiseMouse(MouseUp, button, shift, x, y);
}

// ---------------------------------------------------------------- Label

Label::Label(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name), caption_(caption) {
    label_ = new QLabel(withoutMarks(caption), parentWidget());
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(label_);
    label_->installEventFilter(new MouseBridge(this, true));
    // A press on a label is the label's: it never reaches the picture or frame beneath.
    label_->setAttribute(Qt::WA_NoMousePropagation);
}

void Label::setCaption(const QString& c) {
    aboutToChange();
    const bool changed = c != caption_;
    caption_ = c;
    showCaption();
    if (changed) raise(Change);
}

void Label::setColumns(const std::vector<int>& starts) {
    aboutToChange();
    columns_ = starts;
    showCaption();
}

void Label::showCaption() {
    const QString text = withoutMarks(caption_);
    if (columns_.empty()) {
        label_->setTextFormat(Qt::AutoText);
        label_->setText(text);
        return;
    }
    static const QRegularExpression gap(QStringLiteral(" {2,}"));
    const QStringList parts = text.trimmed().split(gap);
    const int n = std::min<int>(int(parts.size()), int(columns_.size()));
    // Words beyond the last column stay together in it.
    QStringList cells = parts.mid(0, n - 1);
    cells << parts.mid(n - 1).join(QStringLiteral("  "));
    QString row;
    if (columns_.front() > 0) row += QStringLiteral("<td width=\"%1\"></td>").arg(toPixels(columns_.front()));
    for (int i = 0; i < n; ++i) {
        const QString width =
            i + 1 < n ? QStringLiteral(" width=\"%1\"").arg(toPixels(columns_[i + 1]) - toPixels(columns_[i]))
                      : QString();
        row += QStringLiteral("<td%1>%2</td>").arg(width, cells[i].toHtmlEscaped());
    }
    label_->setTextFormat(Qt::RichText);
    label_->setText(
        QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>%1</tr></table>").arg(row));
}

void Label::applyScale() {
    Control::applyScale();
    if (!columns_.empty()) showCaption();
}

void Label::setBackStyle(int s) {
    aboutToChange();
    backStyle_ = s;
    applyColors();
}

void Label::setBorderStyle(int s) {
    aboutToChange();
    border_ = s;
    label_->setFrameStyle(s ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

void Label::setAlignment(int a) {
    aboutToChange();
    Qt::Alignment h = a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    label_->setAlignment(h | Qt::AlignTop);
}

void Label::setWordWrap(bool w) {
    aboutToChange();
    label_->setWordWrap(w);
}

void Label::applyColors() {
    if (label_) setPaletteColours(label_, back_, fore_, backStyle_ == 1);
}

std::function<void()> Label::standing() {
    return [this, base = Control::standing(), caption = caption_, columns = columns_, backStyle = backStyle_,
            border = border_, align = label_->alignment(), wrap = label_->wordWrap()] {
        base();
        caption_ = caption;
        columns_ = columns;
        backStyle_ = backStyle;
        border_ = border;
        label_->setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
        label_->setAlignment(align);
        label_->setWordWrap(wrap);
        applyColors();
        showCaption();
    };
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name), caption_(caption) {
    button_ = new QPushButton(parentWidget());
    button_->setAutoDefault(false);
    showCaption();
    setWidget(button_);
    button_->installEventFilter(new MouseBridge(this, false));
    QObject::connect(button_, &QPushButton::clicked, [this] { raise(Click); });
}

void CommandButton::setCaption(const QString& c) {
    aboutToChange();
    caption_ = c;
    if (picture_.isNull())
        showCaption();
    else
        setPicture(picture_);
}

void CommandButton::showCaption() {
    // An access key that is a sign ("&+", "&-") would be drawn underlined and read as another sign
    // ("±"): the caption shows it plain and the key stays as the button's shortcut.
    const QChar key = accessKey(caption_);
    const bool sign = !key.isNull() && !key.isLetterOrNumber();
    button_->setText(sign ? withoutMarks(caption_) : caption_);
    if (sign) button_->setShortcut(QKeySequence::mnemonic(caption_));
}

void CommandButton::setPicture(const QImage& img) {
    aboutToChange();
    picture_ = img;
    const QSize room(std::max(8, button_->width() - 6), std::max(8, button_->height() - 6));
    if (img.isNull() || caption_.isEmpty()) {
        button_->setText(caption_);
        button_->setIcon(QIcon(QPixmap::fromImage(img)));
        button_->setIconSize(img.size().scaled(room, Qt::KeepAspectRatio));
        return;
    }
    // The caption goes under the picture, both drawn into the button's face.
    const QFontMetrics fm(button_->font());
    const int textH = fm.height();
    QImage face(room, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter p(&face);
    const QSize pic =
        img.size().scaled(QSize(room.width(), std::max(4, room.height() - textH)), Qt::KeepAspectRatio);
    p.drawImage(QRect(QPoint((room.width() - pic.width()) / 2, 0), pic), img);
    p.setFont(button_->font());
    p.setPen(button_->palette().color(QPalette::ButtonText));
    p.drawText(QRect(0, room.height() - textH, room.width(), textH), Qt::AlignCenter,
               fm.elidedText(withoutMarks(caption_).trimmed(), Qt::ElideRight, room.width()));
    p.end();
    button_->setText(QString());
    button_->setIcon(QIcon(QPixmap::fromImage(face)));
    button_->setIconSize(room);
}

void CommandButton::doClick() {
    if (visible_ && enabled_) raise(Click);
}

void CommandButton::applyScale() {
    Control::applyScale();
    if (!picture_.isNull()) setPicture(picture_);
}

void CommandButton::applyColors() {
    if (button_ && back_ != vbButtonFace) setPaletteColours(button_, back_, fore_, false);
}

std::function<void()> CommandButton::standing() {
    return [this, base = Control::standing(), caption = caption_, picture = picture_] {
        base();
        caption_ = caption;
        picture_ = picture;
        if (picture_.isNull()) {
            button_->setIcon(QIcon());
            showCaption();
        } else {
            setPicture(picture_);
        }
    };
}

// ---------------------------------------------------------------- Frame

Frame::Frame(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name), caption_(caption) {
    box_ = new QGroupBox(withoutMarks(caption), parentWidget());
    setWidget(box_);
    box_->installEventFilter(new MouseBridge(this, true));
    box_->setAttribute(Qt::WA_NoMousePropagation);
}

QWidget* Frame::childArea() {
    return box_;
}
Form* Frame::form() {
    return parent_.form();
}

void Frame::setCaption(const QString& c) {
    aboutToChange();
    caption_ = c;
    box_->setTitle(withoutMarks(c));
}

void Frame::setBorderStyle(int s) {
    aboutToChange();
    border_ = s;
    box_->setFlat(s == 0);
    box_->setStyleSheet(s == 0 ? QStringLiteral("QGroupBox { border: 0px; }") : QString());
}

void Frame::setEnabled(bool v) {
    Control::setEnabled(v);
}

void Frame::applyColors() {
    if (box_) setPaletteColours(box_, back_, fore_, true);
}

std::function<void()> Frame::standing() {
    return [this, base = Control::standing(), caption = caption_, border = border_] {
        base();
        setCaption(caption);
        if (border_ != border) setBorderStyle(border);
    };
}

// ---------------------------------------------------------------- TextBox

class TextBoxBridge : public QObject {
  public:
    explicit TextBoxBridge(TextBox* t) : QObject(t->widget()), t_(t) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !t_->KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const QString s = k->text();
        if (s.size() != 1 || movesFocus(*k)) return false;
        int key = s[0].unicode();
        const int before = key;
        runHandler([&] { t_->KeyPress(key); }, [this] { return sourceOf(*t_); });
        if (key == 0) return true;
        if (key != before) {
            QKeyEvent replaced(QEvent::KeyPress, k->key(), k->modifiers(), QString(QChar(key)));
            t_->settingByCode_ = false;
            QCoreApplication::sendEvent(t_->widget(), &replaced);
            return true;
        }
        return false;
    }

  private:
    TextBox* t_;
};

TextBox::TextBox(Container& parent, const QString& name, bool multiLine) : Control(parent, name) {
    back_ = vbWindowBackground;
    fore_ = vbWindowText;
    if (multiLine) {
        multi_ = new QPlainTextEdit(parentWidget());
        multi_->setTabChangesFocus(true);
        setWidget(multi_);
        QObject::connect(multi_, &QPlainTextEdit::textChanged, [this] {
            if (!settingByCode_) raise(Change);
        });
    } else {
        line_ = new QLineEdit(parentWidget());
        setWidget(line_);
        QObject::connect(line_, &QLineEdit::textEdited, [this] { raise(Change); });
    }
    widget_->installEventFilter(new TextBoxBridge(this));
    widget_->installEventFilter(new MouseBridge(this, true));
    // A multi-line box takes its mouse events on its viewport.
    if (multi_) multi_->viewport()->installEventFilter(new MouseBridge(this, true));
}

QString TextBox::text() const {
    return line_ ? line_->text() : multi_->toPlainText();
}

void TextBox::setText(const QString& t) {
    aboutToChange();
    if (t == text()) return;
    settingByCode_ = true;
    if (line_)
        line_->setText(t);
    else
        multi_->setPlainText(t);
    settingByCode_ = false;
    raise(Change);
}

void TextBox::setMaxLength(int n) {
    aboutToChange();
    if (line_) line_->setMaxLength(n > 0 ? n : 32767);
}

void TextBox::setLocked(bool locked) {
    aboutToChange();
    if (line_)
        line_->setReadOnly(locked);
    else
        multi_->setReadOnly(locked);
}

void TextBox::setAlignment(int a) {
    aboutToChange();
    if (line_) line_->setAlignment(a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
}

void TextBox::setSelection(int start, int length) {
    if (line_) line_->setSelection(start, length);
}

void TextBox::doType(const QString& keys) {
    if (!enabled_) return;
    for (QChar c : keys) {
        int key = c.unicode();
        if (KeyPress) raise([&] { KeyPress(key); });
        if (key == 0) continue;
        QString t = text();
        if (key == 8)
            t.chop(1);
        else if (key >= 32)
            t += QChar(key);
        else
            continue;
        if (line_ && line_->maxLength() < t.size()) continue;
        settingByCode_ = true;
        if (line_)
            line_->setText(t);
        else
            multi_->setPlainText(t);
        settingByCode_ = false;
        raise(Change);
    }
}

void TextBox::applyColors() {
    if (widget_) setEntryColours(widget_, back_, fore_);
}

std::function<void()> TextBox::standing() {
    struct Standing {
        QString text;
        int maxLength;
        bool locked;
        Qt::Alignment align;
    };
    const Standing was{text(), line_ ? line_->maxLength() : 0,
                       line_ ? line_->isReadOnly() : multi_->isReadOnly(),
                       line_ ? line_->alignment() : Qt::Alignment()};
    return [this, base = Control::standing(), was] {
        base();
        settingByCode_ = true;
        if (line_) {
            const QSignalBlocker block(line_);
            line_->setMaxLength(was.maxLength);
            line_->setText(was.text);
            line_->setReadOnly(was.locked);
            line_->setAlignment(was.align);
        } else {
            const QSignalBlocker block(multi_);
            multi_->setPlainText(was.text);
            multi_->setReadOnly(was.locked);
        }
        settingByCode_ = false;
    };
}

// ---------------------------------------------------------------- ListBox

class ListBridge : public QObject {
  public:
    explicit ListBridge(ListBox* l) : QObject(l->widget()), l_(l) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease ||
            e->type() == QEvent::MouseMove) {
            auto* m = static_cast<QMouseEvent*>(e);
            const double x = l_->toScaleX(int(m->position().x())), y = l_->toScaleY(int(m->position().y()));
            if (e->type() == QEvent::MouseButtonPress) {
                // A press starts a new pick: what a key chose before is not this click.
                l_->changedByPress_ = false;
                l_->raiseMouse(l_->MouseDown, vbButton(m->button()), vbShift(m->modifiers()), x, y);
            } else if (e->type() == QEvent::MouseButtonRelease)
                l_->raiseMouse(l_->MouseUp, vbButton(m->button()), vbShift(m->modifiers()), x, y);
            else
                l_->raiseMouse(l_->MouseMove, vbButton(m->buttons()), vbShift(m->modifiers()), x, y);
        }
        return false;
    }

  private:
    ListBox* l_;
};

namespace {
constexpr int kItemDataRole = Qt::UserRole + 1;

int sortedPosition(int count, const std::function<QString(int)>& textAt, const QString& item) {
    int pos = 0;
    while (pos < count && QString::compare(textAt(pos), item, Qt::CaseInsensitive) <= 0) ++pos;
    return pos;
}
} // namespace

ListBox::ListBox(Container& parent, const QString& name) : Control(parent, name) {
    back_ = vbWindowBackground;
    fore_ = vbWindowText;
    list_ = new QListWidget(parentWidget());
    setWidget(list_);
    list_->viewport()->installEventFilter(new ListBridge(this));
    list_->viewport()->setMouseTracking(true);
    QObject::connect(list_, &QListWidget::currentRowChanged, [this](int row) {
        // A list taking the focus makes its first row current without choosing it: not a click.
        // A key that moves the choice is a click; a mouse press makes the row current before
        // choosing it, and the click follows below, once.
        if (row >= 0 && list_->item(row)->isSelected()) {
            changedByPress_ = true;
            raise(Click);
        }
    });
    QObject::connect(list_, &QListWidget::itemClicked, [this](QListWidgetItem*) {
        if (!changedByPress_) raise(Click);
        changedByPress_ = false;
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, [this](QListWidgetItem*) { raise(DblClick); });
}

void ListBox::addItem(const QString& item, int index) {
    aboutToChange();
    auto* it = new QListWidgetItem(item);
    it->setData(kItemDataRole, 0);
    int pos = index;
    if (sorted_)
        pos = sortedPosition(
            list_->count(), [this](int i) { return list_->item(i)->text(); }, item);
    if (pos < 0 || pos > list_->count()) pos = list_->count();
    const QSignalBlocker block(list_);
    list_->insertItem(pos, it);
    newIndex_ = pos;
}

void ListBox::removeItem(int index) {
    aboutToChange();
    if (index < 0 || index >= list_->count()) return;
    const QSignalBlocker block(list_);
    delete list_->takeItem(index);
}

void ListBox::clear() {
    aboutToChange();
    const QSignalBlocker block(list_);
    list_->clear();
    // Filled again, the list starts at its top, even when it was scrolled while hidden.
    list_->verticalScrollBar()->setValue(0);
    list_->horizontalScrollBar()->setValue(0);
    newIndex_ = -1;
}

int ListBox::listCount() const {
    return list_->count();
}

QString ListBox::list(int index) const {
    auto* it = list_->item(index);
    return it ? it->text() : QString();
}

void ListBox::setList(int index, const QString& text) {
    aboutToChange();
    if (auto* it = list_->item(index)) it->setText(text);
}

int ListBox::itemData(int index) const {
    auto* it = list_->item(index);
    return it ? it->data(kItemDataRole).toInt() : 0;
}

void ListBox::setItemData(int index, int data) {
    aboutToChange();
    if (auto* it = list_->item(index)) it->setData(kItemDataRole, data);
}

int ListBox::listIndex() const {
    return list_->currentRow();
}

void ListBox::setListIndex(int index) {
    aboutToChange();
    {
        const QSignalBlocker block(list_);
        if (index < 0 || index >= list_->count()) {
            list_->setCurrentRow(-1);
            list_->clearSelection();
            return;
        }
        list_->setCurrentRow(index);
    }
    raise(Click);
}

QString ListBox::text() const {
    return list(listIndex());
}

void ListBox::setMultiSelect(bool m) {
    aboutToChange();
    list_->setSelectionMode(m ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}

bool ListBox::selected(int index) const {
    auto* it = list_->item(index);
    return it && it->isSelected();
}

void ListBox::setSelected(int index, bool s) {
    aboutToChange();
    if (auto* it = list_->item(index)) it->setSelected(s);
}

int ListBox::topIndex() const {
    auto* it = list_->itemAt(1, 1);
    return it ? list_->row(it) : 0;
}

void ListBox::doPick(int index) {
    if (!visible_ || !enabled_ || index < 0 || index >= list_->count()) return;
    {
        const QSignalBlocker block(list_);
        list_->setCurrentRow(index);
    }
    raise(Click);
}

void ListBox::doPickDouble(int index) {
    if (!visible_ || !enabled_ || index < 0 || index >= list_->count()) return;
    doPick(index);
    raise(DblClick);
}

void ListBox::applyColors() {
    if (widget_) setEntryColours(widget_, back_, fore_);
}

void ListBox::setSorted(bool s) {
    aboutToChange();
    sorted_ = s;
}

std::function<void()> ListBox::standing() {
    struct Standing {
        std::vector<std::pair<QString, int>> items;
        std::vector<int> selected;
        int current, newIndex, scroll;
        bool sorted, multi;
    };
    Standing was{{},
                 {},
                 list_->currentRow(),
                 newIndex_,
                 list_->verticalScrollBar()->value(),
                 sorted_,
                 list_->selectionMode() == QAbstractItemView::MultiSelection};
    was.items.reserve(size_t(list_->count()));
    for (int i = 0; i < list_->count(); ++i) {
        const QListWidgetItem* it = list_->item(i);
        was.items.emplace_back(it->text(), it->data(kItemDataRole).toInt());
        if (it->isSelected()) was.selected.push_back(i);
    }
    return [this, base = Control::standing(), was = std::move(was)] {
        base();
        const QSignalBlocker block(list_);
        list_->clear();
        for (const auto& [text, data] : was.items) {
            auto* it = new QListWidgetItem(text);
            it->setData(kItemDataRole, data);
            list_->addItem(it);
        }
        sorted_ = was.sorted;
        newIndex_ = was.newIndex;
        list_->setSelectionMode(was.multi ? QAbstractItemView::MultiSelection
                                          : QAbstractItemView::SingleSelection);
        list_->setCurrentRow(was.current);
        list_->clearSelection();
        for (int i : was.selected) list_->item(i)->setSelected(true);
        list_->verticalScrollBar()->setValue(was.scroll);
    };
}

// ---------------------------------------------------------------- ComboBox

// Typed keys of an editable combo go through its KeyPress; a key set to 0 is dropped.
class ComboKeyBridge : public QObject {
  public:
    explicit ComboKeyBridge(ComboBox* c, QObject* owner) : QObject(owner), c_(c) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !c_->KeyPress) return false;
        const QString s = static_cast<QKeyEvent*>(e)->text();
        if (s.size() != 1 || movesFocus(*static_cast<QKeyEvent*>(e))) return false;
        int key = s[0].unicode();
        runHandler([&] { c_->KeyPress(key); }, [this] { return sourceOf(*c_); });
        return key == 0;
    }

  private:
    ComboBox* c_;
};

// A list that only offers picks: a typed or pasted key is refused with a beep, and a press on
// the text drops the list down as a press on the arrow does.
class PickOnlyBridge : public QObject {
  public:
    explicit PickOnlyBridge(QComboBox* c) : QObject(c), c_(c) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            c_->showPopup();
        } else if (e->type() == QEvent::KeyPress) {
            const QString s = static_cast<QKeyEvent*>(e)->text();
            if (!s.isEmpty() && s[0].isPrint()) {
                Beep();
                return true;
            }
        }
        return false;
    }

  private:
    QComboBox* c_;
};

ComboBox::ComboBox(Container& parent, const QString& name, int style) : Control(parent, name), style_(style) {
    back_ = vbWindowBackground;
    fore_ = vbWindowText;
    combo_ = new QComboBox(parentWidget());
    combo_->setEditable(style == 0);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    setWidget(combo_);
    combo_->installEventFilter(new MouseBridge(this, false));
    QObject::connect(combo_, &QComboBox::activated, [this](int) {
        showTextStart();
        raise(Click);
    });
    if (combo_->lineEdit()) {
        QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, [this] { raise(Change); });
        combo_->lineEdit()->installEventFilter(new MouseBridge(this, false));
        combo_->lineEdit()->installEventFilter(new ComboKeyBridge(this, combo_->lineEdit()));
    }
}

void ComboBox::setPickOnly() {
    if (!combo_->lineEdit() || combo_->lineEdit()->isReadOnly()) return;
    combo_->lineEdit()->setReadOnly(true);
    combo_->lineEdit()->installEventFilter(new PickOnlyBridge(combo_));
}

void ComboBox::addItem(const QString& item, int index) {
    aboutToChange();
    int pos = index;
    if (sorted_)
        pos = sortedPosition(
            combo_->count(), [this](int i) { return combo_->itemText(i); }, item);
    if (pos < 0 || pos > combo_->count()) pos = combo_->count();
    const QSignalBlocker block(combo_);
    const QString keep = combo_->currentText();
    const int keepIndex = combo_->currentIndex();
    combo_->insertItem(pos, item, 0);
    // Adding never changes what the box shows.
    if (keepIndex < 0)
        combo_->setCurrentIndex(-1);
    else
        combo_->setCurrentIndex(keepIndex >= pos ? keepIndex + 1 : keepIndex);
    if (style_ == 0) combo_->setEditText(keep);
    newIndex_ = pos;
    fitDropDown(item);
}

void ComboBox::removeItem(int index) {
    aboutToChange();
    {
        const QSignalBlocker block(combo_);
        combo_->removeItem(index);
    }
    widestItem_ = 0;
    for (int i = 0; i < combo_->count(); ++i) fitDropDown(combo_->itemText(i));
}

void ComboBox::clear() {
    aboutToChange();
    const QSignalBlocker block(combo_);
    combo_->clear();
    if (style_ == 0) combo_->setEditText(QString());
    newIndex_ = -1;
    widestItem_ = 0;
    combo_->view()->setMinimumWidth(0);
}

void ComboBox::showTextStart() {
    // A text longer than the box shows its beginning, not its end.
    if (combo_->lineEdit()) combo_->lineEdit()->setCursorPosition(0);
}

void ComboBox::fitDropDown(const QString& item) {
    // The list drops down as wide as its widest item, however narrow the box.
    widestItem_ = std::max(widestItem_, QFontMetrics(combo_->view()->font()).horizontalAdvance(item));
    const int margins = 16 + 2 * combo_->view()->frameWidth();
    const int scrollBar = combo_->count() > combo_->maxVisibleItems()
                              ? combo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo_)
                              : 0;
    combo_->view()->setMinimumWidth(widestItem_ + margins + scrollBar);
}

int ComboBox::listCount() const {
    return combo_->count();
}
QString ComboBox::list(int index) const {
    return combo_->itemText(index);
}
int ComboBox::itemData(int index) const {
    return combo_->itemData(index).toInt();
}
void ComboBox::setItemData(int index, int data) {
    aboutToChange();
    combo_->setItemData(index, data);
}

int ComboBox::listIndex() const {
    // An edited text that no longer matches its item leaves no item chosen.
    const int i = combo_->currentIndex();
    if (style_ == 0 && i >= 0 && combo_->currentText() != combo_->itemText(i)) return -1;
    return i;
}

void ComboBox::setListIndex(int index) {
    aboutToChange();
    {
        const QSignalBlocker block(combo_);
        combo_->setCurrentIndex(index < 0 || index >= combo_->count() ? -1 : index);
        if (index < 0 && style_ == 0) combo_->setEditText(QString());
    }
    showTextStart();
    if (index >= 0 && index < combo_->count()) raise(Click);
}

QString ComboBox::text() const {
    return combo_->currentText();
}

void ComboBox::setText(const QString& t) {
    aboutToChange();
    if (style_ == 0) {
        const bool changed = t != combo_->currentText();
        {
            const QSignalBlocker block(combo_);
            combo_->setEditText(t);
        }
        showTextStart();
        if (changed) raise(Change);
    } else {
        const int i = combo_->findText(t);
        if (i >= 0) {
            const QSignalBlocker block(combo_);
            combo_->setCurrentIndex(i);
        }
    }
}

void ComboBox::doPick(int index) {
    if (!visible_ || !enabled_ || index < 0 || index >= combo_->count()) return;
    {
        const QSignalBlocker block(combo_);
        combo_->setCurrentIndex(index);
    }
    showTextStart();
    raise(Click);
}

void ComboBox::applyColors() {
    if (widget_) setEntryColours(widget_, back_, fore_);
}

void ComboBox::setSorted(bool s) {
    aboutToChange();
    sorted_ = s;
}

std::function<void()> ComboBox::standing() {
    struct Standing {
        std::vector<std::pair<QString, int>> items;
        int current, newIndex;
        QString text;
        bool sorted;
    };
    Standing was{{}, combo_->currentIndex(), newIndex_, combo_->currentText(), sorted_};
    for (int i = 0; i < combo_->count(); ++i)
        was.items.emplace_back(combo_->itemText(i), combo_->itemData(i).toInt());
    return [this, base = Control::standing(), was = std::move(was)] {
        base();
        {
            const QSignalBlocker block(combo_);
            combo_->clear();
            for (const auto& [text, data] : was.items) combo_->addItem(text, data);
            combo_->setCurrentIndex(was.current);
            if (style_ == 0) combo_->setEditText(was.text);
        }
        sorted_ = was.sorted;
        newIndex_ = was.newIndex;
        widestItem_ = 0;
        combo_->view()->setMinimumWidth(0);
        for (const auto& item : was.items) fitDropDown(item.first);
        showTextStart();
    };
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name), caption_(caption) {
    check_ = new QCheckBox(caption, parentWidget());
    setWidget(check_);
    check_->installEventFilter(new MouseBridge(this, false));
    QObject::connect(check_, &QCheckBox::clicked, [this](bool on) {
        value_ = on ? 1 : 0;
        raise(Click);
    });
}

void CheckBox::setValue(int v) {
    aboutToChange();
    if (v == value_) return;
    value_ = v;
    if (check_) {
        const QSignalBlocker block(check_);
        check_->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    if (toggle_) {
        const QSignalBlocker block(toggle_);
        toggle_->setChecked(v == 1);
    }
    raise(Click);
}

void CheckBox::setCaption(const QString& c) {
    aboutToChange();
    caption_ = c;
    if (check_) check_->setText(c);
    if (toggle_) toggle_->setText(c);
}

void CheckBox::setGraphical(const QImage& img) {
    aboutToChange();
    if (!toggle_) {
        toggle_ = new QPushButton(parentWidget());
        toggle_->setCheckable(true);
        toggle_->setAutoDefault(false);
        toggle_->setChecked(value_ == 1);
        toggle_->setToolTip(tip_);
        QObject::connect(toggle_, &QPushButton::clicked, [this](bool on) {
            value_ = on ? 1 : 0;
            raise(Click);
        });
        check_->hide();
        check_->deleteLater();
        check_ = nullptr;
        setWidget(toggle_);
        toggle_->setVisible(visible_);
        toggle_->setEnabled(enabled_);
    }
    graphic_ = img;
    const QSize size(std::max(8, toggle_->width() - 6), std::max(8, toggle_->height() - 6));
    toggle_->setIcon(toggleIcon(img, size));
    toggle_->setIconSize(size);
}

void CheckBox::applyScale() {
    Control::applyScale();
    if (toggle_) setGraphical(graphic_);
}

void CheckBox::doClick() {
    if (!visible_ || !enabled_) return;
    setValue(value_ == 1 ? 0 : 1);
}

void CheckBox::applyColors() {
    if (widget_) setPaletteColours(widget_, back_, fore_, false);
}

std::function<void()> CheckBox::standing() {
    return [this, base = Control::standing(), value = value_, caption = caption_, graphic = graphic_] {
        base();
        value_ = value;
        if (check_) {
            const QSignalBlocker block(check_);
            check_->setCheckState(value == 1   ? Qt::Checked
                                  : value == 2 ? Qt::PartiallyChecked
                                               : Qt::Unchecked);
        }
        if (toggle_) {
            const QSignalBlocker block(toggle_);
            toggle_->setChecked(value == 1);
        }
        setCaption(caption);
        if (toggle_ && graphic_.cacheKey() != graphic.cacheKey()) setGraphical(graphic);
    };
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name), caption_(caption) {
    radio_ = new QRadioButton(caption, parentWidget());
    setWidget(radio_);
    radio_->installEventFilter(new MouseBridge(this, false));
    QObject::connect(radio_, &QRadioButton::clicked, [this](bool) { raise(Click); });
}

bool OptionButton::value() const {
    return radio_->isChecked();
}

void OptionButton::setValue(bool v) {
    aboutToChange();
    const bool was = radio_->isChecked();
    {
        const QSignalBlocker block(radio_);
        if (v) {
            radio_->setChecked(true);
        } else {
            radio_->setAutoExclusive(false);
            radio_->setChecked(false);
            radio_->setAutoExclusive(true);
        }
    }
    if (v && !was) raise(Click);
}

void OptionButton::setCaption(const QString& c) {
    aboutToChange();
    caption_ = c;
    radio_->setText(c);
}

void OptionButton::doClick() {
    if (!visible_ || !enabled_) return;
    {
        const QSignalBlocker block(radio_);
        radio_->setChecked(true);
    }
    raise(Click);
}

void OptionButton::applyColors() {
    if (widget_) setPaletteColours(widget_, back_, fore_, false);
}

std::function<void()> OptionButton::standing() {
    return [this, base = Control::standing(), value = radio_->isChecked(), caption = caption_] {
        base();
        {
            const QSignalBlocker block(radio_);
            radio_->setAutoExclusive(false);
            radio_->setChecked(value);
            radio_->setAutoExclusive(true);
        }
        setCaption(caption);
    };
}

// ---------------------------------------------------------------- Image

Image::Image(Container& parent, const QString& name) : Control(parent, name) {
    label_ = new QLabel(parentWidget());
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(label_);
    label_->installEventFilter(new MouseBridge(this, true));
}

void Image::setPicture(const QImage& img) {
    aboutToChange();
    picture_ = img;
    show();
}

bool Image::loadPicture(const QString& path) {
    QImage img;
    const bool ok = fileExists(path) && img.load(diskPath(path));
    setPicture(ok ? img : QImage());
    return ok;
}

void Image::setStretch(bool s) {
    aboutToChange();
    stretch_ = s;
    show();
}

void Image::setBorderStyle(int s) {
    aboutToChange();
    label_->setFrameStyle(s ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

void Image::applyScale() {
    Control::applyScale();
    show();
}

std::function<void()> Image::standing() {
    return [this, base = Control::standing(), picture = picture_, stretch = stretch_,
            frame = label_->frameStyle()] {
        base();
        picture_ = picture;
        stretch_ = stretch;
        label_->setFrameStyle(frame);
        show();
    };
}

void Image::show() {
    if (picture_.isNull()) {
        label_->clear();
        return;
    }
    // Scaled with its window, the picture fills its box as it does when stretched.
    label_->setScaledContents(stretch_ || parent_.form()->scale() != 1);
    label_->setPixmap(QPixmap::fromImage(picture_));
    if (!stretch_) move(left_, top_, picture_.width() * kTwipsPerPixel, picture_.height() * kTwipsPerPixel);
}

// ---------------------------------------------------------------- Line

class LineWidget : public QWidget {
  public:
    LineWidget(Line* l, QWidget* parent) : QWidget(parent), l_(l) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(toQColor(l_->colour_), l_->penWidth_));
        const int ox = std::min(l_->x1_, l_->x2_), oy = std::min(l_->y1_, l_->y2_);
        const double k = l_->parent().form()->scale() / kTwipsPerPixel;
        p.drawLine(QPointF((l_->x1_ - ox) * k, (l_->y1_ - oy) * k),
                   QPointF((l_->x2_ - ox) * k, (l_->y2_ - oy) * k));
    }

  private:
    Line* l_;
};

Line::Line(Container& parent, const QString& name, int x1, int y1, int x2, int y2)
    : Control(parent, name), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {
    setWidget(new LineWidget(this, parentWidget()));
    setPoints(x1, y1, x2, y2);
}

void Line::setPoints(int x1, int y1, int x2, int y2) {
    aboutToChange();
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    move(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 2 * kTwipsPerPixel,
         std::abs(y2 - y1) + 2 * kTwipsPerPixel);
    widget_->update();
}

void Line::setBorderColor(long c) {
    aboutToChange();
    colour_ = c;
    widget_->update();
}

std::function<void()> Line::standing() {
    return [this, base = Control::standing(), x1 = x1_, y1 = y1_, x2 = x2_, y2 = y2_, colour = colour_,
            width = penWidth_] {
        base();
        colour_ = colour;
        penWidth_ = width;
        setPoints(x1, y1, x2, y2);
    };
}

void Line::setBorderWidth(int w) {
    aboutToChange();
    penWidth_ = w;
    widget_->update();
}

// ---------------------------------------------------------------- ProgressBar

ProgressBar::ProgressBar(Container& parent, const QString& name) : Control(parent, name) {
    bar_ = new QProgressBar(parentWidget());
    bar_->setTextVisible(false);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    setWidget(bar_);
}

void ProgressBar::setMin(int v) {
    aboutToChange();
    bar_->setMinimum(v);
}
void ProgressBar::setMax(int v) {
    aboutToChange();
    bar_->setMaximum(v);
}
int ProgressBar::min() const {
    return bar_->minimum();
}
int ProgressBar::max() const {
    return bar_->maximum();
}
int ProgressBar::value() const {
    return bar_->value();
}
void ProgressBar::setValue(int v) {
    aboutToChange();
    bar_->setValue(v);
}

std::function<void()> ProgressBar::standing() {
    return [this, base = Control::standing(), low = bar_->minimum(), high = bar_->maximum(),
            value = bar_->value()] {
        base();
        bar_->setRange(low, high);
        bar_->setValue(value);
    };
}

// ---------------------------------------------------------------- PictureBox

class PictureWidget : public QWidget {
  public:
    PictureWidget(PictureBox* p, QWidget* parent) : QWidget(parent), p_(p) { setAutoFillBackground(true); }
    // Where the backing image is painted: from the top left, in the area the window gave or else
    // keeping its proportions.
    QRectF target() const { return target(p_->image()); }
    QRectF target(const QImage& img) const {
        if (!p_->area_.isEmpty())
            return QRectF(0, 0, p_->Control::toPixels(p_->area_.width()),
                          p_->Control::toPixels(p_->area_.height()));
        if (img.isNull() || img.width() == 0 || img.height() == 0) return QRectF(0, 0, width(), height());
        const double k = std::min(double(width()) / img.width(), double(height()) / img.height());
        return QRectF(0, 0, img.width() * k, img.height() * k);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), toQColor(p_->held_ ? p_->heldBack_ : p_->back_));
        const QImage& shown = p_->shownImage();
        if (!shown.isNull()) {
            // Shown smaller than the image, pixels are blended so that thin drawings stay in sight.
            p.setRenderHint(QPainter::SmoothPixmapTransform, target(shown).width() < shown.width());
            p.drawImage(target(shown), shown);
        }
        if (p_->border_) {
            p.setPen(Qt::black);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    void resizeEvent(QResizeEvent*) override {
        if (p_->picture_.isNull()) p_->ensureCanvas();
    }
    void changeEvent(QEvent* e) override {
        // A background colour set while the picture is held is shown when the hold ends.
        if (e->type() == QEvent::PaletteChange && p_->held_) return;
        QWidget::changeEvent(e);
    }

  private:
    friend class PictureBox;
    PictureBox* p_;
};

PictureBox::PictureBox(Container& parent, const QString& name) : Control(parent, name) {
    back_ = vbButtonFace;
    setWidget(new PictureWidget(this, parentWidget()));
    widget_->installEventFilter(new MouseBridge(this, true));
    ensureCanvas();
}

PictureBox::~PictureBox() {
    finishDrawing();
}

QWidget* PictureBox::childArea() {
    return widget_;
}
Form* PictureBox::form() {
    return parent_.form();
}

void PictureBox::setBorderStyle(int s) {
    aboutToChange();
    border_ = s;
    widget_->update();
}

void PictureBox::ensureCanvas() {
    finishDrawing();
    if (!picture_.isNull()) return;
    const int w = std::max(1, px(width_)), h = std::max(1, px(height_));
    if (canvas_.width() != w || canvas_.height() != h) {
        keepCanvas();
        QImage blank(w, h, QImage::Format_RGB32);
        blank.fill(toQColor(back_));
        QImage keep = canvas_;
        canvas_ = blank;
        if (!keep.isNull()) {
            QPainter p(&canvas_);
            p.drawImage(0, 0, keep);
        }
    }
    if (!customScale_) {
        sw_ = width_;
        sh_ = height_;
    }
}

void PictureBox::setPicture(const QImage& img) {
    finishDrawing();
    keepCanvas();
    picture_ = img.isNull() ? QImage() : img.convertToFormat(QImage::Format_RGB32);
    if (picture_.isNull()) {
        canvas_ = QImage();
        ensureCanvas();
    } else {
        canvas_ = picture_;
    }
    updateWidget();
}

bool PictureBox::loadPicture(const QString& path) {
    QImage img;
    const bool ok = fileExists(path) && img.load(diskPath(path));
    setPicture(ok ? img : QImage());
    return ok;
}

void PictureBox::setPictureArea(QSize twips) {
    aboutToChange();
    if (twips == area_) return;
    area_ = twips;
    updateWidget();
}

QRectF PictureBox::shownPicture() const {
    return static_cast<PictureWidget*>(widget_)->target();
}

void PictureBox::setScale(double left, double top, double width, double height) {
    aboutToChange();
    sl_ = left;
    st_ = top;
    sw_ = width;
    sh_ = height;
    customScale_ = true;
}

double PictureBox::pixelsPerUnitX() const {
    return sw_ != 0 ? canvas_.width() / sw_ : 1.0;
}
double PictureBox::pixelsPerUnitY() const {
    return sh_ != 0 ? canvas_.height() / sh_ : 1.0;
}

QPointF PictureBox::toPixels(double x, double y) const {
    const double w = canvas_.width(), h = canvas_.height();
    return QPointF(sw_ != 0 ? (x - sl_) * w / sw_ : x - sl_, sh_ != 0 ? (y - st_) * h / sh_ : y - st_);
}

double PictureBox::toScaleX(int pxX) const {
    const QRectF t = static_cast<PictureWidget*>(widget_)->target();
    const double imgX = t.width() > 0 ? pxX * canvas_.width() / t.width() : pxX;
    return sl_ + imgX / pixelsPerUnitX();
}

double PictureBox::toScaleY(int pxY) const {
    const QRectF t = static_cast<PictureWidget*>(widget_)->target();
    const double imgY = t.height() > 0 ? pxY * canvas_.height() / t.height() : pxY;
    return st_ + imgY / pixelsPerUnitY();
}

std::function<void()> PictureBox::standing() {
    struct Standing {
        QImage picture, canvas;
        bool clean;
        double sl, st, sw, sh;
        bool customScale;
        int border;
        QSize area;
        double currentX, currentY;
        int drawWidth, drawStyle, fillStyle;
        long fillColor;
        double printFontSize;
        bool printFontBold;
    };
    // A canvas that is still the picture is kept whole at no cost; else the drawings keep what they
    // cover (keepCanvas).
    const bool clean = canvas_.isNull() || canvas_.constBits() == picture_.constBits();
    keptMoment_ = kept::moment();
    canvasKept_ = clean;
    keptPixels_ = 0;
    const Standing was{picture_,
                       clean ? canvas_ : QImage(),
                       clean,
                       sl_,
                       st_,
                       sw_,
                       sh_,
                       customScale_,
                       border_,
                       area_,
                       currentX_,
                       currentY_,
                       drawWidth_,
                       drawStyle_,
                       fillStyle_,
                       fillColor_,
                       printFontSize_,
                       printFontBold_};
    return [this, base = Control::standing(), was] {
        base();
        finishDrawing();
        picture_ = was.picture;
        if (was.clean) canvas_ = was.canvas;
        sl_ = was.sl, st_ = was.st, sw_ = was.sw, sh_ = was.sh;
        customScale_ = was.customScale;
        border_ = was.border;
        area_ = was.area;
        currentX_ = was.currentX, currentY_ = was.currentY;
        drawWidth_ = was.drawWidth, drawStyle_ = was.drawStyle, fillStyle_ = was.fillStyle;
        fillColor_ = was.fillColor;
        printFontSize_ = was.printFontSize, printFontBold_ = was.printFontBold;
        updateWidget();
    };
}

void PictureBox::keepCanvas(const QRectF& area) {
    if (keptMoment_ == kept::moment() && canvasKept_) return;
    if (!kept::keeping(parent_.form())) return;
    finishDrawing();
    if (keptMoment_ != kept::moment()) {
        keptMoment_ = kept::moment();
        canvasKept_ = false;
        keptPixels_ = 0;
    }
    aboutToChange();
    if (canvasKept_) return;
    const QRect covered = area.isNull() ? canvas_.rect() : area.toAlignedRect().intersected(canvas_.rect());
    const long long all = (long long)canvas_.width() * canvas_.height();
    // A change of the whole canvas, or drawings that together cover much of it: the canvas as it is
    // now is kept whole (the drawing then works on a copy of its own).
    if (area.isNull() || keptPixels_ + (long long)covered.width() * covered.height() > all / 4) {
        kept::noteMore(this, [this, before = canvas_] {
            finishDrawing();
            canvas_ = before;
            updateWidget();
        });
        canvasKept_ = true;
        return;
    }
    if (covered.isEmpty()) return;
    keptPixels_ += (long long)covered.width() * covered.height();
    kept::noteMore(this, [this, covered, pixels = canvas_.copy(covered)] {
        finishDrawing();
        QPainter p(&canvas_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(covered.topLeft(), pixels);
    });
}

void PictureBox::updateWidget() {
    if (widget_ && !held_) widget_->update();
}

PictureBox::ShownHold::ShownHold(PictureBox& box) : box_(box) {
    box_.finishDrawing();
    box_.heldImage_ = box_.canvas_;
    box_.heldBack_ = box_.back_;
    box_.held_ = true;
}

PictureBox::ShownHold::~ShownHold() {
    box_.finishDrawing();
    box_.held_ = false;
    // The image shown until now is kept for the next canvas when nothing else holds it.
    if (box_.heldImage_.isDetached() && box_.heldImage_.constBits() != box_.canvas_.constBits())
        box_.spare_ = std::move(box_.heldImage_);
    box_.heldImage_ = QImage();
    box_.updateWidget();
}

void PictureBox::ownCanvas() {
    if (canvas_.isNull() || canvas_.constBits() != picture_.constBits()) return;
    if (spare_.isNull() || !spare_.isDetached() || spare_.size() != picture_.size() ||
        spare_.format() != picture_.format() || spare_.bytesPerLine() != picture_.bytesPerLine() ||
        spare_.devicePixelRatio() != picture_.devicePixelRatio() ||
        spare_.colorSpace() != picture_.colorSpace())
        return;
    // The picture's pixels and what else a copy of it would take.
    std::memcpy(spare_.bits(), picture_.constBits(), std::size_t(picture_.sizeInBytes()));
    spare_.setDotsPerMeterX(picture_.dotsPerMeterX());
    spare_.setDotsPerMeterY(picture_.dotsPerMeterY());
    spare_.setOffset(picture_.offset());
    canvas_ = std::move(spare_);
    spare_ = QImage();
}

PictureBox::DrawnAside::DrawnAside(PictureBox& box) : box_(box), exceptions_(std::uncaught_exceptions()) {
    box_.finishDrawing();
    box_.drawingAside_ = true;
}

PictureBox::DrawnAside::~DrawnAside() {
    box_.drawingAside_ = false;
    if (box_.drawnAside_.empty()) return;
    // The thread draws on a canvas of the box's own, which nothing else reaches until it is done.
    box_.ownCanvas();
    box_.canvas_.detach();
    auto drawings =
        std::make_shared<std::vector<std::function<void(QPainter&)>>>(std::move(box_.drawnAside_));
    box_.drawnAside_.clear();
    auto drawAll = [canvas = &box_.canvas_, drawings] {
        for (const auto& drawing : *drawings) {
            QPainter p(canvas);
            drawing(p);
        }
    };
    // Left by an exception, or with no thread to be had, the drawings are made here and now.
    if (std::uncaught_exceptions() > exceptions_) {
        drawAll();
        return;
    }
    try {
        box_.drawing_ = std::async(std::launch::async, drawAll);
    } catch (const std::exception&) {
        drawAll();
    }
}

void PictureBox::finishDrawing() const noexcept {
    if (!drawing_.valid()) return;
    try {
        drawing_.get();
    } catch (const std::exception& e) {
        // Out of memory on the way: the image keeps what was drawn.
        qWarning("drawing on %s: %s", qPrintable(name()), e.what());
    }
}

void PictureBox::draw(std::function<void(QPainter&)> drawing) {
    if (drawingAside_) {
        drawnAside_.push_back(std::move(drawing));
        return;
    }
    finishDrawing();
    ownCanvas();
    QPainter p(&canvas_);
    drawing(p);
}

void PictureBox::setCurrentX(double x) {
    keepAndSet(currentX_, x);
}
void PictureBox::setCurrentY(double y) {
    keepAndSet(currentY_, y);
}
void PictureBox::setDrawWidth(int w) {
    keepAndSet(drawWidth_, w);
}
void PictureBox::setDrawStyle(int s) {
    keepAndSet(drawStyle_, s);
}
void PictureBox::setFillStyle(int s) {
    keepAndSet(fillStyle_, s);
}
void PictureBox::setFillColor(long c) {
    keepAndSet(fillColor_, c);
}
void PictureBox::setPrintFontSize(double points) {
    keepAndSet(printFontSize_, points);
}
void PictureBox::setPrintFontBold(bool bold) {
    keepAndSet(printFontBold_, bold);
}

void PictureBox::cls() {
    finishDrawing();
    keepCanvas();
    if (picture_.isNull()) {
        canvas_.fill(toQColor(back_));
    } else {
        canvas_ = picture_;
    }
    currentX_ = currentY_ = 0;
    updateWidget();
}

namespace {
QPen drawPen(long colour, int width, int style) {
    QPen pen(toQColor(colour));
    pen.setWidth(std::max(1, width));
    pen.setStyle(style == 1 ? Qt::DashLine : style == 2 ? Qt::DotLine : Qt::SolidLine);
    return pen;
}
} // namespace

void PictureBox::pset(double x, double y, long colour) {
    const QPointF a = toPixels(x, y);
    const QColor c = toQColor(colour);
    const double reach = std::max(1, drawWidth_) + 2;
    keepCanvas(QRectF(a.x() - reach, a.y() - reach, 2 * reach, 2 * reach));
    if (drawWidth_ <= 1) {
        draw([a, c](QPainter& p) {
            p.setPen(c);
            p.drawPoint(a);
        });
    } else {
        const double r = drawWidth_ / 2.0;
        draw([a, c, r](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(a, r, r);
        });
    }
    currentX_ = x;
    currentY_ = y;
    updateWidget();
}

double PictureBox::imagePixelsPerShownPixel() const {
    const QRectF t = static_cast<PictureWidget*>(widget_)->target();
    return t.width() > 0 ? std::max(1.0, canvas_.width() / t.width()) : 1.0;
}

QPen PictureBox::pen(long colour) const {
    QPen pen = drawPen(colour, 1, drawStyle_);
    pen.setWidthF(std::max(1, drawWidth_) * imagePixelsPerShownPixel());
    return pen;
}

void PictureBox::line(double x1, double y1, double x2, double y2, long colour) {
    const QPen drawn = pen(colour);
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    const double reach = drawn.widthF() + 2;
    keepCanvas(QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach));
    draw([drawn, a, b](QPainter& p) {
        p.setPen(drawn);
        p.drawLine(a, b);
    });
    currentX_ = x2;
    currentY_ = y2;
    updateWidget();
}

void PictureBox::box(double x1, double y1, double x2, double y2, long colour, bool filled) {
    const QRectF r = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized();
    const double reach = pen(colour).widthF() + 2;
    keepCanvas(r.adjusted(-reach, -reach, reach, reach));
    if (filled) {
        draw([r, c = toQColor(colour)](QPainter& p) { p.fillRect(r.adjusted(0, 0, 1, 1), c); });
    } else {
        const std::optional<QColor> fill =
            fillStyle_ == 0 ? std::optional(toQColor(fillColor_)) : std::nullopt;
        draw([r, pen = pen(colour), fill](QPainter& p) {
            p.setPen(pen);
            if (fill) p.setBrush(*fill);
            p.drawRect(r);
        });
    }
    currentX_ = x2;
    currentY_ = y2;
    updateWidget();
}

void PictureBox::circle(double x, double y, double radius, long colour) {
    const double rx = radius * pixelsPerUnitX(), ry = radius * pixelsPerUnitX();
    const QPen drawn = pen(colour);
    const QPointF centre = toPixels(x, y);
    const double reach = drawn.widthF() + 2;
    keepCanvas(QRectF(centre.x() - rx - reach, centre.y() - ry - reach, 2 * (rx + reach), 2 * (ry + reach)));
    const std::optional<QColor> fill = fillStyle_ == 0 ? std::optional(toQColor(fillColor_)) : std::nullopt;
    draw([centre, rx, ry, drawn, fill](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(drawn);
        if (fill) p.setBrush(*fill);
        p.drawEllipse(centre, rx, ry);
    });
    currentX_ = x;
    currentY_ = y;
    updateWidget();
}

namespace {
QFont drawFont(double size, bool bold) {
    QFont f;
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}
} // namespace

void PictureBox::print(const QString& text) {
    // What was taken down before the text is drawn first, in its order.
    for (const auto& drawing : std::exchange(drawnAside_, {})) {
        ownCanvas();
        QPainter p(&canvas_);
        drawing(p);
    }
    finishDrawing();
    const QFont font = drawFont(printFontSize_, printFontBold_);
    const QFontMetricsF fm(font);
    const QPointF a = toPixels(currentX_, currentY_);
    keepCanvas(QRectF(a.x() - 2, a.y() - 2, fm.horizontalAdvance(text) + fm.maxWidth() + 4, fm.height() + 4));
    ownCanvas();
    QPainter p(&canvas_);
    p.setFont(font);
    p.setPen(toQColor(fore_));
    p.drawText(QPointF(a.x(), a.y() + fm.ascent()), text);
    currentY_ += fm.height() / pixelsPerUnitY();
    updateWidget();
}

double PictureBox::textWidth(const QString& text) const {
    const QFontMetricsF fm(drawFont(printFontSize_, printFontBold_));
    return fm.horizontalAdvance(text) / pixelsPerUnitX();
}

double PictureBox::textHeight(const QString&) const {
    const QFontMetricsF fm(drawFont(printFontSize_, printFontBold_));
    return fm.height() / pixelsPerUnitY();
}

long PictureBox::point(double x, double y) const {
    finishDrawing();
    const QPointF a = toPixels(x, y);
    const int ix = int(std::floor(a.x())), iy = int(std::floor(a.y()));
    if (ix < 0 || iy < 0 || ix >= canvas_.width() || iy >= canvas_.height()) return -1;
    return fromQColor(QColor(canvas_.pixel(ix, iy)));
}

} // namespace platform
