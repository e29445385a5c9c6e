// The game's windows keep their working values in their FormWith values, so that a player's action
// that fails puts them back with everything else it changed: a value a window keeps elsewhere (a
// data member of its own, a static one) would survive the failed action. The check reads the game's
// sources as C++ tokens: every class that derives from a window (platform::Form or FormWith, by any
// name, directly or through another window), however its declaration is laid out, may hold beside
// its values only its controls and menus, the side it borrowed (a side loan gives the screen's side
// back when the window goes, whatever its values) and constants. The windows found are held to the
// list of the game's windows and to every window the game opens, so that a window the reading
// missed is told.
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool isIdentifier(const QString& t) {
    return !t.isEmpty() && (t[0].isLetter() || t[0] == u'_');
}

// The source's tokens, without comments and preprocessor lines; a string literal is `""`, a
// character literal `''`, a number `0`. `::` and `->` are one token each, `>>` two.
QStringList tokens(const QString& s) {
    QStringList out;
    const qsizetype n = s.size();
    bool lineStart = true;
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < n ? s[k] : QChar(); };
    while (i < n) {
        const QChar c = s[i];
        if (c == u'\n') {
            lineStart = true;
            ++i;
            continue;
        }
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == u'#' && lineStart) { // to the line's end, with its continuations
            while (i < n && s[i] != u'\n') i += s[i] == u'\\' ? 2 : 1;
            continue;
        }
        lineStart = false;
        if (c == u'/' && at(i + 1) == u'/') {
            while (i < n && s[i] != u'\n') ++i;
            continue;
        }
        if (c == u'/' && at(i + 1) == u'*') {
            const qsizetype end = s.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            continue;
        }
        if (c.isDigit() || (c == u'.' && at(i + 1).isDigit())) {
            ++i;
            while (i < n && (s[i].isLetterOrNumber() || s[i] == u'.' || s[i] == u'_' ||
                             (s[i] == u'\'' && at(i + 1).isLetterOrNumber()) ||
                             ((s[i] == u'+' || s[i] == u'-') && QStringLiteral("eEpP").contains(s[i - 1]))))
                ++i;
            out << QStringLiteral("0");
            continue;
        }
        if (c.isLetter() || c == u'_') {
            const qsizetype start = i;
            while (i < n && (s[i].isLetterOrNumber() || s[i] == u'_')) ++i;
            const QString word = s.mid(start, i - start);
            if (at(i) == u'"' && QStringList{"R", "u8R", "uR", "UR", "LR"}.contains(word)) {
                const qsizetype open = s.indexOf(u'(', i);
                const QString close = u')' + s.mid(i + 1, open - i - 1) + u'"';
                const qsizetype end = s.indexOf(close, open);
                i = end < 0 ? n : end + close.size();
                out << QStringLiteral("\"\"");
                continue;
            }
            if ((at(i) == u'"' || at(i) == u'\'') && QStringList{"u8", "u", "U", "L"}.contains(word)) {
                continue; // the literal follows
            }
            out << word;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            ++i;
            while (i < n && s[i] != c) i += s[i] == u'\\' ? 2 : 1;
            ++i;
            out << QString(2, c);
            continue;
        }
        if ((c == u':' && at(i + 1) == u':') || (c == u'-' && at(i + 1) == u'>')) {
            out << s.mid(i, 2);
            i += 2;
            continue;
        }
        out << QString(c);
        ++i;
    }
    return out;
}

// The index after the bracket group opening at `i` ((), [] or {}).
qsizetype pastGroup(const QStringList& t, qsizetype i) {
    int depth = 0;
    for (; i < t.size(); ++i) {
        if (t[i] == u"(" || t[i] == u"[" || t[i] == u"{")
            ++depth;
        else if ((t[i] == u")" || t[i] == u"]" || t[i] == u"}") && --depth == 0)
            return i + 1;
    }
    return i;
}

