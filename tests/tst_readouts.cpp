// SPDX-License-Identifier: GPL-3.0-or-later
// What a teacher reads off the bench and hands out: the read-outs of the lens,
// the object and its image checked against the optics worked out here, the
// digits in every locale, the lens-type buttons, and the picture of the bench
// on the clipboard and in PNG and SVG files.
#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "lensmaker.h"
#include "notation.h"
#include "picturebox.h"
#include "pictureexport.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cmath>
#include <memory>

namespace {
using namespace TestSupport;

// The bench at its laid-out size: 567 twips to the centimetre.
constexpr double kTwipsPerCm = 567;

// A number as the read-outs write it: two decimals, a decimal comma, a minus sign.
QString shown(double value) {
    return QString::number(value, 'f', 2)
        .replace(QLatin1Char('.'), QLatin1Char(','))
        .replace(QLatin1Char('-'), QChar(0x2212));
}
QString cm(double twips) {
    return shown(twips / kTwipsPerCm) + QStringLiteral(" см");
}

QSlider* slider(Form1* w, const char* name) {
    return w->findChild<QSlider*>(QString::fromLatin1(name));
}

// The picture covers the title band from the top of the read-outs and both
// areas, from the left edge of the left one to the far corner of the right one.
QRect pictureBox(Form1* w) {
    const auto ui = TestSupport::controlsOf(*w);
    const QPoint topLeft(ui.picLeft->mapTo(w, QPoint(0, 0)).x(),
                         ui.lblDistances->mapTo(w, QPoint(0, 0)).y());
    const QPoint farCorner =
        ui.picRigth->mapTo(w, QPoint(ui.picRigth->width(), ui.picRigth->height()));
    return QRect(topLeft, farCorner - QPoint(1, 1));
}
// Where a point of picLeft (twips) lands in the picture.
QPoint inPicture(Form1* w, double x, double y) {
    const auto ui = TestSupport::controlsOf(*w);
    return ui.picLeft->mapTo(w, pixelOf(ui.picLeft, x, y)) - pictureBox(w).topLeft();
}

constexpr double kObjectX = 4500; // the object of the picture tests: d = 3000
constexpr double kObjectY = 3000;

// The scheme view with the object placed by a drag.
std::unique_ptr<Form1> benchWithObject() {
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    clickButton(w.get(), QStringLiteral("cmdCx"));
    dragAt(ui.picLeft, pixelOf(ui.picLeft, kObjectX, kObjectY));
    return w;
}

// Answers the next modal dialog (a message box or the file dialog); what it
// said is there to read once it has been answered.
std::shared_ptr<QString> answerNextDialog() {
    auto said = std::make_shared<QString>(QStringLiteral("no dialog"));
    QTimer::singleShot(0, [said] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            *said = box->text();
            box->accept();
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            *said = files->windowTitle();
            files->reject();
        }
    });
    return said;
}
} // namespace

class TestReadouts : public QObject {
    Q_OBJECT

private slots:
    void benchStates_data();
    void benchStates();
    void notations_data();
    void notations();
    void notationControl();
    void digitsInEveryLocale_data();
    void digitsInEveryLocale();
    void lensTypeButtons();
    void shortcutsBelongToTheWindow();
    void clipboardImage();
    void pngFile();
    void svgFile();
    void failedSave_data();
    void failedSave();
    void pictureFileName_data();
    void pictureFileName();
};

