// SPDX-License-Identifier: GPL-3.0-or-later
// Exact values: the index and radius read-outs can be edited in place. A click
// or Enter on one opens an editor over it with the value; Enter takes a typed
// value within the slider's range exactly (water's 1,33 is 1,33 in the power
// and the read-outs, the thumb stands at the nearest step), Escape or leaving
// the editor cancels. A text that is no such value is refused with a hint and
// changes nothing. A comma and a point both serve as the decimal mark.
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
#include <QToolTip>
#include <cmath>
#include <functional>

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
            if (!editor->isVisible())
                return;
            QWidget* readout = static_cast<QWidget*>(editor->property("readout").value<QObject*>());
            editor->hide();
            if (readout)
                readout->setFocus(Qt::OtherFocusReason);
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
            editor->hide();
            readout->setFocus(Qt::OtherFocusReason);
            return;
        }
        // Refused: the editor stays with the text, and says what it takes.
        editor->setToolTip(hint);
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), hint, editor);
    });
    QWidget* previous = cmdHelp;
    for (Label* readout : {lblRleft, lblRright, lbln1, lbln2, lblN}) {
        readout->SetEditable();
        readout->installEventFilter(keys);
        readout->setToolTip(tr("Щёлкните или нажмите Enter, чтобы ввести точное значение"));
        QWidget::setTabOrder(previous, readout);
        previous = readout;
    }
}

void Form1::EditReadout(Label* readout) {
    if (!Allows(Action::EditValues))
        return; // the lens of a task stays as set
    auto* editor = findChild<QLineEdit*>(QString::fromLatin1(kEditorName));
    const Optics::Lens lens = Optics::lensOf(*this);
    double value = 0;
    if (readout == lbln1)
        value = n1;
    else if (readout == lbln2)
        value = n2;
    else if (readout == lblN)
        value = N;
    else if (readout == lblRleft)
        value = std::fabs(lens.leftR) / Bench::kTwipsPerCm;
    else if (readout == lblRright)
        value = std::fabs(lens.rightR) / Bench::kTwipsPerCm;
    else
        return;
    editor->setProperty("readout", QVariant::fromValue<QObject*>(readout));
    editor->setFont(readout->font());
    editor->setGeometry(QRect(readout->mapTo(this, QPoint(0, 0)), readout->size()));
    // The radii are numbers with two decimals on the screen; the editor
    // offers them so, the indices as they are.
    const bool radius = readout == lblRleft || readout == lblRright;
    editor->setText(radius ? Readout::locale().toString(value, 'f', 2) : typedForm(value));
    editor->setToolTip(QString());
    editor->selectAll();
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

bool Form1::TakeTypedValue(Label* readout, const QString& text, QString* hint) {
    const bool radius = readout == lblRleft || readout == lblRright;
    QString typed = text.trimmed();
    // A unit after the number is the one the read-out shows.
    for (const QString& unit : {tr("см"), QStringLiteral("cm")})
        if (radius && typed.endsWith(unit))
            typed = typed.chopped(unit.size()).trimmed();
    typed.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(typed, &ok);
    const double least = radius ? SetupFile::statedLeastRadius() : SetupFile::leastIndex();
    const double greatest = radius ? SetupFile::statedGreatestRadius() : SetupFile::greatestIndex();
    // A radius that shows within the stated limits is taken, as a setup's is.
    double taken = value;
    const bool within =
        radius ? SetupFile::takeRadius(value, &taken) : value >= least && value <= greatest;
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
        const double twips = taken * Bench::kTwipsPerCm;
        if (upper)
            SetUpperRadius(twips);
        else
            SetLowerRadius(twips);
    }
    return true;
}

void Form1::CloseReadoutEditor() {
    auto* editor = findChild<QLineEdit*>(QString::fromLatin1(kEditorName));
    if (editor && editor->isVisible()) {
        editor->setToolTip(QString());
        editor->hide();
    }
}
