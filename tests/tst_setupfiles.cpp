// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files and exact values: a saved lesson opens as the same bench; a bad
// file names its problem and changes nothing; a typed index or radius is taken
// exactly, in Russian and in English.
#include "benchoptics.h"
#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "lessonfile.h"
#include "picturebox.h"
#include "setupfile.h"
#include "slider.h"
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
// A bench as a teacher would prepare it.
Setup bench(double n1, double N, double n2, double left, double right, bool converging, bool scheme,
            bool object, double distance, double height, int zoom = 0, SetupLayers layers = {}) {
    Setup s;
    s.n1 = n1;
    s.N = N;
    s.n2 = n2;
    s.leftRadius = left;
    s.rightRadius = right;
    s.converging = converging;
    s.scheme = scheme;
    s.hasObject = object;
    s.objectDistance = object ? distance : 0;
    s.objectHeight = object ? height : 0;
    s.zoomSteps = zoom;
    s.layers = layers;
    return s;
}

// What the bench shows and holds, to compare two windows.
QStringList shown(Form1& w) {
    QStringList out;
    for (Label* l : {w.lbln1, w.lbln2, w.lblN, w.lblRleft, w.lblRright, w.lblFocal, w.lblPower,
                     w.lblDistances, w.lblImageKind})
        out << l->Caption();
    for (Slider* s : {w.sldn1, w.sldn2, w.sldVexol, w.sldR1, w.sldR2})
        out << QString::number(s->Value());
    out << QString::number(w.picLeft->figures().size())
        << QString::number(w.picRigth->figures().size());
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
    void rangesFromTheCaller_data();
    void rangesFromTheCaller();
    void roundTrip_data();
    void roundTrip();
    void badFiles_data();
    void badFiles();
    void fieldLimits_data();
    void fieldLimits();
    void shortestNumbers();
    void numbersAsJsonWrites_data();
    void numbersAsJsonWrites();
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

namespace {
// A valid setup with one field (a path such as "radii.left") set to a value.
QByteArray withField(const QString& path, const QJsonValue& value) {
    QJsonObject root = QJsonDocument::fromJson(
                           SetupFile::write(bench(1.33, 1.64, 1, 3, 3, true, true, true, 7, 1)))
                           .object();
    const QStringList keys = path.split(QLatin1Char('.'));
    if (keys.size() == 1) {
        root.insert(keys[0], value);
    } else {
        QJsonObject inner = root.value(keys[0]).toObject();
        inner.insert(keys[1], value);
        root.insert(keys[0], inner);
    }
    return QJsonDocument(root).toJson();
}
} // namespace

void TestSetupFiles::fieldLimits_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("problem"); // empty where the setup is taken
    const QString outside = QStringLiteral("вне допустимых пределов");
    // The limits the README states: indices 1 to 2, radii 2,65 to 8,47 cm as
    // the read-outs show them, the object within the left area (from a twip
    // before the lens to its left edge, 13,23 cm; from 3990 twips above the
    // axis to 4035 below it), the zoom -6 to 8 steps.
    const double cm = 567;
    const struct {
        const char* field;
        double least, greatest, step;
    } numbers[] = {
        {"indices.left", 1, 2, 0.001},
        {"indices.lens", 1, 2, 0.001},
        {"indices.right", 1, 2, 0.001},
        {"radii.left", 2.645, 8.4749, 0.002},
        {"radii.right", 2.645, 8.4749, 0.002},
        {"object.distance", 1 / cm, 7500 / cm, 0.001},
        {"object.height", -4035 / cm, 3990 / cm, 0.001},
        {"zoom", -6, 8, 1},
    };
    for (const auto& n : numbers) {
        QTest::addRow("%s least", n.field) << n.field << QJsonValue(n.least) << QString();
        QTest::addRow("%s greatest", n.field) << n.field << QJsonValue(n.greatest) << QString();
        QTest::addRow("%s below", n.field) << n.field << QJsonValue(n.least - n.step) << outside;
        QTest::addRow("%s above", n.field) << n.field << QJsonValue(n.greatest + n.step) << outside;
    }
    const QString number = QStringLiteral("должно быть числом");
    const QString object = QStringLiteral("должно быть объектом");
    const QString flag = QStringLiteral("должно быть true или false");
    const struct {
        const char* field;
        QString problem;
    } types[] = {
        {"lens", QStringLiteral("\"converging\" или \"diverging\"")},
        {"view", QStringLiteral("\"scheme\" или \"lens\"")},
        {"indices", object},
        {"radii", object},
        {"object", object},
        {"layers", object},
        {"indices.left", number},
        {"indices.lens", number},
        {"indices.right", number},
        {"radii.left", number},
        {"radii.right", number},
        {"object.distance", number},
        {"object.height", number},
        {"zoom", number},
        {"layers.labels", flag},
        {"layers.thirdRay", flag},
        {"layers.safePalette", flag},
    };
    for (const auto& t : types)
        QTest::addRow("%s of a wrong type", t.field)
            << t.field
            << QJsonValue(t.field == QLatin1String("object") ? QJsonValue(7)
                                                             : QJsonValue(QStringLiteral("1")))
            << t.problem;
    // The notation is one of three words.
    const QString notations = QStringLiteral("\"russian\", \"uk\" или \"signed\"");
    QTest::newRow("notation uk") << "notation" << QJsonValue(QStringLiteral("uk")) << QString();
    QTest::newRow("notation unknown")
        << "notation" << QJsonValue(QStringLiteral("german")) << notations;
    QTest::newRow("notation of another case")
        << "notation" << QJsonValue(QStringLiteral("Russian")) << notations;
    QTest::newRow("notation a number") << "notation" << QJsonValue(1) << notations;
    // The message states the limits the reader applies, as the read-outs show
    // numbers: the decimal comma, two decimals for a radius.
    QTest::newRow("radius message")
        << "radii.left" << QJsonValue(1.5)
        << QStringLiteral("значение 1,5 поля «radii.left» вне допустимых "
                          "пределов (от 2,65 до 8,47)");
}

