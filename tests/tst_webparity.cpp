// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page and the desktop show one lesson: the table of cases the
// page's own test recorded in Chromium (read-outs as shown, the object and
// the image point of its construction) set up again on the window with the
// same clicks and keys, and compared with what the window shows, the
// construction's lines among it.
#include "benchoptics.h"
#include "form1.h"
#include "label.h"
#include "palette.h"
#include "picturebox.h"
#include "raydiagram.h"
#include "setupfile.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <tuple>

using namespace TestSupport;

namespace {
// A line of a construction along the whole bench (twips, picRigth's x on from
// 7500, y down) and what it is, numbered as the page numbers its pieces.
enum Kind { Ray, Extension, ConstructionLine, NoLine };
struct Drawn {
    double x1, y1, x2, y2;
    Kind kind;
};
Kind kindOf(Optics::Role r) {
    using R = Optics::Role;
    if (r == R::CentralRay || r == R::ParallelRay || r == R::EdgeRay || r == R::FocalRay)
        return Ray;
    if (r == R::FocalPlane || r == R::SecondaryAxis)
        return ConstructionLine;
    return r == R::BackwardExtension ? Extension : NoLine;
}

// A line lies on another of the same kind where, as far as it crosses the
// bench, both ends of that stretch are within a thirtieth of a pixel of it.
constexpr double kWithinTwips = 0.5;
bool alongAny(const Drawn& a, const QVector<Drawn>& others, Kind kind) {
    const double dx = a.x2 - a.x1, dy = a.y2 - a.y1;
    double t0 = -1e300, t1 = 1e300;
    for (const auto& [p, from, most] : {std::tuple{dx, a.x1, 15000.0}, {dy, a.y1, 8025.0}}) {
        if (p == 0 && (from < 0 || from > most))
            return false;
        if (p != 0) {
            t0 = std::max(t0, std::min(-from / p, (most - from) / p));
            t1 = std::min(t1, std::max(-from / p, (most - from) / p));
        }
    }
    return t0 <= t1 && std::any_of(others.begin(), others.end(), [&](const Drawn& b) {
               const double bx = b.x2 - b.x1, by = b.y2 - b.y1;
               const auto off = [&](double t) {
                   return std::fabs((a.x1 + t * dx - b.x1) * by - (a.y1 + t * dy - b.y1) * bx) /
                          std::hypot(bx, by);
               };
               return b.kind == kind && off(t0) < kWithinTwips && off(t1) < kWithinTwips;
           });
}
QString described(const Drawn& d) {
    return QString::asprintf("kind %d (%g, %g)-(%g, %g)", d.kind, d.x1, d.y1, d.x2, d.y2);
}
} // namespace

class TestWebParity : public QObject {
    Q_OBJECT

private slots:
    void sameAsPage_data();
    void sameAsPage();
    void setupThroughPage();
    void refusalAsDesktop_data();
    void refusalAsDesktop();
    void coloursAsDesktop();
};

void TestWebParity::sameAsPage_data() {
    QTest::addColumn<QJsonObject>("row");
    const QString path = qEnvironmentVariable("QUELLOR_WEB_CASES");
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        QSKIP("no cases from the page (the browser test did not run)");
    const QJsonArray rows = QJsonDocument::fromJson(file.readAll()).array();
    QVERIFY(rows.size() == 20);
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        QTest::addRow("%s n2=%g key %d", row[QStringLiteral("converging")].toBool() ? "sob" : "ras",
                      row[QStringLiteral("n2")].toDouble(), row[QStringLiteral("key")].toInt())
            << row;
    }
}

void TestWebParity::sameAsPage() {
    QFETCH(QJsonObject, row);
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    const bool converging = row[QStringLiteral("converging")].toBool();
    clickButton(w.get(), converging ? QStringLiteral("cmdSob") : QStringLiteral("cmdRas"));
    w->view().SetRightIndex(row[QStringLiteral("n2")].toDouble());
    clickButton(w.get(), QStringLiteral("cmdCx"));
    // A click gives the object's area the keyboard; the key then places the object.
    clickAt(w.get(), ui.picLeft->mapTo(w.get(), pixelOf(ui.picLeft, 1500, 3000)));
    QTest::keyClick(w->windowHandle(), Qt::Key(Qt::Key_0 + row[QStringLiteral("key")].toInt()));

    QCOMPARE(ui.lblFocal->Caption(), row[QStringLiteral("focal")].toString());
    QCOMPARE(ui.lblPower->Caption(), row[QStringLiteral("power")].toString());
    QCOMPARE(ui.lblDistances->Caption(), row[QStringLiteral("distances")].toString());
    QCOMPARE(ui.lblImageKind->Caption(), row[QStringLiteral("kind")].toString());
    QCOMPARE(double(w->ObjectX), row[QStringLiteral("objectX")].toDouble());
    QCOMPARE(double(w->ObjectY), row[QStringLiteral("objectY")].toDouble());
    // The construction itself: every line the window draws lies on a piece
    // the page drew, of the same kind, and every piece of the page's on a line
    // of the window's; a backward extension along a ray the window draws
    // anyway (the central ray, unbent) may be left to that ray.
    QVector<Drawn> window, page;
    for (const Optics::Stroke& s : Optics::rayDiagram(*w, {}, {}).strokes) {
        const double shift = s.area == Optics::Area::Right ? 7500 : 0;
        if (!s.circle && kindOf(s.role) != NoLine)
            window.push_back({s.x1 + shift, s.y1, s.x2 + shift, s.y2, kindOf(s.role)});
    }
    for (const QJsonValue& ray : row[QStringLiteral("rays")].toArray())
        for (const QJsonValue& value : ray[QStringLiteral("pieces")].toArray()) {
            const QJsonArray p = value.toArray();
            page.push_back({p[0].toDouble(), p[1].toDouble(), p[2].toDouble(), p[3].toDouble(),
                            Kind(p[4].toInt())});
        }
    QVERIFY(!page.isEmpty() && !window.isEmpty());
    for (const Drawn& line : window)
        QVERIFY2(alongAny(line, page, line.kind), qPrintable(described(line)));
    for (const Drawn& piece : page)
        QVERIFY2(alongAny(piece, window, piece.kind) ||
                     (piece.kind == Extension && alongAny(piece, window, Ray)),
                 qPrintable(described(piece)));

    // The image point where the two constructions put it: the window's in
    // the frame of the area it stands in, the page's along the whole bench.
    const QJsonValue imageX = row[QStringLiteral("imageX")];
    // Without an image (the object in the focal plane) no extension leads to one.
    for (const Drawn& piece : page)
        QVERIFY2(!imageX.isNull() || piece.kind != Extension, qPrintable(described(piece)));
    if (imageX.isNull())
        return;
    const bool real = ui.lblImageKind->Caption().startsWith(QStringLiteral("действительное"));
    const double x = real ? 7500 + w->ImageX : w->ImageX;
    QVERIFY2(std::fabs(x - imageX.toDouble()) < kWithinTwips,
             qPrintable(QStringLiteral("%1 against %2").arg(x).arg(imageX.toDouble())));
    QVERIFY2(std::fabs(w->ImageY - row[QStringLiteral("imageY")].toDouble()) < kWithinTwips,
             qPrintable(QStringLiteral("%1 against %2")
                            .arg(w->ImageY)
                            .arg(row[QStringLiteral("imageY")].toDouble())));
}

