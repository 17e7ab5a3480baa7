// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet as a PDF: page 1 the task without construction or image,
// page 2 the image where the optics puts it, both at true centimetres. Read
// back with poppler's pdftotext and pdftoppm, as a user's viewer sees it.
#include "classset.h"
#include "exporters.h"
#include "form1.h"
#include "lessonfile.h"
#include "logic/taskpoints.h"
#include "messages.h"
#include "setupfile.h"
#include "testsupport.h"
#include "windowexport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kPointsPerCm = 72 / 2.54;

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words on a page and their boxes, in points.
QList<std::pair<QString, QRectF>> words(const QString& pdf, int page) {
    const QString html =
        run(QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral(
        "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)<"));
    QList<std::pair<QString, QRectF>> out;
    for (auto m = re.globalMatch(html); m.hasNext();) {
        const auto g = m.next();
        out.append(
            {g.captured(5), QRectF(QPointF(g.captured(1).toDouble(), g.captured(2).toDouble()),
                                   QPointF(g.captured(3).toDouble(), g.captured(4).toDouble()))});
    }
    return out;
}

// Centres of the words on a page, in points.
QList<QPointF> wordCentres(const QString& pdf, int page, const QString& word) {
    QList<QPointF> out;
    for (const auto& [text, box] : words(pdf, page))
        if (text == word)
            out << box.center();
    return out;
}

QImage pageImage(const QString& pdf, int page, const QString& prefix) {
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"), QString::number(page),
         QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"),
         QStringLiteral("-png"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

// Dark ink within two pixels of a point.
bool inkNear(const QImage& image, QPointF at) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (qGray(image.pixel(int(std::lround(at.x())) + dx, int(std::lround(at.y())) + dy)) <
                128)
                return true;
    return false;
}
// An image line as printed: rows of ink, rows of paper between dashes, and its
// typical darkness (the median of each row's darkest pixel, so that a ray
// crossing it does not count). Both ends are left out: the dot and the axis.
struct ImageLine {
    int inkRows = 0;
    int gaps = 0;
    int darkest = 255;
};
constexpr int kEnds = 5;        // pixels left out at each end
constexpr int kPaperFrom = 200; // a grey level this light is paper
constexpr int kBlackBelow = 40; // black ink, antialiased
constexpr int kGreyFrom = 50;   // the grey ink (70) and lighter
ImageLine imageLine(const QImage& page, int x, int fromY, int toY) {
    ImageLine line;
    QList<int> darkness;
    const int step = toY > fromY ? 1 : -1;
    for (int y = fromY + step * kEnds; y != toY - step * kEnds; y += step) {
        int row = 255;
        for (int dx = -1; dx <= 1; ++dx)
            row = std::min(row, qGray(page.pixel(x + dx, y)));
        if (row >= kPaperFrom) {
            ++line.gaps;
            continue;
        }
        ++line.inkRows;
        darkness << row;
    }
    std::sort(darkness.begin(), darkness.end());
    if (!darkness.isEmpty())
        line.darkest = darkness[darkness.size() / 2];
    return line;
}
// A page's text names the object AB, its image A′B′ and the optical centre O.
// Names standing close on paper may run together in the extracted text ("B F"
// as "BF"), so the Latin letters are counted: no other text of a page has
// them.
bool namesTheFigure(const QString& text) {
    const auto count = [&](const char* name) { return text.count(QString::fromUtf8(name)); };
    return count("A\u2032") >= 1 && count("B\u2032") >= 1 && count("A") > count("A\u2032") &&
           count("B") > count("B\u2032") && count("O") >= 1;
}
// A click at the middle of a control, delivered to whatever lies at that
// point of its window, as a user's click; what it landed on.
QWidget* clickOn(QWidget* control) {
    QWidget* window = control->window();
    return TestSupport::clickAt(window, control->mapTo(window, control->rect().center()));
}

// A control of a dialog by the words a user reads on it or beside it.
template <typename Control> Control* shown(QWidget* dialog, const QString& words) {
    for (auto* control : dialog->findChildren<Control*>())
        if (control->text() == words && control->isVisible())
            return control;
    return nullptr;
}
} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void variants_data();
    void variants();
    void variantsFromCtrlP_data();
    void variantsFromCtrlP();
    void printToFile_data();
    void printToFile();
    void twoLenses_data();
    void twoLenses();
    void scenes_data();
    void scenes();
};