// The first index of `what` in t[from, to) outside brackets and template arguments; -1 if none.
qsizetype topLevel(const QStringList& t, const QStringList& what, qsizetype from = 0, qsizetype to = -1) {
    if (to < 0) to = t.size();
    int angle = 0;
    for (qsizetype i = from; i < to;) {
        const QString& x = t[i];
        if (angle == 0 && what.contains(x)) return i;
        if (x == u"(" || x == u"[" || x == u"{") {
            i = pastGroup(t, i);
            continue;
        }
        if (x == u"operator") return -1;
        if (x == u"<") ++angle;
        if (x == u">" && angle > 0) --angle;
        ++i;
    }
    return -1;
}

// Whether a declaration (up to its initialiser) declares a function: a name followed by its
// parameters, not a pointer or reference to one (`void (*hook)(int)`).
bool declaresFunction(const QStringList& d) {
    if (d.contains(QStringLiteral("operator"))) return true;
    int angle = 0;
    for (qsizetype i = 0; i < d.size(); ++i) {
        const QString& x = d[i];
        if (x == u"[") {
            i = pastGroup(d, i) - 1;
            continue;
        }
        if (x == u"<") ++angle;
        if (x == u">" && angle > 0) --angle;
        if (x != u"(" || angle > 0) continue;
        if (i > 0 && QStringList{"decltype", "alignas", "noexcept", "sizeof", "alignof"}.contains(d[i - 1])) {
            i = pastGroup(d, i) - 1;
            continue;
        }
        qsizetype k = i + 1;
        while (k + 1 < d.size() && isIdentifier(d[k]) && d[k + 1] == u"::") k += 2;
        if (k < d.size() && QStringList{"*", "&", "^"}.contains(d[k])) return false;
        return i > 0 && (isIdentifier(d[i - 1]) || d[i - 1] == u">");
    }
    return false;
}

// Whether the statement so far is the head of a type's definition: `struct Spot`, `enum class
// Mode : int`, `class Inner final : public Base`, `union`.
bool typeHead(const QStringList& d) {
    qsizetype i = 0;
    if (i < d.size() && d[i] == u"typedef") ++i;
    if (i >= d.size() || !QStringList{"class", "struct", "union", "enum"}.contains(d[i])) return false;
    if (d[i++] == u"enum" && i < d.size() && (d[i] == u"class" || d[i] == u"struct")) ++i;
    while (i < d.size() && (d[i] == u"[" || d[i] == u"alignas")) i = pastGroup(d, d[i] == u"[" ? i : i + 1);
    while (i < d.size() && isIdentifier(d[i]) && d[i] != u"final") {
        ++i;
        if (i < d.size() && d[i] == u"::")
            ++i;
        else
            break;
    }
    if (i < d.size() && d[i] == u"final") ++i;
    return i == d.size() || d[i] == u":";
}

const QStringList& controlTypes() {
    static const QStringList types{"Label",       "CommandButton", "Frame",        "TextBox", "ListBox",
                                   "ComboBox",    "CheckBox",      "OptionButton", "Image",   "Line",
                                   "ProgressBar", "PictureBox",    "Menu"};
    return types;
}

// The window's make-up rather than its values: a control or menu (or a reference to one the layout
// table made), an array of them, the controls made as the window is built, the layout table's
// maker, the side it borrowed.
bool makeUp(const QStringList& d) {
    qsizetype i = 0;
    const auto word = [&](const char* w) {
        if (i < d.size() && d[i] == QLatin1String(w)) return ++i, true;
        return false;
    };
    const auto platformName = [&](const QStringList& names) {
        if (i + 1 < d.size() && d[i] == u"platform" && d[i + 1] == u"::") i += 2;
        if (i < d.size() && names.contains(d[i])) return ++i, true;
        return false;
    };
    const auto control = [&] { return platformName(controlTypes()); };
    bool made = false;
    if (platformName({"ControlArray"})) {
        made = word("<") && control() && word(">");
    } else if (word("std")) {
        made = word("::") && word("vector") && word("<") && word("std") && word("::") && word("unique_ptr") &&
               word("<") && control() && word(">") && word(">");
    } else if (platformName({"LaidOut", "SideLoan"})) {
        made = true;
    } else {
        made = control();
    }
    if (!made) return false;
    word("&");
    if (i >= d.size() || !isIdentifier(d[i])) return false;
    // One control, or an array of them: no pointer and no second declarator.
    for (qsizetype k = i + 1; k < d.size();
         k = d[k] == u"(" || d[k] == u"[" || d[k] == u"{" ? pastGroup(d, k) : k + 1)
        if (d[k] == u"*" || d[k] == u",") return false;
    return true;
}

