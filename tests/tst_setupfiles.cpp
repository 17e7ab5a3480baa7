// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files and exact values: a saved lesson opens as the same bench; a bad
// file names its problem and changes nothing; a typed index or radius is taken
// exactly, in Russian and in English.
#include "benchoptics.h"
#include "benchscale.h"
#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "lessonfile.h"
#include "logic/fixtures.h"
#include "picturebox.h"
#include "pictureexport.h"
#include "setupfile.h"
#include "slider.h"
#include "systemmode.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <cmath>

Q_DECLARE_METATYPE(Setup)

namespace {
using Fixtures::bench;

// What the bench shows and holds, to compare two windows.
QStringList shown(Form1& w) {
    const auto ui = TestSupport::controlsOf(w);
    QStringList out;
    for (Label* l : {ui.lbln1, ui.lbln2, ui.lblN, ui.lblRleft, ui.lblRright, ui.lblFocal,
                     ui.lblPower, ui.lblDistances, ui.lblImageKind})
        out << l->Caption();
    for (Slider* s : {ui.sldn1, ui.sldn2, ui.sldVexol, ui.sldR1, ui.sldR2})
        out << QString::number(s->Value());
    out << QString::number(ui.picLeft->figures().size())
        << QString::number(ui.picRigth->figures().size());
    return out;
}

// Answers the next message box, keeping its text.
std::shared_ptr<QString> answerNextMessage(QMessageBox::StandardButton button = QMessageBox::Ok) {
    auto said = std::make_shared<QString>(QStringLiteral("no message"));
    QTimer::singleShot(0, [said, button] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *said = box->text();
            for (QAbstractButton* offered : box->buttons())
                *said += QLatin1Char('\n') + offered->text();
            box->button(button) ? box->button(button)->click() : box->reject();
        }
    });
    return said;
}

// Types a text key by key, as a keyboard of any layout delivers it.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

const double kCm = 567; // twips in a centimetre of the bench
} // namespace

class TestSetupFiles : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void secondLensKept_data();
    void secondLensKept();
    void badFiles_data();
    void badFiles();
    void exactValues_data();
    void exactValues();
    void readoutsLookEditable_data();
    void readoutsLookEditable();
    void unsavedChangesAsk();
    void helpOnF1_data();
    void helpOnF1();

private:
    QTemporaryDir m_dir;
};

void TestSetupFiles::roundTrip_data() {
    QTest::addColumn<Setup>("setup");
    const SetupLayers all{true, true, true};
    QTest::newRow("start") << bench(1, 1.64, 1, 1500 / kCm, 1500 / kCm, true, false, false, 0, 0);
    QTest::newRow("water left, object at 2F, scheme")
        << bench(1.33, 1.64, 1, 3, 3, true, true, true, 7.4, 1.5);
    QTest::newRow("diverging, exact radii, lens view, zoomed, layers")
        << bench(1.5, 1.9, 1.2, 4.25, 7.125, false, false, true, 10, -2.5, 2, all);
    QTest::newRow("scheme without object, zoomed out")
        << bench(2, 1, 1, 8.4, 2.7, false, true, false, 0, 0, -3);
    QTest::newRow("object below the axis, glass right")
        << bench(1, 1.5, 1.5, 5, 5, true, true, true, 3.1, -6.9);
    for (Optics::Notation notation : Optics::kNotations) {
        Setup chosen = bench(1, 1.5, 1, 5, 5, true, true, true, 7.4, 1.5);
        chosen.notation = notation;
        QTest::addRow("notation %s", Optics::keyOf(notation)) << chosen;
    }
}

