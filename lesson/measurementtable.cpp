// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurementtable.h"

#include "exporters.h"
#include "messages.h"
#include "readout.h"
#include "safewrite.h"
#include "savename.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The columns in the notation's letters: "d, см", "f, см", "Γ", …, "F, см",
// "F′, см", "D, дптр" in the Russian school's.
QStringList headerTexts(Optics::Notation notation) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    return {Readout::lengthTitle(l.objectDistance), Readout::lengthTitle(l.imageDistance),
            Readout::letter(l.magnification),       MeasurementTable::tr("Изображение"),
            Readout::lengthTitle(l.focalLength),    Readout::lengthTitle(l.backFocalLength),
            Readout::powerTitle(notation)};
}

QString kindText(Optics::ImageKind kind) {
    switch (kind) {
    case Optics::ImageKind::Real:
        return MeasurementTable::tr("действительное");
    case Optics::ImageKind::Virtual:
        return MeasurementTable::tr("мнимое");
    case Optics::ImageKind::None:
        break;
    }
    return MeasurementTable::tr("изображения нет");
}

// As the read-outs write numbers: two decimals, a true minus sign.
QString shown(double value) {
    return readoutNumber(value);
}

constexpr int kColumns = 7;
// The numbers' columns are as wide as their texts; the kind in words takes
// what is left.
constexpr int kKindColumn = 3;
} // namespace

MeasurementTable::MeasurementTable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("measurementTable"));
    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName(QStringLiteral("tblMeasurements"));
    m_table->setHorizontalHeaderLabels(headerTexts(m_notation));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(kKindColumn, QHeaderView::Stretch);
    // A row is picked by a click on it; its number would take the room the
    // kind's word needs on a laptop.
    m_table->verticalHeader()->hide();
    m_table->setAccessibleName(tr("Таблица измерений"));

    m_delete = new QPushButton(tr("Удалить строку"), this);
    m_delete->setObjectName(QStringLiteral("cmdDeleteRow"));
    m_delete->setToolTip(tr("Удалить выбранную строку таблицы (Delete)"));
    m_delete->setShortcut(QKeySequence::Delete);
    m_clear = new QPushButton(tr("Очистить"), this);
    m_clear->setObjectName(QStringLiteral("cmdClearTable"));
    m_clear->setToolTip(tr("Удалить все строки таблицы"));
    m_export = new QPushButton(tr("Сохранить CSV…"), this);
    m_export->setObjectName(QStringLiteral("cmdExportCsv"));
    m_export->setToolTip(tr("Сохранить таблицу в файл CSV для электронной таблицы"));
    for (QPushButton* button : {m_delete, m_clear, m_export})
        button->setAccessibleName(button->text());
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteSelectedRow(); });
    connect(m_clear, &QPushButton::clicked, this, [this] { clear(); });
    connect(m_export, &QPushButton::clicked, this, [this] { exportCsv(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_delete);
    buttons->addWidget(m_clear);
    buttons->addStretch();
    buttons->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
}

Measurements::Row MeasurementTable::shownRow(const Measurements::Row& row) const {
    Measurements::Row shown = row;
    shown.magnification = Optics::magnificationIn(m_notation, row.magnification);
    shown.dioptres = Optics::realDioptres(Optics::powerIn(m_notation, row.lens), row.scale);
    return shown;
}

void MeasurementTable::setNotation(Optics::Notation notation) {
    if (notation == m_notation)
        return;
    m_notation = notation;
    m_table->setHorizontalHeaderLabels(headerTexts(m_notation));
    for (int i = 0; i < int(m_rows.size()); ++i)
        showRow(i);
}

void MeasurementTable::showRow(int index) {
    const Measurements::Row row = shownRow(m_rows[std::size_t(index)]);
    const bool image = row.kind != Optics::ImageKind::None;
    const QString infinity = QStringLiteral("∞");
    const QStringList cells{shown(row.d),
                            image ? shown(row.b) : QString(),
                            image ? shown(row.magnification) : QString(),
                            kindText(row.kind),
                            row.finite ? shown(row.front) : infinity,
                            row.finite ? shown(row.back) : infinity,
                            shown(row.dioptres)};
    for (int column = 0; column < kColumns; ++column)
        m_table->setItem(index, column, new QTableWidgetItem(cells[column]));
}

void MeasurementTable::addRow(const Measurements::Row& row) {
    m_rows.push_back(row);
    const int index = int(m_rows.size()) - 1;
    m_table->insertRow(index);
    showRow(index);
    m_table->scrollToBottom();
    emit rowsChanged();
}

void MeasurementTable::deleteSelectedRow() {
    const int index = m_table->currentRow();
    if (index < 0 || index >= int(m_rows.size()))
        return;
    m_rows.erase(m_rows.begin() + index);
    m_table->removeRow(index);
    emit rowsChanged();
}

void MeasurementTable::clear() {
    m_rows.clear();
    m_table->setRowCount(0);
    emit rowsChanged();
}

Export::Table MeasurementTable::exportTable() const {
    Export::Table table;
    table.decimalMark = Readout::locale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    for (const QString& text : headerTexts(m_notation))
        table.header.push_back(text.toStdString());
    for (const Measurements::Row& row : m_rows)
        table.rows.push_back(shownRow(row));
    table.kinds = {kindText(Optics::ImageKind::None).toStdString(),
                   kindText(Optics::ImageKind::Real).toStdString(),
                   kindText(Optics::ImageKind::Virtual).toStdString()};
    return table;
}

QString MeasurementTable::csvText() const {
    const Export::Table table = exportTable();
    return QString::fromStdString(
        Measurements::csvText(table.header, table.rows, table.kinds, std::string("∞"),
                              Measurements::csvFormatFor(table.decimalMark)));
}

bool MeasurementTable::writeCsv(const QString& path, QString* error) const {
    Export::Model model;
    model.table = exportTable();
    *error = Exporters::tableCsv().write(model, path);
    return error->isEmpty();
}

void MeasurementTable::exportCsv() {
    const QString title = tr("Сохранить таблицу измерений");
    if (!Messages::roomFor(this, title))
        return;
    const QString typed = QFileDialog::getSaveFileName(this, title, tr("измерения.csv"),
                                                       Exporters::tableCsv().filter());
    if (typed.isEmpty())
        return;
    // Spreadsheets know the file by its suffix.
    const QString path = SaveName::decide(this, title, typed, Exporters::tableCsv().suffix());
    if (path.isEmpty())
        return;
    QString error;
    if (!writeCsv(path, &error)) {
        Messages::tell(this, tr("Таблица не сохранена"), error);
    }
}
