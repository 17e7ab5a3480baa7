// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet and the class set as exporters, and Ctrl+P's choice between
// printing them and saving them as PDF.
#include "worksheetexport.h"

#include "classsetdialog.h"
#include "exporter.h"
#include "exporters.h"
#include "messages.h"
#include "savename.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace {
struct Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

// The task and its solution, from the bench of the model. A worksheet is the
// construction of an object's image: without an object there is none.
struct WorksheetPdf final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Документ PDF"); }
    QString suffix() const override { return QStringLiteral("pdf"); }
    QString key() const override { return QStringLiteral("worksheet"); }
    Action action() const override { return Action::Print; }
    Export::Bytes bytes(const Export::Model& model) const override {
        if (!model.bench.bench.ObjectPlaced)
            return {std::nullopt,
                    QCoreApplication::translate(
                        "CommandLine", "на скамье нет предмета: рабочему листу нечего строить")};
        const std::optional<QByteArray> pdf = Worksheets::pdf(
            model.bench, Worksheets::worksheetTitle(), [&](Worksheets::Pages& pages) {
                return Worksheets::fillWorksheet(pages, model.bench);
            });
        if (!pdf)
            return {std::nullopt, Worksheet::tr("не удалось нарисовать рабочий лист")};
        return {*pdf, {}};
    }
};

// The model's class set: variants of tasks and their key.
struct ClassSetPdf final : Export::Exporter {
    QString name() const override { return Export::Texts::tr("Документ PDF"); }
    QString suffix() const override { return QStringLiteral("pdf"); }
    QString key() const override { return QStringLiteral("class-set"); }
    Action action() const override { return Action::Print; }
    Export::Bytes bytes(const Export::Model& model) const override {
        const std::optional<QByteArray> pdf =
            Worksheets::pdf(model.bench, model.classSet.title(), [&](Worksheets::Pages& pages) {
                return model.classSet.fill(pages, model.bench);
            });
        if (!pdf)
            return {std::nullopt, Worksheet::tr("не удалось нарисовать рабочий лист")};
        return {*pdf, {}};
    }
};
} // namespace

const Export::Exporter& Exporters::worksheetPdf() {
    static const WorksheetPdf worksheet;
    return worksheet;
}

const Export::Exporter& Exporters::classSetPdf() {
    static const ClassSetPdf classSet;
    return classSet;
}

// A file named in the print dialog is saved as any PDF is: the name decided
// in the one place, the document written through the safe path.
void WorksheetExport::print(QWidget* window, const Export::Model& given) {
    if (!Messages::roomFor(window, Worksheet::tr("Рабочий лист")))
        return;
    ClassSetDialog choice(window, given.bench.bench.ObjectPlaced != kFalse);
    if (choice.exec() != QDialog::Accepted)
        return;
    const bool variants = choice.variantsChosen();
    Export::Model model = given;
    model.classSet = choice.classSet();
    const Export::Exporter& format =
        variants ? Exporters::classSetPdf() : Exporters::worksheetPdf();
    const QString title = Worksheet::tr("Сохранить рабочие листы");
    const auto save = [&](const QString& typed) {
        const QString path =
            typed.isEmpty() ? QString() : SaveName::decide(window, title, typed, format.suffix());
        if (path.isEmpty())
            return; // cancelled: nothing is written
        const QString why = format.write(model, path);
        if (!why.isEmpty())
            Messages::tell(window, Worksheet::tr("Рабочие листы не сохранены"), why);
    };
    if (choice.toPdf()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        save(QFileDialog::getSaveFileName(window, title,
                                          QDir(folder).filePath(Worksheet::tr("рабочий лист.pdf")),
                                          format.filter()));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    Worksheets::prepare(&printer);
    printer.setFullPage(true);
    printer.setDocName(variants ? Worksheet::tr("Варианты и ответы")
                                : Worksheet::tr("Рабочий лист"));
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        save(printer.outputFileName());
        return;
    }
    Worksheets::print(model.bench, &printer, [&](Worksheets::Pages& pages) {
        return variants ? model.classSet.fill(pages, model.bench)
                        : Worksheets::fillWorksheet(pages, model.bench);
    });
}