// The data members a class body declares (its tokens from just after its '{' to its '}'), each as
// its name (after "static " for a static member). Functions, nested types, aliases, friends,
// constants (static const or constexpr) and the window's make-up are not data; a static member that
// can change is.
QStringList dataMembers(const QStringList& body) {
    QStringList found;
    qsizetype i = 0;
    const qsizetype n = body.size();
    while (i < n) {
        if (body[i] == u";") {
            ++i;
            continue;
        }
        if (i + 1 < n && QStringList{"public", "protected", "private"}.contains(body[i]) &&
            body[i + 1] == u":") {
            i += 2;
            continue;
        }
        QStringList d;           // the statement, each bracket group after its initialiser as `{}`
        bool typeBody = false;   // a nested type's definition, its declarators after it
        qsizetype afterType = 0; // where they begin in d
        bool function = false;
        while (i < n && body[i] != u";") {
            const QString& x = body[i];
            if (x == u"(" || x == u"[") {
                const qsizetype end = pastGroup(body, i);
                d << body.mid(i, end - i);
                i = end;
                continue;
            }
            if (x != u"{") {
                d << x;
                ++i;
                continue;
            }
            const qsizetype end = pastGroup(body, i);
            if (!typeBody && typeHead(d)) {
                typeBody = true;
                d << QStringLiteral("{}");
                afterType = d.size();
            } else if (topLevel(d, {"="}) < 0 && !typeBody && declaresFunction(d)) {
                // The body, unless a member initialiser of a constructor's list (`a_{1}`).
                const qsizetype colon = topLevel(d, {":"});
                if (colon < 0 || !(isIdentifier(d.last()) || d.last() == u">")) {
                    i = end;
                    function = true;
                    break;
                }
                d << QStringLiteral("{}");
            } else {
                d << QStringLiteral("{}");
            }
            i = end;
        }
        if (!function && i < n) ++i; // the ';'
        if (function || d.isEmpty()) continue;
        if (QStringList{"using", "typedef", "friend", "static_assert", "template"}.contains(d[0])) continue;
        if (typeBody) {
            const QStringList declarators = d.mid(afterType);
            const auto name = std::find_if(declarators.begin(), declarators.end(), isIdentifier);
            if (name != declarators.end()) found << *name;
            continue;
        }
        if (typeHead(d)) continue; // a declaration of a type (`class HourPanel;`)
        const qsizetype init = topLevel(d, {"=", "{}"});
        const QStringList declaration = init < 0 ? d : d.mid(0, init);
        if (declaresFunction(declaration)) continue;
        if (d.contains(QStringLiteral("static")) && (declaration.contains(QStringLiteral("constexpr")) ||
                                                     declaration.contains(QStringLiteral("const"))))
            continue;
        if (makeUp(d)) continue;
        // The names: of a pointer to a function, the one after its '*'; else the last before any
        // array bounds or bit width.
        QStringList names;
        for (qsizetype from = 0; from < d.size();) {
            qsizetype to = topLevel(d, {","}, from);
            if (to < 0) to = d.size();
            QStringList part = d.mid(from, to - from);
            const qsizetype partInit = topLevel(part, {"=", "{}"});
            if (partInit >= 0) part = part.mid(0, partInit);
            const qsizetype star = part.indexOf(QStringLiteral("*"));
            const qsizetype pointer =
                star > 0 && part[star - 1] != u"(" && part[star - 1] != u"::" ? -1 : star;
            const qsizetype end = topLevel(part, {"[", ":"});
            QString name;
            if (pointer >= 0) {
                const auto first = std::find_if(part.begin() + pointer, part.end(), isIdentifier);
                if (first != part.end()) name = *first;
            } else {
                for (qsizetype k = 0; k < (end < 0 ? part.size() : end); ++k)
                    if (isIdentifier(part[k])) name = part[k];
            }
            names << name;
            from = to + 1;
        }
        found << (d.contains(QStringLiteral("static")) ? QStringLiteral("static ") : QString()) +
                     names.join(QStringLiteral(", "));
    }
    return found;
}

