// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/fonts.h"

#include "runtime/runtime.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPointer>
#include <QResource>
#include <QWidget>

namespace runtime {
namespace {

// The stand-ins are named with their foundry: Qt keeps a desktop's faces of the same family
// name beside the program's, and chooses among the foundries by registration order and the
// styles each has. Named with its foundry, a family is the program's own whatever the desktop
// has; a desktop face of the same foundry and style gives way to the program's. A font named
// only by a substitution is matched without its foundry, so widgets name the stand-in itself.
struct Face
{
    const char *design; // the family a window description names
    const char *standIn;
    const char *file;
};

constexpr Face faces[] = {
    { "MS Sans Serif", "PT Sans [PARA]", ":/fonts/PTSans-Regular.ttf" },
    { "MS Sans Serif", "PT Sans [PARA]", ":/fonts/PTSans-Bold.ttf" },
    { "Arial", "Liberation Sans [1ASC]", ":/fonts/LiberationSans-Bold.ttf" },
    { "Arial", "Liberation Sans [1ASC]", ":/fonts/LiberationSans-BoldItalic.ttf" },
    // The heavy face is the nearest free match to the width of the weight window's labels:
    // each within 3 px of its designed width. Only its bold oblique style is carried, so
    // every weight asked of it is drawn heavy, as the face it stands in for has no other.
    { "Arial Black", "Bitstream Vera Sans [Bits]", ":/fonts/VeraBI.ttf" },
};

// Gives a widget whose font names a design family that family's stand-in as soon as the font
// is set, before any text is laid out in it: Qt would otherwise first search the desktop's
// fonts for a fallback to the design name, which takes longer the more fonts there are.
class StandInFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FontChange && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            const QFont font = widget->font();
            const QFont standIn = withStandIn(font);
            if (widget->testAttribute(Qt::WA_SetFont) && standIn.families() != font.families())
                widget->setFont(standIn);
        }
        return false;
    }
};

} // namespace

void installFonts()
{
    for (const Face &face : faces) {
        const QString file = QString::fromLatin1(face.file);
        // Stored uncompressed, the faces are used in place rather than copied to the heap.
        const QResource resource(file);
        const auto data = QByteArray::fromRawData(
            reinterpret_cast<const char *>(resource.data()), resource.size());
        const bool registered = QFontDatabase::addApplicationFontFromData(data) >= 0;
        Q_ASSERT(registered);
        if (!registered)
            fatal(QStringLiteral("The built-in font %1 cannot be loaded.").arg(file));
        QFont::insertSubstitution(
            QString::fromLatin1(face.design), QString::fromLatin1(face.standIn));
    }
    static QPointer<StandInFilter> filter;
    if (!filter) {
        filter = new StandInFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

QFont withStandIn(QFont font)
{
    const QString family = font.family();
    const QString standIn = QFont::substitute(family);
    if (standIn.compare(family, Qt::CaseInsensitive) != 0)
        font.setFamilies({ standIn });
    return font;
}

} // namespace runtime
