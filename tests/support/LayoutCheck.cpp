#include "LayoutCheck.h"

#include "platform/Form.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextDocument>
#include <functional>
#include <optional>

namespace testsupport {

namespace {

QString pathOf(const QWidget* w, const QWidget* top) {
    QStringList names;
    for (const QWidget* p = w; p && p != top; p = p->parentWidget())
        if (!p->objectName().isEmpty()) names.prepend(p->objectName());
    return names.join(u'/');
}

QString shown(QString text) {
    // "&&" shows one "&"; a single "&" marks the access key and is not drawn.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

void checkLabel(const QLabel* l, QStringList& out, const QString& name) {
    const QString text = l->text();
    if (text.isEmpty() || !l->pixmap().isNull()) return;
    const QRect cr = l->contentsRect();
    const QFontMetrics fm(l->font());
    int avail = cr.width();
    if (l->frameWidth() > 0 && !(l->alignment() & Qt::AlignHCenter)) avail -= fm.horizontalAdvance(u'x') / 2;
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setDefaultFont(l->font());
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        if (doc.idealWidth() > avail + 1)
            out << QStringLiteral("%1: text %2 px wide in %3 px").arg(name).arg(doc.idealWidth()).arg(avail);
        return;
    }
    if (!l->wordWrap()) {
        if (fm.horizontalAdvance(text) > avail)
            out << QStringLiteral("%1: \"%2\" cut (%3 px in %4 px)")
                       .arg(name, text)
                       .arg(fm.horizontalAdvance(text))
                       .arg(avail);
        else if (fm.height() > cr.height() + 1)
            out << QStringLiteral("%1: \"%2\" too low (%3 px in %4 px)")
                       .arg(name, text)
                       .arg(fm.height())
                       .arg(cr.height());
        return;
    }
    const QRect need = fm.boundingRect(QRect(0, 0, avail, 100000), Qt::TextWordWrap | l->alignment(), text);
    if (need.width() > avail || need.height() > cr.height() + 1)
        out << QStringLiteral("%1: \"%2\" wraps out of its box (%3x%4 px in %5x%6 px)")
                   .arg(name, text)
                   .arg(need.width())
                   .arg(need.height())
                   .arg(avail)
                   .arg(cr.height());
}

void checkWidth(const QWidget* w, int needed, const QString& text, QStringList& out, const QString& name) {
    if (needed > w->width())
        out << QStringLiteral("%1: \"%2\" cut (%3 px in %4 px)").arg(name, text).arg(needed).arg(w->width());
}

int widestItem(const QFontMetrics& fm, const QStringList& items) {
    int widest = 0;
    for (const QString& s : items) widest = std::max(widest, fm.horizontalAdvance(s));
    return widest;
}

// The text a control shows, empty when it shows none.
QString textOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->pixmap().isNull() ? l->text() : QString();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->icon().isNull() ? b->text() : QString();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (auto* list = qobject_cast<const QListWidget*>(w))
        return list->count() ? list->item(0)->text() : QString();
    return {};
}

void checkControl(const QWidget* w, QStringList& out, const QString& name) {
    if (!textOf(w).trimmed().isEmpty() && w->font().pointSizeF() < platform::kSmallestPoints - 0.05)
        out << QStringLiteral("%1: text of %2 points, smaller than %3")
                   .arg(name)
                   .arg(w->font().pointSizeF())
                   .arg(platform::kSmallestPoints);
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        checkLabel(l, out, name);
    } else if (auto* b = qobject_cast<const QPushButton*>(w)) {
        if (!b->icon().isNull() || b->text().isEmpty()) return;
        const QString text = shown(b->text());
        const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                           2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        checkWidth(b, QFontMetrics(b->font()).horizontalAdvance(text) + margin, text, out, name);
    } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        auto* b = static_cast<const QAbstractButton*>(w);
        if (!b->text().isEmpty()) checkWidth(b, b->sizeHint().width(), shown(b->text()), out, name);
    } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        if (!g->title().isEmpty()) {
            const QString text = shown(g->title());
            checkWidth(g, QFontMetrics(g->font()).horizontalAdvance(text) + 16, text, out, name);
        }
    } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        if (!e->text().isEmpty())
            checkWidth(e, QFontMetrics(e->font()).horizontalAdvance(e->text()) + 8, e->text(), out, name);
    } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        const int widest = widestItem(QFontMetrics(c->view()->font()), items);
        const int popup = std::max(c->width(), c->view()->minimumWidth());
        // The popup's frame, the item's margins and a scroll bar when the list is long.
        const int room = popup - 12 - (c->count() > c->maxVisibleItems() ? 16 : 0);
        if (widest > room)
            out << QStringLiteral("%1: list items cut (%2 px in %3 px)").arg(name).arg(widest).arg(room);
        // Whatever is picked shows whole in the box itself, beside the arrow.
        constexpr int kArrowAndFrame = 28;
        const QFontMetrics fm(c->font());
        items << c->currentText();
        if (widestItem(fm, items) + kArrowAndFrame > c->width())
            out << QStringLiteral("%1: an item is cut in the box (%2 px in %3 px)")
                       .arg(name)
                       .arg(widestItem(fm, items) + kArrowAndFrame)
                       .arg(c->width());
    } else if (auto* list = qobject_cast<const QListWidget*>(w)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        const QFontMetrics fm(list->font());
        const int widest = widestItem(fm, items);
        // The list's own width, shown or not: its frame, the item margins, a scroll bar when long.
        const bool scrolls = list->count() * fm.height() > list->height() - 2 * list->frameWidth();
        const int room = list->width() - 2 * list->frameWidth() - 6 - (scrolls ? 16 : 0);
        if (widest > room)
            out << QStringLiteral("%1: list items cut (%2 px in %3 px)").arg(name).arg(widest).arg(room);
    }
}