void TestWorksheet::pages_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("distance"); // cm before the lens
    QTest::addColumn<double>("height");   // cm above the axis
    QTest::addColumn<bool>("real");
    QTest::addColumn<bool>("safePalette"); // "Палитра" on: other colours, the same print
    QTest::addColumn<double>("N");
    QTest::addColumn<double>("R"); // both radii, cm
    QTest::addColumn<int>("k");    // the scale 1 : k: lengths above are real, k times the sheet's
    QTest::newRow("water, real image") << 1.33 << 7.4 << 1.5 << true << false << 1.64 << 3.0 << 1;
    QTest::newRow("air, virtual image") << 1.0 << 1.5 << 1.0 << false << false << 1.64 << 3.0 << 1;
    QTest::newRow("air, virtual image, safe palette")
        << 1.0 << 1.5 << 1.0 << false << true << 1.64 << 3.0 << 1;
    // The school problem F = 10 см, d = 15 см at 1 : 5.
    QTest::newRow("1 : 5, F = 10, d = 15")
        << 1.0 << 15.0 << 5.0 << true << false << 2.0 << 20.0 << 5;
}

void TestWorksheet::pages() {
    QFETCH(double, n1);
    QFETCH(double, distance);
    QFETCH(double, height);
    QFETCH(bool, real);
    QFETCH(bool, safePalette);
    QFETCH(double, N);
    QFETCH(double, R);
    QFETCH(int, k);
    // A biconvex lens, air on the right. Thin lens between two media: P = (N -
    // n1)/R + (N - n2)/R, f = n1/P, f' = n2/P, and the image at b = f' d / (d -
    // f), magnified -(n1 b)/(n2 d); real lengths, k times those on the sheet.
    const double n2 = 1;
    const double P = (N - n1) / R + (N - n2) / R;
    const double f = n1 / P, fb = n2 / P;
    const double b = fb * distance / (distance - f);
    const double heightOfImage = -(n1 * b) / (n2 * distance) * height;
    QCOMPARE(b > 0, real);

    Setup setup;
    setup.n1 = n1;
    setup.N = N;
    setup.n2 = n2;
    setup.leftRadius = setup.rightRadius = R;
    setup.scheme = false; // the worksheet draws the construction even from the lens view
    setup.hasObject = true;
    setup.objectDistance = distance;
    setup.objectHeight = height;
    setup.layers.safePalette = safePalette;
    setup.scale = *Optics::Scale::of(k);
    auto w = TestSupport::startWindow();
    w->view().File().apply(setup);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const QString why = Exporters::worksheetPdf().write(WindowExport::modelOf(*w), pdf);
    QVERIFY2(why.isEmpty(), qPrintable(why));

    const auto page = [&](int n) {
        return run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                    QString::number(n), pdf, QStringLiteral("-")});
    };
    const QString task = page(1), solution = page(2);
    // The task holds none of the answers; the solution holds them all, the
    // image distance f in the Russian school's letters.
    for (const char* answer : {"f =", "Γ", "действительное", "мнимое"}) {
        QVERIFY2(!task.contains(QString::fromUtf8(answer)), qPrintable(task));
    }
    QVERIFY2(solution.contains(QStringLiteral("f = %1 см")
                                   .arg(QString::number(b, 'f', 2)
                                            .replace(QLatin1Char('.'), QLatin1Char(','))
                                            .replace(QLatin1Char('-'), QChar(0x2212)))),
             qPrintable(solution));
    QVERIFY(solution.contains(real ? QStringLiteral("действительное") : QStringLiteral("мнимое")));
    QVERIFY2(task.contains(QStringLiteral("Масштаб 1 : %1").arg(k)), qPrintable(task));
    // The textbook figure: the points named as the labels layer names them.
    QVERIFY2(namesTheFigure(solution), qPrintable(solution));

    // True scale: the front focus F and the back focus F′ stand f + f' apart,
    // within 1 %.
    // The marks on the bench, below the lens line, which names the focal
    // lengths F and F′ too.
    const double belowTheLensLine = 1.9 * kPointsPerCm;
    QList<QPointF> marks;
    for (const QPointF& word :
         wordCentres(pdf, 1, QStringLiteral("F")) + wordCentres(pdf, 1, QStringLiteral("F\u2032")))
        if (word.y() > belowTheLensLine)
            marks << word;
    QCOMPARE(marks.size(), 2);
    const double apart = std::fabs(marks[1].x() - marks[0].x());
    const double expected = (f + fb) / k * kPointsPerCm;
    QVERIFY2(std::fabs(apart - expected) < 0.01 * expected,
             qPrintable(QStringLiteral("%1 pt, expected %2").arg(apart).arg(expected)));
    const double lensX = std::min(marks[0].x(), marks[1].x()) + f / k * kPointsPerCm;

    // The axis: the dark row under the point halfway between the left F and the lens.
    const QImage first = pageImage(pdf, 1, dir.filePath(QStringLiteral("p1")));
    const QImage second = pageImage(pdf, 2, dir.filePath(QStringLiteral("p2")));
    QVERIFY(!first.isNull() && !second.isNull());
    const int probeX = int(lensX - f / k * kPointsPerCm / 2);
    int axisY = -1;
    for (int y = int(marks[0].y()); y > int(marks[0].y()) - 40 && axisY < 0; --y)
        if (qGray(first.pixel(probeX, y)) < 128)
            axisY = y;
    QVERIFY(axisY > 0);
    const QPointF image(lensX + b / k * kPointsPerCm, axisY - heightOfImage / k * kPointsPerCm);
    QVERIFY2(inkNear(second, image),
             qPrintable(QStringLiteral("no ink at %1, %2").arg(image.x()).arg(image.y())));
    QVERIFY2(!inkNear(first, image), "page 1 shows the image");
    // The third ray: from the object through the front focus F, or for an
    // object inside F along the line from F through it, up to the lens.
    // Halfway from the nearer of the two to the lens it stands at height
    // h (x + f) / (f - d), x from the lens.
    const double along = -std::min(distance, f) / 2;
    const QPointF thirdRay(lensX + along / k * kPointsPerCm,
                           axisY - height * (along + f) / (f - distance) / k * kPointsPerCm);
    QVERIFY2(inkNear(second, thirdRay),
             qPrintable(QStringLiteral("no ray at %1, %2").arg(thirdRay.x()).arg(thirdRay.y())));

    // The image line, from the axis to the image point: a real one solid
    // black, a virtual one dashed grey, as the page's legend says.
    const ImageLine line =
        imageLine(second, int(std::lround(image.x())), axisY, int(std::lround(image.y())));
    QVERIFY2(line.inkRows > 20, qPrintable(QString::number(line.inkRows)));
    QCOMPARE(line.gaps > 0, !real);
    QVERIFY2(real ? line.darkest < kBlackBelow : line.darkest >= kGreyFrom,
             qPrintable(QString::number(line.darkest)));
}