void TestReadouts::benchStates_data() {
    QTest::addColumn<bool>("converging");
    QTest::addColumn<int>("n1Value");
    QTest::addColumn<int>("n2Value");
    QTest::addColumn<int>("lensValue");
    QTest::addColumn<int>("r1Value");
    QTest::addColumn<int>("r2Value");
    QTest::addColumn<bool>("scheme");
    QTest::addColumn<bool>("wiped");
    QTest::addColumn<double>("x"); // object point in picLeft, twips
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("kind"); // what the words say

    // Start: n1 = n2 = 1, N = 1.64, R1 = 1500, R2 = -1500, f = f' = 1171.875.
    QTest::newRow("converging, real") << true << 0 << 0 << 32 << 0 << 0 << true << false << 4500.0
                                      << 3000.0 << "действительное, перевёрнутое, уменьшенное";
    QTest::newRow("converging, virtual") << true << 0 << 0 << 32 << 0 << 0 << true << false
                                         << 6750.0 << 3600.0 << "мнимое, прямое, увеличенное";
    // N = 1.5: f = 1500; the object at 2f gives an image of its own size.
    QTest::newRow("converging, at 2F") << true << 0 << 0 << 25 << 0 << 0 << true << false << 4500.0
                                       << 3300.0 << "действительное, перевёрнутое, равное";
    QTest::newRow("converging, focal plane")
        << true << 0 << 0 << 25 << 0 << 0 << true << false << 6000.0 << 3300.0
        << "изображения нет: предмет в фокальной плоскости";
    QTest::newRow("converging, off the bench right")
        << true << 0 << 0 << 32 << 0 << 0 << true << false << 6195.0 << 3930.0
        << "действительное, перевёрнутое, увеличенное, за краем справа";
    QTest::newRow("converging, off the bench left")
        << true << 0 << 0 << 32 << 0 << 0 << true << false << 6405.0 << 3960.0
        << "мнимое, прямое, увеличенное, за краем слева";
    QTest::newRow("converging, radii set")
        << true << 0 << 0 << 32 << 10 << 20 << true << false << 3000.0 << 4995.0
        << "действительное, перевёрнутое, уменьшенное";
    QTest::newRow("diverging") << false << 0 << 0 << 32 << 0 << 0 << true << false << 4500.0
                               << 3000.0 << "мнимое, прямое, уменьшенное";
    // n1 = 1, n2 = 1.5: f = 1923.08, f' = 2884.62.
    QTest::newRow("unequal media, real")
        << true << 0 << 25 << 32 << 0 << 0 << true << false << 3000.0 << 3300.0
        << "действительное, перевёрнутое, уменьшенное";
    // n1 = 2, N = 2, n2 = 1: f = 3000, f' = 1500; inside f the image is virtual,
    // upright and four times the object.
    QTest::newRow("unequal media, virtual") << true << 50 << 0 << 50 << 0 << 0 << true << false
                                            << 5250.0 << 3705.0 << "мнимое, прямое, увеличенное";
    QTest::newRow("unequal media, diverging") << false << 0 << 25 << 32 << 0 << 0 << true << false
                                              << 4500.0 << 3000.0 << "мнимое, прямое, уменьшенное";
    // Biconcave, surfaces of different radii between different media: the
    // read-outs and the marks agree on which surface meets which medium.
    QTest::newRow("unequal media, diverging, radii set")
        << false << 0 << 25 << 32 << 10 << 40 << true << false << 4500.0 << 3000.0
        << "мнимое, прямое, уменьшенное";
    // N = n1 = n2: no power, the image where the object is.
    QTest::newRow("no power") << true << 0 << 0 << 0 << 0 << 0 << true << false << 4500.0 << 3000.0
                              << "мнимое, прямое, равное";
    QTest::newRow("lens view") << true << 0 << 25 << 32 << 0 << 0 << false << false << 0.0 << 0.0
                               << "";
    QTest::newRow("construction wiped")
        << true << 0 << 0 << 32 << 0 << 0 << true << true << 4500.0 << 3000.0 << "";
}

