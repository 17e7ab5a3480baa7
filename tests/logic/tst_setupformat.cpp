// SPDX-License-Identifier: GPL-3.0-or-later
// The setup file without a window: every field within the bench's limits or
// refused by name, numbers written as a teacher typed them and as Qt's JSON
// writer writes them, the ranges the caller gives.
#include "benchoptics.h"
#include "fixtures.h"
#include "setupfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTest>
#include <QTranslator>
#include <cmath>

Q_DECLARE_METATYPE(Setup)

namespace {
using Fixtures::bench;
} // namespace

class TestSetupFormat : public QObject {
    Q_OBJECT

private slots:
    void rangesFromTheCaller_data();
    void rangesFromTheCaller();
    void fieldLimits_data();
    void fieldLimits();
    void shortestNumbers();
    void numbersAsJsonWrites_data();
    void numbersAsJsonWrites();
    void scaleRoundTrip_data();
    void scaleRoundTrip();
    void problemsInBothLanguages_data();
    void problemsInBothLanguages();
    void secondLens_data();
    void secondLens();
};

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

void TestSetupFormat::fieldLimits_data() {
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
void TestSetupFormat::fieldLimits() {
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
void TestSetupFormat::shortestNumbers() {
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
void TestSetupFormat::numbersAsJsonWrites_data() {
    QTest::addColumn<double>("height");
    for (const double v : {0.001, -0.002, 0.0001, 0.0015, 20.0, -4.39999965553351, 1234567.5, 1e16,
                           3e17, -2.74731725287362e17, 1.64})
        QTest::addRow("%.17g", v) << v;
}

void TestSetupFormat::numbersAsJsonWrites() {
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

// The format keeps to the bench its caller describes, in the bench's own
// centimetres: at 1 : 2 a radius of 6 cm is 3 cm of the bench, an object
// 8 cm away stands 4 cm before the lens. The same file is taken where the
// ranges hold it and refused, naming the field, where they do not.
void TestSetupFormat::rangesFromTheCaller_data() {
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

void TestSetupFormat::rangesFromTheCaller() {
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

// A lesson at 1 : K keeps its real centimetres: written and read back it is
// the same setup at the same scale; a scale that is no choice is refused by
// the field's name, whatever else the file holds.
void TestSetupFormat::scaleRoundTrip_data() {
    QTest::addColumn<QByteArray>("k"); // as the file writes it
    QTest::addColumn<bool>("taken");
    for (const char* k : {"1", "2", "5", "10"})
        QTest::addRow("1 : %s", k) << QByteArray(k) << true;
    for (const char* k : {"3", "0", "-5", "2.5", "1e308", "\"5\"", "null"})
        QTest::addRow("1 : %s refused", k) << QByteArray(k) << false;
}

void TestSetupFormat::scaleRoundTrip() {
    QFETCH(QByteArray, k);
    QFETCH(bool, taken);
    const double K = taken ? k.toDouble() : 1;
    // A school lens of radii 3 K, the object 7 K before it and K high: real cm.
    Setup setup = bench(1, 1.5, 1, 3 * K, 3 * K, true, true, true, 7 * K, K);
    setup.scale = *Optics::Scale::of(K);
    QByteArray text = SetupFile::write(setup);
    if (!taken) {
        QVERIFY(text.contains("\"scale\": 1,"));
        text.replace("\"scale\": 1,", "\"scale\": " + k + ",");
    }
    const SetupFile::Result read = SetupFile::parse(text, Bench::setupRanges());
    QCOMPARE(bool(read.setup), taken);
    QVERIFY2(taken || read.problem.contains(QStringLiteral("«scale»")), qPrintable(read.problem));
    if (!taken)
        return;
    QCOMPARE(*read.setup, setup);
    QCOMPARE(read.setup->scale.factor(), int(K));
    QCOMPARE(SetupFile::write(*read.setup), text);
}

// A teacher's file refused in the language shown: the notations and scales
// it may name, and a number with that language's decimal mark.
void TestSetupFormat::problemsInBothLanguages_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("problem");
    const QJsonValue german(QStringLiteral("german"));
    QTest::newRow("ru notation")
        << false << "notation" << german
        << "поле «notation» должно быть \"russian\", \"uk\" или \"signed\"";
    QTest::newRow("en notation")
        << true << "notation" << german
        << "the field “notation” must be \"russian\", \"uk\" or \"signed\"";
    QTest::newRow("ru scale")
        << false << "scale" << QJsonValue(3)
        << "поле «scale» должно быть одним из чисел 1, 2, 5 или 10 (масштаб 1 : K)";
    QTest::newRow("en scale") << true << "scale" << QJsonValue(3)
                              << "the field “scale” must be one of 1, 2, 5 or 10 (scale 1 : K)";
    QTest::newRow("ru radius")
        << false << "radii.left" << QJsonValue(1.5)
        << "значение 1,5 поля «radii.left» вне допустимых пределов (от 2,65 до 8,47)";
    QTest::newRow("en radius")
        << true << "radii.left" << QJsonValue(1.5)
        << "the value 1.5 of the field “radii.left” is out of range (2.65 to 8.47)";
}

void TestSetupFormat::problemsInBothLanguages() {
    QFETCH(bool, english);
    QFETCH(QString, field);
    QFETCH(QJsonValue, value);
    QFETCH(QString, problem);
    QTranslator translator;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(QUELLOR_EN_QM)));
        QCoreApplication::installTranslator(&translator);
    }
    const SetupFile::Result read = SetupFile::parse(withField(field, value), Bench::setupRanges());
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(!read.setup);
    QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
}

// A lesson with a second lens at 1 : K: its numbers taken at their limits and
// refused beyond (distance 0 to 13 cm and radii 0.5 to 100 cm times K, indices
// 1 to 2), members refused by name; a second lens only in version 2.
void TestSetupFormat::secondLens_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<QByteArray>("member"); // as written: "name": value
    QTest::addColumn<QByteArray>("edited");
    QTest::addColumn<QString>("problem"); // empty where taken
    QTest::addColumn<bool>("second");     // taken with a second lens
    for (const int k : {1, 10}) {
        const QByteArray d = QByteArray::number(6 * k), r = QByteArray::number(10 * k);
        // clang-format off
        const std::tuple<QByteArray, QByteArray, double, double> numbers[] = {{"\"distance\": ", d, 0, 13 * k},
            {"\"left\": ", r, 0.5 * k, 100 * k}, {"\"right\": ", r, 0.5 * k, 100 * k}, {"\"index\": ", "1.5", 1, 2}, {"\"after\": ", "1.33", 1, 2}};
        // clang-format on
        for (const auto& [name, value, a, b] : numbers)
            for (const double v : {a, b, a - 1e-3, b + 1e-3})
                QTest::addRow("1:%d %s%g", k, name.constData(), v)
                    << k << name + value << name + QByteArray::number(v, 'g', 15)
                    << (v < a || v > b ? "вне допустимых пределов" : "") << (v >= a && v <= b);
    }
    // clang-format off
    const char* rows[][3] = { // the first keeps the second lens
        {"\"lens\": \"converging\"", "\"lens\": \"diverging\"", ""},
        {"\"version\": 2", "\"version\": 1", ""}, // a key version 1 never had
        {"\"secondLens\": {", "\"secondLens\": null, \"x\": {", ""},
        {"\"version\": 2", "\"version\": 3", "(формат 3, эта версия читает до 2)"},
        {"\"lens\": \"converging\"", "\"lens\": \"flat\"", "поле «secondLens.lens» должно быть \"converging\" или \"diverging\""},
        {"\"after\": 1.33,", "", "нет поля «secondLens.after»"},
        {"\"distance\": 6", "\"distance\": \"6\"", "поле «secondLens.distance» должно быть числом"},
        {"\"left\": 10", "\"left\": 0", "значение 0 поля «secondLens.radii.left» вне допустимых пределов (от 0,5 до 100)"}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(rows); ++i)
        QTest::addRow("%s", rows[i][1])
            << 1 << QByteArray(rows[i][0]) << QByteArray(rows[i][1]) << rows[i][2] << (i == 0);
}

void TestSetupFormat::secondLens() {
    QFETCH(int, k);
    QFETCH(QByteArray, member);
    QFETCH(QByteArray, edited);
    QFETCH(QString, problem);
    QFETCH(bool, second);
    // The first lens diverging, so that "converging" names the second.
    Setup setup = bench(1, 1.5, 1, 3 * k, 3 * k, false, true, true, 7 * k, k);
    setup.scale = *Optics::Scale::of(k);
    setup.secondLens = SetupFormat::SecondLensSetup{6.0 * k, true, 1.5, 10.0 * k, 10.0 * k, 1.33};
    QByteArray text = SetupFile::write(setup);
    QVERIFY(text.count(member) == 1);
    const SetupFile::Result read =
        SetupFile::parse(text.replace(member, edited), Bench::setupRanges());
    QVERIFY2(read.problem.contains(problem) && bool(read.setup) == problem.isEmpty(),
             qPrintable(read.problem));
    if (!read.setup)
        return;
    QCOMPARE(bool(read.setup->secondLens), second);
    // Saved again: version 2 only for a second lens; read back the same.
    const QByteArray again = SetupFile::write(*read.setup);
    QVERIFY(again.contains(second ? "\"version\": 2," : "\"version\": 1,"));
    QVERIFY(SetupFile::parse(again, Bench::setupRanges()).setup == read.setup);
}

QTEST_MAIN(TestSetupFormat)
#include "tst_setupformat.moc"
