// SPDX-License-Identifier: GPL-3.0-or-later
// Exact values: the index, radius and focal-length read-outs can be edited in
// place. A click
// or Enter on one opens an editor over it with the value; Enter takes a typed
// value within the slider's range exactly (water's 1,33 is 1,33 in the power
// and the read-outs, the thumb stands at the nearest step), Escape or leaving
// the editor cancels. A text that is no such value is refused with a hint and
// changes nothing. A comma and a point both serve as the decimal mark. Lengths
// are real centimetres at the bench's scale.
//
// A focal length typed is the front one, F = n1 / P (with equal media the only
// one): both surfaces take the radius that gives it, the indices stay. The
// lens turns biconvex or biconcave where only the other shape bends the way
// asked (a diverging lens typed as a negative F).
#include "form1.h"

#include "bench.h"
#include "commandbutton.h"
#include "label.h"
#include "lens.h"
#include "readout.h"
#include "setupfile.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {
const char* const kEditorName = "readoutEditor";

// Calls back for a click or an Enter on a read-out, and for Escape in the editor.
class EditKeys : public QObject {
public:
    EditKeys(QObject* parent, std::function<void(QObject*)> open, std::function<void()> cancel)
        : QObject(parent), m_open(std::move(open)), m_cancel(std::move(cancel)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched->objectName() == QLatin1String(kEditorName)) {
            if (event->type() == QEvent::KeyPress &&
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                m_cancel();
                return true;
            }
            if (event->type() == QEvent::FocusOut)
                m_cancel();
            return false;
        }
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_open(watched);
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_open(watched);
                return true;
            }
        }
        return false;
    }

private:
    std::function<void(QObject*)> m_open;
    std::function<void()> m_cancel;
};

QString typedForm(double value) {
    return Readout::typed(value);
}

// A number as the read-outs show it, at their precision.
double asShown(double value) {
    const double unit = std::pow(10.0, Readout::kLengthDecimals);
    return std::round(value * unit) / unit;
}

// The front focal lengths a lens of equal radii of this shape can have between
// these media within the sliders' radii, in twips of the bench: from the
// least radius to the greatest, finite or none.
struct FocalRange {
    bool biconvex = true;
    bool finite = false;
    double atLeast = 0;    // at the least radius
    double atGreatest = 0; // at the greatest
};

FocalRange focalRange(const Form1& w, bool biconvex) {
    const auto front = [&](double radius) {
        return Optics::focalLengths(Optics::equalRadii(w.n1, w.N, w.n2, radius, biconvex));
    };
    const Optics::FocalLengths least = front(Bench::radiusOf(0, w.RadiusBase));
    const Optics::FocalLengths greatest = front(Bench::radiusOf(Bench::kRadiusSteps, w.RadiusBase));
    return {biconvex, least.finite && greatest.finite, least.front, greatest.front};
}

// Whether a typed focal length, in real centimetres, lies within a range as
// the read-outs show its ends.
bool withinShown(double cm, const FocalRange& range, Optics::Scale scale) {
    const double a = asShown(scale.realCm(range.atLeast));
    const double b = asShown(scale.realCm(range.atGreatest));
    const double typed = asShown(cm);
    return range.finite && typed >= std::min(a, b) && typed <= std::max(a, b);
}

// The editor closes and its read-out takes the keyboard back as it had it:
// framed when Tab and Enter opened the editor, unframed after a click.
void closeEditor(QLineEdit* editor) {
    auto* readout = dynamic_cast<Label*>(editor->property("readout").value<QObject*>());
    editor->hide();
    if (readout)
        readout->setFocus(editor->property("framed").toBool() ? Qt::OtherFocusReason
                                                              : Qt::MouseFocusReason);
}

QString rangeText(const FocalRange& range, Optics::Scale scale) {
    const double a = scale.realCm(range.atLeast);
    const double b = scale.realCm(range.atGreatest);
    return Form1::tr("от %1 до %2")
        .arg(Readout::number(std::min(a, b)), Readout::number(std::max(a, b)));
}
} // namespace

