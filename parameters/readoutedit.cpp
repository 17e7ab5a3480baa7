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
// asked (a diverging lens typed as a negative F). One the radii cannot give at
// this index is refused with the lens indices that give it: the index is the
// teacher's choice of glass, not changed unasked.
//
// The distances read-out takes the object's distance d and its height h, as a
// problem states them ("d = 15", "d = 15 h = 2", or a number alone for d).
#include "form1.h"

#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "commandbutton.h"
#include "label.h"
#include "lens.h"
#include "readout.h"
#include "setupfile.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
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
        return Bench::focalLengths(
            Optics::equalRadii(w.n1, w.N, w.n2, Bench::cmOf(radius), biconvex));
    };
    const Optics::FocalLengths least = front(Bench::radiusOf(0, w.RadiusBase));
    const Optics::FocalLengths greatest = front(Bench::radiusOf(Bench::kRadiusSteps, w.RadiusBase));
    return {biconvex, least.finite && greatest.finite, least.front, greatest.front};
}

// Whether a typed focal length, in real centimetres, lies within a range as
// the read-outs show its ends.
bool withinShown(double cm, const FocalRange& range, Optics::Scale scale) {
    const double a = asShown(Bench::realCm(scale, range.atLeast));
    const double b = asShown(Bench::realCm(scale, range.atGreatest));
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

// The lens indices, within those a lens may have, at which a lens of equal
// radii of this shape within the sliders' radii has the front focal length
// `front` (twips): for radii R, P = ±(2N − n1 − n2)/R = n1/F, so N runs
// linearly with R between its values at the two ends. Empty where none does.
QString indicesFor(const Form1& w, double front, bool biconvex) {
    const double sign = biconvex ? 1 : -1;
    const auto indexAt = [&](double radius) {
        return (w.n1 + w.n2 + sign * w.n1 * radius / front) / 2;
    };
    const double a = indexAt(Bench::radiusOf(0, w.RadiusBase));
    const double b = indexAt(Bench::radiusOf(Bench::kRadiusSteps, w.RadiusBase));
    // The ends as typed: rounded inwards, so that each one shown gives it.
    constexpr double kHundredths = 100;
    const double least =
        std::ceil(std::max(std::min(a, b), Bench::setupRanges().leastIndex) * kHundredths) /
        kHundredths;
    const double most =
        std::floor(std::min(std::max(a, b), Bench::setupRanges().greatestIndex) * kHundredths) /
        kHundredths;
    if (!std::isfinite(least) || !std::isfinite(most) || least > most)
        return QString();
    const QLocale shown = Readout::locale();
    return least == most ? shown.toString(least, 'f', 2)
                         : Form1::tr("от %1 до %2")
                               .arg(shown.toString(least, 'f', 2), shown.toString(most, 'f', 2));
}

// The object's distance and height as typed into the distances read-out, in
// real centimetres: pairs "letter = number" of the distance's letter and h,
// or a number alone for the distance. Anything else leaves both unset.
struct ObjectTyped {
    std::optional<double> distance;
    std::optional<double> height;
    bool understood = false;
};

ObjectTyped objectTyped(QString text, const QString& distanceLetter) {
    for (const QString& unit : {Form1::tr("см"), QStringLiteral("cm")})
        text.replace(unit, QStringLiteral(" "));
    text.replace(QChar(0x2212), QLatin1Char('-'));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    text.replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString number = QStringLiteral("([-+]?(?:\\d+(?:\\.\\d*)?|\\.\\d+))");
    ObjectTyped typed;
    const QRegularExpression alone(QStringLiteral("^\\s*") + number + QStringLiteral("\\s*$"));
    if (const auto match = alone.match(text); match.hasMatch()) {
        typed.distance = QLocale::c().toDouble(match.captured(1));
        typed.understood = true;
        return typed;
    }
    const QRegularExpression pair(QStringLiteral("\\s*(\\w+)\\s*=\\s*") + number +
                                  QStringLiteral("\\s*"));
    qsizetype at = 0;
    while (at < text.size()) {
        const auto match = pair.match(text, at, QRegularExpression::NormalMatch,
                                      QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch())
            return {};
        const QString letter = match.captured(1);
        const bool distance = letter == distanceLetter;
        if (!distance && letter != QLatin1String("h"))
            return {};
        std::optional<double>& slot = distance ? typed.distance : typed.height;
        if (slot)
            return {}; // named twice
        slot = QLocale::c().toDouble(match.captured(2));
        at = match.capturedEnd(0);
    }
    typed.understood = typed.distance || typed.height;
    return typed;
}

QString rangeText(const FocalRange& range, Optics::Scale scale) {
    const double a = Bench::realCm(scale, range.atLeast);
    const double b = Bench::realCm(scale, range.atGreatest);
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
    for (Label* readout : {lblRleft, lblRright, lbln1, lbln2, lblN, lblFocal, lblDistances}) {
        readout->SetEditable();
        readout->installEventFilter(keys);
        readout->setToolTip(tr("Щёлкните или нажмите Enter, чтобы ввести точное значение"));
        QWidget::setTabOrder(previous, readout);
        previous = readout;
    }
    lblFocal->setToolTip(tr("Щёлкните или нажмите Enter, чтобы ввести фокусное расстояние: обе "
                            "поверхности получат равные радиусы, показатели преломления "
                            "останутся (при разных средах — переднее фокусное расстояние)"));
    lblDistances->setToolTip(tr("Щёлкните или нажмите Enter, чтобы ввести расстояние до "
                                "предмета и его высоту h"));
}

void Form1::EditReadout(Label* readout) {
    if (!Allows(Action::EditValues))
        return; // the lens of a task stays as set
    auto* editor = findChild<QLineEdit*>(QString::fromLatin1(kEditorName));
    const Optics::Lens lens = Optics::lensOf(*this);
    const Optics::Scale scale = CurrentScale();
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    double value = 0;
    if (readout == lbln1)
        value = n1;
    else if (readout == lbln2)
        value = n2;
    else if (readout == lblN)
        value = N;
    else if (readout == lblRleft)
        value = scale.realOfBenchCm(std::fabs(lens.leftR));
    else if (readout == lblRright)
        value = scale.realOfBenchCm(std::fabs(lens.rightR));
    else if (readout == lblFocal)
        value = Bench::realCm(scale, focal.front);
    else if (readout != lblDistances || !SchemeView)
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
    if (readout == lblDistances) {
        // The object as it stands, in the letters typed back.
        const QString shown = QStringLiteral("%1 = %2   h = %3");
        const bool placed = ObjectPlaced && Optics::objectOnBench(*this);
        editor->setText(
            placed ? shown.arg(
                         Readout::letter(Optics::lettersOf(CurrentNotation()).objectDistance),
                         Readout::locale().toString(Bench::realCm(scale, Bench::kLensX - ObjectX),
                                                    'f', Readout::kLengthDecimals),
                         Readout::locale().toString(Bench::realCm(scale, Bench::kAxisY - ObjectY),
                                                    'f', Readout::kLengthDecimals))
                   : QString());
    } else
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
    if (readout == lblDistances) {
        const Optics::Scale scale = CurrentScale();
        const QString letter = Readout::letter(Optics::lettersOf(CurrentNotation()).objectDistance);
        const ObjectTyped typed = objectTyped(text, letter);
        // The object stands before the lens, within the left area.
        const double farthest = Bench::realCm(scale, Bench::kLensX);
        const double highest = Bench::realCm(scale, Bench::kAxisY);
        const double lowest = Bench::realCm(scale, Bench::kAxisY - Bench::kAreaHeight);
        const bool placed = ObjectPlaced && Optics::objectOnBench(*this);
        const double d = typed.distance.value_or(Bench::realCm(scale, Bench::kLensX - ObjectX));
        // Never placed, the object stands 1000 twips above the axis, as keys 1 to 5 put it.
        constexpr double kFirstHeight = 1000;
        const double h = typed.height.value_or(
            Bench::realCm(scale, placed ? Bench::kAxisY - ObjectY : kFirstHeight));
        if (!typed.understood || (!typed.distance && !placed) || !(d > 0) || d > farthest ||
            !(h >= lowest) || h > highest) {
            const QLocale shown = Readout::locale();
            *hint = tr("Предмет: %1 = расстояние до линзы в сантиметрах, больше 0 и до %2, "
                       "h = высота от %3 до %4, например «%1 = 15 h = 2»")
                        .arg(letter, shown.toString(farthest, 'f', 2),
                             shown.toString(lowest, 'f', 2), shown.toString(highest, 'f', 2));
            return false;
        }
        ObjectX = float(Bench::kLensX - Bench::twipsOfReal(scale, d));
        ObjectY = float(Bench::kAxisY - Bench::twipsOfReal(scale, h));
        ObjectPlaced = kTrue;
        RedrawScheme();
        return true;
    }
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
    const double least = radius ? SetupFile::statedLeastRadius(scale, Bench::setupRanges())
                                : Bench::setupRanges().leastIndex;
    const double greatest = radius ? SetupFile::statedGreatestRadius(scale, Bench::setupRanges())
                                   : Bench::setupRanges().greatestIndex;
    // A radius that shows within the stated limits is taken, as a setup's is.
    double taken = value;
    const bool within = radius ? SetupFile::takeRadius(value, scale, Bench::setupRanges(), &taken)
                               : value >= least && value <= greatest;
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
        const double twips = Bench::twipsOfReal(scale, taken);
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
        const std::optional<double> radius = Optics::equalRadiusFor(
            Bench::cmOf(Bench::twipsOfReal(scale, cm)), n1, N, n2, range.biconvex);
        if (!radius)
            continue;
        // A value at an end of the range as shown is kept to the sliders' radii.
        const double magnitude = std::clamp(Bench::twipsOf(*radius), Bench::radiusOf(0, RadiusBase),
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
    // The lens indices that give it, the shape chosen first.
    if (std::isfinite(cm) && cm != 0) {
        QStringList indices;
        for (const FocalRange& range : ranges)
            if (const QString at = indicesFor(*this, Bench::twipsOfReal(scale, cm), range.biconvex);
                !at.isEmpty() && !indices.contains(at))
                indices << at;
        const QString F = Readout::letter(Optics::lettersOf(CurrentNotation()).focalLength);
        *hint +=
            QStringLiteral(". ") +
            (indices.isEmpty() ? tr("%1 = %2 см не даёт ни один показатель преломления линзы N: "
                                    "выберите другой масштаб")
                                     .arg(F, Readout::number(cm))
                               : tr("%1 = %2 см даёт показатель преломления линзы N %3")
                                     .arg(F, Readout::number(cm), indices.join(tr(" или "))));
    }
    return false;
}

void Form1::CloseReadoutEditor() {
    auto* editor = findChild<QLineEdit*>(QString::fromLatin1(kEditorName));
    if (editor && editor->isVisible()) {
        editor->setToolTip(QString());
        editor->hide();
    }
}