bool holdsControls(const QWidget* w) {
    return !qobject_cast<const QComboBox*>(w) && !qobject_cast<const QAbstractScrollArea*>(w) &&
           !qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QAbstractButton*>(w) &&
           !qobject_cast<const QLabel*>(w);
}

// A control that shows something: an empty caption or a picture may lie under another control.
bool showsText(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return !l->text().isEmpty() && l->pixmap().isNull();
    return !qobject_cast<const QGroupBox*>(w) || !static_cast<const QGroupBox*>(w)->title().isEmpty();
}

// A control that stands on or right under a frame's title, where the two read as one.
void checkFrameTitle(const QGroupBox* g, const QWidget* top, QStringList& out) {
    if (g->title().isEmpty()) return;
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.textAlignment = g->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.lineWidth = 1;
    const QRect title = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    const QRect inside =
        g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxContents, g);
    // Under the title, down to two pixels below the frame's line.
    const QRect kept(title.left(), 0, title.width(), inside.top() + 2);
    for (QObject* o : g->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        // A line or a picture may meet the frame's line; a text may not.
        const bool text = qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
                          qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
                          qobject_cast<const QAbstractScrollArea*>(w);
        if (w && !w->isWindow() && !w->isHidden() && text && showsText(w) && w->geometry().intersects(kept))
            out << QStringLiteral("%1 touches the title of %2").arg(pathOf(w, top), pathOf(g, top));
    }
}

void walk(const QWidget* parent, const QRect& room, const QWidget* top, QStringList& out) {
    QList<const QWidget*> shown;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !w->isHidden() && showsText(w)) shown << w;
    }
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                out << QStringLiteral("%1 and %2 overlap").arg(pathOf(shown[i], top), pathOf(shown[j], top));
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->isHidden()) continue;
        const QString name = pathOf(w, top);
        if (!room.contains(w->geometry()))
            out << QStringLiteral("%1: sticks out of %2")
                       .arg(name, parent == top ? QStringLiteral("the window") : parent->objectName());
        checkControl(w, out, name);
        if (holdsControls(w)) walk(w, w->rect(), top, out);
    }
}

// The control a click at `at` (in `w`'s coordinates) reaches: the topmost shown child there.
const QWidget* hit(const QWidget* w, QPoint at) {
    const QObjectList& kids = w->children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        auto* k = qobject_cast<const QWidget*>(*it);
        if (!k || k->isWindow() || k->isHidden() || k->testAttribute(Qt::WA_TransparentForMouseEvents) ||
            !k->geometry().contains(at))
            continue;
        return hit(k, at - k->pos());
    }
    return w;
}

