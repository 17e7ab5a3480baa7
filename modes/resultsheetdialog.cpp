// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsheetdialog.h"

#include "exporter.h"
#include "exporters.h"
#include "messages.h"
#include "readout.h"
#include "reproduciblepdf.h"
#include "resultsfile.h"
#include "resultsheet.h"
#include "safewrite.h"
#include "savename.h"
#include "taskmode.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
enum Column { kSeries, kTask, kClicked, kTrue, kOff, kVerdict, kSeconds, kColumns };
// The PDF page, A4 upright: painter units of 1/1440 inch, an inch of margin.
constexpr int kPdfResolution = 1440;
constexpr double kMargin = 1440;
constexpr double kTextPoints = 10;
constexpr double kLineSpacing = 1.5;
constexpr double kColumnGap = 240; // a sixth of an inch between columns
constexpr int kRowsInView = Tasks::kSeriesLength;
// The name prompt's words wrap at about this many characters.
constexpr int kLabelChars = 50;

// A title, the header, rows: each column as wide as its widest text.
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
} // namespace

ResultSheetDialog::ResultSheetDialog(QWidget* parent, ResultSheet& sheet, Optics::Scale scale)
    : QDialog(parent), m_sheet(sheet), m_scale(scale) {
    setWindowTitle(tr("Результаты"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(sheet.name(), this);
    form->addRow(tr("Фамилия, имя, класс:"), m_name);
    // A name the results file would not take is said at once and not used.
    m_nameProblem = new QLabel(this);
    m_nameProblem->setTextFormat(Qt::PlainText);
    m_nameProblem->setWordWrap(true);
    m_nameProblem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_nameProblem->hide();
    form->addRow(m_nameProblem);
    layout->addLayout(form);
    m_table = new QTableWidget(0, kColumns, this);
    m_table->setHorizontalHeaderLabels(headers());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_table);
    m_score = new QLabel(this);
    layout->addWidget(m_score);
    layout->addWidget(new QLabel(pointsNote(), this));
    fill();
    fitTable();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* csv = buttons->addButton(tr("Сохранить CSV…"), QDialogButtonBox::ActionRole);
    QPushButton* pdf = buttons->addButton(tr("Сохранить PDF…"), QDialogButtonBox::ActionRole);
    connect(csv, &QPushButton::clicked, this, [this] { saveCsv(); });
    connect(pdf, &QPushButton::clicked, this, [this] { savePdf(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The name typed names the answers given without one, and those to come.
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& typed) {
        const QString name = typed.simplified();
        const QString problem = ResultsFile::nameProblem(name);
        m_nameProblem->setText(problem);
        m_nameProblem->setVisible(!problem.isEmpty());
        if (problem.isEmpty())
            m_sheet.setName(name);
    });
    layout->addWidget(buttons);
}

QString ResultSheetDialog::askName(QWidget* parent) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(tr("Результаты"));
    dialog.setLabelText(tr("Фамилия, имя, класс:"));
    // What is not allowed is said above the field in lines of a readable
    // width, not in one line wider than a laptop's screen.
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * kLabelChars);
    }
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        const QString name = dialog.textValue().simplified();
        const QString problem = ResultsFile::nameProblem(name);
        if (problem.isEmpty())
            return name;
        dialog.setLabelText(problem + QLatin1Char('\n') + tr("Фамилия, имя, класс:"));
    }
}

QStringList ResultSheetDialog::headers() const {
    return {tr("Серия"),           tr("Задача"),  tr("Ваша точка"), tr("Верная точка"),
            tr("От верной точки"), tr("Вердикт"), tr("Время, с")};
}

QString ResultSheetDialog::pointsNote() {
    return tr("Точки — в сантиметрах от центра линзы O: вправо и вверх со знаком плюс.");
}

// A point of the bench from the lens's centre O, right and up positive, in
// the bench's cm.
QString ResultSheetDialog::point(double z, double height) const {
    return tr("%1; %2 см")
        .arg(Readout::number(m_scale.realOfBenchCm(z)),
             Readout::number(m_scale.realOfBenchCm(height)));
}