// Every field saved and opened gives the same bench in a new window.
void TestSetupFiles::roundTrip() {
    QFETCH(Setup, setup);
    const QString path = m_dir.filePath(QStringLiteral("round.quellor"));
    auto first = TestSupport::startWindow();
    first->view().File().apply(setup);
    QVERIFY(first->view().File().saveTo(path));
    QVERIFY(first->windowTitle().startsWith(QStringLiteral("round.quellor")));
    QVERIFY(!first->isWindowModified());

    auto second = TestSupport::startWindow();
    QVERIFY(second->view().File().openFile(path));
    const Setup back = second->view().File().current();
    QCOMPARE(back.converging, setup.converging);
    QCOMPARE(back.scheme, setup.scheme);
    QCOMPARE(back.hasObject, setup.hasObject);
    QCOMPARE(back.zoomSteps, setup.zoomSteps);
    QCOMPARE(back.layers, setup.layers);
    // The notation chosen comes back; a setup without one reads in the
    // language's own, the Russian school's here.
    QCOMPARE(back.notation, setup.notation);
    QCOMPARE(second->view().CurrentNotation(),
             setup.notation.value_or(Optics::Notation::RussianSchool));
    for (auto [got, want] : {std::pair{back.n1, setup.n1}, {back.N, setup.N}, {back.n2, setup.n2}})
        QCOMPARE(got, want); // indices exactly
    for (auto [got, want] : {std::pair{back.leftRadius, setup.leftRadius},
                             {back.rightRadius, setup.rightRadius},
                             {back.objectDistance, setup.objectDistance},
                             {back.objectHeight, setup.objectHeight}})
        QVERIFY2(std::fabs(got - want) < 1e-5, qPrintable(QString::number(got - want)));
    QCOMPARE(shown(*second), shown(*first));
    QCOMPARE(second->view().ZoomFactor(), first->view().ZoomFactor());
    QVERIFY(!second->isWindowModified());
    // A change marks the title.
    second->view().SetLeftIndex(1.1);
    QVERIFY(second->isWindowModified());
}

void TestSetupFiles::secondLensKept_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("distance"); // bench cm
    QTest::addColumn<double>("F");        // cm in air, the lens biconvex or biconcave
    QTest::addColumn<double>("after");
    QTest::newRow("1:1, 6 cm, F 5") << 1 << 6.0 << 5.0 << 1.0;
    QTest::newRow("1:5, in contact, diverging") << 5 << 0.0 << -4.0 << 1.0;
    QTest::newRow("1:10, at the far end, water behind") << 10 << 13.0 << 2.5 << 1.33;
}

// A second lens saved comes back in a new window as it was, through the
// teacher's real centimetres; a one-lens file opened over it takes it away.
void TestSetupFiles::secondLensKept() {
    QFETCH(int, scale);
    QFETCH(double, distance);
    QFETCH(double, F);
    QFETCH(double, after);
    const QString path = m_dir.filePath(QStringLiteral("two.quellor"));
    const QString single = m_dir.filePath(QStringLiteral("one.quellor"));
    const double R = std::fabs(F); // N 1.5 in air: F = R for equal radii
    const Optics::SecondLens lens{distance, {1.5, F > 0 ? R : -R, F > 0 ? -R : R}, after};
    auto first = TestSupport::startWindow();
    QVERIFY(first->view().File().saveTo(single));
    first->view().ScaleChoice().set(*Optics::Scale::of(scale));
    first->view().Systems().putSecondLens(lens);
    QVERIFY(first->isWindowModified());
    QVERIFY(first->view().File().saveTo(path));

    auto second = TestSupport::startWindow();
    QVERIFY(second->view().File().openFile(path));
    const auto back = second->view().Systems().secondLens();
    QVERIFY(back.has_value());
    QVERIFY(std::fabs(back->distance - distance) < 1e-9);
    QVERIFY(std::fabs(back->lens.R1 - lens.lens.R1) < 1e-9);
    QVERIFY(std::fabs(back->lens.R2 - lens.lens.R2) < 1e-9);
    QCOMPARE(back->lens.N, 1.5);
    QCOMPARE(back->after, after);
    QVERIFY(!second->isWindowModified());
    // Moving the lens is a change of the lesson.
    second->view().Systems().moveLens(distance > 6 ? 1 : 9);
    QVERIFY(second->isWindowModified());
    QVERIFY(second->view().File().saveTo(path));
    QVERIFY(second->view().File().openFile(single));
    QVERIFY(!second->view().Systems().secondLens().has_value());
}