void TestReadouts::benchStates() {
    QFETCH(bool, converging);
    QFETCH(int, n1Value);
    QFETCH(int, n2Value);
    QFETCH(int, lensValue);
    QFETCH(int, r1Value);
    QFETCH(int, r2Value);
    QFETCH(bool, scheme);
    QFETCH(bool, wiped);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, kind);

    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    // The signed notation: f and f′ from the vergence, b and Γ with their signs.
    w->view().SetNotation(Optics::Notation::SignedGaussian);
    clickButton(w.get(), converging ? QStringLiteral("cmdSob") : QStringLiteral("cmdRas"));
    dragSliderTo(slider(w.get(), "sldn1"), n1Value);
    dragSliderTo(slider(w.get(), "sldn2"), n2Value);
    dragSliderTo(slider(w.get(), "sldVexol"), lensValue);
    dragSliderTo(slider(w.get(), "sldR1"), r1Value);
    dragSliderTo(slider(w.get(), "sldR2"), r2Value);
    if (scheme) {
        clickButton(w.get(), QStringLiteral("cmdCx"));
        dragAt(ui.picLeft, pixelOf(ui.picLeft, x, y));
        if (kind.startsWith(QStringLiteral("изображения нет"))) {
            // Exactly in the focal plane, whatever twips a pixel is: the point is
            // set, and the click on the lens type draws the bench anew.
            w->ObjectX = float(x);
            clickButton(w.get(), converging ? QStringLiteral("cmdSob") : QStringLiteral("cmdRas"));
        }
        // The numbers follow the point where the drag put it.
        x = w->ObjectX;
        y = w->ObjectY;
    }
    if (wiped)
        clickAt(w.get(), ui.picLeft->mapTo(w.get(), pixelOf(ui.picLeft, x, y)), Qt::RightButton);

    // The lens, in media n1 | N | n2.
    const double n1 = 1 + n1Value / 50.0, n2 = 1 + n2Value / 50.0, N = 1 + lensValue / 50.0;
    // The surface drawn left of the lens meets n1, the one drawn right meets n2.
    // Each is reshaped by the slider in the row of its side: sldR1 stands in the
    // row "левая" of a biconvex lens, sldR2 in that of a biconcave one.
    const double r1 = 1500 + 50 * r1Value, r2 = 1500 + 50 * r2Value;
    const double rLeft = converging ? r1 : r2, rRight = converging ? r2 : r1;
    const double R1 = converging ? rLeft : -rLeft, R2 = converging ? -rRight : rRight;
    const double power = LensMaker::thinLensPower(n1, N, n2, R1, R2);
    if (power == 0) {
        QCOMPARE(ui.lblFocal->Caption(), QStringLiteral("f = ∞   f′ = ∞"));
        QCOMPARE(ui.lblPower->Caption(), QStringLiteral("D = 0,00 дптр"));
    } else {
        QCOMPARE(ui.lblFocal->Caption(),
                 QStringLiteral("f = %1   f′ = %2").arg(cm(n1 / power), cm(n2 / power)));
        // Dioptres: per metre, 56700 twips.
        QCOMPARE(ui.lblPower->Caption(),
                 QStringLiteral("D = %1 дптр").arg(shown(power * kTwipsPerCm * 100)));
    }
    // The radius beside each row, of the slider standing in it.
    QCOMPARE(ui.lblRleft->Caption(), QStringLiteral("R = ") + cm(rLeft));
    QCOMPARE(ui.lblRright->Caption(), QStringLiteral("R = ") + cm(rRight));

    QCOMPARE(ui.lblImageKind->Caption(), kind);
    // Every read-out fits its box on one line, nothing cut off.
    for (Label* readout :
         {ui.lblFocal, ui.lblPower, ui.lblDistances, ui.lblImageKind, ui.lblRleft, ui.lblRright})
        QVERIFY2(QFontMetricsF(readout->font()).horizontalAdvance(readout->Caption()) <=
                     readout->width(),
                 qPrintable(readout->objectName()));
    if (kind.isEmpty()) {
        QCOMPARE(ui.lblDistances->Caption(), QString());
        return;
    }
    // The object: vergences add, n1/d + n2/b = P (Gaussian thin lens between
    // two media), and Newton's form of the magnification, f / (f - d).
    const double d = 7500 - x;
    if (kind.startsWith(QStringLiteral("изображения нет"))) {
        QCOMPARE(d, n1 / power); // the row stands exactly in the focal plane
        QCOMPARE(ui.lblDistances->Caption(), QStringLiteral("d = ") + cm(d));
        return;
    }
    const double b = n2 / (power - n1 / d);
    const double magnification = power == 0 ? 1.0 : (n1 / power) / (n1 / power - d);
    QCOMPARE(ui.lblDistances->Caption(),
             QStringLiteral("d = %1   b = %2   Γ = %3").arg(cm(d), cm(b), shown(magnification)));
    // The words agree with the numbers.
    QCOMPARE(kind.startsWith(QStringLiteral("действительное")), b > 0);
    QCOMPARE(kind.contains(QStringLiteral("прямое")), magnification > 0);
    QCOMPARE(kind.contains(QStringLiteral("за краем")), std::fabs(b) > 7500);
}

