// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QColor>

class QWidget;

// The design's fixed text colours, kept readable in every colour scheme, and the boxes'
// edges, kept visible. A control whose description gives it a text colour carries it in the
// dynamic property "textColour"; its palette's text role gets that colour where it reads at
// least 3:1 against the control's background, and otherwise a colour of the same hue whose
// lightness is turned the other way. Everything else comes from the scheme.
namespace runtime {

// The contrast ratio of two colours by the WCAG 2 formula, from 1 (equal) to 21 (black on
// white); the order of the two does not matter.
double contrastRatio(const QColor &a, const QColor &b);

// The design colour where it reads at least 3:1 on the background; otherwise the same hue
// with its lightness mirrored, made lighter or darker until it reads 4.5:1 where it can.
QColor readableColour(const QColor &design, const QColor &background);

// Sets the palettes of the window's coloured controls and boxes, and sets them again
// whenever one of them gets a new palette, as it does when the colour scheme changes.
void applyColours(QWidget *window);

} // namespace runtime
