// SPDX-License-Identifier: GPL-3.0-or-later
// The table of measurements as CSV: the columns and rows as the table shows
// them, in UTF-8 with a byte-order mark, by which spreadsheets tell the
// encoding.
#include "exporter.h"
#include "exporters.h"

namespace {
struct TableCsv final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Таблица CSV"); }
    QString suffix() const override { return QStringLiteral("csv"); }
    QString key() const override { return QStringLiteral("table-csv"); }
    Action action() const override { return Action::Record; }
    Export::Bytes bytes(const Export::Model& model) const override {
        const Export::Table& table = model.table;
        const std::string text =
            Measurements::csvText(table.header, table.rows, table.kinds, std::string("∞"),
                                  Measurements::csvFormatFor(table.decimalMark));
        return {QByteArrayLiteral("\xEF\xBB\xBF") + QString::fromStdString(text).toUtf8(), {}};
    }
};
} // namespace

const Export::Exporter& Exporters::tableCsv() {
    static const TableCsv csv;
    return csv;
}