// Controls the player uses (enabled ones showing a text or a picture, or taking the focus) whose
// middle lies under another control, so that a click there does not reach them.
void checkCovered(const QWidget* parent, const QWidget* top, QStringList& out) {
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->isHidden()) continue;
        if (holdsControls(w)) {
            checkCovered(w, top, out);
            continue;
        }
        auto* label = qobject_cast<const QLabel*>(w);
        const bool picture = label && !label->pixmap().isNull();
        if (!w->isEnabledTo(top) ||
            (textOf(w).trimmed().isEmpty() && !picture && !(w->focusPolicy() & Qt::TabFocus)))
            continue;
        const QPoint middle = w->mapTo(top, w->rect().center());
        const QWidget* reached = hit(top, middle);
        if (reached != w && !w->isAncestorOf(reached))
            out << QStringLiteral("%1 is covered by %2").arg(pathOf(w, top), pathOf(reached, top));
    }
}

} // namespace

QWidget* widgetAt(QWidget* top, QPoint at) {
    return const_cast<QWidget*>(hit(top, at));
}

QStringList coveredControls(QWidget* top) {
    QStringList out;
    checkCovered(top, top, out);
    return out;
}

QStringList windowOffScreen(platform::Form& form) {
    const QMainWindow* w = form.window();
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen || w->isMaximized()) return {};
    // The title bar and border the window manager adds, as the windows allow for them.
    constexpr int kFrameWidth = 8, kTitleHeight = 30;
    const QRect room = screen->availableGeometry();
    const QSize need(w->width() + 2 * kFrameWidth, w->height() + kTitleHeight + kFrameWidth);
    if (need.width() <= room.width() && need.height() <= room.height()) return {};
    return {QStringLiteral("the window (%1x%2 px with its frame) is larger than the screen (%3x%4 px)")
                .arg(need.width())
                .arg(need.height())
                .arg(room.width())
                .arg(room.height())};
}

QStringList clippedControls(QWidget* top) {
    QStringList out;
    walk(top, top->rect(), top, out);
    return out;
}

QStringList frameTitleFaults(platform::Form& form) {
    QStringList out;
    const QWidget* top = form.childArea();
    for (const QGroupBox* g : top->findChildren<QGroupBox*>())
        if (g->isVisibleTo(top)) checkFrameTitle(g, top, out);
    return out;
}

QStringList clippedControls(platform::Form& form) {
    // The client area as the window is sized, whether or not it has been shown yet.
    QStringList out;
    // The client area as the window is sized, whether or not it has been shown yet; maximised, as
    // the screen gives it.
    const double k = form.scale() / platform::kTwipsPerPixel;
    const QRect client = form.window()->isMaximized() ? form.childArea()->rect()
                                                      : QRect(0, 0, int(std::lround(form.width() * k)),
                                                              int(std::lround(form.height() * k)));
    walk(form.childArea(), client, form.childArea(), out);
    return out + coveredControls(form.childArea()) + windowOffScreen(form);
}