// Each number is taken at both of its limits and refused just beyond them;
// each field of a wrong type is refused, naming it; what is taken reads back.
void TestSetupFiles::fieldLimits() {
    QFETCH(QString, field);
    QFETCH(QJsonValue, value);
    QFETCH(QString, problem);
    const SetupFile::Result read = SetupFile::parse(withField(field, value), Bench::setupRanges());
    QCOMPARE(bool(read.setup), problem.isEmpty());
    QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
    if (!problem.isEmpty() && problem != QLatin1String("вне допустимых пределов") &&
        !field.contains(QLatin1Char('.')) && field != QLatin1String("lens") &&
        field != QLatin1String("view"))
        QVERIFY2(read.problem.contains(field), qPrintable(read.problem));
    // What is taken is written and read back as the same setup.
    if (read.setup) {
        const SetupFile::Result again =
            SetupFile::parse(SetupFile::write(*read.setup), Bench::setupRanges());
        QVERIFY(again.setup && *again.setup == *read.setup);
    }
}

// A value set by a slider step, 1 + 32/50 = 1.6400000000000001, is written as
// the text a teacher typed, and reads back as the same bench.
void TestSetupFiles::shortestNumbers() {
    const Setup slider = bench(1 + 32 / 50.0, 1 + 32 / 50.0, 1, 3, 3, true, true, true, 7.4, 1.5);
    const QByteArray text = SetupFile::write(slider);
    QVERIFY2(text.contains("\"lens\": 1.64,"), text.constData());
    QVERIFY2(!text.contains("1.6400000000000001"), text.constData());
    const SetupFile::Result read = SetupFile::parse(text, Bench::setupRanges());
    QVERIFY(read.setup);
    QCOMPARE(read.setup->N, 1.64);
    QCOMPARE(SetupFile::write(*read.setup), text);
    // A value typed with more digits than a double holds is read as it will
    // be written: saved again, the setup is the same setup.
    QByteArray long_ = text;
    long_.replace("\"lens\": 1.64,", "\"lens\": 1.4444444444444444444444444444464,");
    const SetupFile::Result first = SetupFile::parse(long_, Bench::setupRanges());
    QVERIFY(first.setup);
    const SetupFile::Result again =
        SetupFile::parse(SetupFile::write(*first.setup), Bench::setupRanges());
    QVERIFY(again.setup);
    QCOMPARE(*again.setup, *first.setup);
}

// The writer (Qt-free, shared with the browser page) writes each number as
// Qt's JSON writer does: whole numbers as digits, others fixed or with an
// exponent, whichever is shorter, fixed where the two are as long.
void TestSetupFiles::numbersAsJsonWrites_data() {
    QTest::addColumn<double>("height");
    for (const double v : {0.001, -0.002, 0.0001, 0.0015, 20.0, -4.39999965553351, 1234567.5, 1e16,
                           3e17, -2.74731725287362e17, 1.64})
        QTest::addRow("%.17g", v) << v;
}

