// SPDX-License-Identifier: GPL-3.0-or-later
// Accessible names: every control a user can reach or read has a name, and
// the controls that act on input can be told apart by it.
#include "form1.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QSlider>
#include <QTest>

namespace {
QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void inputControlsAreDistinct();
};

void TestAccessibility::everyControlIsNamed_data() {
    QTest::addColumn<QString>("control");
    auto w = TestSupport::startWindow();
    // Every control of the window: what a user reaches, reads or sees.
    for (QWidget* child : w->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            QTest::newRow(qPrintable(name)) << name;
    }
}

void TestAccessibility::everyControlIsNamed() {
    QFETCH(QString, control);
    auto w = TestSupport::startWindow();
    auto* widget = w->findChild<QWidget*>(control);
    QVERIFY(widget);
    QVERIFY2(!accessibleName(widget).trimmed().isEmpty(), qPrintable(control + " has no name"));
}

// Sliders, buttons and the two media areas: one name each, none shared.
void TestAccessibility::inputControlsAreDistinct() {
    auto w = TestSupport::startWindow();
    QList<QWidget*> inputs;
    for (QWidget* child : w->findChildren<QWidget*>())
        if (qobject_cast<QSlider*>(child) || qobject_cast<QAbstractButton*>(child))
            inputs.append(child);
    inputs.append(w->findChild<QWidget*>(QStringLiteral("picLeft")));
    inputs.append(w->findChild<QWidget*>(QStringLiteral("picRigth")));
    QCOMPARE(inputs.size(), 30); // five sliders, twenty-three buttons, two areas
    QHash<QString, QString> owner;
    for (QWidget* input : inputs) {
        const QString name = accessibleName(input);
        QVERIFY2(!owner.contains(name),
                 qPrintable(QStringLiteral("%1 and %2 are both called \"%3\"")
                                .arg(owner.value(name), input->objectName(), name)));
        owner.insert(name, input->objectName());
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