// A class defined in a source: its name, the tokens of its bases and of its body.
struct ClassDefinition {
    QString name;
    QStringList bases;
    QStringList body;
};

QList<ClassDefinition> classDefinitions(const QStringList& t) {
    QList<ClassDefinition> found;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if ((t[i] != u"class" && t[i] != u"struct" && t[i] != u"union") || (i > 0 && t[i - 1] == u"enum"))
            continue;
        qsizetype k = i + 1;
        while (k < t.size() && (t[k] == u"[" || t[k] == u"alignas"))
            k = pastGroup(t, t[k] == u"[" ? k : k + 1);
        ClassDefinition c;
        while (k < t.size() && isIdentifier(t[k]) && t[k] != u"final") {
            c.name = t[k++];
            if (k < t.size() && t[k] == u"<") { // a specialisation's arguments
                int angle = 0;
                for (; k < t.size(); ++k)
                    if (t[k] == u"<")
                        ++angle;
                    else if (t[k] == u">" && --angle == 0)
                        break;
                ++k;
            }
            if (k < t.size() && t[k] == u"::")
                ++k;
            else
                break;
        }
        if (k < t.size() && t[k] == u"final") ++k;
        if (k < t.size() && t[k] == u":") {
            const qsizetype open = topLevel(t, {"{", ";"}, k + 1);
            if (open < 0 || t[open] != u"{") continue;
            c.bases = t.mid(k + 1, open - k - 1);
            k = open;
        }
        if (k >= t.size() || t[k] != u"{") continue;
        const qsizetype end = pastGroup(t, k);
        c.body = t.mid(k + 1, end - k - 2);
        found << c;
    }
    return found;
}

// The names of the classes that derive from a window: from platform::Form, platform::FormWith, or
// a name for either (`using Window = platform::Form;`), or from another such class.
QStringList windowClasses(const QList<QStringList>& sources) {
    QSet<QString> windowNames{QStringLiteral("Form"), QStringLiteral("FormWith")};
    QList<ClassDefinition> classes;
    QList<QPair<QString, QStringList>> aliases;
    for (const QStringList& t : sources) {
        classes << classDefinitions(t);
        for (qsizetype i = 0; i + 2 < t.size(); ++i) {
            if (t[i] == u"using" && isIdentifier(t[i + 1]) && t[i + 2] == u"=") {
                const qsizetype end = t.indexOf(QStringLiteral(";"), i);
                aliases.append({t[i + 1], t.mid(i + 3, end - i - 3)});
            } else if (t[i] == u"typedef") {
                const qsizetype end = t.indexOf(QStringLiteral(";"), i);
                if (end > i + 1) aliases.append({t[end - 1], t.mid(i + 1, end - i - 2)});
            }
        }
    }
    const auto namesWindow = [&](const QStringList& words) {
        return std::any_of(words.begin(), words.end(),
                           [&](const QString& w) { return windowNames.contains(w); });
    };
    QStringList windows;
    for (bool more = true; more;) {
        more = false;
        for (const auto& [name, target] : aliases)
            if (!windowNames.contains(name) && namesWindow(target)) more = true, windowNames.insert(name);
        for (const ClassDefinition& c : classes)
            if (!c.name.isEmpty() && !windows.contains(c.name) && namesWindow(c.bases)) {
                windows << c.name;
                windowNames.insert(c.name);
                more = true;
            }
    }
    windows.sort();
    return windows;
}

// Each window's data members outside its values, as "Window: member".
QStringList membersOutsideValues(const QList<QStringList>& sources) {
    const QStringList windows = windowClasses(sources);
    QStringList faults;
    for (const QStringList& t : sources)
        for (const ClassDefinition& c : classDefinitions(t))
            if (windows.contains(c.name))
                for (const QString& member : dataMembers(c.body))
                    faults << c.name + QStringLiteral(": ") + member;
    return faults;
}