// Variants for a class from the command line: the same seed gives the same
// file byte for byte, another seed another; each variant's pages name it, its
// series and hold the line for the pupil's name; the key's numbers obey the
// thin-lens law f/d + f'/b = 1 with the magnification -(f b)/(f' d), and its
// figures name their points.
void TestWorksheet::variants_data() {
    QTest::addColumn<int>("variants");
    QTest::addColumn<int>("perSheet");
    QTest::addColumn<QString>("level");
    QTest::addColumn<double>("tolerance"); // the law, from numbers printed to 0.01 cm
    QTest::newRow("three variants of two, equal media")
        << 3 << 2 << QStringLiteral("equal") << 0.02;
    QTest::newRow("two variants of four, two media") << 2 << 4 << QStringLiteral("two") << 0.02;
    QTest::newRow("two variants of three, two lenses")
        << 2 << 3 << QStringLiteral("lenses") << 0.02;
}

void TestWorksheet::variants() {
    QFETCH(int, variants);
    QFETCH(int, perSheet);
    QFETCH(QString, level);
    QFETCH(double, tolerance);
    QTemporaryDir dir;
    const auto sheets = [&](const QString& seed, const QString& name) {
        const QString pdf = dir.filePath(name);
        QProcess program;
        program.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        program.start(QStringLiteral(QUELLOR_PROGRAM),
                      {QStringLiteral("--worksheet"), pdf, QStringLiteral("--tasks"), seed,
                       QStringLiteral("--variants"), QString::number(variants),
                       QStringLiteral("--per-sheet"), QString::number(perSheet),
                       QStringLiteral("--level"), level});
        program.waitForFinished(120000);
        QFile file(pdf);
        file.open(QIODevice::ReadOnly);
        return std::make_pair(pdf, file.readAll());
    };
    const auto [pdf, bytes] = sheets(QStringLiteral("7"), QStringLiteral("a.pdf"));
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(sheets(QStringLiteral("7"), QStringLiteral("b.pdf")).second, bytes);
    // Another seed another file; a PDF already there is written over.
    QVERIFY(sheets(QStringLiteral("8"), QStringLiteral("b.pdf")).second != bytes);

    const QStringList pages =
        run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).split(QLatin1Char('\f'));
    const auto count = [](const QString& text, const QString& what) {
        return int(text.count(what));
    };
    const auto value = [](QString text) {
        return text.replace(QLatin1Char(','), QLatin1Char('.'))
            .replace(QChar(0x2212), QLatin1Char('-'))
            .toDouble();
    };
    // The variants' pages, then the key's. Tasks share pages: fewer pages
    // than tasks (a page a task before).
    int sheetPages = 0;
    while (sheetPages < pages.size() && !pages[sheetPages].contains(QStringLiteral("Ответы")))
        ++sheetPages;
    QVERIFY2(sheetPages < variants * perSheet, qPrintable(QString::number(sheetPages)));
    QStringList lensesOf(variants);
    int tasksSeen = 0;
    // Two lenses: the numbers the sheets give, then those the key answers.
    const bool twoLenses = level == QLatin1String("lenses");
    QList<double> printed;
    const auto take = [&](const QString& text, const QString& pattern) {
        for (auto m = QRegularExpression(pattern).globalMatch(text.simplified()); m.hasNext();)
            for (const QString& number : m.next().capturedTexts().mid(1))
                printed << value(number);
    };
    for (int page = 0; page < sheetPages; ++page) {
        const QString& text = pages[page];
        const QRegularExpressionMatch heading =
            QRegularExpression(QStringLiteral("Вариант ([0-9]+)\\.")).match(text);
        QVERIFY2(heading.hasMatch(), qPrintable(text));
        const int variant = heading.captured(1).toInt();
        QVERIFY2(text.contains(QStringLiteral("Фамилия, имя, класс")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Серия %1").arg(7 + variant - 1)), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("Γ")), qPrintable(text));
        // Each figure names the points its wording names: AB, and A′B′ when given.
        const int tasks = count(text, QStringLiteral("Задача "));
        const int imagesGiven = count(text, QStringLiteral("Даны предмет AB"));
        tasksSeen += tasks;
        for (const QString& name : {QStringLiteral("A"), QStringLiteral("B"),
                                    QStringLiteral("A\u2032"), QStringLiteral("B\u2032")})
            QVERIFY2(wordCentres(pdf, page + 1, name).size() ==
                         (name.size() == 1 ? tasks : imagesGiven),
                     qPrintable(name + QLatin1Char(' ') + text));
        take(text, QStringLiteral("O₁O₂ = ([−0-9,]+) см.*?d₁ = ([−0-9,]+) см h = ([−0-9,]+) см"));
        for (auto m = QRegularExpression(QStringLiteral("Линза:[^\\n]*")).globalMatch(text);
             m.hasNext();)
            lensesOf[variant - 1] += m.next().captured(0) + QLatin1Char('\n');
        // At true size: the two foci stand 2|F| apart on paper, as the lens
        // line prints F; with one focal length both are named F.
        if (level != QLatin1String("equal"))
            continue;
        QList<double> printed;
        for (auto m = QRegularExpression(QStringLiteral("F = ([−0-9,]+) см"))
                          .globalMatch(text.simplified());
             m.hasNext();)
            printed << std::fabs(value(m.next().captured(1)));
        bool measured = false;
        QVERIFY(wordCentres(pdf, page + 1, QStringLiteral("F\u2032")).isEmpty());
        const QList<QPointF> foci = wordCentres(pdf, page + 1, QStringLiteral("F"));
        for (const QPointF& front : foci)
            for (const QPointF& back : foci)
                if (front.x() < back.x() && std::fabs(front.y() - back.y()) < 1) {
                    const double apart = std::fabs(front.x() - back.x()) / kPointsPerCm / 2;
                    measured = true;
                    QVERIFY2(std::any_of(printed.begin(), printed.end(),
                                         [&](double f) { return std::fabs(apart - f) < 0.03; }),
                             qPrintable(QString::number(apart)));
                }
        QVERIFY(measured);
    }
    QCOMPARE(tasksSeen, variants * perSheet);
    for (int v = 1; v < variants; ++v)
        QVERIFY2(lensesOf[v] != lensesOf[0], qPrintable(lensesOf[v]));

    // The key in the Russian school's letters: d, f (the image's distance), Γ
    // unsigned, F, and F′ where the media differ.
    const QRegularExpression numbers(
        QStringLiteral("d = ([−0-9,]+) см\\s+f = ([−0-9,]+) см\\s+Γ = ([−0-9,]+)\\s+F\\s=\\s"
                       "([−0-9,]+) см(?:\\s+F′\\s=\\s([−0-9,]+)\\sсм)?"));
    int answers = 0;
    for (int page = sheetPages; page < pages.size(); ++page) {
        const QString& text = pages[page];
        if (text.trimmed().isEmpty())
            continue;
        QCOMPARE(count(text, QStringLiteral("Ответы. Вариант ")),
                 count(text, QStringLiteral("Γ = ")));
        if (twoLenses) {
            take(text, QStringLiteral("d₁ = ([−0-9,]+) см f₁ = ([−0-9,]+) см d₂ = ([−0-9,]+) см "
                                      "f₂ = ([−0-9,]+) см.*?Γ = Γ₁·Γ₂ = ([−0-9,]+)"));
            // The final image named on every figure, and in its kind's line.
            QVERIFY2(count(text, QStringLiteral("A₂")) >=
                         2 * count(text, QStringLiteral("Ответы.")),
                     qPrintable(text));
            continue;
        }
        // Lines wrap in the column beside a figure.
        for (auto it = numbers.globalMatch(text.simplified()); it.hasNext(); ++answers) {
            const QRegularExpressionMatch m = it.next();
            const double d = value(m.captured(1)), b = value(m.captured(2)),
                         gamma = value(m.captured(3)), f = value(m.captured(4)),
                         fBack = m.captured(5).isEmpty() ? f : value(m.captured(5));
            QVERIFY2(std::fabs(f / d + fBack / b - 1) < tolerance, qPrintable(m.captured(0)));
            QVERIFY2(std::fabs(gamma - std::fabs(f * b / (fBack * d))) <
                         tolerance * std::max(1.0, std::fabs(gamma)),
                     qPrintable(m.captured(0)));
        }
        // Every figure of the key frames its image whole, with its names.
        QVERIFY2(namesTheFigure(text), qPrintable(text));
        for (const QString& name : {QStringLiteral("A\u2032"), QStringLiteral("B\u2032")})
            QVERIFY2(count(text, name) >= count(text, QStringLiteral("Ответы. Вариант ")),
                     qPrintable(name + QLatin1Char(' ') + text));
    }
    if (!twoLenses) {
        QCOMPARE(answers, variants * perSheet);
        return;
    }
    // The series a pupil opens on screen, worked out by the lens law twice.
    QList<double> expected[2];
    for (int v = 0; v < variants; ++v)
        for (const Tasks::Task& t : Tasks::series(7 + v, Tasks::Level::TwoLenses, perSheet)) {
            const TaskPoints::TwoLenses e = TaskPoints::twoLensesOf(t);
            const double s = t.second->distance;
            expected[0] << s << -t.z << t.height;
            expected[1] << -t.z << e.z1 << s - e.z1 << e.z2 - s << std::fabs(e.h2 / t.height);
        }
    QCOMPARE(printed.size(), expected[0].size() + expected[1].size());
    for (int i = 0; i < printed.size(); ++i) {
        const double truth = (expected[0] + expected[1])[i];
        QVERIFY2(std::fabs(printed[i] - truth) < tolerance, qPrintable(QString::number(i)));
    }
}

// Ctrl+P in the window: the dialog's choices, made with the mouse and the
// keyboard, give the variants asked for, saved as PDF; the series offered is
// one a teacher can dictate.
void TestWorksheet::variantsFromCtrlP_data() {
    QTest::addColumn<int>("variants");
    QTest::addColumn<int>("perSheet");
    QTest::addColumn<QString>("level"); // as the dialog offers it; none: the first
    QTest::newRow("two variants of three") << 2 << ClassSet::kDefaultTasks << QString();
    QTest::newRow("two lenses, one variant")
        << 1 << ClassSet::kDefaultTasks << QStringLiteral("две линзы");
}

void TestWorksheet::variantsFromCtrlP() {
    QFETCH(int, variants);
    QFETCH(int, perSheet);
    QFETCH(QString, level);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("класс.pdf"));
    auto window = TestSupport::startWindow();
    bool chosen = false, named = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            named = true;
            TestSupport::acceptFileName(files, pdf);
        } else if (modal && !chosen) {
            chosen = true;
            const QLabel* label = shown<QLabel>(modal, QStringLiteral("Вариантов:"));
            QVERIFY(label && label->buddy());
            QWidget* clicked = clickOn(label->buddy()); // the keys go where it landed
            QTest::keyClick(clicked, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(clicked, QString::number(variants));
            if (!level.isEmpty()) { // the level's list opened by a click, its last entry taken
                clickOn(shown<QLabel>(modal, QStringLiteral("Уровень:"))->buddy());
                QWidget* list = QApplication::activePopupWidget()->focusWidget();
                QTest::keyClick(list, Qt::Key_End);
                QTest::keyClick(list, Qt::Key_Return);
            }
            QPushButton* save = shown<QPushButton>(modal, QStringLiteral("Сохранить PDF…"));
            QVERIFY(save);
            clickOn(save);
        }
    });
    poll.start(20);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    poll.stop();
    QVERIFY(chosen && named);

    const QStringList pages =
        run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).split(QLatin1Char('\f'));
    const QString all = pages.join(QLatin1Char('|'));
    QVERIFY2(all.count(QStringLiteral("Задача ")) == 2 * variants * perSheet, qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("Вариант %1.").arg(variants)), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("Ответы. Вариант 1.")), qPrintable(all));
    const QRegularExpressionMatch series =
        QRegularExpression(QStringLiteral("Серия ([0-9]+),")).match(pages[0]);
    QVERIFY(series.hasMatch());
    QVERIFY2(series.captured(1).size() <= 6, qPrintable(series.captured(1)));
    if (!level.isEmpty())
        QVERIFY2(pages[0].contains(QStringLiteral(", ") + level) &&
                     all.count(QStringLiteral("Где две линзы")) == variants * perSheet,
                 qPrintable(pages[0]));
    // The bench is as it was.
    QVERIFY(!window->ObjectPlaced);
}