void Form1::SetUpReadoutEditing() {
    auto* editor = new QLineEdit(this);
    editor->setObjectName(QString::fromLatin1(kEditorName));
    editor->setAccessibleName(tr("Точное значение"));
    editor->hide();
    auto* keys = new EditKeys(
        this,
        [this](QObject* readout) {
            if (auto* label = dynamic_cast<Label*>(readout))
                EditReadout(label);
        },
        [editor] {
            if (editor->isVisible())
                closeEditor(editor);
        });
    editor->installEventFilter(keys);
    connect(editor, &QLineEdit::returnPressed, this, [this, editor] {
        // A closed editor takes nothing, nor does one the mode does not allow.
        if (!editor->isVisible() || !Allows(Action::EditValues))
            return;
        auto* readout = dynamic_cast<Label*>(editor->property("readout").value<QObject*>());
        QString hint;
        if (readout && TakeTypedValue(readout, editor->text(), &hint)) {
            editor->setToolTip(QString());
            closeEditor(editor);
            return;
        }
        // Refused: the editor stays with the text, and says what it takes.
        editor->setToolTip(hint);
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), hint, editor);
    });
    QWidget* previous = cmdHelp;
    for (Label* readout : {lblRleft, lblRright, lbln1, lbln2, lblN, lblFocal}) {
        readout->SetEditable();
        readout->installEventFilter(keys);
        readout->setToolTip(tr("Щёлкните или нажмите Enter, чтобы ввести точное значение"));
        QWidget::setTabOrder(previous, readout);
        previous = readout;
    }
    lblFocal->setToolTip(tr("Щёлкните или нажмите Enter, чтобы ввести фокусное расстояние: обе "
                            "поверхности получат равные радиусы, показатели преломления "
                            "останутся (при разных средах — переднее фокусное расстояние)"));
}

