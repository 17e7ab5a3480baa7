// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsheetdialog.h"

#include "messages.h"
#include "readout.h"
#include "resultsfile.h"
#include "resultsheet.h"
#include "safewrite.h"
#include "savename.h"
#include "taskmode.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { kSeries, kTask, kOff, kVerdict, kSeconds, kColumns };
constexpr int kPdfResolution = 1440; // painter units an inch
constexpr double kLine = 360;        // a quarter of an inch between lines
constexpr double kMargin = 1440;
} // namespace

ResultSheetDialog::ResultSheetDialog(QWidget* parent, ResultSheet& sheet)
    : QDialog(parent), m_sheet(sheet) {
    setWindowTitle(tr("Результаты"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(sheet.name(), this);
    form->addRow(tr("Фамилия, имя, класс:"), m_name);
    layout->addLayout(form);
    m_table = new QTableWidget(0, kColumns, this);
    m_table->setHorizontalHeaderLabels(
        {tr("Серия"), tr("Задача"), tr("От верной точки"), tr("Вердикт"), tr("Время, с")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_table);
    fill();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* csv = buttons->addButton(tr("Сохранить CSV…"), QDialogButtonBox::ActionRole);
    QPushButton* pdf = buttons->addButton(tr("Сохранить PDF…"), QDialogButtonBox::ActionRole);
    connect(csv, &QPushButton::clicked, this, [this] { saveCsv(); });
    connect(pdf, &QPushButton::clicked, this, [this] { savePdf(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The name typed names the answers given without one, and those to come.
    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString& name) { m_sheet.setName(name.simplified()); });
    layout->addWidget(buttons);
}

void ResultSheetDialog::fill() {
    const std::vector<Tasks::Answer>& answers = m_sheet.answers();
    m_table->setRowCount(int(answers.size()));
    for (int row = 0; row < int(answers.size()); ++row) {
        const Tasks::Answer& a = answers[std::size_t(row)];
        const QStringList cells{
            QString::number(a.series), QString::number(a.task + 1), Readout::centimetresOf(a.offCm),
            a.counted ? tr("засчитано") : tr("не засчитано"), Readout::number(a.seconds, 1)};
        for (int column = 0; column < kColumns; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

QString ResultSheetDialog::summary() const {
    int counted = 0;
    for (const Tasks::Answer& a : m_sheet.answers())
        counted += a.counted ? 1 : 0;
    return tr("Засчитано %1 из %2").arg(counted).arg(m_sheet.answers().size());
}

void ResultSheetDialog::saveCsv() {
    const QString title = tr("Сохранить результаты");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString typed = QFileDialog::getSaveFileName(
        this, title, QDir(folder).filePath(tr("результаты.csv")), tr("Таблица CSV (*.csv)"));
    const QString path =
        typed.isEmpty() ? QString() : SaveName::decide(this, title, typed, QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const QString failure = SafeWrite::write(path, ResultsFile::write(m_sheet.answers()));
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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(kPdfResolution);
        writer.setTitle(tr("Результаты"));
        QPainter p(&writer);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(11);
        p.setFont(font);
        double y = kMargin;
        const auto line = [&](const QString& text) {
            if (y > writer.height() - kMargin) {
                writer.newPage();
                y = kMargin;
            }
            p.drawText(QPointF(kMargin, y), text);
            y += kLine;
        };
        line(tr("Результаты: %1").arg(m_sheet.name().isEmpty() ? tr("без имени") : m_sheet.name()));
        line(summary());
        y += kLine;
        for (int row = 0; row < m_table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < kColumns; ++column)
                cells << m_table->horizontalHeaderItem(column)->text() + QStringLiteral(": ") +
                             m_table->item(row, column)->text();
            line(cells.join(QStringLiteral("   ")));
        }
    }
    const QString failure = SafeWrite::write(path, buffer.data());
    if (!failure.isEmpty())
        Messages::tell(this, tr("Результаты не сохранены"), failure);
}
