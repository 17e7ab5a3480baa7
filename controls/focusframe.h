// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A control that frames itself while the keyboard is on it. A picture of the
// window (copied, exported, printed) hides the frame for the while it is
// made: the frame tells where the keyboard is, it is not part of the bench.
class FocusFrame {
public:
    virtual void SetFocusShown(bool shown) = 0;

protected:
    ~FocusFrame() = default;
};
