// The game's windows keep their working values in their FormWith values, so that a player's action
// that fails puts them back with everything else it changed: a value a window keeps elsewhere (a
// data member of its own) would survive the failed action. The check reads the windows' headers.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The text without its comments.
QString withoutComments(const QString& text) {
    static const QRegularExpression block(QStringLiteral("/\\*.*?\\*/"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression line(QStringLiteral("//[^\\n]*"));
    QString t = text;
    t.remove(block);
    t.remove(line);
    return t;
}

// The statements that declare data at the top level of a class body (from just after its '{'):
// controls (and controls made at run time) are the window's make-up, not its values, and a side
// loan gives the screen's side back when the window goes, whatever its values.
QStringList dataMembers(const QString& body) {
    QStringList found;
    QString statement;
    int depth = 1;
    bool skipping = false; // a function's body or a nested type's
    static const QRegularExpression access(QStringLiteral("^\\s*(public|protected|private)\\s*:"));
    static const QRegularExpression notData(QStringLiteral(
        "^(platform::|std::vector<std::unique_ptr<platform::|SideLoan\\b|static\\b|constexpr\\b|"
        "using\\b|friend\\b|typedef\\b|class\\b|struct\\b|enum\\b|union\\b|template\\b)"));
    const auto finish = [&] {
        QString s = statement.simplified();
        statement.clear();
        while (true) {
            const QRegularExpressionMatch m = access.match(s);
            if (!m.hasMatch()) break;
            s = s.mid(m.capturedLength()).trimmed();
        }
        if (s.isEmpty() || notData.match(s).hasMatch()) return;
        // A function: its parameter list comes before any initialiser.
        const qsizetype paren = s.indexOf(u'('), init = std::min(s.indexOf(u'='), s.indexOf(u'{'));
        if (paren >= 0 && (init < 0 || paren < init)) return;
        found << s;
    };
    for (QChar c : body) {
        if (c == u'{') {
            ++depth;
            if (depth == 2) {
                const QString s = statement.simplified();
                // A body (of a function or of a nested type) or a member's braced initialiser.
                skipping = s.contains(u'(') ||
                           QRegularExpression(QStringLiteral("(^|:\\s*)(struct|class|enum|union)\\b"))
                               .match(s)
                               .hasMatch();
                if (skipping) statement.clear();
            }
        } else if (c == u'}') {
            if (--depth == 0) break;
            if (depth == 1 && skipping) {
                skipping = false;
                continue;
            }
        }
        if (depth == 1 && c == u';') {
            finish();
            continue;
        }
        if (!skipping) statement += c;
    }
    return found;
}

} // namespace

TEST(WindowValues, EveryGameWindowKeepsItsWorkingValuesInItsFormWithValues) {
    const QString root = QStringLiteral(TEST_SOURCE_DIR "/../game");
    static const QRegularExpression windowClass(QStringLiteral(
        "class\\s+(\\w+)\\s*(?:final\\s*)?:\\s*public\\s+platform::Form(?:With<\\s*\\w+\\s*>)?\\s*\\{"));
    QStringList faults;
    int windows = 0;
    QDirIterator files(root, {QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile f(files.next());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
        const QString text = withoutComments(QString::fromUtf8(f.readAll()));
        for (auto it = windowClass.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            ++windows;
            for (const QString& member : dataMembers(text.mid(m.capturedEnd())))
                faults << m.captured(1) + QStringLiteral(": ") + member;
        }
    }
    EXPECT_GE(windows, 25);
    EXPECT_TRUE(faults.isEmpty()) << "data members outside the windows' values:\n"
                                  << faults.join(u'\n').toStdString();
}

TEST(WindowValues, TheCheckFindsDataAmongFunctionsControlsAndNestedTypes) {
    const QString body = QStringLiteral(R"(
      public:
        FrmX();
        void Command1_Click(); int Counted = 0;
        bool open() const { return open_; }
        platform::Label Label1{*this, "Label1"};
        platform::Label& Label2 = made("Label2");
        static constexpr int kSize = 3;
        struct Spot { int x; };
        std::vector<Spot> spots_;
      private:
        QString name_{"x"};
        void helper(int a,
                    int b);
        enum class Mode { A, B };
    };)");
    EXPECT_EQ(dataMembers(withoutComments(body)),
              (QStringList{QStringLiteral("int Counted = 0"), QStringLiteral("std::vector<Spot> spots_"),
                           QStringLiteral("QString name_{\"x\"}")}));
}
