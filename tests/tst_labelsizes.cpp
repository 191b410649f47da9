// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "testsupport.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The labels that size themselves to their captions must come out close to the sizes the
// windows were drawn around, or the rows drift apart and captions run under their boxes.
// The faces that stand in for the windows' fonts were chosen for this.
class tst_LabelSizes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void labelsTakeTheirDesignSize_data();
    void labelsTakeTheirDesignSize();
    void promptEndsClearOfTheWeightBox();
    void heavyLabelsAreDrawnHeavy_data();
    void heavyLabelsAreDrawnHeavy();
    void programNameFitsItsBox();

private:
    QLabel *label(const QString &window, const QString &name) const;

    std::unique_ptr<Shown<MainWindow>> m_main;
    std::unique_ptr<ShownWeightWindow> m_change;
    std::unique_ptr<Shown<AboutWindow>> m_about;
};

// The windows are built once for all tests, which only read their labels.
void tst_LabelSizes::initTestCase()
{
    initialiseRuntimeForTests();
    m_main = std::make_unique<Shown<MainWindow>>();
    m_change = std::make_unique<ShownWeightWindow>();
    m_about = std::make_unique<Shown<AboutWindow>>();
    // Neptune fills the name and both discovery lines.
    m_main->img8_Click();
}

void tst_LabelSizes::cleanupTestCase()
{
    m_main.reset();
    m_change.reset();
    m_about.reset();
}

QLabel *tst_LabelSizes::label(const QString &window, const QString &name) const
{
    QWidget *form = window == u"MAIN"_s ? static_cast<QWidget *>(m_main.get())
        : window == u"frmChange"_s      ? static_cast<QWidget *>(m_change.get())
                                        : static_cast<QWidget *>(m_about.get());
    return form->findChild<QLabel *>(name);
}

void tst_LabelSizes::labelsTakeTheirDesignSize_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width"); // 0 where the caption is not the one the window was drawn with
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("narrower"); // how much narrower than designed the label may be
    QTest::addColumn<int>("wider");

    // Sizes in pixels, 15 twips each. The main window's captions are held closer, to -5..+4.
    const auto main = [](const char *name, int width) {
        QTest::addRow("main window: %s", name)
            << u"MAIN"_s << QString::fromLatin1(name) << width << 13 << 5 << 4;
    };
    const auto other = [](const char *window, const char *name, int width, int height) {
        QTest::addRow("%s: %s", window, name)
            << QString::fromLatin1(window) << QString::fromLatin1(name) << width << height << 5
            << 5;
    };
    // clang-format off
    main("Label2", 46);   main("Label3", 77);   main("Label4", 101);  main("Label5", 130);
    main("Label6", 117);  main("Label7", 156);  main("Label8", 185);  main("Label9", 115);
    main("Label10", 111); main("Label11", 93);  main("Label12", 142); main("Label13", 87);
    main("Label14", 94);  main("Label15", 127); main("Label16", 170); main("Label17", 169);
    main("Label18", 112); main("Label19", 72);  main("Label20", 138); main("Label21", 124);
    main("Label22", 141); main("Label23", 130);
    // The name and the discovery lines are drawn empty; only their height is designed.
    other("MAIN", "lblName", 0, 32);
    other("MAIN", "dis", 0, 13);
    other("MAIN", "dat", 0, 13);
    other("frmChange", "Label1", 197, 17);
    other("frmChange", "Label2", 67, 18);
    other("frmChange", "Label3", 53, 18);
    other("frmChange", "Label4", 43, 18);
    other("frmChange", "Label5", 60, 18);
    other("frmChange", "Label6", 56, 18);
    other("frmChange", "Label7", 60, 18);
    other("frmChange", "Label8", 70, 18);
    other("frmChange", "Label9", 45, 18);
    other("frmAbout", "Label4", 41, 13);
    // The author's name, the address and the school line are the program's own texts, not
    // the ones the window was drawn with: only their height is designed.
    other("frmAbout", "Label2", 0, 13);
    other("frmAbout", "Label3", 0, 13);
    other("frmAbout", "Label5", 0, 20);
    // clang-format on
}

void tst_LabelSizes::labelsTakeTheirDesignSize()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, narrower);
    QFETCH(int, wider);

    QLabel *shown = label(window, name);
    QVERIFY(shown);
    QVERIFY2(shown->property("autoSize").toBool(), "not sized to its caption");
    QVERIFY2(!shown->text().isEmpty(), "no caption to measure");
    const QString size
        = u"%1 is %2x%3"_s.arg(shown->text()).arg(shown->width()).arg(shown->height());
    if (width > 0) {
        QVERIFY2(shown->width() >= width - narrower, qPrintable(size));
        QVERIFY2(shown->width() <= width + wider, qPrintable(size));
    }
    QVERIFY2(qAbs(shown->height() - height) <= 4, qPrintable(size));
}

// The prompt sits left of the weight box on the same row; there must be a gap between them.
void tst_LabelSizes::promptEndsClearOfTheWeightBox()
{
    const QLabel *prompt = label(u"frmChange"_s, u"Label1"_s);
    const QLineEdit *box = m_change->input();
    QVERIFY(prompt && box);
    QCOMPARE(box->x(), 208);
    QVERIFY2(prompt->x() + prompt->width() < box->x(),
        qPrintable(u"the prompt ends at %1"_s.arg(prompt->x() + prompt->width())));
}

// The weight window's body labels and the program's name ask for the heaviest face in its
// normal weight; whatever weight is asked, the stand-in must draw them heavy and slanted.
void tst_LabelSizes::heavyLabelsAreDrawnHeavy_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    for (int body = 2; body <= 9; ++body) {
        QTest::addRow("weight window, Label%d", body)
            << u"frmChange"_s << u"Label"_s + QString::number(body);
    }
    QTest::newRow("program name in the About window") << u"frmAbout"_s << u"Label1"_s;
}

void tst_LabelSizes::heavyLabelsAreDrawnHeavy()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    const QLabel *shown = label(window, name);
    QVERIFY(shown);
    // The weight of the face actually drawn, not the weight asked for.
    const QFontInfo face(shown->font());
    const QString what = face.family() + u' ' + face.styleName();
    QVERIFY2(
        QFontDatabase::weight(face.family(), face.styleName()) >= QFont::Bold, qPrintable(what));
    QVERIFY2(face.italic(), qPrintable(what));
}

void tst_LabelSizes::programNameFitsItsBox()
{
    const QLabel *name = label(u"frmAbout"_s, u"Label1"_s);
    QVERIFY(name);
    QCOMPARE(name->size(), QSize(145, 57));
    const QFontMetrics metrics(name->font());
    QVERIFY(metrics.horizontalAdvance(name->text()) <= name->width());
    QVERIFY(metrics.height() <= name->height());
}

QTEST_MAIN(tst_LabelSizes)
#include "tst_labelsizes.moc"