void TestSetupFiles::badFiles_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty name of a file: none is written
    QTest::addColumn<QString>("problem");
    const QByteArray good = SetupFile::write(bench(1.33, 1.64, 1, 3, 3, true, true, true, 7, 1));
    auto with = [&](const char* from, const char* to) {
        QByteArray b = good;
        b.replace(from, to);
        return b;
    };
    QTest::newRow("missing") << QByteArray("<missing>") << QStringLiteral("не найден");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("пуст");
    const auto json = [](const char* why, int at) {
        return QStringLiteral("(%1, байт %2)").arg(QString::fromUtf8(why)).arg(at);
    };
    QTest::newRow("truncated") << good.left(300) << json("текст кончается внутри JSON", 300);
    QTest::newRow("cut in a word")
        << QByteArray("{\"a\":tr") << json("текст кончается внутри JSON", 7);
    QTest::newRow("not JSON") << QByteArray("n1 = 1,33\n") << json("недопустимое значение", 0);
    QTest::newRow("no colon") << QByteArray("{\"a\" 1}")
                              << json("ожидалось «:» после имени поля", 5);
    QTest::newRow("no comma") << QByteArray("[1 2]")
                              << json("ожидалась запятая или закрывающая скобка", 3);
    QTest::newRow("no name") << QByteArray("{1:2}") << json("ожидалось имя поля в кавычках", 1);
    QTest::newRow("control") << QByteArray("[\"a\x01\"]")
                             << json("недопустимый знак или экранирование в строке", 3);
    QTest::newRow("deep") << QByteArray(300, '[') << json("слишком глубокая вложенность", 257);
    QTest::newRow("trailing") << good + "x" << json("лишний текст после JSON", int(good.size()));
    QTest::newRow("newer version")
        << with("\"version\": 1", "\"version\": 7") << QStringLiteral("более новой версией");
    QTest::newRow("wrong type") << with("\"left\": 1.33", "\"left\": \"1.33\"")
                                << QStringLiteral("«indices.left» должно быть числом");
    QTest::newRow("NaN") << with("\"left\": 1.33", "\"left\": NaN")
                         << QStringLiteral("недопустимое значение");
    QTest::newRow("infinite") << with("\"left\": 1.33", "\"left\": 1e999")
                              << QStringLiteral("недопустимое значение");
    QTest::newRow("index out of range")
        << with("\"left\": 1.33", "\"left\": 2.5") << QStringLiteral("вне допустимых пределов");
    QTest::newRow("zoom beyond any int")
        << with("\"zoom\": 0", "\"zoom\": 3.3e31") << QStringLiteral("вне допустимых пределов");
    QTest::newRow("object beyond the lens")
        << with("\"distance\": 7", "\"distance\": -1") << QStringLiteral("object.distance");
    QTest::newRow("megabytes") << QByteArray(3 * 1024 * 1024, ' ')
                               << QStringLiteral("слишком велик");
    QTest::newRow("not a setup") << QByteArray("{\"version\": 1}")
                                 << QStringLiteral("не файл урока");
    // 2^53 + 1 reads as the double 2^53: the series named would be another.
    QTest::newRow("seed a JSON number cannot hold")
        << with("\"zoom\": 0", "\"tasks\": {\"seed\": 9007199254740993}, \"zoom\": 0")
        << QStringLiteral("tasks.seed");
    QTest::newRow("link to itself") << QByteArray("<loop>") << QStringLiteral("кольцо");
}

