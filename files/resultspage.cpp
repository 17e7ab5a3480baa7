// SPDX-License-Identifier: GPL-3.0-or-later
// The results page: the texts the dialog shows, and the PDF of them drawn from
// the model's answers, never from the dialog's cells.
#include "resultspage.h"

#include "exporter.h"
#include "exporters.h"
#include "readout.h"
#include "reproduciblepdf.h"
#include "taskmode.h"

#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {
using ResultsPage::Texts;

// The PDF page, A4 upright: painter units of 1/1440 inch, an inch of margin.
constexpr int kPdfResolution = 1440;
constexpr double kMargin = 1440;
constexpr double kTextPoints = 10;
constexpr double kLineSpacing = 1.5;
constexpr double kColumnGap = 240; // a sixth of an inch between columns

// A point of the bench from the lens's centre O, right and up positive, in
// the real cm of the scale.
QString point(const Optics::Scale& scale, double z, double height) {
    return Texts::tr("%1; %2 см")
        .arg(Readout::number(scale.realOfBenchCm(z)), Readout::number(scale.realOfBenchCm(height)));
}

// A title, the header, rows: each column as wide as its widest text; a line
// that finds no room starts a new page.
class SheetPage {
public:
    SheetPage(QPainter& painter, QPagedPaintDevice& device) : m_p(painter), m_device(device) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(kTextPoints);
        m_p.setFont(font);
        m_line = m_p.fontMetrics().height() * kLineSpacing;
        m_y = kMargin;
    }
    bool line(const QString& text, bool bold = false) {
        if (!room())
            return false;
        setBold(bold);
        m_p.drawText(QPointF(kMargin, m_y), text);
        m_y += m_line;
        return true;
    }
    void space() { m_y += m_line; }
    bool table(const QStringList& header, const QList<QStringList>& rows) {
        QList<double> widths(header.size(), 0);
        setBold(true);
        for (int c = 0; c < header.size(); ++c)
            widths[c] = m_p.fontMetrics().horizontalAdvance(header[c]);
        setBold(false);
        for (const QStringList& row : rows)
            for (int c = 0; c < row.size() && c < widths.size(); ++c)
                widths[c] =
                    std::max(widths[c], double(m_p.fontMetrics().horizontalAdvance(row[c])));
        bool drawn = row(header, widths, true);
        for (const QStringList& cells : rows)
            drawn = drawn && row(cells, widths, false);
        return drawn;
    }

private:
    bool room() {
        if (m_y <= m_device.height() - kMargin)
            return true;
        m_y = kMargin;
        return m_device.newPage();
    }
    void setBold(bool bold) {
        QFont font = m_p.font();
        font.setBold(bold);
        m_p.setFont(font);
    }
    bool row(const QStringList& cells, const QList<double>& widths, bool bold) {
        if (!room())
            return false;
        setBold(bold);
        double x = kMargin;
        for (int c = 0; c < cells.size() && c < widths.size(); ++c) {
            m_p.drawText(QPointF(x, m_y), cells[c]);
            x += widths[c] + kColumnGap;
        }
        m_y += m_line;
        return true;
    }

    QPainter& m_p;
    QPagedPaintDevice& m_device;
    double m_line = 0;
    double m_y = 0;
};

// The pupil's name, the score, how points are read, then every answer.
struct ResultsPdf final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Документ PDF"); }
    QString suffix() const override { return QStringLiteral("pdf"); }
    QString key() const override { return QStringLiteral("results-pdf"); }
    Action action() const override { return Action::Results; }
    Export::Bytes bytes(const Export::Model& model) const override {
        QList<QStringList> rows;
        for (const Tasks::Answer& a : model.answers)
            rows << ResultsPage::cells(a, model.bench.scale);
        const QString pupil = model.pupil.isEmpty() ? Texts::tr("без имени") : model.pupil;
        const std::optional<QByteArray> pdf = ReproduciblePdf::onePage(
            Texts::tr("Результаты"), kPdfResolution, [&](QPainter& p, QPdfWriter& writer) {
                SheetPage page(p, writer);
                bool drawn = page.line(Texts::tr("Результаты: %1").arg(pupil), true);
                drawn = drawn && page.line(ResultsPage::summary(model.answers));
                drawn = drawn && page.line(ResultsPage::pointsNote());
                page.space();
                return drawn && page.table(ResultsPage::headers(), rows);
            });
        if (!pdf)
            return {std::nullopt, Texts::tr("не удалось нарисовать страницу")};
        return {*pdf, {}};
    }
};
} // namespace

QStringList ResultsPage::headers() {
    return {Texts::tr("Серия"),        Texts::tr("Задача"),          Texts::tr("Ваша точка"),
            Texts::tr("Верная точка"), Texts::tr("От верной точки"), Texts::tr("Вердикт"),
            Texts::tr("Время, с")};
}

QString ResultsPage::pointsNote() {
    return Texts::tr("Точки — в сантиметрах от центра линзы O: вправо и вверх со знаком плюс.");
}

QStringList ResultsPage::cells(const Tasks::Answer& a, const Optics::Scale& scale) {
    return {QString::number(a.series),
            QString::number(a.task + 1),
            point(scale, a.clickZ, a.clickHeight),
            point(scale, a.trueZ, a.trueHeight),
            Readout::centimetresOf(scale.realOfBenchCm(a.offCm)),
            a.counted ? Texts::tr("засчитано") : Texts::tr("не засчитано"),
            Readout::number(a.seconds, 1)};
}

QString ResultsPage::summary(const std::vector<Tasks::Answer>& answers) {
    int counted = 0;
    QStringList levels;
    for (const Tasks::Answer& a : answers) {
        counted += a.counted ? 1 : 0;
        const QString level = TaskMode::levelName(a.level);
        if (!levels.contains(level))
            levels << level;
    }
    QString text = Texts::tr("Засчитано %1 из %2").arg(counted).arg(answers.size());
    if (!levels.isEmpty())
        text += QStringLiteral(" (") + levels.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

const Export::Exporter& Exporters::resultsPdf() {
    static const ResultsPdf pdf;
    return pdf;
}