namespace {
QString focusName(const QWidget* w, const QWidget* top) {
    if (!w) return QStringLiteral("nothing");
    // A combo box's text is its own.
    if (w->parentWidget() && qobject_cast<const QComboBox*>(w->parentWidget())) w = w->parentWidget();
    if (auto* r = qobject_cast<const QRadioButton*>(w); r && r->autoExclusive())
        return pathOf(r->parentWidget(), top) + QStringLiteral("/options");
    return pathOf(w, top);
}

// An option group is one stop of Tab, at whichever of its buttons (the arrow keys move within it).
bool laterOption(const QWidget* w, QList<const QObject*>& groupsMet) {
    auto* r = qobject_cast<const QRadioButton*>(w);
    if (!r || !r->autoExclusive()) return false;
    if (groupsMet.contains(r->parent())) return true;
    groupsMet << r->parent();
    return false;
}

// The controls a round of Tab should visit: shown, enabled and taking the focus by Tab, in the
// order of the window's focus chain; an option group is one stop.
QStringList expectedRound(const QWidget* top) {
    QStringList out;
    QList<const QObject*> groupsMet;
    const QWidget* start = top;
    for (const QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (!top->isAncestorOf(w) || !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (w->focusProxy() || laterOption(w, groupsMet)) continue;
        out << focusName(w, top);
    }
    return out;
}
} // namespace

std::string tabFaults(platform::Form& form) {
    QWidget* window = form.window();
    QWidget* top = form.childArea();
    const bool wasShown = window->isVisible();
    if (!wasShown) form.show();
    QApplication::setActiveWindow(window);
    QStringList out;
    const QStringList round = expectedRound(top);
    QWidget* now = QApplication::focusWidget();
    if (round.isEmpty()) {
        if (!wasShown) form.hide();
        return {};
    }
    if (!now || !window->isAncestorOf(now))
        out << QStringLiteral("no control has the focus when the window opens");
    // A lone control keeps the focus.
    for (const bool back : {false, true}) {
        if (round.size() < 2) break;
        QStringList seen;
        for (int i = 0; i < round.size() && now; ++i) {
            QTest::keyClick(now, back ? Qt::Key_Backtab : Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            QWidget* next = QApplication::focusWidget();
            if (next == now) {
                out << QStringLiteral("%1 keeps the focus at %2")
                           .arg(focusName(now, top),
                                back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"));
                break;
            }
            now = next;
            seen << focusName(now, top);
        }
        QStringList want = round;
        if (back) std::reverse(want.begin(), want.end());
        // A round starts wherever the focus stood: compare it turned to start where the wanted one does.
        const qsizetype at = seen.isEmpty() ? -1 : want.indexOf(seen.front());
        if (at > 0) want = want.mid(at) + want.mid(0, at);
        if (seen != want)
            out << QStringLiteral("%1 went through\n  %2\ninstead of\n  %3")
                       .arg(back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"), seen.join(u' '),
                            want.join(u' '));
    }
    if (!wasShown) form.hide();
    return out.join(u'\n').toStdString();
}

namespace {
platform::Control* findControl(const platform::Container& in, const QString& name, int index) {
    for (platform::Control* c : in.children()) {
        if (c->name() == name && c->index() == index) return c;
        if (auto* inner = dynamic_cast<const platform::Container*>(c))
            if (platform::Control* found = findControl(*inner, name, index)) return found;
    }
    return nullptr;
}

// The control's caption, and a routine that puts another one in; nothing for a control that shows
// no caption.
std::optional<std::pair<QString, std::function<void(const QString&)>>> captionOf(platform::Control* c) {
    using namespace platform;
    if (auto* l = dynamic_cast<Label*>(c))
        return {{l->caption(), [l](const QString& t) { l->setCaption(t); }}};
    if (auto* b = dynamic_cast<CommandButton*>(c))
        return {{b->caption(), [b](const QString& t) { b->setCaption(t); }}};
    if (auto* k = dynamic_cast<CheckBox*>(c))
        return {{k->caption(), [k](const QString& t) { k->setCaption(t); }}};
    if (auto* o = dynamic_cast<OptionButton*>(c))
        return {{o->caption(), [o](const QString& t) { o->setCaption(t); }}};
    if (auto* f = dynamic_cast<Frame*>(c))
        return {{f->caption(), [f](const QString& t) { f->setCaption(t); }}};
    return std::nullopt;
}
} // namespace

QStringList clippedCaptions(platform::Form& form, const RunTimeCaptions& captions) {
    QStringList out;
    const QWidget* top = form.childArea();
    for (const auto& [control, texts] : captions) {
        QString name = control;
        int index = -1;
        platform::Form::splitItemName(control, name, index);
        platform::Control* c = findControl(form, name, index);
        const auto caption = c ? captionOf(c) : std::nullopt;
        if (!caption) {
            out << QStringLiteral("%1: no control of the window with a caption").arg(control);
            continue;
        }
        for (const QString& text : texts) {
            caption->second(text);
            checkControl(c->widget(), out, pathOf(c->widget(), top));
        }
        caption->second(caption->first);
    }
    out.removeDuplicates();
    return out;
}

std::string layoutFaults(platform::Form& form) {
    return clippedControls(form).join(u'\n').toStdString();
}

std::string layoutAndTitleFaults(platform::Form& form) {
    return (clippedControls(form) + frameTitleFaults(form)).join(u'\n').toStdString();
}

} // namespace testsupport