// The windows the sources open, close or ask for by type (`form<FrmX>()`, `unload<FrmX>()`), but
// a template's parameter.
QStringList windowsUsed(const QList<QStringList>& sources) {
    QStringList used;
    for (const QStringList& t : sources) {
        QSet<QString> parameters;
        for (qsizetype i = 2; i < t.size(); ++i)
            if ((t[i - 1] == u"class" || t[i - 1] == u"typename") && (t[i - 2] == u"<" || t[i - 2] == u","))
                parameters.insert(t[i]);
        for (qsizetype i = 0; i + 3 < t.size(); ++i)
            if (QStringList{"form", "unload", "isLoaded"}.contains(t[i]) && t[i + 1] == u"<" &&
                t[i + 3] == u">" && !parameters.contains(t[i + 2]) && !used.contains(t[i + 2]))
                used << t[i + 2];
    }
    used.sort();
    return used;
}

// Whether the sources change a control's widget behind the controls' back (a widget's stacking,
// geometry or look), where the windows' keeping does not see it.
QStringList widgetChanges(const QList<QStringList>& sources) {
    QStringList found;
    for (const QStringList& t : sources)
        for (qsizetype i = 0; i + 4 < t.size(); ++i)
            if (t[i] == u"widget" && t[i + 1] == u"(" && t[i + 2] == u")" && t[i + 3] == u"->" &&
                !t[i + 4].startsWith(QStringLiteral("is")) && !t[i + 4].startsWith(QStringLiteral("map")))
                found << t[i + 4];
    return found;
}

QList<QStringList> gameSources() {
    QList<QStringList> sources;
    QDirIterator files(QStringLiteral(TEST_SOURCE_DIR "/../game"),
                       {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile f(files.next());
        if (!f.open(QIODevice::ReadOnly)) ADD_FAILURE() << f.fileName().toStdString();
        sources << tokens(QString::fromUtf8(f.readAll()));
    }
    return sources;
}

} // namespace

TEST(WindowValues, EveryGameWindowKeepsItsWorkingValuesInItsFormWithValues) {
    const QList<QStringList> sources = gameSources();
    const QStringList windows = windowClasses(sources);
    // Every window of the game; a new one is added here.
    EXPECT_EQ(windows.join(u' ').toStdString(),
              "FormDanniNavi FrmAuto FrmBasi FrmBombNav FrmContatti FrmContatti2 FrmContattiFile FrmEventi "
              "FrmGame FrmLost FrmMain FrmMezziAerei FrmMezziGratis FrmMezziNavi FrmMine FrmMission FrmPA "
              "FrmPatrol FrmPunti FrmSetUpGen FrmStack FrmStackA FrmStatusPort FrnLineaV frmNaveClasse");
    for (const QString& used : windowsUsed(sources))
        EXPECT_TRUE(windows.contains(used)) << used.toStdString() << " is opened but not read as a window";
    const QStringList faults = membersOutsideValues(sources);
    EXPECT_TRUE(faults.isEmpty()) << "data members outside the windows' values:\n"
                                  << faults.join(u'\n').toStdString();
    const QStringList changes = widgetChanges(sources);
    EXPECT_TRUE(changes.isEmpty()) << "controls' widgets changed behind the keeping: "
                                   << changes.join(u' ').toStdString();
}