void TestSetupFiles::numbersAsJsonWrites() {
    QFETCH(double, height);
    Setup setup = bench(1, 1.5, 1, 3, 3, true, true, true, 7.4, 0);
    setup.objectHeight = height;
    const QByteArray written = SetupFile::write(setup);
    const QByteArray qt =
        QJsonDocument(QJsonObject{{QStringLiteral("h"), SetupFormat::shortest(height)}})
            .toJson(QJsonDocument::Compact);
    const QByteArray number = qt.mid(5, qt.size() - 6); // {"h":…}
    QVERIFY2(written.contains("\"height\": " + number + "\n"), written.constData());
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
    QApplication::setActiveWindow(w.get());
    auto* label = w->findChild<Label*>(readout);
    QVERIFY(label);
    if (scheme)
        TestSupport::clickAt(w.get(), TestSupport::middleOf(w->cmdCx));
    QCOMPARE(w->picLeft->figures().isEmpty(), true);
    const QString focalBefore = w->lblFocal->Caption();
    TestSupport::clickAt(w.get(), TestSupport::middleOf(label));
    QVERIFY(w->picLeft->figures().isEmpty()); // no object placed under the read-out
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
        QCOMPARE(w->sldn1->Value(), 17); // (1.33 - 1) * 50 = 16.5, the step above
        QCOMPARE(w->lblFocal->Caption(), english ? QStringLiteral("f = 3.70 cm   f′ = 2.78 cm")
                                                 : QStringLiteral("F = 3,70 см   F′ = 2,78 см"));
    }
    if (!taken)
        QCOMPARE(w->lblFocal->Caption(), focalBefore);
    // Escape leaves the editor and changes nothing more.
    const QString now = w->lblFocal->Caption();
    TestSupport::clickAt(w.get(), TestSupport::middleOf(label));
    QTest::keyClicks(editor, QStringLiteral("1,9"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    QCOMPARE(w->lblFocal->Caption(), now);
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
    if (scheme)
        TestSupport::clickAt(w.get(), TestSupport::middleOf(w->cmdCx));
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
    const QImage picture = w->BenchPicture().convertToFormat(QImage::Format_RGB32);
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

// The format keeps to the bench its caller describes, in the bench's own
// centimetres: at 1 : 2 a radius of 6 cm is 3 cm of the bench, an object
// 8 cm away stands 4 cm before the lens. The same file is taken where the
// ranges hold it and refused, naming the field, where they do not.
void TestSetupFiles::rangesFromTheCaller_data() {
    QTest::addColumn<double>("leastRadius");
    QTest::addColumn<double>("greatestRadius");
    QTest::addColumn<double>("farthest");
    QTest::addColumn<QString>("field");
    const SetupFormat::Ranges bench = Bench::setupRanges();
    QTest::newRow("the bench's own")
        << bench.leastRadius << bench.greatestRadius << bench.farthestObject << QString();
    QTest::newRow("radius below the least") << 3.1 << 5.0 << 13.0 << QStringLiteral("radii.left");
    QTest::newRow("radius above the greatest")
        << 0.5 << 2.9 << 13.0 << QStringLiteral("radii.left");
    QTest::newRow("radius at the greatest") << 0.5 << 3.0 << 13.0 << QString();
    QTest::newRow("object beyond the farthest")
        << 0.5 << 5.0 << 3.9 << QStringLiteral("object.distance");
    QTest::newRow("object at the farthest") << 0.5 << 5.0 << 4.0 << QString();
}

void TestSetupFiles::rangesFromTheCaller() {
    QFETCH(double, leastRadius);
    QFETCH(double, greatestRadius);
    QFETCH(double, farthest);
    QFETCH(QString, field);
    SetupFormat::Ranges ranges = Bench::setupRanges();
    ranges.leastRadius = leastRadius;
    ranges.greatestRadius = greatestRadius;
    ranges.farthestObject = farthest;
    const std::string text =
        R"({"format": "quellor-setup", "version": 1, "scale": 2, "lens": "converging",
            "indices": {"left": 1, "lens": 1.64, "right": 1}, "radii": {"left": 6, "right": 6},
            "view": "scheme", "object": {"distance": 8, "height": 1}})";
    const SetupFormat::Result read = SetupFormat::parse(text, ranges);
    QCOMPARE(QString::fromStdString(read.failure.field), field);
    QCOMPARE(bool(read.setup), field.isEmpty());
    if (read.setup)
        QCOMPARE(read.setup->objectDistance, 8.0);
}

QTEST_MAIN(TestSetupFiles)
#include "tst_setupfiles.moc"
