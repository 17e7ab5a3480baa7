// SPDX-License-Identifier: GPL-3.0-or-later
// The second lens's values as a teacher types them: lengths in real
// centimetres at the bench's scale, a comma or a point as the decimal mark.
// The lens is given by its focal length (both surfaces then take the same
// radius, the glass stays) or by its glass and the two radii; whichever is
// given, the other is shown as it follows, with the focal lengths and the
// power in the notation's letters, while the teacher types. A value out of
// its range is said at once in red and refused on OK, the dialog staying
// open on the field.
#include "secondlensdialog.h"

#include "benchoptics.h"
#include "messages.h"
#include "readout.h"
#include "screeninfo.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// A field for touch: at least this many text lines high, and wide enough for
// this many characters.
constexpr double kTouchLines = 1.8;
constexpr int kFieldChars = 12;
// The read-out's and the problem's lines wrap at about this many characters.
constexpr int kLineChars = 56;
// Beyond this the dialog would not fit a screen the window fills.
constexpr double kLargestZoom = 2.5;

class Form : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(SecondLensDialog)

public:
    Form(QWidget& parent, const Optics::SecondLens& lens, double between, Optics::Scale scale,
         Optics::Notation notation);
    std::optional<Optics::SecondLens> taken() const { return m_taken; }

private:
    // The lens as typed, or the first field that is not a value it takes and
    // what it takes there.
    struct Typed {
        std::optional<Optics::SecondLens> lens;
        QLineEdit* wrong = nullptr;
        QString problem;
    };
    Typed typed() const;
    void follow();
    void byFocalLength(bool chosen);
    void flipShape();
    void finish();
    QLineEdit* field(const QString& accessible);
    std::optional<double> number(const QLineEdit* field) const;

    double m_between;
    Optics::Scale m_scale;
    Optics::Notation m_notation;
    QLineEdit* m_distance;
    QRadioButton* m_byFocal;
    QRadioButton* m_byRadii;
    QRadioButton* m_biconvex;
    QRadioButton* m_biconcave;
    QLineEdit* m_focal;
    QLineEdit* m_index;
    QLineEdit* m_left;
    QLineEdit* m_right;
    QLineEdit* m_after;
    QLabel* m_readout;
    QLabel* m_problem;
    std::optional<Optics::SecondLens> m_taken;
};

// Whether a value lies within a range, its ends as a teacher types them.
bool within(double value, double least, double greatest) {
    constexpr double kSlack = 1e-9;
    return value >= least - kSlack * std::max(1.0, std::fabs(least)) &&
           value <= greatest + kSlack * std::max(1.0, std::fabs(greatest));
}