// The read-outs in each notation and language, for a lens of N = 2.0 with
// R = 2.65 cm in water (the problem book's D = 38.02 dioptres) and for the same
// lens between air and water. The numbers come from the book's formulas: in
// one medium 1/F = (N/n - 1)(2/R), 1/F = 1/d + 1/f, Γ = f/d; between two media
// P = (N - n1)/R + (N - n2)/R, F = n1/P, F′ = n2/P, n1/d + n2/f = P.
void TestReadouts::notations_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("notation"); // -1: as the language has it
    QTest::addColumn<bool>("twoMedia");
    QTest::addColumn<QStringList>("letters"); // d, f, F, F′, Γ, D
    QTest::addColumn<bool>("signedGamma");
    QTest::addColumn<bool>("oneFocal");   // one focal length named in one medium
    QTest::addColumn<bool>("vergence");   // the power is n/F, not 1/F
    QTest::addColumn<QString>("formula"); // what the power's tooltip shows
    const QStringList russian{"d", "f", "F", "F′", "Γ", "D"};
    const QStringList uk{"u", "v", "f", "f′", "m", "P"};
    const QStringList gauss{"d", "b", "f", "f′", "Γ", "D"};
    const int kRussian = int(Optics::Notation::RussianSchool);
    const int kUk = int(Optics::Notation::UkSchool);
    const int kSigned = int(Optics::Notation::SignedGaussian);
    QTest::newRow("Russian, default: d f F, D = 1/F")
        << false << -1 << false << russian << false << true << false << "D = 1/F";
    QTest::newRow("Russian, two media: F and F′")
        << false << -1 << true << russian << false << true << false << "D = 1/F:";
    QTest::newRow("Russian, UK notation")
        << false << kUk << false << uk << false << true << false << "P = 1/f";
    QTest::newRow("Russian, signed")
        << false << kSigned << false << gauss << true << false << true << "D = n₁/f = n₂/f′";
    QTest::newRow("English, default: u v f, P = 1/f")
        << true << -1 << false << uk << false << true << false << "P = 1/f";
    QTest::newRow("English, two media: f and f′")
        << true << -1 << true << uk << false << true << false << "P = 1/f:";
    QTest::newRow("English, Russian notation")
        << true << kRussian << false << russian << false << true << false << "D = 1/F";
    QTest::newRow("English, signed")
        << true << kSigned << false << gauss << true << false << true << "D = n₁/f = n₂/f′";
}