// The message names the file and the problem; the bench stays exactly as it was.
void TestSetupFiles::badFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QString path = m_dir.filePath(QStringLiteral("bad-%1.quellor").arg(QTest::currentDataTag()));
    path.replace(QLatin1Char(' '), QLatin1Char('-'));
    if (bytes == "<loop>") {
        QVERIFY(QFile::link(path, path));
    } else if (bytes != "<missing>") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    auto w = TestSupport::startWindow();
    w->view().File().apply(bench(1.2, 1.8, 1.4, 4, 5, false, true, true, 5, 2));
    w->view().SetRightIndex(1.45); // a change not saved
    const QStringList before = shown(*w);
    const Setup setupBefore = w->view().File().current();
    const QString titleBefore = w->windowTitle();
    const auto said = answerNextMessage();
    QVERIFY(!w->view().File().openFile(path));
    QVERIFY2(said->contains(QFileInfo(path).fileName()), qPrintable(*said));
    QVERIFY2(said->contains(problem), qPrintable(*said));
    QCOMPARE(shown(*w), before);
    QCOMPARE(w->view().File().current(), setupBefore);
    QCOMPARE(w->windowTitle(), titleBefore);
    QVERIFY(w->isWindowModified());
}

void TestSetupFiles::exactValues_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("shows"); // the read-out's text after, trimmed
    QTest::addColumn<bool>("scheme");   // in the scheme view, over the object's area
    // Water left of a biconvex lens N = 1,64 of radii 1500 twips: the power is
    // (1,64 - 1,33)/1500 + (1,64 - 1)/1500 = 0,95/1500 per twip, so f = 1,33 *
    // 1500/0,95 = 2100 twips = 3,70 cm and f' = 1500/0,95 twips = 2,78 cm.
    QTest::newRow("ru comma") << false << "lbln1"
                              << "1,33" << true << "1,33" << true;
    QTest::newRow("ru point") << false << "lbln1"
                              << "1.33" << true << "1,33" << false;
    QTest::newRow("en point") << true << "lbln1"
                              << "1.33" << true << "1.33" << false;
    QTest::newRow("en comma") << true << "lbln1"
                              << "1,33" << true << "1.33" << true;
    QTest::newRow("ru radius in cm") << false << "lblRleft"
                                     << "3 см" << true << "R = 3,00 см" << true;
    QTest::newRow("en radius") << true << "lblRright"
                               << "4.5" << true << "R = 4.50 cm" << false;
    QTest::newRow("ru lens index") << false << "lblN"
                                   << "1,515" << true << "1,515" << false;
    QTest::newRow("ru text") << false << "lbln2"
                             << "вода" << false << "1" << false;
    QTest::newRow("ru out of range") << false << "lbln1"
                                     << "2,5" << false << "1" << false;
    QTest::newRow("en below range") << true << "lbln2"
                                    << "0.9" << false << "1" << true;
    QTest::newRow("ru radius at the stated top") << false << "lblRleft"
                                                 << "8,47" << true << "R = 8,47 см" << false;
    QTest::newRow("ru radius too small") << false << "lblRleft"
                                         << "1" << false << "R = 2,65 см" << false;
}

