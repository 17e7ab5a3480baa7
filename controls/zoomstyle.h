// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style with the sizes of a slider's parts (groove, thumb,
// tick marks) scaled by the window's zoom factor, so that a slider keeps its
// proportions and its hit areas at every size of the window.
class ZoomStyle : public QProxyStyle {
public:
    // One instance for the application, deleted with it.
    static ZoomStyle* instance();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    explicit ZoomStyle(QStyle* base);
};
