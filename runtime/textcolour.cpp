// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/textcolour.h"

#include <QEvent>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

constexpr char designColourProperty[] = "textColour";
constexpr char designSheetProperty[] = "designStyleSheet";

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

QString cssColour(const QColor &colour)
{
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

// The control's style sheet from its description with the text colour added; unlike a
// palette, a style sheet does not pass a frame's caption colour on to the labels inside it.
// A sheet of bare declarations takes one more declaration; a sheet of rules takes one more
// rule for the control's own class, which later in the sheet wins over the rules before it.
QString sheetWithColour(const QWidget *control, const QString &designSheet, const QColor &colour)
{
    const QString declaration = QStringLiteral("color: ") + cssColour(colour) + u';';
    if (designSheet.contains(u'{')) {
        return designSheet + u'\n' + QString::fromLatin1(control->metaObject()->className())
            + QStringLiteral(" { ") + declaration + QStringLiteral(" }");
    }
    QString sheet = designSheet.trimmed();
    if (!sheet.isEmpty() && !sheet.endsWith(u';'))
        sheet += u';';
    return sheet.isEmpty() ? declaration : sheet + u' ' + declaration;
}

void colourControl(QWidget *control)
{
    const QColor design = control->property(designColourProperty).value<QColor>();
    if (!design.isValid())
        return;
    if (!control->property(designSheetProperty).isValid())
        control->setProperty(designSheetProperty, control->styleSheet());
    // Labels paint their own background and the frame caption sits on the window's: both
    // are the Window colour of the control's palette, which it shares with the window.
    const QColor background = control->palette().color(QPalette::Window);
    const QString sheet = sheetWithColour(control,
        control->property(designSheetProperty).toString(), readableColour(design, background));
    if (sheet != control->styleSheet())
        control->setStyleSheet(sheet);
}

void colourWindow(QWidget *window)
{
    colourControl(window);
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls)
        colourControl(control);
}

// A control drawn through a style sheet keeps the palette it had when it was polished, so it
// would go on painting the old scheme's background; polishing it anew on a fresh palette lets
// it take the window's palette again. Parents come before their children.
void refreshStyledPalettes(QWidget *window)
{
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->testAttribute(Qt::WA_StyleSheet))
            continue;
        QStyle *style = control->style();
        style->unpolish(control);
        control->setPalette(QPalette());
        style->polish(control);
    }
}

// Colours the window again after its palette has changed. The window hears of the change
// before its controls take the new palette, so the colours are decided once the event has
// gone round.
class PaletteWatcher : public QObject
{
public:
    static constexpr char name[] = "textColourWatcher";

    explicit PaletteWatcher(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QLatin1String(name));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && !m_pending
            && (event->type() == QEvent::PaletteChange
                || event->type() == QEvent::ApplicationPaletteChange)) {
            m_pending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_pending = false;
                    if (m_window) {
                        refreshStyledPalettes(m_window);
                        colourWindow(m_window);
                    }
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    bool m_pending = false;
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

void applyTextColours(QWidget *window)
{
    colourWindow(window);
    if (!window->findChild<QObject *>(
            QLatin1String(PaletteWatcher::name), Qt::FindDirectChildrenOnly))
        new PaletteWatcher(window);
}

} // namespace runtime
