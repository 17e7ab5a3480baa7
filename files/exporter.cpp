// SPDX-License-Identifier: GPL-3.0-or-later
#include "exporter.h"

#include "exporters.h"
#include "safewrite.h"

namespace Export {

QString Exporter::filter() const {
    return name() + QStringLiteral(" (*.") + suffix() + QLatin1Char(')');
}

QString Exporter::write(const Model& model, const QString& path) const {
    const Bytes made = bytes(model);
    if (!made.bytes) // nothing made: nothing touched on disk
        return made.aboutFile ? SafeWrite::failure(path, made.why) : made.why;
    return SafeWrite::write(path, *made.bytes);
}

const std::vector<const Exporter*>& all() {
    static const std::vector<const Exporter*> list{
        &Exporters::picturePng(),  &Exporters::pictureSvg(),   &Exporters::worksheetPdf(),
        &Exporters::classSetPdf(), &Exporters::labReportPdf(), &Exporters::labCsv(),
        &Exporters::tableCsv(),    &Exporters::resultsCsv(),   &Exporters::resultsPdf(),
    };
    return list;
}

std::vector<const Exporter*> forAction(Action action) {
    std::vector<const Exporter*> offered;
    for (const Exporter* format : all())
        if (format->action() == action)
            offered.push_back(format);
    return offered;
}

const Exporter* byKey(const QString& key) {
    for (const Exporter* format : all())
        if (format->key() == key)
            return format;
    return nullptr;
}

const Exporter* chosen(Action action, const QString& filter, const QString& typed) {
    const std::vector<const Exporter*> offered = forAction(action);
    if (offered.empty())
        return nullptr;
    for (const Exporter* format : offered)
        if (typed.endsWith(QLatin1Char('.') + format->suffix(), Qt::CaseInsensitive))
            return format;
    for (const Exporter* format : offered)
        if (!filter.isEmpty() && format->filter() == filter)
            return format;
    return offered.front();
}

} // namespace Export