// The object's colour the page drew in each palette is the desktop's.
void TestWebParity::coloursAsDesktop() {
    QFile file(QFileInfo(qEnvironmentVariable("QUELLOR_WEB_CASES")).path() +
               QStringLiteral("/page-colours.json"));
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("no colours from the page (the browser test did not run)");
    const QJsonObject drawn = QJsonDocument::fromJson(file.readAll()).object();
    const std::pair<const char*, const Palette::Construction*> palettes[] = {
        {"classic", &Palette::classic()}, {"safe", &Palette::safe()}};
    for (const auto& [name, palette] : palettes) {
        const QJsonArray rgb = drawn[QLatin1String(name)].toArray();
        const std::int32_t packed = palette->object; // red + 256 green + 65536 blue
        QCOMPARE(rgb[0].toInt() + 256 * rgb[1].toInt() + 65536 * rgb[2].toInt(), packed);
    }
}

// A setup the page opened and saved again reads as the setup it opened.
void TestWebParity::setupThroughPage() {
    const QString folder = QFileInfo(qEnvironmentVariable("QUELLOR_WEB_CASES")).path();
    const SetupFile::Result given =
        SetupFile::read(folder + QStringLiteral("/awkward.quellor"), Bench::setupRanges());
    const SetupFile::Result saved =
        SetupFile::read(folder + QStringLiteral("/page-saved.quellor"), Bench::setupRanges());
    if (!given.setup && !saved.setup && qEnvironmentVariableIsEmpty("QUELLOR_WEB_CASES"))
        QSKIP("no setup from the page (the browser test did not run)");
    QVERIFY2(given.setup, qPrintable(given.problem));
    QVERIFY2(saved.setup, qPrintable(saved.problem));
    QCOMPARE(saved.setup->taskSeed, 18446744073709551615ull);
    // The object's place passes through the bench's single-precision point,
    // on the desktop as on the page: within a millionth of the scale's cm.
    Setup expected = *given.setup;
    const double within = 1e-6 * expected.scale.factor() * 10;
    QVERIFY(std::fabs(saved.setup->objectDistance - expected.objectDistance) < within);
    QVERIFY(std::fabs(saved.setup->objectHeight - expected.objectHeight) < within);
    expected.objectDistance = saved.setup->objectDistance;
    expected.objectHeight = saved.setup->objectHeight;
    QCOMPARE(*saved.setup, expected);
}

// Each broken setup the page refused, it refused with the desktop's reason
// for the same file, in Russian and in English.
void TestWebParity::refusalAsDesktop_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonObject>("said");
    const QDir folder = QFileInfo(qEnvironmentVariable("QUELLOR_WEB_CASES")).dir();
    QFile file(folder.filePath(QStringLiteral("page-refusals.json")));
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("no refusals from the page (the browser test did not run)");
    for (const QJsonValue& row : QJsonDocument::fromJson(file.readAll()).array())
        QTest::addRow("%s", qPrintable(row[QStringLiteral("file")].toString()))
            << folder.filePath(row[QStringLiteral("file")].toString()) << row.toObject();
}

void TestWebParity::refusalAsDesktop() {
    QFETCH(QString, path);
    QFETCH(QJsonObject, said);
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/quellor_en.qm")));
    for (const QString& language : {QStringLiteral("ru"), QStringLiteral("en")}) {
        if (language == QLatin1String("en"))
            QCoreApplication::installTranslator(&english);
        const SetupFile::Result read = SetupFile::read(path, Bench::setupRanges());
        const QString desktop =
            QCoreApplication::translate("LessonFile", "Не удалось открыть файл «%1»:\n%2")
                .arg(QFileInfo(path).fileName(), read.problem);
        QCOMPARE(said[language].toString(), desktop);
    }
    QCoreApplication::removeTranslator(&english);
}

QTEST_MAIN(TestWebParity)
#include "tst_webparity.moc"
