// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language follows the user's locale: English under an English
// locale, the Russian it is written in under any other, C included. Each
// locale needs a process of its own, so the test runs itself once per locale
// and reads what the window shows.
#include "benchoptics.h"
#include "form1.h"
#include "graphtitles.h"
#include "safewrite.h"
#include "setupfile.h"
#include "testsupport.h"
#include "translations.h"

#include "../web/pagetexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>

namespace {
const char kChildOption[] = "--print-texts";

// What one control shows: its caption, its tooltip, its accessible name, and
// the width its caption needs against the width of its box, in pixels.
struct Shown {
    QString caption, toolTip, accessibleName;
    int needed = 0, box = 0;
};

// In the child: the window as the program starts it, one line per control.
int printTexts(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Translations::install();
    auto w = TestSupport::startWindow();
    QTextStream out(stdout);
    out << "Form1\t" << w->windowTitle() << "\t\t\t0\t1\n";
    // A text of Qt's own, as its dialog buttons show it.
    out << "QtCancel\t" << QCoreApplication::translate("QPlatformTheme", "Cancel")
        << "\t\t\t0\t1\n";
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(child))
            caption = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            caption = button->text();
        const int needed = QFontMetrics(child->font()).horizontalAdvance(caption);
        out << child->objectName() << '\t' << caption << '\t' << child->toolTip() << '\t'
            << child->accessibleName() << '\t' << needed << '\t' << child->width() << '\n';
    }
    out.flush(); // before anything at exit (a sanitizer's report) can end the process
    std::fflush(stdout);
    return 0;
}

// In the test: every control's texts under LANG=`lang` (a setting of
// LANGUAGE may follow after a space), each locale run once.
const QHash<QString, Shown>& shownUnder(const QString& lang) {
    static QHash<QString, QHash<QString, Shown>> byLang;
    if (!byLang.contains(lang)) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QString::fromLatin1(variable));
        const QStringList settings = lang.split(QLatin1Char(' '));
        env.insert(QStringLiteral("LANG"), settings.first());
        if (settings.size() > 1)
            env.insert(QStringLiteral("LANGUAGE"), settings[1].section(QLatin1Char('='), 1));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildOption)});
        child.waitForFinished(60000);
        QHash<QString, Shown>& shown = byLang[lang];
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList f = line.split(QLatin1Char('\t'));
            if (f.size() == 6)
                shown.insert(f[0], {f[1], f[2], f[3], f[4].toInt(), f[5].toInt()});
        }
    }
    return byLang[lang];
}

struct Text {
    const char* control;
    const char* russian;
    const char* english;
};
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void englishLeavesNoRussian();
    void englishBeyondTheWindow_data();
    void englishBeyondTheWindow();
    void pageTexts_data();
    void pageTexts();
};

void TestTranslations::texts_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("isToolTip");
    QTest::addColumn<QString>("expected");
    const Text captions[] = {
        {"Form1", "Quellor", "Quellor"},
        {"Label5", "Q u e l l o r", "Q u e l l o r"}, // the name the window title shows
        {"lblFleft", "F", "F"},
        {"lbl2Fleft", "2 F", "2 F"},
        {"lblFright", "F", "F"},
        {"lbl2Fright", "2 F", "2 F"},
        {"Label1",
         "Радиус кривизны поверхностей линзы:", "Radii of curvature of the lens surfaces:"},
        {"Label2", "левая", "left"},
        {"Label3", "правая", "right"},
        {"Label7", "Показатель преломления среды:", "Refractive index of the medium:"},
        {"Label4", "Показатель преломления линзы:", "Refractive index of the lens:"},
        {"Label6", "Тип линзы:", "Lens type:"},
        {"cmdCxOff", "Линза", "Lens"},
        {"cmdCx", "Схема", "Diagram"},
        {"cmdExit", "Выход", "Exit"},
        {"cmdCopy", "Копировать", "Copy"},
        {"cmdSave", "Экспорт…", "Export…"},
        {"cmdOpen", "Открыть…", "Open…"},
        {"cmdSaveSetup", "Сохранить…", "Save…"},
        {"cmdPrint", "Печать…", "Print…"},
        {"cmdHelp", "Справка", "Help"},
        // Numbers take the decimal mark of the language they stand in.
        // One focal length in one medium, in each language's school letters.
        {"lblFocal", "F = 2,07 см", "f = 2.07 cm"},
        {"QtCancel", "Отмена", "Cancel"},
    };
    const Text toolTips[] = {
        {"Picture3", "Главная оптическая ось линзы", "Principal optical axis of the lens"},
        {"sldn1", "Изменить показатель преломления среды слева",
         "Change the refractive index of the medium on the left"},
        {"sldn2", "Изменить показатель преломления среды справа",
         "Change the refractive index of the medium on the right"},
        {"cmdSob", "Собирающая линза", "Converging lens"},
        {"cmdRas", "Рассеивающая линза", "Diverging lens"},
    };
    // A Russian desktop lists English after Russian; the first one the program
    // has wins, so Russian stays Russian, and English first gives English.
    const struct {
        const char* lang;
        bool english;
    } settings[] = {{"en_US.UTF-8", true},
                    {"C", false},
                    {"ru_RU.UTF-8", false},
                    {"ru_RU.UTF-8 LANGUAGE=ru:en", false},
                    {"ru_RU.UTF-8 LANGUAGE=ru_RU:en_US", false},
                    {"ru_RU.UTF-8 LANGUAGE=en:ru", true}};
    for (const auto& [lang, english] : settings) {
        for (const Text& t : captions)
            QTest::addRow("%s %s", lang, t.control)
                << QString::fromLatin1(lang) << QString::fromLatin1(t.control) << false
                << QString::fromUtf8(english ? t.english : t.russian);
        for (const Text& t : toolTips)
            QTest::addRow("%s %s tooltip", lang, t.control)
                << QString::fromLatin1(lang) << QString::fromLatin1(t.control) << true
                << QString::fromUtf8(english ? t.english : t.russian);
    }
}

