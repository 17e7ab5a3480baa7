// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's answers as a results file: the one writer the results file has,
// and never a file its own reader would refuse.
#include "exporter.h"
#include "exporters.h"
#include "resultsfile.h"

namespace {
struct ResultsCsv final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Таблица CSV"); }
    QString suffix() const override { return QStringLiteral("csv"); }
    QString key() const override { return QStringLiteral("results"); }
    Action action() const override { return Action::Results; }
    Export::Bytes bytes(const Export::Model& model) const override {
        QByteArray csv = ResultsFile::write(model.answers);
        if (csv.size() > ResultsFile::kMostBytes)
            return {std::nullopt, Export::Texts::tr("ответов больше, чем вмещает файл результатов"),
                    true};
        return {csv, {}};
    }
};
} // namespace

const Export::Exporter& Exporters::resultsCsv() {
    static const ResultsCsv csv;
    return csv;
}