Form::Form(QWidget& parent, const Optics::SecondLens& lens, double between, Optics::Scale scale,
           Optics::Notation notation)
    : QDialog(&parent), m_between(between), m_scale(scale), m_notation(notation) {
    setWindowTitle(tr("Вторая линза"));
    // As large as the window's own texts at its zoom: legible on a projector.
    QFont text = parent.font();
    if (text.pointSizeF() > 0) {
        text.setPointSizeF(text.pointSizeF() *
                           std::clamp(ScreenInfo::zoomOf(&parent), 1.0, kLargestZoom));
        setFont(text);
    }

    const Optics::Letters& letters = Optics::lettersOf(notation);
    const QString F = Readout::letter(letters.focalLength);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_distance = field(tr("Расстояние от первой линзы"));
    form->addRow(tr("Расстояние от первой линзы, см (0 — вплотную):"), m_distance);

    m_byFocal = new QRadioButton(tr("фокусным расстоянием %1").arg(F), this);
    m_byRadii = new QRadioButton(tr("стеклом и радиусами"), this);
    auto* given = new QButtonGroup(this);
    given->addButton(m_byFocal);
    given->addButton(m_byRadii);
    auto* givenRow = new QHBoxLayout;
    givenRow->addWidget(m_byFocal);
    givenRow->addWidget(m_byRadii);
    form->addRow(tr("Линза задана:"), givenRow);

    m_biconvex = new QRadioButton(tr("двояковыпуклая"), this);
    m_biconcave = new QRadioButton(tr("двояковогнутая"), this);
    auto* shape = new QButtonGroup(this);
    shape->addButton(m_biconvex);
    shape->addButton(m_biconcave);
    auto* shapeRow = new QHBoxLayout;
    shapeRow->addWidget(m_biconvex);
    shapeRow->addWidget(m_biconcave);
    form->addRow(tr("Форма:"), shapeRow);

    m_focal = field(tr("Фокусное расстояние %1").arg(F));
    m_focal->setToolTip(tr("Переднее фокусное расстояние (в среде перед линзой), со знаком: "
                           "минус — рассеивающая"));
    form->addRow(tr("%1, см:").arg(F), m_focal);
    m_index = field(tr("Показатель преломления линзы"));
    form->addRow(tr("Показатель преломления линзы N:"), m_index);
    m_left = field(tr("Радиус левой поверхности"));
    form->addRow(tr("Радиус левой поверхности R₁, см:"), m_left);
    m_right = field(tr("Радиус правой поверхности"));
    form->addRow(tr("Радиус правой поверхности R₂, см:"), m_right);
    m_after = field(tr("Показатель преломления среды за линзой"));
    form->addRow(tr("Показатель преломления среды за линзой:"), m_after);
    layout->addLayout(form);
    // The choices as large as the fields for a finger, apart from each other.
    for (QHBoxLayout* row : {givenRow, shapeRow})
        row->setSpacing(2 * fontMetrics().averageCharWidth());
    for (QRadioButton* choice : {m_byFocal, m_byRadii, m_biconvex, m_biconcave})
        choice->setMinimumHeight(m_distance->minimumHeight());

    const int lineWidth = fontMetrics().averageCharWidth() * kLineChars;
    m_readout = new QLabel(this);
    m_readout->setTextFormat(Qt::PlainText);
    m_readout->setWordWrap(true);
    m_readout->setMinimumWidth(lineWidth);
    m_readout->setAccessibleName(tr("Фокусные расстояния и оптическая сила"));
    layout->addWidget(m_readout);
    m_problem = new QLabel(this);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->setMinimumWidth(lineWidth);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(m_problem);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Said as the program's other questions say it, with or without Qt's own
    // translations installed.
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    for (QAbstractButton* button : buttons->buttons())
        button->setMinimumHeight(m_distance->minimumHeight());
    connect(buttons, &QDialogButtonBox::accepted, this, &Form::finish);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // The values as they stand, exactly: OK at once gives back the same lens.
    const auto shown = [&](double benchCm) { return Readout::typed(scale.realOfBenchCm(benchCm)); };
    m_distance->setText(shown(lens.distance));
    m_index->setText(Readout::typed(lens.lens.N));
    m_after->setText(Readout::typed(lens.after));
    const std::optional<Optics::LensShape> shaped = Optics::shapeOf(lens.lens);
    const Optics::LensShape radii = shaped.value_or(
        Optics::LensShape{!(lens.lens.R1 < 0), std::fabs(lens.lens.R1), std::fabs(lens.lens.R2)});
    (radii.biconvex ? m_biconvex : m_biconcave)->setChecked(true);
    m_left->setText(shown(radii.left));
    m_right->setText(shown(radii.right));
    const Optics::FocalLengths focal = Optics::focalLengthsOf(lens, between);
    m_focal->setText(focal.finite ? shown(focal.front) : QString());
    // Equal radii are what a typed focal length makes; others were given as radii.
    (shaped && radii.left == radii.right && focal.finite ? m_byFocal : m_byRadii)->setChecked(true);

    for (QLineEdit* edit : {m_distance, m_focal, m_index, m_left, m_right, m_after})
        connect(edit, &QLineEdit::textEdited, this, &Form::follow);
    connect(m_byFocal, &QRadioButton::toggled, this, &Form::byFocalLength);
    connect(shape, &QButtonGroup::buttonClicked, this, &Form::flipShape);
    byFocalLength(m_byFocal->isChecked());
    m_distance->setFocus();
    m_distance->selectAll();
}