// The text exactly, and a caption whole on one line in its box (a label may
// set it up to a fifth smaller to fit).
void TestTranslations::texts() {
    QFETCH(QString, lang);
    QFETCH(QString, control);
    QFETCH(bool, isToolTip);
    QFETCH(QString, expected);
    const QHash<QString, Shown>& shown = shownUnder(lang);
    QVERIFY2(shown.contains(control), "the window did not start");
    const Shown& s = shown[control];
    QCOMPARE(isToolTip ? s.toolTip : s.caption, expected);
    if (!isToolTip)
        QVERIFY2(s.needed <= s.box, qPrintable(QStringLiteral("%1 > %2").arg(s.needed).arg(s.box)));
}

// No caption, tooltip or accessible name left in Russian under English.
void TestTranslations::englishLeavesNoRussian() {
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const QHash<QString, Shown>& shown = shownUnder(QStringLiteral("en_US.UTF-8"));
    QVERIFY(!shown.isEmpty());
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        for (const QString& text : {it->caption, it->toolTip, it->accessibleName})
            QVERIFY2(!text.contains(cyrillic), qPrintable(it.key() + QStringLiteral(": ") + text));
}

// Texts made outside the window's own controls come from the English
// catalogue too: the setup reader's and the safe write's reasons, the graph's
// titles (each lives in a library or header of its own).
void TestTranslations::englishBeyondTheWindow_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("a setup file's problem") << 0;
    QTest::newRow("a failed save's reason") << 1;
    QTest::newRow("the graph's title") << 2;
}

void TestTranslations::englishBeyondTheWindow() {
    QFETCH(int, which);
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/quellor_en.qm")));
    QCoreApplication::installTranslator(&english);
    const QString text =
        which == 0   ? SetupFile::parse(QByteArrayLiteral("{}"), Bench::setupRanges()).problem
        : which == 1 ? SafeWrite::write(QStringLiteral("/nonexistent/folder/lesson.quellor"), {})
                     : GraphTitles::imageDistancePlot(Optics::Notation::UkSchool);
    QCoreApplication::removeTranslator(&english);
    QVERIFY(!text.isEmpty());
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))),
             qPrintable(text));
}

// Every text the browser page shows is one the English catalogue translates
// (the build puts the translation into the page), the page's own ones too.
void TestTranslations::pageTexts_data() {
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    for (const PageText& text : kPageTexts)
        QTest::newRow(text.key) << QString::fromLatin1(text.context)
                                << QString::fromUtf8(text.source);
}

void TestTranslations::pageTexts() {
    QFETCH(QString, context);
    QFETCH(QString, source);
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/quellor_en.qm")));
    const QString text = english.translate(qPrintable(context), source.toUtf8().constData());
    QVERIFY2(!text.isEmpty(), "not in the catalogue");
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))),
             qPrintable(text));
}

int main(int argc, char* argv[]) {
    if (argc > 1 && qstrcmp(argv[1], kChildOption) == 0)
        return printTexts(argc, argv);
    QApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
