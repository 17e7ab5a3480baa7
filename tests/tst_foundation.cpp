// The bench as it starts: state, focal lengths and marks, read-outs, the
// drawing layer's clipping, and what the start window looks like.
#include "form1.h"
#include "label.h"
#include "picturebox.h"
#include "readout.h"
#include "screeninfo.h"
#include "segmentclip.h"
#include "shape.h"
#include "slider.h"
#include "surfacepainter.h"
#include "testsupport.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

class TestFoundation : public QObject {
    Q_OBJECT

private slots:
    void startState();
};

void TestFoundation::startState() {
    auto w = TestSupport::startWindow();
    QCOMPARE(w->f1, 1171.875);
    QCOMPARE(w->f2, 1171.875);
    QCOMPARE(w->IsConverging, kTrue);
}

QTEST_MAIN(TestFoundation)
#include "tst_foundation.moc"