// Ctrl+P, "Печать…", and the print dialog's file printer: the name typed there
// is saved as every PDF the program writes, the suffix added where it is
// missing, a file of the final name asked about, and a place that cannot take
// the sheets said, with nothing written.
void TestWorksheet::printToFile_data() {
    QTest::addColumn<QString>("typed");    // key by key in the print dialog, in a fresh folder
    QTest::addColumn<QString>("blocking"); // a folder made there first, if any
    QTest::addColumn<QString>("written");  // the file that then holds the sheets; empty: none
    QTest::addColumn<QStringList>("said"); // the titles of the messages, in order
    QTest::newRow("a name without its suffix")
        << QStringLiteral("sheet") << QString() << QStringLiteral("sheet.pdf") << QStringList();
    QTest::newRow("the suffixed name taken by a folder")
        << QStringLiteral("sheet") << QStringLiteral("sheet.pdf") << QString()
        << QStringList{QStringLiteral("Сохранить рабочие листы"),
                       QStringLiteral("Рабочие листы не сохранены")};
}

void TestWorksheet::printToFile() {
    QFETCH(QString, typed);
    QFETCH(QString, blocking);
    QFETCH(QString, written);
    QFETCH(QStringList, said);
    QTemporaryDir dir;
    if (!blocking.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(blocking));
    auto window = TestSupport::startWindow();
    QStringList told;
    Messages::setHook([&](QMessageBox& box) {
        told << box.windowTitle();
        return box.standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes
                                                                : QMessageBox::Ok;
    });
    bool chosen = false, printed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (QWidget* popup = QApplication::activePopupWidget()) {
            // The printers' list is open: the file printer is its last entry.
            QTest::keyClick(popup, Qt::Key_End);
            QTest::keyClick(popup, Qt::Key_Return);
        } else if (QComboBox* printers =
                       modal ? modal->findChild<QComboBox*>(QStringLiteral("printers")) : nullptr) {
            // The print dialog.
            QWidget* print = modal;
            auto* file = print->findChild<QLineEdit*>(QStringLiteral("filename"));
            QVERIFY(file);
            if (!file->isVisible() || !file->isEnabled()) {
                clickOn(printers);
                return;
            }
            QWidget* clicked = clickOn(file); // the keys go where it landed
            QTest::keyClick(clicked, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(clicked, dir.filePath(typed));
            auto* buttons = print->findChild<QDialogButtonBox*>();
            QVERIFY(buttons);
            for (QAbstractButton* button : buttons->buttons())
                if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
                    printed = true;
                    clickOn(button);
                    return;
                }
        } else if (modal && !chosen) {
            chosen = true;
            QPushButton* print = shown<QPushButton>(modal, QStringLiteral("Печать…"));
            QVERIFY(print);
            clickOn(print);
        }
    });
    poll.start(20);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    poll.stop();
    Messages::setHook(nullptr);
    QVERIFY(chosen && printed);
    QCOMPARE(told, said);
    // Nothing under the name as typed, unless it is the name written.
    QCOMPARE(QFileInfo(dir.filePath(typed)).isFile(), typed == written);
    if (written.isEmpty())
        return;
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(4) == "%PDF");
    const QString text = run(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Вариант 1.")), qPrintable(text));
}

