// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputcodes.h"

#include "screeninfo.h"
#include "single.h"

#include <QMouseEvent>
#include <QWidget>

namespace InputCodes {

int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton)
        code += 1;
    if (buttons & Qt::RightButton)
        code += 2;
    if (buttons & Qt::MiddleButton)
        code += 4;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code += 1;
    if (modifiers & Qt::ControlModifier)
        code += 2;
    if (modifiers & Qt::AltModifier)
        code += 4;
    return code;
}

int keyCode(int qtKey) {
    // Letters and digits share their codes with ASCII.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

void report(const MouseHandler& handler, int button, const QMouseEvent* event,
            const QWidget* control) {
    if (!handler)
        return;
    const QPointF at = ScreenInfo::of(control).toTwips(event->position());
    handler(button, shiftCode(event->modifiers()), toSingle(at.x()), toSingle(at.y()));
}

bool focusFrameAfter(Qt::FocusReason reason, bool shown) {
    if (reason == Qt::MouseFocusReason)
        return false;
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return shown;
    return true;
}

} // namespace InputCodes
