// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/fonts.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFontDatabase>
#include <QPointer>
#include <QResource>
#include <QWidget>
#include <QtEndian>

#include <cstdio>
#include <optional>
#include <vector>

namespace runtime {
namespace {

// Big-endian fields of a font file; reading past the end gives nothing.
class Reader
{
public:
    explicit Reader(QByteArrayView data)
        : m_data(data)
    { }

    std::optional<quint16> u16(qsizetype at) const
    {
        if (at < 0 || at + 2 > m_data.size())
            return std::nullopt;
        return qFromBigEndian<quint16>(m_data.data() + at);
    }
    std::optional<quint32> u32(qsizetype at) const
    {
        if (at < 0 || at + 4 > m_data.size())
            return std::nullopt;
        return qFromBigEndian<quint32>(m_data.data() + at);
    }
    QByteArrayView bytes(qsizetype at, qsizetype length) const
    {
        if (at < 0 || length < 0 || at + length > m_data.size())
            return {};
        return m_data.sliced(at, length);
    }

private:
    QByteArrayView m_data;
};

struct Table
{
    qsizetype offset = -1;
    qsizetype length = 0;
};

Table findTable(const Reader &file, const char (&tag)[5])
{
    const auto version = file.u32(0);
    const auto count = file.u16(4);
    if (!version || !count
        || (*version != 0x00010000 && *version != 0x4f54544f && *version != 0x74727565))
        return {};
    const quint32 wanted = qFromBigEndian<quint32>(tag);
    for (int i = 0; i < *count; ++i) {
        const qsizetype record = 12 + 16 * i;
        const auto name = file.u32(record);
        const auto offset = file.u32(record + 8);
        const auto length = file.u32(record + 12);
        if (!name || !offset || !length)
            return {};
        if (*name == wanted && file.bytes(*offset, *length).size() == qsizetype(*length))
            return { qsizetype(*offset), qsizetype(*length) };
    }
    return {};
}

QString decodeName(QByteArrayView text, quint16 platform, quint16 encoding)
{
    // Windows Unicode and Unicode names are UTF-16BE; Macintosh Roman names of plain
    // letters read the same as Latin-1.
    if (platform == 3 || platform == 0) {
        QString name;
        for (qsizetype i = 0; i + 1 < text.size(); i += 2)
            name.append(QChar(qFromBigEndian<quint16>(text.data() + i)));
        return name;
    }
    if (platform == 1 && encoding == 0)
        return QString::fromLatin1(text);
    return {};
}

struct Face
{
    QString file;
    QByteArray data;
    FaceStyle style;
    bool loaded = false;
};

std::vector<Face> &faces()
{
    static std::vector<Face> all = [] {
        std::vector<Face> found;
        // Sorted by name, so that the order of registration does not depend on the build.
        QStringList files;
        for (QDirIterator it(QStringLiteral(":/fonts"), QDir::Files); it.hasNext();) {
            const QString file = it.next();
            // A plain suffix test: a name filter would load the regular expression engine.
            if (file.endsWith(u".ttf", Qt::CaseInsensitive)
                || file.endsWith(u".otf", Qt::CaseInsensitive))
                files.append(file);
        }
        files.sort();
        for (const QString &file : std::as_const(files)) {
            // The fonts are stored uncompressed, so they are used in place rather than copied
            // to the heap; that keeps some 3 MB off the program's peak memory.
            const QResource resource(file);
            const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(
                    reinterpret_cast<const char *>(resource.data()), resource.size())
                : resource.uncompressedData();
            FaceStyle style = readFaceStyle(data);
            if (style.families.isEmpty())
                std::fprintf(
                    stderr, "sivane: the built-in font %s names no family\n", qPrintable(file));
            found.push_back({ file, data, std::move(style) });
        }
        return found;
    }();
    return all;
}

QString familyOf(const QFont &font)
{
    const QStringList families = font.families();
    return families.isEmpty() ? font.family() : families.constFirst();
}

// The family that stands in for `family`, spelt as its face spells it (Qt keeps
// substitutions in lower case).
QString standInFor(const QString &family)
{
    const QString standIn = QFont::substitute(family);
    if (standIn == family)
        return family;
    for (const Face &face : faces()) {
        for (const QString &name : face.style.families) {
            if (name.compare(standIn, Qt::CaseInsensitive) == 0)
                return name;
        }
    }
    return standIn;
}

// Gives a widget whose own font names a substituted family the family that stands in for
// it, and registers the faces its font needs, as soon as the font is set.
class FontResolver : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FontChange && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            QFont font = widget->font();
            const QString family = familyOf(font);
            const QString standIn = standInFor(family);
            // Substitutions that lead round in a circle are followed once.
            if (widget->testAttribute(Qt::WA_SetFont) && standIn != family && !m_resolving) {
                font.setFamilies({ standIn });
                loadFacesFor(font);
                m_resolving = true;
                widget->setFont(font);
                m_resolving = false;
            } else {
                loadFacesFor(font);
            }
        }
        return false;
    }