// Typed through the keyboard into the editor a click on the read-out opens: the
// click lands at the read-out's place in the window, whatever lies beneath it
// (in the scheme the left index lies over the area where a press places the
// object).
void TestSetupFiles::exactValues() {
    QFETCH(bool, english);
    QFETCH(QString, readout);
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    QFETCH(QString, shows);
    QFETCH(bool, scheme);
    QTranslator translator;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/quellor_en.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    QApplication::setActiveWindow(w.get());
    auto* label = w->findChild<Label*>(readout);
    QVERIFY(label);
    if (scheme)
        TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdCx));
    QCOMPARE(ui.picLeft->figures().isEmpty(), true);
    const QString focalBefore = ui.lblFocal->Caption();
    TestSupport::clickAt(w.get(), TestSupport::middleOf(label));
    QVERIFY(ui.picLeft->figures().isEmpty()); // no object placed under the read-out
    auto* editor = w->findChild<QLineEdit*>(QStringLiteral("readoutEditor"));
    QVERIFY(editor && editor->isVisible());
    editor->selectAll();
    typeText(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(label->Caption().trimmed(), shows);
    QCOMPARE(editor->isVisible(), !taken);
    QCOMPARE(editor->toolTip().isEmpty(), taken); // a refusal gives a hint
    if (taken) { // opened by a click, it gives the keyboard back unframed
        QVERIFY(label->hasFocus());
        QVERIFY(label->grab().toImage().pixelColor(0, 0) !=
                label->palette().color(QPalette::Highlight));
    }
    if (readout == QLatin1String("lbln1") && taken) {
        QCOMPARE(w->n1, 1.33);
        QCOMPARE(ui.sldn1->Value(), 17); // (1.33 - 1) * 50 = 16.5, the step above
        QCOMPARE(ui.lblFocal->Caption(), english ? QStringLiteral("f = 3.70 cm   f′ = 2.78 cm")
                                                 : QStringLiteral("F = 3,70 см   F′ = 2,78 см"));
    }
    if (!taken)
        QCOMPARE(ui.lblFocal->Caption(), focalBefore);
    // Escape leaves the editor and changes nothing more.
    const QString now = ui.lblFocal->Caption();
    TestSupport::clickAt(w.get(), TestSupport::middleOf(label));
    QTest::keyClicks(editor, QStringLiteral("1,9"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    QCOMPARE(ui.lblFocal->Caption(), now);
    if (english)
        QCoreApplication::removeTranslator(&translator);
}

void TestSetupFiles::readoutsLookEditable_data() {
    QTest::addColumn<QString>("readout");
    QTest::addColumn<bool>("scheme");
    for (const char* name : {"lbln1", "lbln2", "lblN", "lblRleft", "lblRright"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << false;
        QTest::newRow(qPrintable(QStringLiteral("%1 scheme").arg(QLatin1String(name))))
            << QString::fromLatin1(name) << true;
    }
}

// What lies under the pointer at a read-out says it takes a value: a text
// cursor and a tooltip; reached by Tab, its box is framed in the highlight.
void TestSetupFiles::readoutsLookEditable() {
    QFETCH(QString, readout);
    QFETCH(bool, scheme);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (scheme)
        TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdCx));
    auto* label = w->findChild<Label*>(readout);
    QVERIFY(label);
    QWidget* there = w->childAt(TestSupport::middleOf(label));
    QVERIFY(there);
    QCOMPARE(there->cursor().shape(), Qt::IBeamCursor);
    QVERIFY(there->toolTip().contains(QStringLiteral("точное значение")));
    const QColor highlight = label->palette().color(QPalette::Highlight);
    QVERIFY(label->grab().toImage().pixelColor(0, 0) != highlight);
    QApplication::setActiveWindow(w.get());
    label->setFocus(Qt::TabFocusReason);
    QVERIFY(label->hasFocus());
    const QImage framed = label->grab().toImage();
    QCOMPARE(framed.pixelColor(0, 0), highlight);
    QCOMPARE(framed.pixelColor(framed.width() - 1, framed.height() - 1), highlight);
    // Enter opens the editor and Return closes it: the frame is back, as the
    // keyboard is; a picture of the bench made now leaves the frame out.
    QTest::keyClick(label, Qt::Key_Return);
    auto* editor = w->findChild<QLineEdit*>(QStringLiteral("readoutEditor"));
    QVERIFY(editor && editor->isVisible());
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!editor->isVisible() && label->hasFocus());
    QCOMPARE(label->grab().toImage().pixelColor(0, 0), highlight);
    const QImage picture = PictureExport::benchPicture(&*w).convertToFormat(QImage::Format_RGB32);
    int highlighted = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            highlighted += picture.pixelColor(x, y) == highlight;
    QCOMPARE(highlighted, 0);
}