QTEST_MAIN(TestWorksheet)
// The worksheet the command line makes of a setup file (version 2, a lens
// of F = 5 cm at the scale 1 : k, the object 0.4 cm high, and `more`).
static QString sheetOf(const QTemporaryDir& dir, int k, double distance, const QString& more) {
    QFile file(dir.filePath(QStringLiteral("setup.quellor")));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral(R"({"format": "quellor-setup", "version": 2, "scale": %1,
        "radii": {"left": %2, "right": %2}, "lens": "converging", "view": "scheme",
        "indices": {"left": 1, "lens": 1.5, "right": 1},
        "object": {"distance": %3, "height": 0.4}, %4})")
                   .arg(k)
                   .arg(5 * k)
                   .arg(distance)
                   .arg(more)
                   .toUtf8());
    file.close();
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    run(QStringLiteral(QUELLOR_PROGRAM), {QStringLiteral("--worksheet"), pdf, file.fileName()});
    return pdf;
}

// Two lenses from a setup file: the final image where the lens law, applied
// to each lens in turn, puts it (A1B1 the object of the second lens, a
// virtual one where it lies beyond it), at true size on the solution only.
void TestWorksheet::twoLenses_data() {
    QTest::addColumn<double>("distance"); // the object before lens 1, real cm
    QTest::addColumn<double>("s");        // lens 2 behind lens 1, real cm
    QTest::addColumn<double>("F2");       // N = 1.5 in air, equal radii: |R| = |F|
    QTest::addColumn<int>("k");
    QTest::newRow("A1B1 between the lenses, A2B2 virtual") << 12.0 << 10.0 << 4.0 << 1;
    QTest::newRow("A1B1 beyond lens 2: converging light") << 8.0 << 6.0 << 4.0 << 1;
    QTest::newRow("diverging lens 2, 1 : 2") << 16.0 << 8.0 << -8.0 << 2;
}

