// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "testsupport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

// Input faster than anyone types or clicks by hand: a key held down sends auto-repeated
// presses with no release between them, and clicks in quick succession arrive as
// double-clicks. Each must still give exactly the result of the same input made slowly.
// How long they take is measured by bench_soak, not here.
class tst_InputBursts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    // A message box must never wait for a user here; the recorder counts them instead.
    void init() { m_runtime.emplace(); }
    void cleanup() { m_runtime.reset(); }

    void heldKeyRepeats_data();
    void heldKeyRepeats();
    void fastClicksShowTheLastPicture_data();
    void fastClicksShowTheLastPicture();

private:
    std::optional<RuntimeRecorder> m_runtime;
};

void tst_InputBursts::heldKeyRepeats_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("expectedInput");
    QTest::addColumn<QString>("expectedMercury");
    QTest::addColumn<QString>("expectedPluto");

    QTest::newRow("a digit held for three presses types it three times")
        << QString() << int(Qt::Key_5) << u"5"_s << 3 << u"555"_s << u"205.35"_s << u"34.965"_s;
    QTest::newRow("Backspace held shortens the weight one character per press")
        << u"7.5000000"_s << int(Qt::Key_Backspace) << QString() << 6 << u"7.5"_s << u"2.775"_s
        << u"0.4725"_s;
    QTest::newRow("Backspace held past the start leaves an empty box showing zero")
        << u"70"_s << int(Qt::Key_Backspace) << QString() << 20 << QString() << u"0"_s << u"0"_s;
}

void tst_InputBursts::heldKeyRepeats()
{
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(QString, keyText);
    QFETCH(int, presses);
    QFETCH(QString, expectedInput);
    QFETCH(QString, expectedMercury);
    QFETCH(QString, expectedPluto);

    ShownWeightWindow window;
    QVERIFY(window.exposed());
    QLineEdit *input = window.input();
    input->insert(start);

    // The first press is an ordinary one; the rest are the keyboard's repeats.
    for (int i = 0; i < presses; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, keyText, i > 0);
        QApplication::sendEvent(input, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, keyText);
    QApplication::sendEvent(input, &release);

    QCOMPARE(input->text(), expectedInput);
    QCOMPARE(window.mercury(), expectedMercury);
    QCOMPARE(window.box(9)->text(), expectedPluto);
    QVERIFY(m_runtime->boxes.isEmpty());
}

void tst_InputBursts::fastClicksShowTheLastPicture_data()
{
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QString>("expectedName");

    QTest::newRow("a double-click on Earth shows Earth") << QStringList { u"img3"_s } << u"Earth"_s;
    QTest::newRow("double-clicks across all nine pictures end on Pluto") << QStringList { u"img1"_s,
        u"img2"_s, u"img3"_s, u"img44"_s, u"img5"_s, u"img6"_s, u"img7"_s, u"img8"_s, u"img9"_s }
                                                                         << u"Pluto"_s;
    QTest::newRow("a double-click on Mars after Neptune shows Mars")
        << QStringList { u"img8"_s, u"img44"_s } << u"Mars"_s;
}

void tst_InputBursts::fastClicksShowTheLastPicture()
{
    QFETCH(QStringList, pictures);
    QFETCH(QString, expectedName);

    Shown<MainWindow> window;
    QVERIFY(window.exposed());
    for (const QString &name : pictures) {
        auto *picture = window.child(name);
        QVERIFY2(picture, qPrintable(name));
        // Through the window, so that the second press becomes a double-click event as it
        // does for a real mouse.
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
            picture->mapTo(&window, picture->rect().center()));
    }
    QCOMPARE(window.child<QLabel>(u"lblName"_s)->text(), expectedName);
}

QTEST_MAIN(tst_InputBursts)
#include "tst_inputbursts.moc"
