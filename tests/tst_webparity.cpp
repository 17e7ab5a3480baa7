// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page and the desktop show one lesson: the table of cases the
// page's own test recorded in Chromium (read-outs as shown, the object and
// the image point of its construction) set up again on the window with the
// same clicks and keys, and compared with what the window shows.
#include "benchoptics.h"
#include "form1.h"
#include "label.h"
#include "picturebox.h"
#include "setupfile.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace TestSupport;

class TestWebParity : public QObject {
    Q_OBJECT

private slots:
    void sameAsPage_data();
    void sameAsPage();
    void setupThroughPage();
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
    const bool converging = row[QStringLiteral("converging")].toBool();
    clickButton(w.get(), converging ? QStringLiteral("cmdSob") : QStringLiteral("cmdRas"));
    w->SetRightIndex(row[QStringLiteral("n2")].toDouble());
    clickButton(w.get(), QStringLiteral("cmdCx"));
    QTest::keyClick(w->picLeft, Qt::Key(Qt::Key_0 + row[QStringLiteral("key")].toInt()));

    QCOMPARE(w->lblFocal->Caption(), row[QStringLiteral("focal")].toString());
    QCOMPARE(w->lblPower->Caption(), row[QStringLiteral("power")].toString());
    QCOMPARE(w->lblDistances->Caption(), row[QStringLiteral("distances")].toString());
    QCOMPARE(w->lblImageKind->Caption(), row[QStringLiteral("kind")].toString());
    QCOMPARE(double(w->ObjectX), row[QStringLiteral("objectX")].toDouble());
    QCOMPARE(double(w->ObjectY), row[QStringLiteral("objectY")].toDouble());
    // The image point where the two constructions put it: the window's in
    // the frame of the area it stands in, the page's along the whole bench.
    const QJsonValue imageX = row[QStringLiteral("imageX")];
    if (imageX.isNull())
        return;
    const bool real = w->lblImageKind->Caption().startsWith(QStringLiteral("действительное"));
    const double x = real ? 7500 + w->ImageX : w->ImageX;
    constexpr double kWithinTwips = 0.5;
    QVERIFY2(std::fabs(x - imageX.toDouble()) < kWithinTwips,
             qPrintable(QStringLiteral("%1 against %2").arg(x).arg(imageX.toDouble())));
    QVERIFY2(std::fabs(w->ImageY - row[QStringLiteral("imageY")].toDouble()) < kWithinTwips,
             qPrintable(QStringLiteral("%1 against %2")
                            .arg(w->ImageY)
                            .arg(row[QStringLiteral("imageY")].toDouble())));
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

QTEST_MAIN(TestWebParity)
#include "tst_webparity.moc"