void TestWorksheet::twoLenses() {
    QFETCH(double, distance);
    QFETCH(double, s);
    QFETCH(double, F2);
    QFETCH(int, k);
    const double F1 = 5.0 * k, b1 = F1 * distance / (distance - F1);
    const double b2 = 1 / (1 / F2 - 1 / (s - b1));
    const double h2 = 0.4 * (b1 / distance) * (b2 / (s - b1));
    QTemporaryDir dir;
    const QString pdf = sheetOf(dir, k, distance,
                                QStringLiteral(R"("secondLens": {"distance": %1,
        "lens": "%2", "index": 1.5, "radii": {"left": %3, "right": %3}, "after": 1})")
                                    .arg(s)
                                    .arg(F2 > 0 ? "converging" : "diverging")
                                    .arg(std::fabs(F2)));
    const QString task = run("pdftotext", {"-l", "1", pdf, "-"});
    const QString solution = run("pdftotext", {"-f", "2", pdf, "-"});
    const QString answer = QStringLiteral("f₂ = %1 см")
                               .arg(QString::number(b2, 'f', 2))
                               .replace('.', ',')
                               .replace('-', QChar(0x2212));
    QVERIFY2(solution.contains(answer) && !task.contains("f₂ =") && !task.contains("Γ"),
             qPrintable(answer + "\n" + solution));
    QCOMPARE(solution.contains(QStringLiteral("сходящиеся")), b1 > s);

    // At true size from lens 1, midway between its foci F₁ (under the axis):
    // lens 2's line, the final image's tip (on the solution only) and its
    // name A₂ beside it.
    QList<QPointF> marks;
    for (const QPointF& word : wordCentres(pdf, 1, QStringLiteral("F₁")))
        if (word.y() > 1.9 * kPointsPerCm)
            marks << word;
    QCOMPARE(marks.size(), 2);
    const double lensX = (marks[0].x() + marks[1].x()) / 2, cm = kPointsPerCm / k;
    const QImage first = pageImage(pdf, 1, dir.filePath(QStringLiteral("p1")));
    const QImage second = pageImage(pdf, 2, dir.filePath(QStringLiteral("p2")));
    int axisY = int(marks[0].y());
    while (axisY > marks[0].y() - 40 && qGray(first.pixel(int(lensX - F1 / 2 * cm), axisY)) >= 128)
        --axisY;
    QVERIFY(inkNear(first, QPointF(lensX + s * cm, axisY - 0.8 * kPointsPerCm)));
    const QPointF tip(lensX + (s + b2) * cm, axisY - h2 * cm);
    QVERIFY2(inkNear(second, tip) && !inkNear(first, tip), qPrintable(QString::number(tip.x())));
    const QList<QPointF> named = wordCentres(pdf, 2, QStringLiteral("A₂"));
    // Named beside it: where the rays leave its textbook place free, left of it.
    QVERIFY(named.size() == 1 && QLineF(tip, named[0]).length() < kPointsPerCm);
}