// What a failed step puts back of the state object is GlobalValues, copied whole: none of its values
// is static, and beside it the state object holds only the running program's parts and the values'
// other names (which the build counts too, in common/Globals.h).
TEST(WindowValues, TheStateObjectHoldsNoValueOutsideWhatAFailedStepPutsBack) {
    QFile f(QStringLiteral(TEST_SOURCE_DIR "/../common/Globals.h"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QMap<QString, QStringList> members;
    for (const ClassDefinition& c : classDefinitions(tokens(QString::fromUtf8(f.readAll()))))
        members[c.name] = dataMembers(c.body);
    const auto of = [&](const char* type) {
        return members.value(QLatin1String(type)).join(u' ').toStdString();
    };
    EXPECT_EQ(of("Globals"), "");
    EXPECT_EQ(of("ProgramParts"), "Files SaveBatchOpen SavesDue");
    EXPECT_EQ(of("GlobalNames"), "RecordNave ShipBuffer TargetCircleRadius GnInFriendlyPort AirListFilter "
                                 "GroupMarksFlag CapTargetGn AircraftEndurance");
    const QStringList values = members.value(QStringLiteral("GlobalValues"));
    EXPECT_GT(values.size(), 100);
    for (const QString& v : values) EXPECT_FALSE(v.startsWith(QStringLiteral("static "))) << v.toStdString();
}

TEST(WindowValues, TheCheckFindsEveryDataMemberOfEveryWindowHoweverDeclared) {
    // Windows of every shape, one data member each among what is not data.
    const QString source = QStringLiteral(R"(
      #include "platform/Form.h"
      #define WINDOW(x) \
          class x;
      namespace platform { class Form; }
      class Plain : public platform::Form {
        public:
          Plain(); // a comment { ; with a brace
          ~Plain() override;
          Plain(const Plain&) = delete;
          void Command1_Click(); int Picked = std::max(0, 1);
          bool open() const { return open_ > 0; }
          bool operator<(const Plain& o) const;
          explicit operator bool() const;
          auto count() const -> int { return 1; }
          template <class T> void each(T t);
          static const platform::Layout<Plain>& layout();
          static void digitsOnly(int& keyAscii);
          platform::LaidOut laidOut_{*this, layout()};
          platform::Label Label1{*this, "Label1; {"};
          platform::Label& Label2 = made("Label2");
          platform::ControlArray<platform::Label>& Label3 = made("Label3");
          platform::ControlArray<platform::TextBox> Text[6];
          std::vector<std::unique_ptr<platform::Label>> BaseLabels;
          platform::Menu MnFile{*this, "MnFile", "File"};
          SideLoan sideLoan_;
          static constexpr int kSize = 3;
          static const int kRows = 4;
          struct Spot { int x; };
          enum class Mode : int { A, B };
          class HourPanel;
          using Row = int;
          friend class Other;
      };
      class Braced final
          : public platform::FormWith<BracedValues>
      {
          Braced() : FormWith("Braced"), made_{1}, other_(2) { int local = 0; }
          QString note_{QStringLiteral("x")};
      };
      struct Kind : platform::Form { platform::Int16 counter_ = 0; };
      class Typed : public Helper, protected platform::FormWith<TypedValues> {
          std::function<void()> onDone_;
      };
      class Pointing : public platform::Form {
          void (*hook_)(int) = nullptr;
          void (Pointing::*handler_)();
      };
      class Static : public platform::Form { static inline int Count = 0; };
      class Changing : public platform::Form { mutable int cache_ = 0; };
      class PickedControl : public platform::Form { platform::Label* picked_ = nullptr; };
      class Two : public platform::Form { platform::Label Label1{*this, "L"}, *other_; };
      class Anonymous : public platform::Form { struct { int x; } spot_; };
      class Derived : public Plain { int more_; };
      using namespace platform;
      using Window = FormWith<AliasValues>;
      class Aliased : public Window { int aliased_; };
      class Bare : public Form { QStringList list_; };
      template <class V> class Generic : public platform::FormWith<V> { V extra_; };
      class NotAWindow : public QObject { int mine_; };
      void f() { struct Local : platform::Form { int local_; }; }
    )");
    const QList<QStringList> sources{tokens(source)};
    EXPECT_EQ(windowClasses(sources),
              (QStringList{"Aliased", "Anonymous", "Bare", "Braced", "Changing", "Derived", "Generic", "Kind",
                           "Local", "PickedControl", "Plain", "Pointing", "Static", "Two", "Typed"}));
    EXPECT_EQ(
        membersOutsideValues(sources),
        (QStringList{"Plain: Picked", "Braced: note_", "Kind: counter_", "Typed: onDone_", "Pointing: hook_",
                     "Pointing: handler_", "Static: static Count", "Changing: cache_",
                     "PickedControl: picked_", "Two: Label1, other_", "Anonymous: spot_", "Derived: more_",
                     "Aliased: aliased_", "Bare: list_", "Generic: extra_", "Local: local_"}));
    EXPECT_EQ(windowsUsed({tokens(QStringLiteral("platform::form<FrmA>().show(); unload<FrmB>(); f<int>(); "
                                                 "template <class W> void g() { form<W>(); }"))}),
              (QStringList{"FrmA", "FrmB"}));
    EXPECT_EQ(widgetChanges({tokens(QStringLiteral("a.widget()->raise(); b.widget()->isVisibleTo(w);"))}),
              QStringList{"raise"});
}
