// SPDX-License-Identifier: GPL-3.0-or-later
// The report of the laboratory work on one A4 page: its title, aim and
// equipment, the table of readings, the computation and the answer, and what
// was found in each region of the object's distance. Black on white for a
// greyscale printer.
#include "labexport.h"

#include "exporter.h"
#include "exporters.h"
#include "labtexts.h"
#include "readout.h"
#include "reproduciblepdf.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

namespace {
struct LabReport {
    Q_DECLARE_TR_FUNCTIONS(LabReport)
};

// Painter units: 1/1440 inch.
constexpr int kUnitsPerInch = 1440;
constexpr double kUnitsPerCm = kUnitsPerInch / 2.54;
constexpr double kMargin = 2 * kUnitsPerCm;
constexpr double kTitlePoints = 14;
constexpr double kBodyPoints = 11;
constexpr double kTablePoints = 10;
constexpr double kLineSpacing = 1.5; // of the body font's size
// The table's columns as shares of the text width: number, d, f, F, F′ (between
// two media), what the screen showed.
constexpr double kColumns[] = {0, 0.05, 0.13, 0.21, 0.30, 0.39};
// A page holds this many rows of the table; the rest are summed in a line.
constexpr int kRowsOnPage = 20;

class Page {
public:
    Page(QPainter& painter, double width) : p(painter), m_width(width) {}

    void title(const QString& text) {
        paragraph(text, true, kTitlePoints);
        m_y += gap() / 2;
    }
    void paragraph(const QString& text, bool bold = false, double points = kBodyPoints) {
        font(points, bold);
        const QRectF box(kMargin, m_y, m_width, kUnitsPerInch * 4);
        const QRectF used = p.boundingRect(box, Qt::TextWordWrap, text);
        p.drawText(box, Qt::TextWordWrap, text);
        m_y += used.height() + gap() / 2;
    }
    void row(const QStringList& cells, bool bold = false) {
        font(kTablePoints, bold);
        m_y += gap();
        for (int i = 0; i < cells.size() && i < int(std::size(kColumns)); ++i)
            p.drawText(QPointF(kMargin + kColumns[i] * m_width, m_y), cells[i]);
        p.drawLine(QPointF(kMargin, m_y + gap() / 4), QPointF(kMargin + m_width, m_y + gap() / 4));
    }
    void space() { m_y += gap(); }

private:
    void font(double points, bool bold) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(points);
        f.setBold(bold);
        p.setFont(f);
        m_points = points;
    }
    double gap() const { return m_points * kLineSpacing * kUnitsPerInch / 72; }

    QPainter& p;
    double m_width;
    double m_y = kMargin;
    double m_points = kBodyPoints;
};
} // namespace

bool LabExport::report(const std::vector<Lab::Row>& rows, Optics::Notation notation,
                       const QString& author, QDate date, QByteArray* pdf, QString* why) {
    const auto draw = [&](QPainter& p, QPdfWriter& writer) {
        Page page(p, writer.width() - 2 * kMargin);
        page.title(LabReport::tr("Лабораторная работа «Определение фокусного расстояния и "
                                 "оптической силы собирающей линзы»"));
        // A name not given leaves a line to write it on by hand.
        const QString who = author.simplified();
        page.paragraph(
            LabReport::tr("Выполнил(а) (фамилия, имя, класс): %1    Дата: %2")
                .arg(who.isEmpty() ? QStringLiteral("________________________________") : who,
                     Readout::locale().toString(date, QLocale::ShortFormat)));
        page.paragraph(LabReport::tr("Цель: определить фокусное расстояние %1 и оптическую силу "
                                     "%2 собирающей линзы.")
                           .arg(LabTexts::focalLetter(notation), LabTexts::powerLetter(notation)));
        page.paragraph(LabReport::tr("Оборудование: собирающая линза, предмет (свеча), экран, "
                                     "линейка с миллиметровыми делениями."));
        const bool twoMedia = Lab::twoMedia(rows);
        page.row(LabTexts::header(notation, twoMedia), true);
        const int count = int(rows.size());
        for (int i = 0; i < count && i < kRowsOnPage; ++i)
            page.row(LabTexts::cells(notation, i + 1, rows[std::size_t(i)], twoMedia));
        if (count > kRowsOnPage)
            page.row({QString(), LabReport::tr("и ещё строк: %1").arg(count - kRowsOnPage)});
        page.space();
        const Lab::Result result = Lab::evaluate(rows, notation);
        page.paragraph(LabReport::tr("Вычисления"), true);
        const QStringList computation = LabTexts::computation(notation, result);
        if (computation.isEmpty())
            page.paragraph(LabReport::tr("Нет ни одной строки с резким изображением: фокусное "
                                         "расстояние не вычислено."));
        for (const QString& line : computation)
            page.paragraph(line);
        if (result.rows > 0)
            page.paragraph(LabTexts::answer(notation, result), true);
        page.paragraph(LabReport::tr("Получение изображений"), true);
        for (const QString& line : LabTexts::regionsFound(notation, rows))
            page.paragraph(line);
        return true;
    };
    const std::optional<QByteArray> made =
        ReproduciblePdf::onePage(LabReport::tr("Отчёт о лабораторной работе"), kUnitsPerInch, draw);
    if (!made) {
        *why = LabReport::tr("не удалось нарисовать отчёт");
        return false;
    }
    *pdf = *made;
    return true;
}

namespace {
// The one-page report, under the name of who did the work.
struct LabReportPdf final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Отчёт PDF"); }
    QString suffix() const override { return QStringLiteral("pdf"); }
    QString key() const override { return QStringLiteral("lab-report"); }
    Action action() const override { return Action::LabSave; }
    Export::Bytes bytes(const Export::Model& model) const override {
        QByteArray pdf;
        QString why;
        if (!LabExport::report(model.labRows, model.bench.notation, model.labAuthor, model.date,
                               &pdf, &why))
            return {std::nullopt, why};
        return {pdf, {}};
    }
};
} // namespace

const Export::Exporter& Exporters::labReportPdf() {
    static const LabReportPdf report;
    return report;
}
