// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers

// Prints, for every auto-sized label of the three windows, the size its caption takes in the
// face that stands in for the label's font, beside the size the window's description gives
// it. The sizes are measured exactly as the runtime sizes a label, so the table shows what
// the program shows. Other faces can be tried without rebuilding:
//
//   sivane-labelmetrics --font /path/Face-BoldItalic.ttf --substitute "Arial Black=Face"
//
// The main window is shown with Neptune, which fills the planet's name and both discovery
// lines; those labels are described empty, so only their height is compared.

#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "runtime/runtime.h"
#include "weight/weightwindow.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QTextStream>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

void usage()
{
    std::fputs("usage: sivane-labelmetrics [--font FILE]... [--substitute FAMILY=FACE]...\n"
               "                           [--hinting none|vertical|full]\n",
        stderr);
}

QString faceOf(const QFont &font)
{
    const QFontInfo info(font);
    return info.family() + u' ' + info.styleName();
}

void printWindow(QTextStream &out, const QString &window, QWidget *widget,
    const QStringList &describedEmpty = {})
{
    for (QLabel *label : widget->findChildren<QLabel *>()) {
        const QFont font = label->font();
        const QFontMetrics metrics(font);
        const QString pointSize = QString::number(font.pointSizeF());
        if (!label->property("autoSize").toBool()) {
            // A label with a fixed box only has to hold its caption.
            if (label->font() == widget->font() || label->text().isEmpty())
                continue;
            const QSize text(metrics.horizontalAdvance(label->text()), metrics.height());
            out << window << '\t' << label->objectName() << '\t' << label->text() << '\t'
                << faceOf(font) << '\t' << pointSize << "\tbox " << label->width() << 'x'
                << label->height() << '\t' << text.width() << 'x' << text.height() << '\t'
                << (label->width() - text.width()) << '\t' << (label->height() - text.height())
                << "\tspare in the fixed box\n";
            continue;
        }
        const QSize design = label->property("emptySize").toSize();
        const bool empty = describedEmpty.contains(label->objectName());
        const QString text = label->text();
        const QSize measured(metrics.horizontalAdvance(text), metrics.height());
        out << window << '\t' << label->objectName() << '\t' << text << '\t' << faceOf(font) << '\t'
            << pointSize << '\t' << design.width() << 'x' << design.height() << '\t'
            << measured.width() << 'x' << measured.height() << '\t'
            << (empty ? QStringLiteral("-") : QString::number(measured.width() - design.width()))
            << '\t' << (measured.height() - design.height()) << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    runtime::initialise(app);

    const QHash<QString, QFont::HintingPreference> hintings = {
        { u"none"_s, QFont::PreferNoHinting },
        { u"vertical"_s, QFont::PreferVerticalHinting },
        { u"full"_s, QFont::PreferFullHinting },
    };
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (i + 1 >= args.size()) {
            usage();
            return 2;
        }
        const QString value = args.at(++i);
        if (arg == u"--font") {
            if (QFontDatabase::addApplicationFont(value) < 0) {
                std::fprintf(stderr, "cannot load %s\n", qPrintable(value));
                return 1;
            }
        } else if (arg == u"--substitute" && value.contains(u'=')) {
            const QString family = value.section(u'=', 0, 0);
            QFont::removeSubstitutions(family);
            QFont::insertSubstitution(family, value.section(u'=', 1));
        } else if (arg == u"--hinting" && hintings.contains(value)) {
            // Tries how the labels measure with another hinting of the glyph widths.
            QFont font = QApplication::font();
            font.setHintingPreference(hintings.value(value));
            QApplication::setFont(font);
        } else {
            usage();
            return 2;
        }
    }

    QTextStream out(stdout);
    out << "window\tlabel\ttext\tface\tpt\tdesign\tmeasured\tdw\tdh\n";
    const auto main = std::make_unique<MainWindow>();
    QStringList describedEmpty;
    for (const QLabel *label : main->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            describedEmpty << label->objectName();
    }
    main->img8_Click();
    printWindow(out, u"MAIN"_s, main.get(), describedEmpty);
    const auto change = std::make_unique<WeightWindow>();
    printWindow(out, u"frmChange"_s, change.get());
    const auto about = std::make_unique<AboutWindow>();
    printWindow(out, u"frmAbout"_s, about.get());
    return 0;
}