void TestReadouts::notations() {
    QFETCH(bool, english);
    QFETCH(int, notation);
    QFETCH(bool, twoMedia);
    QFETCH(QStringList, letters);
    QFETCH(bool, signedGamma);
    QFETCH(bool, oneFocal);
    QFETCH(bool, vergence);
    QFETCH(QString, formula);
    QTranslator translator;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/quellor_en.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    const auto number = [english](double v) {
        QString text = QString::number(v, 'f', 2).replace(QLatin1Char('-'), QChar(0x2212));
        return english ? text : text.replace(QLatin1Char('.'), QLatin1Char(','));
    };
    const auto length = [&](double cm) {
        return number(cm) + (english ? QStringLiteral(" cm") : QStringLiteral(" см"));
    };
    const double n1 = twoMedia ? 1.0 : 1.33, n2 = 1.33, N = 2.0, R = 2.65;
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    if (notation >= 0)
        w->view().SetNotation(Optics::Notation(notation));
    w->view().ApplyAtOnce([&] {
        w->view().SetLeftIndex(n1);
        w->view().SetRightIndex(n2);
        w->view().SetLensIndex(N);
        w->view().SetUpperRadius(R * kTwipsPerCm);
        w->view().SetLowerRadius(R * kTwipsPerCm);
    });
    clickButton(w.get(), QStringLiteral("cmdCx"));
    dragAt(ui.picLeft, pixelOf(ui.picLeft, 7500 - 4000, 3000));
    const double d = (7500 - w->ObjectX) / kTwipsPerCm;

    const double P = (N - n1) / R + (N - n2) / R; // per cm
    const double F = n1 / P, F2 = n2 / P;
    const double f = n2 / (P - n1 / d);
    const double gamma = -(n1 * f) / (n2 * d);
    const double D = vergence ? 100 * P : 100 / F;
    if (!twoMedia && !vergence)
        QVERIFY(std::fabs(D - 38.02) < 0.005); // the problem book's answer
    const QString focal = oneFocal && !twoMedia ? letters[2] + " = " + length(F)
                                                : letters[2] + " = " + length(F) + "   " +
                                                      letters[3] + " = " + length(F2);
    QCOMPARE(ui.lblFocal->Caption(), focal);
    QCOMPARE(ui.lblPower->Caption(),
             letters[5] + " = " + number(D) + (english ? QStringLiteral(" D") : " дптр"));
    QVERIFY2(ui.lblPower->toolTip().startsWith(formula), qPrintable(ui.lblPower->toolTip()));
    QCOMPARE(ui.lblDistances->Caption(),
             QStringList({letters[0] + " = " + length(d), letters[1] + " = " + length(f),
                          letters[4] + " = " + number(signedGamma ? gamma : std::fabs(gamma))})
                 .join(QStringLiteral("   ")));
    // Letters that fit the boxes they stand in.
    for (Label* readout : {ui.lblFocal, ui.lblPower, ui.lblDistances, ui.lblImageKind})
        QVERIFY2(QFontMetricsF(readout->font()).horizontalAdvance(readout->Caption()) <=
                     readout->width(),
                 qPrintable(readout->objectName()));
    QCoreApplication::removeTranslator(&translator);
}

// The notation's control, clicked where it stands between "Схема" and
// "Выход", steps Russian school → UK → signed → Russian, and the read-outs
// follow at once; Ctrl+Shift+N does the same.
void TestReadouts::notationControl() {
    auto w = benchWithObject();
    const auto ui = TestSupport::controlsOf(*w);
    QApplication::setActiveWindow(w.get());
    const QPoint between = (middleOf(ui.cmdCx) + middleOf(ui.cmdExit)) / 2;
    const QStringList expected{"u = ", "d = ", "d = "};
    const QStringList image{"v = ", "b = ", "f = "};
    for (int i = 0; i < 3; ++i) {
        clickAt(w.get(), between);
        QVERIFY2(ui.lblDistances->Caption().startsWith(expected[i]) &&
                     ui.lblDistances->Caption().contains(QStringLiteral("   ") + image[i]),
                 qPrintable(ui.lblDistances->Caption()));
    }
    QTest::keyClick(w.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY2(ui.lblDistances->Caption().contains(QStringLiteral("   v = ")),
             qPrintable(ui.lblDistances->Caption()));
}

void TestReadouts::digitsInEveryLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Arabic, Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("Persian, Iran") << QLocale(QLocale::Persian, QLocale::Iran);
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia);
    QTest::newRow("English, US") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void TestReadouts::digitsInEveryLocale() {
    QFETCH(QLocale, locale);
    const QLocale before;
    QLocale::setDefault(locale);
    auto w = benchWithObject();
    const auto ui = TestSupport::controlsOf(*w);
    QLocale::setDefault(before);
    // The index read-outs take the decimal mark of the language shown, as the
    // other read-outs do: one rule in one window.
    QCOMPARE(ui.lblN->Caption(), QStringLiteral("      1,64"));
    for (Label* readout : {ui.lbln1, ui.lbln2, ui.lblN, ui.lblFocal, ui.lblPower, ui.lblDistances,
                           ui.lblImageKind, ui.lblRleft, ui.lblRright}) {
        QVERIFY(!readout->Caption().trimmed().isEmpty());
        for (QChar c : readout->Caption())
            QVERIFY2(!c.isDigit() || (c >= u'0' && c <= u'9'),
                     qPrintable(readout->objectName() + ": " + readout->Caption()));
    }
    QCOMPARE(ui.lblPower->Caption(), QStringLiteral("D = 48,38 дптр"));
}