void Form1::EditReadout(Label* readout) {
    if (!Allows(Action::EditValues))
        return; // the lens of a task stays as set
    auto* editor = findChild<QLineEdit*>(QString::fromLatin1(kEditorName));
    const Optics::Lens lens = Optics::lensOf(*this);
    const Optics::Scale scale = CurrentScale();
    const Optics::FocalLengths focal = Optics::focalLengths(lens);
    double value = 0;
    if (readout == lbln1)
        value = n1;
    else if (readout == lbln2)
        value = n2;
    else if (readout == lblN)
        value = N;
    else if (readout == lblRleft)
        value = scale.realCm(std::fabs(lens.leftR));
    else if (readout == lblRright)
        value = scale.realCm(std::fabs(lens.rightR));
    else if (readout == lblFocal)
        value = scale.realCm(focal.front);
    else
        return;
    editor->setProperty("readout", QVariant::fromValue<QObject*>(readout));
    editor->setProperty("framed", readout->ShowsFocus());
    editor->setFont(readout->font());
    editor->setGeometry(QRect(readout->mapTo(this, QPoint(0, 0)), readout->size()));
    // The lengths are numbers with two decimals on the screen; the editor
    // offers them so (nothing for an infinite focal length), the indices as
    // they are.
    const bool length = readout == lblRleft || readout == lblRright || readout == lblFocal;
    const bool none = readout == lblFocal && !focal.finite;
    editor->setText(none     ? QString()
                    : length ? Readout::locale().toString(value, 'f', Readout::kLengthDecimals)
                             : typedForm(value));
    editor->setToolTip(QString());
    editor->selectAll();
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

bool Form1::TakeTypedValue(Label* readout, const QString& text, QString* hint) {
    const bool radius = readout == lblRleft || readout == lblRright;
    const bool focal = readout == lblFocal;
    QString typed = text.trimmed();
    // A unit after the number is the one the read-out shows.
    for (const QString& unit : {tr("см"), QStringLiteral("cm")})
        if ((radius || focal) && typed.endsWith(unit))
            typed = typed.chopped(unit.size()).trimmed();
    typed.replace(QLatin1Char(','), QLatin1Char('.'));
    // The minus the read-outs write is a minus typed.
    typed.replace(QChar(0x2212), QLatin1Char('-'));
    bool ok = false;
    const double value = QLocale::c().toDouble(typed, &ok);
    const Optics::Scale scale = CurrentScale();
    if (focal)
        return TakeFocalLength(ok ? value : std::nan(""), hint);
    const double least = radius ? SetupFile::statedLeastRadius(scale) : SetupFile::leastIndex();
    const double greatest =
        radius ? SetupFile::statedGreatestRadius(scale) : SetupFile::greatestIndex();
    // A radius that shows within the stated limits is taken, as a setup's is.
    double taken = value;
    const bool within =
        radius ? SetupFile::takeRadius(value, scale, &taken) : value >= least && value <= greatest;
    if (!ok || !std::isfinite(value) || !within) {
        const QLocale shown = Readout::locale();
        *hint = radius ? tr("Радиус: число сантиметров от %1 до %2, например %3")
                             .arg(shown.toString(least, 'f', 2), shown.toString(greatest, 'f', 2),
                                  shown.toString(3.0, 'f', 1))
                       : tr("Показатель преломления: число от %1 до %2, например %3")
                             .arg(typedForm(least), typedForm(greatest), typedForm(1.33));
        return false;
    }
    if (readout == lbln1)
        SetLeftIndex(value);
    else if (readout == lbln2)
        SetRightIndex(value);
    else if (readout == lblN)
        SetLensIndex(value);
    else {
        // The row's surface: in the biconcave layout the lower slider shapes the
        // left one and the upper slider the right one.
        const bool upper = (readout == lblRleft) == (ConvergingChosen != kFalse);
        const double twips = scale.twips(taken);
        if (upper)
            SetUpperRadius(twips);
        else
            SetLowerRadius(twips);
    }
    return true;
}

bool Form1::TakeFocalLength(double cm, QString* hint) {
    const Optics::Scale scale = CurrentScale();
    // The shape chosen first, the other one where only it bends the way asked.
    const bool chosen = ConvergingChosen != kFalse;
    const FocalRange ranges[] = {focalRange(*this, chosen), focalRange(*this, !chosen)};
    for (const FocalRange& range : ranges) {
        if (!std::isfinite(cm) || !withinShown(cm, range, scale))
            continue;
        const std::optional<double> radius =
            Optics::equalRadiusFor(scale.twips(cm), n1, N, n2, range.biconvex);
        if (!radius)
            continue;
        // A value at an end of the range as shown is kept to the sliders' radii.
        const double magnitude = std::clamp(*radius, Bench::radiusOf(0, RadiusBase),
                                            Bench::radiusOf(Bench::kRadiusSteps, RadiusBase));
        ApplyAtOnce([&] {
            if (range.biconvex != chosen) {
                ConvergingChosen = range.biconvex ? kTrue : kFalse;
                IsConverging = ConvergingChosen;
                ShapeLens();
            }
            SetUpperRadius(magnitude);
            SetLowerRadius(magnitude);
        });
        return true;
    }
    // Refused: the ranges these indices allow, the converging (positive) one
    // first.
    QStringList reachable;
    for (FocalRange range : ranges)
        if (range.finite && range.atLeast > 0)
            reachable.prepend(rangeText(range, scale));
        else if (range.finite)
            reachable.append(rangeText(range, scale));
    *hint = reachable.isEmpty()
                ? tr("При этих показателях преломления линза не преломляет лучи: фокусное "
                     "расстояние бесконечно")
                : tr("Фокусное расстояние при этих показателях преломления: %1 см")
                      .arg(reachable.join(tr(" или ")));
    return false;
}

void Form1::CloseReadoutEditor() {
    auto* editor = findChild<QLineEdit*>(QString::fromLatin1(kEditorName));
    if (editor && editor->isVisible()) {
        editor->setToolTip(QString());
        editor->hide();
    }
}
