// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QByteArrayView>
#include <QStringList>

class QApplication;
class QFont;

// The free faces carried inside the program (every file under :/fonts/) and the names the
// window descriptions use for them (QFont substitutions). A face is registered only when a
// window first sets a font that needs it, so faces that only the secondary windows use cost
// nothing until they open.
namespace runtime {

// What a font file says about its face: the family names it answers to (the family and the
// typographic family of its name table) and its place among the four styles of a family.
struct FaceStyle
{
    QStringList families;
    bool bold = false;
    bool italic = false;
};

// Reads a TrueType or OpenType file; a file it cannot read gives no families.
FaceStyle readFaceStyle(QByteArrayView file);

// Registers the bundled faces that text in `font` needs (after substitution), each once.
// Returns the number of faces newly registered.
int loadFacesFor(const QFont &font);

// Sets the application font and, from then on, gives every font set on a widget the family
// its substitution names, with its faces registered, before any text is measured in it:
// Qt would otherwise search the system's fallback fonts once for the substituted name and
// once more for the face that stands in for it.
void installFonts(QApplication &app, const QFont &applicationFont);

} // namespace runtime