void TestReadouts::lensTypeButtons() {
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    auto* sob = w->findChild<QAbstractButton*>(QStringLiteral("cmdSob"));
    auto* ras = w->findChild<QAbstractButton*>(QStringLiteral("cmdRas"));
    QCOMPARE(sob->toolTip(), QStringLiteral("Собирающая линза"));
    QCOMPARE(ras->toolTip(), QStringLiteral("Рассеивающая линза"));
    // The chosen type: the pressed button, a bar right beneath it.
    const auto markedUnder = [&ui](QAbstractButton* button) {
        const QRect bar = ui.picTypeMark->geometry();
        return ui.picTypeMark->isVisible() && bar.left() == button->geometry().left() &&
               bar.top() >= button->geometry().bottom();
    };
    QVERIFY(sob->isChecked() && !ras->isChecked() && markedUnder(sob));
    for (int i = 0; i < 2; ++i) { // a second click on the chosen type keeps it
        clickButton(w.get(), QStringLiteral("cmdRas"));
        QVERIFY(ras->isChecked() && !sob->isChecked() && markedUnder(ras));
    }
    clickButton(w.get(), QStringLiteral("cmdSob"));
    QVERIFY(sob->isChecked() && !ras->isChecked() && markedUnder(sob));
}

// Ctrl+C, Ctrl+E and Ctrl+S act with the focus on the object's area, and the key never
// reaches it: the area keeps what it shows.
void TestReadouts::shortcutsBelongToTheWindow() {
    auto w = benchWithObject();
    const auto ui = TestSupport::controlsOf(*w);
    QApplication::setActiveWindow(w.get());
    ui.picLeft->setFocus();
    QApplication::clipboard()->clear();
    putMarkers(w.get());
    // The key with Ctrl held, as the keyboard delivers it (shortcuts first).
    QTest::simulateEvent(ui.picLeft, true, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"),
                         false);
    QVERIFY(!QApplication::clipboard()->image().isNull());
    const auto dialog = answerNextDialog();
    QTest::simulateEvent(ui.picLeft, true, Qt::Key_E, Qt::ControlModifier, QStringLiteral("e"),
                         false);
    QCOMPARE(*dialog, QStringLiteral("Сохранить рисунок"));
    // Ctrl+S saves the lesson's setup; a bench never saved asks for a name.
    QApplication::setActiveWindow(w.get());
    ui.picLeft->setFocus();
    const auto setupDialog = answerNextDialog();
    QTest::simulateEvent(ui.picLeft, true, Qt::Key_S, Qt::ControlModifier, QStringLiteral("s"),
                         false);
    QCOMPARE(*setupDialog, QStringLiteral("Сохранить урок"));
    QVERIFY(hasMarker(ui.picLeft));
}

void TestReadouts::clipboardImage() {
    auto w = benchWithObject();
    QApplication::clipboard()->clear();
    clickButton(w.get(), QStringLiteral("cmdCopy"));
    const QImage image = QApplication::clipboard()->image();
    QCOMPARE(image.size(), pictureBox(w.get()).size());
    QCOMPARE(image.pixelColor(inPicture(w.get(), kObjectX, kObjectY)), QColor(0, 255, 0));
}

void TestReadouts::pngFile() {
    auto w = benchWithObject();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.png"));
    QVERIFY(PictureExport::write(&*w, path));
    const QImage image(path);
    QCOMPARE(image.size(), pictureBox(w.get()).size());
    QCOMPARE(image.pixelColor(inPicture(w.get(), kObjectX, kObjectY)), QColor(0, 255, 0));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"bench.png"});
    // The buttons that copy and save stand in the band but not in the picture:
    // where they stand it is plain background.
    const QColor background = w->palette().color(QPalette::Window);
    for (const char* name : {"cmdCopy", "cmdSave"}) {
        const QWidget* button = w->findChild<QPushButton*>(QString::fromLatin1(name));
        const QRect box(button->mapTo(w.get(), QPoint(0, 0)) - pictureBox(w.get()).topLeft(),
                        button->size());
        QVERIFY(image.rect().contains(box));
        int other = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                other += image.pixelColor(x, y) != background ? 1 : 0;
        QVERIFY2(other == 0, qPrintable(QStringLiteral("%1: %2 pixels").arg(name).arg(other)));
    }
}