QStringList ResultSheetDialog::cells(const Tasks::Answer& a) const {
    return {QString::number(a.series),
            QString::number(a.task + 1),
            point(a.clickZ, a.clickHeight),
            point(a.trueZ, a.trueHeight),
            Readout::centimetresOf(m_scale.realOfBenchCm(a.offCm)),
            a.counted ? tr("засчитано") : tr("не засчитано"),
            Readout::number(a.seconds, 1)};
}

void ResultSheetDialog::fill() {
    const std::vector<Tasks::Answer>& answers = m_sheet.answers();
    m_table->setRowCount(int(answers.size()));
    for (int row = 0; row < int(answers.size()); ++row) {
        const QStringList texts = cells(answers[std::size_t(row)]);
        for (int column = 0; column < kColumns; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    m_score->setText(summary());
}

// Every column in view, and a whole series' answers without scrolling.
void ResultSheetDialog::fitTable() {
    m_table->resizeColumnsToContents();
    const int frame = 2 * m_table->frameWidth();
    const int rows = std::clamp(m_table->rowCount(), 1, kRowsInView);
    m_table->setMinimumSize(m_table->verticalHeader()->sizeHint().width() +
                                m_table->horizontalHeader()->length() +
                                m_table->verticalScrollBar()->sizeHint().width() + frame,
                            m_table->horizontalHeader()->sizeHint().height() +
                                rows * m_table->verticalHeader()->defaultSectionSize() + frame);
}

// The score and the level of the series, as the worksheets name it.
QString ResultSheetDialog::summary() const {
    int counted = 0;
    QStringList levels;
    for (const Tasks::Answer& a : m_sheet.answers()) {
        counted += a.counted ? 1 : 0;
        const QString level = TaskMode::levelName(a.level);
        if (!levels.contains(level))
            levels << level;
    }
    QString text = tr("Засчитано %1 из %2").arg(counted).arg(m_sheet.answers().size());
    if (!levels.isEmpty())
        text += QStringLiteral(" (") + levels.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

void ResultSheetDialog::saveCsv() {
    const QString title = tr("Сохранить результаты");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString typed = QFileDialog::getSaveFileName(
        this, title, QDir(folder).filePath(tr("результаты.csv")), Exporters::resultsCsv().filter());
    const QString path =
        typed.isEmpty() ? QString()
                        : SaveName::decide(this, title, typed, Exporters::resultsCsv().suffix());
    if (path.isEmpty())
        return;
    // Never a file its own reader would refuse.
    Export::Model model;
    model.answers = m_sheet.answers();
    const QString failure = Exporters::resultsCsv().write(model, path);
    if (!failure.isEmpty())
        Messages::tell(this, tr("Результаты не сохранены"), failure);
}

void ResultSheetDialog::savePdf() {
    const QString title = tr("Сохранить результаты");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString typed = QFileDialog::getSaveFileName(
        this, title, QDir(folder).filePath(tr("результаты.pdf")), tr("Документ PDF (*.pdf)"));
    const QString path =
        typed.isEmpty() ? QString() : SaveName::decide(this, title, typed, QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QList<QStringList> rows;
    for (const Tasks::Answer& a : m_sheet.answers())
        rows << cells(a);
    const std::optional<QByteArray> pdf = ReproduciblePdf::onePage(
        tr("Результаты"), kPdfResolution, [&](QPainter& p, QPdfWriter& writer) {
            SheetPage page(p, writer);
            bool drawn =
                page.line(tr("Результаты: %1")
                              .arg(m_sheet.name().isEmpty() ? tr("без имени") : m_sheet.name()),
                          true);
            drawn = drawn && page.line(summary());
            drawn = drawn && page.line(pointsNote());
            page.space();
            drawn = drawn && page.table(headers(), rows);
            return drawn;
        });
    const QString failure =
        pdf ? SafeWrite::write(path, *pdf) : tr("не удалось нарисовать страницу");
    if (!failure.isEmpty())
        Messages::tell(this, tr("Результаты не сохранены"), failure);
}
