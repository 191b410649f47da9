// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/form.h"
#include "runtime/runtime.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// A window with something in it to lose: the text typed into its box.
class ScratchWindow : public QWidget
{
public:
    ScratchWindow()
        : box(new QLineEdit(this))
    { }
    QLineEdit *box;
};

} // namespace

class tst_Runtime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    void init();
    void cleanup();

    void applicationIdentity();
    void messageBoxDefaultsToTheApplicationTitle();
    void failedHandlerIsReportedAndEndsTheProgram_data();
    void failedHandlerIsReportedAndEndsTheProgram();
    void endClosesEveryWindowAndStopsHandlers();
    void formShownAgainBeforeItsClosedWindowIsGoneBuildsANewOne();
    void autoSizedLabelFollowsItsText();

private:
    std::optional<RuntimeRecorder> m_runtime;
};

void tst_Runtime::init()
{
    m_runtime.emplace();
}

void tst_Runtime::cleanup()
{
    m_runtime.reset();
    qDeleteAll(QApplication::topLevelWidgets());
}

void tst_Runtime::applicationIdentity()
{
    QCOMPARE(QCoreApplication::applicationName(), u"Sivane"_s);
    QCOMPARE(QCoreApplication::applicationVersion(), u"1.00"_s);
    QCOMPARE(QApplication::font().pointSizeF(), 8.25);
}

void tst_Runtime::messageBoxDefaultsToTheApplicationTitle()
{
    runtime::msgBox(u"Hello"_s);
    runtime::msgBox(u"Hello"_s, u"Other"_s);
    QCOMPARE(m_runtime->boxes.size(), 2);
    QCOMPARE(m_runtime->boxes[0].title, u"Sivane"_s);
    QCOMPARE(m_runtime->boxes[0].prompt, u"Hello"_s);
    QCOMPARE(m_runtime->boxes[1].title, u"Other"_s);
    QVERIFY(m_runtime->exitCodes.isEmpty());
}

void tst_Runtime::failedHandlerIsReportedAndEndsTheProgram_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reported");
    QTest::newRow("standard exception") << 0 << u"record 12 missing"_s;
    QTest::newRow("anything else thrown") << 1 << u"Unexpected error"_s;
    QTest::newRow("caption for a label the build lacks") << 2 << u"label the window does not"_s;
}

void tst_Runtime::failedHandlerIsReportedAndEndsTheProgram()
{
    QFETCH(int, kind);
    QFETCH(QString, reported);
#if !defined(QT_NO_DEBUG)
    if (kind == 2)
        QSKIP("A debug build stops at the assertion");
#endif
    runtime::invoke([&] {
        if (kind == 0)
            throw std::out_of_range("record 12 missing");
        if (kind == 1)
            throw 42;
        runtime::setCaption(nullptr, u"Mars"_s);
    });
    QCOMPARE(m_runtime->boxes.size(), 1);
    QCOMPARE(m_runtime->boxes[0].title, u"Sivane"_s);
    QVERIFY2(m_runtime->boxes[0].prompt.contains(reported), qPrintable(m_runtime->boxes[0].prompt));
    QCOMPARE(m_runtime->exitCodes, QList<int> { 1 });
    QVERIFY(runtime::isEnding());
    // No further handler runs once the program is ending.
    bool ran = false;
    runtime::invoke([&] { ran = true; });
    QVERIFY(!ran);
}

void tst_Runtime::endClosesEveryWindowAndStopsHandlers()
{
    auto *first = new ScratchWindow;
    auto *second = new ScratchWindow;
    first->show();
    second->show();
    int changes = 0;
    connect(first->box, &QLineEdit::textChanged, this, runtime::handler([&changes] { ++changes; }));
    first->box->setText(u"a"_s);
    QCOMPARE(changes, 1);
    runtime::end();
    QVERIFY(!first->isVisible());
    QVERIFY(!second->isVisible());
    QCOMPARE(m_runtime->exitCodes, QList<int> { 0 });
    QVERIFY(m_runtime->boxes.isEmpty());
    first->box->setText(u"b"_s);
    QCOMPARE(changes, 1);
    runtime::end();
    QCOMPARE(m_runtime->exitCodes, QList<int> { 0 });
}

// Closing a window only schedules its deletion. A command in between must not revive the
// closing window: it gets a new one in its initial state. Showing and reopening through the
// menu commands is tested in tst_menucommands.
void tst_Runtime::formShownAgainBeforeItsClosedWindowIsGoneBuildsANewOne()
{
    runtime::Form<ScratchWindow> form;
    form.show();
    QPointer<ScratchWindow> first = form.window();
    QVERIFY(first);
    first->box->setText(u"typed"_s);

    first->close();
    QVERIFY(first);
    form.show();
    QVERIFY(form.window() != first.data());
    QVERIFY(form.window()->isVisible());
    QCOMPARE(form.window()->box->text(), QString());
    QTRY_VERIFY(!first);
    QVERIFY(form.window() && form.window()->isVisible());
}

void tst_Runtime::autoSizedLabelFollowsItsText()
{
    QWidget parent;
    auto *label = new QLabel(&parent);
    label->setProperty("autoSize", true);
    label->setGeometry(30, 40, 9, 32);
    runtime::setCaption(label, u"Neptune"_s);
    QCOMPARE(label->pos(), QPoint(30, 40));
    QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(u"Neptune"_s));
    const int wide = label->width();
    runtime::setCaption(label, u"Mars"_s);
    QVERIFY(label->width() < wide);
    // An empty caption returns to the box the window's description gives it.
    runtime::setCaption(label, QString());
    QCOMPARE(label->geometry(), QRect(30, 40, 9, 32));

    auto *fixed = new QLabel(&parent);
    fixed->setGeometry(0, 0, 20, 10);
    runtime::setCaption(fixed, u"A much longer caption"_s);
    QCOMPARE(fixed->size(), QSize(20, 10));
}

QTEST_MAIN(tst_Runtime)
#include "tst_runtime.moc"