QLineEdit* Form::field(const QString& accessible) {
    auto* edit = new QLineEdit(this);
    edit->setAccessibleName(accessible);
    edit->setMinimumHeight(int(std::ceil(fontMetrics().height() * kTouchLines)));
    edit->setMinimumWidth(fontMetrics().averageCharWidth() * kFieldChars);
    return edit;
}

// A number as typed: a comma or a point, the unit after it; Qt reads the
// minus the read-outs write (U+2212) as a minus.
std::optional<double> Form::number(const QLineEdit* field) const {
    QString text = field->text().trimmed();
    for (const QString& unit : {tr("см"), QStringLiteral("cm")})
        if (text.endsWith(unit))
            text = text.chopped(unit.size()).trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Form::Typed Form::typed() const {
    const SetupFormat::Ranges ranges = Bench::setupRanges();
    const double K = m_scale.factor();
    const QLocale shown = Readout::locale();
    const auto text = [&](double value) { return Readout::number(value); };
    Optics::SecondLens lens;

    const std::optional<double> distance = number(m_distance);
    if (!distance ||
        !within(*distance, Optics::kNearestSecondLens * K, Optics::kFarthestSecondLens * K))
        return {
            {},
            m_distance,
            tr("Расстояние от первой линзы: от %1 до %2 см")
                .arg(text(Optics::kNearestSecondLens * K), text(Optics::kFarthestSecondLens * K))};
    lens.distance = std::clamp(m_scale.benchCm(*distance), Optics::kNearestSecondLens,
                               Optics::kFarthestSecondLens);

    const auto index = [&](QLineEdit* edit, const QString& what) -> Typed {
        const std::optional<double> value = number(edit);
        if (value && within(*value, ranges.leastIndex, ranges.greatestIndex))
            return {};
        return {{},
                edit,
                tr("%1: число от %2 до %3")
                    .arg(what, Readout::typed(ranges.leastIndex),
                         Readout::typed(ranges.greatestIndex))};
    };
    for (const auto& [edit, what] :
         {std::pair{m_index, tr("Показатель преломления линзы")},
          std::pair{m_after, tr("Показатель преломления среды за линзой")}})
        if (Typed wrong = index(edit, what); wrong.wrong)
            return wrong;
    const double N = std::clamp(*number(m_index), ranges.leastIndex, ranges.greatestIndex);
    lens.after = std::clamp(*number(m_after), ranges.leastIndex, ranges.greatestIndex);

    const double least = Optics::kLeastSecondRadius * K;
    const double greatest = Optics::kGreatestSecondRadius * K;
    if (m_byFocal->isChecked()) {
        // |R| = |2N − n − n′|·|f|/n for equal radii: the focal lengths the
        // radii reach at this glass and these media.
        const double bend = std::fabs(2 * N - m_between - lens.after) / m_between;
        const QString range =
            bend * greatest < 1e-6
                ? tr("%1: при этих показателях преломления линза с равными радиусами не "
                     "преломляет — измените N")
                      .arg(Readout::letter(Optics::lettersOf(m_notation).focalLength))
                : tr("%1: от %2 до %3 см (со знаком минус — рассеивающая) при N = %4")
                      .arg(Readout::letter(Optics::lettersOf(m_notation).focalLength),
                           text(least / bend), text(greatest / bend), Readout::typed(N));
        const std::optional<double> f = number(m_focal);
        const std::optional<Optics::Axial::ThinLens> made =
            f ? Optics::lensOfFocalLength(m_scale.benchCm(*f), N, m_between, lens.after)
              : std::nullopt;
        if (!made ||
            !within(std::fabs(made->R1), Optics::kLeastSecondRadius, Optics::kGreatestSecondRadius))
            return {{}, bend * greatest < 1e-6 ? m_index : m_focal, range};
        lens.lens = *made;
        return {lens, nullptr, {}};
    }
    for (QLineEdit* edit : {m_left, m_right}) {
        const std::optional<double> R = number(edit);
        if (!R || !within(*R, least, greatest))
            return {{},
                    edit,
                    tr("Радиус: число сантиметров от %1 до %2")
                        .arg(shown.toString(least, 'f', 2), shown.toString(greatest, 'f', 2))};
    }
    const auto radius = [&](QLineEdit* edit) {
        return std::clamp(m_scale.benchCm(*number(edit)), Optics::kLeastSecondRadius,
                          Optics::kGreatestSecondRadius);
    };
    lens.lens =
        Optics::shapedThinLens(N, {m_biconvex->isChecked(), radius(m_left), radius(m_right)});
    return {lens, nullptr, {}};
}

// What follows from the values typed, shown as they are typed.
void Form::follow() {
    const Typed now = typed();
    m_problem->setText(now.problem);
    m_problem->setVisible(!now.problem.isEmpty());
    if (!now.lens) {
        m_readout->clear();
        return;
    }
    const Optics::Lens lens = Optics::lensBetween(*now.lens, m_between);
    m_readout->setText(Readout::focalLengths(m_notation, lens, m_scale) + QStringLiteral("   ") +
                       Readout::power(m_notation, lens, m_scale));
    const Optics::FocalLengths focal = Optics::focalLengthsOf(*now.lens, m_between);
    if (m_byFocal->isChecked()) {
        // The shape the focal length asks for, and the radii it takes.
        const std::optional<Optics::LensShape> shape = Optics::shapeOf(now.lens->lens);
        if (!shape)
            return;
        (shape->biconvex ? m_biconvex : m_biconcave)->setChecked(true);
        m_left->setText(Readout::number(m_scale.realOfBenchCm(shape->left)));
        m_right->setText(Readout::number(m_scale.realOfBenchCm(shape->right)));
    } else {
        m_focal->setText(focal.finite ? Readout::number(m_scale.realOfBenchCm(focal.front))
                                      : QStringLiteral("∞"));
    }
}

// One of the two ways of giving the lens is typed, the other shown: what
// was shown is what is then typed over.
void Form::byFocalLength(bool chosen) {
    m_focal->setEnabled(chosen);
    m_left->setEnabled(!chosen);
    m_right->setEnabled(!chosen);
    follow();
}

// With the focal length given, the other shape bends the other way: the same
// focal length with the other sign.
void Form::flipShape() {
    const std::optional<double> f = number(m_focal);
    const std::optional<double> N = number(m_index);
    const std::optional<double> after = number(m_after);
    if (m_byFocal->isChecked() && f && N && after) {
        // The shape the focal length typed asks for, whatever else is typed.
        const std::optional<Optics::Axial::ThinLens> made =
            Optics::lensOfFocalLength(m_scale.benchCm(*f), *N, m_between, *after);
        if (made && (made->R1 > 0) != m_biconvex->isChecked())
            m_focal->setText(Readout::typed(-*f));
    }
    follow();
}

void Form::finish() {
    const Typed now = typed();
    if (!now.lens) {
        follow();
        now.wrong->setFocus();
        now.wrong->selectAll();
        return;
    }
    m_taken = now.lens;
    accept();
}

} // namespace

namespace SecondLensDialog {

std::optional<Optics::SecondLens> edit(QWidget& parent, const Optics::SecondLens& lens,
                                       double between, Optics::Scale scale,
                                       Optics::Notation notation) {
    // Where no window fits the screen at its scale, that is said and nothing changes.
    if (!Messages::roomFor(&parent,
                           QCoreApplication::translate("SecondLensDialog", "Вторая линза")))
        return std::nullopt;
    Form form(parent, lens, between, scale, notation);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.taken();
}

} // namespace SecondLensDialog