void TestReadouts::svgFile() {
    auto w = benchWithObject();
    const auto ui = TestSupport::controlsOf(*w);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.svg"));
    QVERIFY(PictureExport::write(&*w, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    int lines = 0;
    QStringList texts, fonts;
    QString viewBox;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView element = svg.name();
        if (element == u"svg")
            viewBox = svg.attributes().value(QStringLiteral("viewBox")).toString();
        if (element == u"polyline" || element == u"line")
            ++lines;
        if (element == u"text") {
            fonts << svg.attributes().value(QStringLiteral("font-family")).toString();
            texts << svg.readElementText();
        }
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    const QSize size = pictureBox(w.get()).size();
    QCOMPARE(viewBox, QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));
    QVERIFY2(lines >= 6, qPrintable(QString::number(lines))); // the object and its rays
    // Text comes in runs of one script each.
    const QString text = texts.join(QString());
    QVERIFY2(text.contains(ui.lblDistances->Caption()), qPrintable(text));
    QVERIFY2(text.contains(ui.lblImageKind->Caption()), qPrintable(text));
    // Text in the family the window draws with, not the one it was laid out for.
    QVERIFY(!fonts.contains(QStringLiteral("MS Sans Serif")));
    QVERIFY(fonts.contains(QFontInfo(ui.lblDistances->font()).family()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"bench.svg"});
}

void TestReadouts::failedSave_data() {
    QTest::addColumn<QString>("where");
    // Places no one can write to, root included.
    QTest::newRow("inside a regular file, PNG") << "file/bench.png";
    QTest::newRow("inside a regular file, SVG") << "file/bench.svg";
    QTest::newRow("in /proc") << "/proc/quellor-bench.png";
}

void TestReadouts::failedSave() {
    QFETCH(QString, where);
    QTemporaryDir folder;
    QFile plain(folder.filePath(QStringLiteral("file")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = where.startsWith(u'/') ? where : folder.filePath(where);
    auto w = benchWithObject();
    const auto said = answerNextDialog();
    QVERIFY(!PictureExport::write(&*w, path));
    QVERIFY2(said->contains(QDir::toNativeSeparators(path)), qPrintable(*said));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"file"});
}

void TestReadouts::pictureFileName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("svgChosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no suffix") << "/p/noext" << false << "/p/noext.png";
    QTest::newRow("no suffix, SVG chosen") << "/p/noext" << true << "/p/noext.svg";
    QTest::newRow("PNG") << "/p/a.png" << false << "/p/a.png";
    QTest::newRow("SVG typed, PNG chosen") << "/p/a.svg" << false << "/p/a.svg";
    QTest::newRow("upper case kept") << "/p/A.PNG" << true << "/p/A.PNG";
    QTest::newRow("another suffix") << "/p/pic.jpg" << false << "/p/pic.jpg.png";
    QTest::newRow("trailing space") << "/p/trail.png " << false << "/p/trail.png";
    QTest::newRow("trailing dot") << "/p/dots." << false << "/p/dots.png";
    QTest::newRow("dot before the added suffix") << "/p/dots..png" << false << "/p/dots.png";
    QTest::newRow("dots and spaces only") << "/p/. ." << false << "/p/quellor.png";
    QTest::newRow("dotted folder") << "/p.d/x" << false << "/p.d/x.png";
}

// The name written is the one asked about: the dialog and the program agree.
void TestReadouts::pictureFileName() {
    QFETCH(QString, typed);
    QFETCH(bool, svgChosen);
    QFETCH(QString, written);
    QCOMPARE(PictureExport::fileName(typed, svgChosen ? QStringLiteral("svg")
                                                      : QStringLiteral("png")),
             written);
}

QTEST_MAIN(TestReadouts)
#include "tst_readouts.moc"