private:
    bool m_resolving = false;
};

} // namespace

FaceStyle readFaceStyle(QByteArrayView file)
{
    const Reader reader(file);
    FaceStyle style;
    const Table head = findTable(reader, "head");
    const Table name = findTable(reader, "name");
    if (head.offset < 0 || name.offset < 0)
        return style;
    if (const auto macStyle = reader.u16(head.offset + 44)) {
        style.bold = *macStyle & 0x1;
        style.italic = *macStyle & 0x2;
    }
    const Reader names(reader.bytes(name.offset, name.length));
    const auto count = names.u16(2);
    const auto strings = names.u16(4);
    if (!count || !strings)
        return style;
    for (int i = 0; i < *count; ++i) {
        const qsizetype record = 6 + 12 * i;
        const auto platform = names.u16(record);
        const auto encoding = names.u16(record + 2);
        const auto id = names.u16(record + 6);
        const auto length = names.u16(record + 8);
        const auto offset = names.u16(record + 10);
        if (!platform || !encoding || !id || !length || !offset)
            break;
        // 1 is the family of the four-style model, 16 the typographic family.
        if (*id != 1 && *id != 16)
            continue;
        const QString family
            = decodeName(names.bytes(*strings + *offset, *length), *platform, *encoding);
        if (!family.isEmpty() && !style.families.contains(family, Qt::CaseInsensitive))
            style.families.append(family);
    }
    return style;
}

int loadFacesFor(const QFont &font)
{
    const QString family = QFont::substitute(familyOf(font));
    const bool bold = font.weight() >= QFont::DemiBold;
    const bool italic = font.style() != QFont::StyleNormal;
    std::vector<Face *> sameFamily;
    std::vector<Face *> sameStyle;
    for (Face &face : faces()) {
        if (!face.style.families.contains(family, Qt::CaseInsensitive))
            continue;
        sameFamily.push_back(&face);
        if (face.style.bold == bold && face.style.italic == italic)
            sameStyle.push_back(&face);
    }
    // Without the very style, Qt chooses among the family's faces itself.
    int loaded = 0;
    for (Face *face : sameStyle.empty() ? sameFamily : sameStyle) {
        if (face->loaded)
            continue;
        face->loaded = true;
        if (QFontDatabase::addApplicationFontFromData(face->data) < 0)
            std::fprintf(
                stderr, "sivane: cannot load the built-in font %s\n", qPrintable(face->file));
        else
            ++loaded;
    }
    return loaded;
}

void installFonts(QApplication &app, const QFont &applicationFont)
{
    QFont font = applicationFont;
    font.setFamilies({ standInFor(familyOf(applicationFont)) });
    loadFacesFor(font);
    app.setFont(font);
    static QPointer<FontResolver> resolver;
    if (!resolver) {
        resolver = new FontResolver(&app);
        app.installEventFilter(resolver);
    }
}

} // namespace runtime
