// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus: Return and Enter press the button that holds it, and a
// picture area that holds it shows it, from the start and after Tab.
#include "form1.h"
#include "picturebox.h"
#include "testsupport.h"

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {
using namespace TestSupport;

QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestFocus : public QObject {
    Q_OBJECT

private slots:
    void returnAndEnterPressButtons_data();
    void returnAndEnterPressButtons();
    void focusShows_data();
    void focusShows();
    void startFocusShows();
};

void TestFocus::returnAndEnterPressButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("scheme");
    QTest::newRow("Схема, Return") << "cmdCx" << Qt::Key_Return << true;
    QTest::newRow("Схема, Enter") << "cmdCx" << Qt::Key_Enter << true;
    QTest::newRow("Линза, Return") << "cmdCxOff" << Qt::Key_Return << false;
}

void TestFocus::returnAndEnterPressButtons() {
    QFETCH(QString, button);
    QFETCH(Qt::Key, key);
    QFETCH(bool, scheme);
    auto w = startWindow();
    if (!scheme)
        clickButton(w.get(), "cmdCx");
    auto* target = w->findChild<QPushButton*>(button);
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(bool(w->SchemeView), scheme);
}

void TestFocus::focusShows_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"picRigth", "Picture1", "Picture2", "picLSob", "picRsob", "picLeft", "Picture3"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// A picture area that holds the focus after Tab looks different from the same
// area without it.
void TestFocus::focusShows() {
    QFETCH(QString, name);
    auto w = startWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto* area = w->findChild<PictureBox*>(name);
    QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
    QVERIFY(!area->hasFocus());
    const QImage without = grabbed(area);
    for (int i = 0; i < 60 && !area->hasFocus(); ++i)
        QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
    QVERIFY(area->hasFocus());
    QVERIFY(grabbed(area) != without);
}

// The right area, first in the tab order, holds the focus at the start and
// shows it with a frame in the highlight colour; after a click it holds the
// focus without the frame.
void TestFocus::startFocusShows() {
    auto w = startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTRY_VERIFY(ui.picRigth->hasFocus());
    const QRgb highlight = w->palette().color(QPalette::Highlight).rgb();
    QTRY_COMPARE(grabbed(ui.picRigth).pixel(0, 100), highlight);
    TestSupport::clickAt(w.get(), ui.picRigth->mapTo(w.get(), QPoint(200, 100)));
    QVERIFY(ui.picRigth->hasFocus());
    QVERIFY(grabbed(ui.picRigth).pixel(0, 100) != highlight);
}

QTEST_MAIN(TestFocus)
#include "tst_focus.moc"
