// SPDX-License-Identifier: GPL-3.0-or-later
// The laboratory table as CSV: the header and one line per row, then the
// computation and the answer, each in a line of its own. The field separator
// differs from the language's decimal mark.
#include "labexport.h"

#include "exporter.h"
#include "exporters.h"
#include "labtexts.h"
#include "measurement.h"
#include "readout.h"

#include <QStringList>

namespace {
QString field(QString text, QChar separator) {
    // A field holding the separator, a quote or a line break is quoted.
    if (text.contains(separator) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QString line(const QStringList& cells, QChar separator) {
    QStringList fields;
    for (const QString& cell : cells)
        fields << field(cell, separator);
    return fields.join(separator) + QStringLiteral("\r\n");
}
} // namespace

QByteArray LabExport::csv(const std::vector<Lab::Row>& rows, Optics::Notation notation) {
    const bool comma = Readout::locale().decimalPoint() == QStringLiteral(",");
    const QChar separator = QLatin1Char(Measurements::csvFormatFor(comma ? ',' : '.').separator);
    const bool twoMedia = Lab::twoMedia(rows);
    QString text = line(LabTexts::header(notation, twoMedia), separator);
    int number = 0;
    for (const Lab::Row& row : rows)
        text += line(LabTexts::cells(notation, ++number, row, twoMedia), separator);
    const Lab::Result result = Lab::evaluate(rows, notation);
    for (const QString& computed : LabTexts::computation(notation, result))
        text += line({computed}, separator);
    if (result.rows > 0)
        text += line({LabTexts::answer(notation, result)}, separator);
    // UTF-8 with a byte-order mark, by which spreadsheets tell the encoding.
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

namespace {
// The laboratory's table, computation and answer, as the mode shows them.
struct LabCsv final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Таблица CSV"); }
    QString suffix() const override { return QStringLiteral("csv"); }
    QString key() const override { return QStringLiteral("lab-csv"); }
    Action action() const override { return Action::LabSave; }
    Export::Bytes bytes(const Export::Model& model) const override {
        return {LabExport::csv(model.labRows, model.bench.notation), {}};
    }
};
} // namespace

const Export::Exporter& Exporters::labCsv() {
    static const LabCsv csv;
    return csv;
}