// Closing with unsaved changes asks: Cancel keeps the window, Discard closes.
void TestSetupFiles::unsavedChangesAsk() {
    auto w = TestSupport::startWindow();
    QVERIFY(!w->isWindowModified());
    QCOMPARE(w->windowTitle(), QStringLiteral("Quellor"));
    TestSupport::clickButton(w.get(), QStringLiteral("cmdRas"));
    QVERIFY(w->isWindowModified());
    auto said = answerNextMessage(QMessageBox::Cancel);
    w->cmdExit_Click();
    QVERIFY2(said->contains(QStringLiteral("не сохранён")), qPrintable(*said));
    QVERIFY2(said->contains(QStringLiteral("Не сохранять")), qPrintable(*said));
    QVERIFY(w->isVisible());
    said = answerNextMessage(QMessageBox::Cancel);
    QVERIFY(!w->close()); // the window manager's close asks as well
    QVERIFY(w->isVisible());
    said = answerNextMessage(QMessageBox::Discard);
    w->cmdExit_Click();
    QVERIFY(!w->isVisible());
}

void TestSetupFiles::helpOnF1_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("keys");  // a word of the keys section
    QTest::addColumn<QString>("about"); // a word of the About page
    // The lens formula and the back focal length in the letters of the
    // language's notation.
    QTest::addColumn<QStringList>("formulas");
    // The laboratory work: entered, a row deleted, the formula between two media.
    QTest::addColumn<QStringList>("lab");
    QTest::newRow("Russian") << false << QStringLiteral("Ctrl+E") << QStringLiteral("GPL-3.0")
                             << QStringList{"1/F = 1/d + 1/f", "F′ = n2/P", "Γ = |f|/d", "D = 1/F"}
                             << QStringList{"«Опыт» (Ctrl+B)", "quellor --lab", "Удалить строку",
                                            "F = n1·d·f/(n1·f + n2·d)"};
    QTest::newRow("English") << true << QStringLiteral("arrow keys")
                             << QStringLiteral("Sign convention")
                             << QStringList{"1/f = 1/u + 1/v", "f′ = n2/P", "m = |v|/u", "P = 1/f"}
                             << QStringList{"\"Lab\" (Ctrl+B)", "quellor --lab", "Delete row",
                                            "F = n1·d·f/(n1·f + n2·d)"};
}

// F1 opens the help from the resources, in the language shown, with an About page
// that names the version.
void TestSetupFiles::helpOnF1() {
    QFETCH(bool, english);
    QFETCH(QString, keys);
    QFETCH(QString, about);
    QFETCH(QStringList, formulas);
    QFETCH(QStringList, lab);
    QTranslator translator;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/quellor_en.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    auto w = TestSupport::startWindow();
    QApplication::setActiveWindow(w.get());
    QTest::keyClick(w.get(), Qt::Key_F1);
    auto* help = w->findChild<QTextBrowser*>(QStringLiteral("helpPage"));
    auto* aboutPage = w->findChild<QTextBrowser*>(QStringLiteral("aboutPage"));
    QVERIFY(help && aboutPage && help->window()->isVisible());
    QVERIFY(help->toPlainText().contains(keys));
    for (const QString& formula : formulas + lab)
        QVERIFY2(help->toPlainText().contains(formula), qPrintable(formula));
    // In the signed notation the help writes the signed forms.
    w->view().SetNotation(Optics::Notation::SignedGaussian);
    QTest::keyClick(w.get(), Qt::Key_F1);
    QVERIFY(help->toPlainText().contains(QStringLiteral("n1/d + n2/b = P")));
    QVERIFY(help->toPlainText().contains(QStringLiteral("f′ = n2/P")));
    // Every key the window answers to is listed, and the standard cases' keys.
    for (const QAction* action : w->actions())
        for (const QKeySequence& shortcut : action->shortcuts()) {
            const QString written = shortcut.toString(QKeySequence::NativeText);
            const bool standardCase = written.size() == 1 && written >= QLatin1String("1") &&
                                      written <= QLatin1String("5");
            QVERIFY2(help->toPlainText().contains(standardCase ? QStringLiteral("1 … 5") : written),
                     qPrintable(written));
        }
    QVERIFY(help->toPlainText().contains(QStringLiteral("1 … 5")));
    QVERIFY(aboutPage->toPlainText().contains(about));
    QVERIFY(aboutPage->toPlainText().contains(QStringLiteral("Quellor 1.")));
    if (english)
        QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestSetupFiles)
#include "tst_setupfiles.moc"
