// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <optional>

class QWidget;

// Place, size and visibility of a control in twips of its container. The values
// are kept in single precision as the logic hands them over; the widget follows
// them in pixels and is hidden while it stands too far away to have pixel
// geometry (a focal mark moved 760000 twips off for an infinite focal length).
class TwipGeometry {
public:
    explicit TwipGeometry(QWidget* widget) : m_widget(widget) {}
    virtual ~TwipGeometry() = default;

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    bool Visible() const { return m_visible; }

    void SetLeft(float left);
    void SetTop(float top);
    void SetWidth(float width);
    void SetHeight(float height);
    void SetVisible(bool visible);
    void Place(float left, float top, float width, float height);

    // The font as laid out; the widget shows it scaled with the window.
    void SetFont(const QFont& font);

    // Applies the twips (and the font) to the widget again: after the screen's
    // DPI is known, and whenever the window's zoom changes.
    void applyGeometry();

private:
    QWidget* m_widget;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    bool m_visible = true;
    std::optional<QFont> m_font;
};