// A scene's sheet from its setup file, at the scene's scale: a name the page
// centres on its point stands where the textbook figure puts that point,
// measured from the objective's name.
void TestWorksheet::scenes_data() {
    QTest::addColumn<QString>("scene");
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("distance"); // the object, real cm before the first lens
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("at"); // real cm behind the objective
    const QString microscope =
        QStringLiteral(R"({"kind": "microscope", "objective": 1.5, "eyepiece": 3, "tube": 16})");
    QTest::newRow("microscope: the eyepiece 16 cm behind")
        << microscope << 2 << 1.7 << QStringLiteral("окуляр") << 16.0;
    QTest::newRow("microscope: B2 on the axis 25 cm before the eyepiece")
        << microscope << 2 << 1.7 << QStringLiteral("B₂") << 16.0 - 25.0;
    // 1/F = 1/d + 1/f: F = 5, d = 12, f = 60/7.
    QTest::newRow("camera: the film where the image is sharp")
        << QStringLiteral(R"({"kind": "camera", "focal": 5})") << 1 << 12.0
        << QStringLiteral("плёнка") << 60.0 / 7;
}

void TestWorksheet::scenes() {
    QFETCH(QString, scene);
    QFETCH(int, k);
    QFETCH(double, distance);
    QFETCH(QString, word);
    QFETCH(double, at);
    QTemporaryDir dir;
    const QString pdf = sheetOf(dir, k, distance, QStringLiteral(R"("scene": )") + scene);
    const QList<QPointF> objective = wordCentres(pdf, 2, QStringLiteral("объектив"));
    const QList<QPointF> point = wordCentres(pdf, 2, word);
    QVERIFY(objective.size() == 1 && point.size() == 1);
    const double apart = point[0].x() - objective[0].x();
    QVERIFY2(std::fabs(apart - at / k * kPointsPerCm) < 2, qPrintable(QString::number(apart)));
    // No name over another, on the task or the solution: the object's foot B
    // stands as a word of its own, and no two words' boxes meet.
    for (const int page : {1, 2}) {
        const auto all = words(pdf, page);
        QCOMPARE(wordCentres(pdf, page, QStringLiteral("B")).size(), 1);
        for (int i = 0; i < all.size(); ++i)
            for (int j = i + 1; j < all.size(); ++j)
                QVERIFY2(!all[i].second.intersects(all[j].second),
                         qPrintable(all[i].first + QLatin1Char(' ') + all[j].first));
    }
}

#include "tst_worksheet.moc"
