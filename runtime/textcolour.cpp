// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/textcolour.h"

#include <QEvent>
#include <QLineEdit>
#include <QPalette>
#include <QScopedValueRollback>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

constexpr char designColourProperty[] = "textColour";

// Below this the design colour gives way; a replacement aims at the level for body text,
// so that it reads clearly rather than just passing.
constexpr double leastContrast = 3.0;
constexpr double replacementContrast = 4.5;

double channel(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF())
        + 0.0722 * channel(rgb.blueF());
}

// The palette a control is drawn with: what it inherits from the scheme, with its design
// text colour made readable on its background. The style draws a box's outline a shade
// darker than the box's Window colour: on a window darker than its text the outline would
// vanish into the window, so there a box takes its Window colour from the text instead.
void colourControl(QWidget *control)
{
    control->setPalette(QPalette());
    QPalette palette = control->palette();
    const QColor design = control->property(designColourProperty).value<QColor>();
    if (design.isValid()) {
        palette.setColor(control->foregroundRole(),
            readableColour(design, palette.color(control->backgroundRole())));
    }
    const QColor text = palette.color(QPalette::WindowText);
    if (qobject_cast<QLineEdit *>(control)
        && palette.color(QPalette::Window).lightness() < text.lightness())
        palette.setColor(QPalette::Window, text);
    control->setPalette(palette);
}

// Colours the window's controls again whenever their palettes change.
class ColourKeeper : public QObject
{
public:
    explicit ColourKeeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        const auto controls = window->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (control->property(designColourProperty).isValid()
                || qobject_cast<QLineEdit *>(control)) {
                control->installEventFilter(this);
                recolour(control);
            }
        }
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::PaletteChange || m_recolouring)
            return false;
        if (watched != m_window) {
            recolour(static_cast<QWidget *>(watched));
            return false;
        }
        // A control drawn through a style sheet takes no palette from its parent: it hears of
        // a new scheme only through the window.
        const auto controls = m_window->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (control->testAttribute(Qt::WA_StyleSheet))
                recolour(control);
        }
        return false;
    }

private:
    void recolour(QWidget *control)
    {
        // Setting the palette raises the event again; the colours are settled by then.
        const QScopedValueRollback<bool> recolouring(m_recolouring, true);
        // A style sheet reads the palette(...) colours it names when its control is polished,
        // and puts back the palette it found then when the control is unpolished.
        const bool ownSheet = !control->styleSheet().isEmpty();
        if (ownSheet)
            control->style()->unpolish(control);
        colourControl(control);
        if (ownSheet)
            control->style()->polish(control);
    }

    QWidget *m_window;
    bool m_recolouring = false;
};

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColour(const QColor &design, const QColor &background)
{
    if (contrastRatio(design, background) >= leastContrast)
        return design;
    float hue = 0, saturation = 0, lightness = 0, alpha = 1;
    design.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    // Away from the background: towards white on a dark one, towards black on a light one.
    const bool lighter
        = contrastRatio(Qt::white, background) >= contrastRatio(Qt::black, background);
    const float mirrored = 1.0f - lightness;
    float candidate = lighter ? std::max(mirrored, lightness) : std::min(mirrored, lightness);
    constexpr float step = 1.0f / 64;
    QColor readable = QColor::fromHslF(hue, saturation, candidate, alpha);
    while (contrastRatio(readable, background) < replacementContrast
        && (lighter ? candidate < 1.0f : candidate > 0.0f)) {
        candidate = std::clamp(lighter ? candidate + step : candidate - step, 0.0f, 1.0f);
        readable = QColor::fromHslF(hue, saturation, candidate, alpha);
    }
    return readable.toRgb();
}

void applyColours(QWidget *window)
{
    new ColourKeeper(window);
}

} // namespace runtime
