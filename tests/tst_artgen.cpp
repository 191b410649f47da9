// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers

// The committed pictures and icons must be exactly what tools/artgen draws, so that
// anyone can rebuild them and a change to the generator cannot drift silently.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ArtGen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void committedFileMatchesGeneratedBytes_data();
    void committedFileMatchesGeneratedBytes();
    void everyWrittenFileIsCommitted();
    void refusesWrongUsage();
    void reportsAnOutputItCannotWrite();

private:
    static int runGenerator(const QStringList &arguments, QByteArray *errors = nullptr);

    QTemporaryDir m_output;
};

int tst_ArtGen::runGenerator(const QStringList &arguments, QByteArray *errors)
{
    QProcess process;
    process.start(QStringLiteral(SIVANE_ARTGEN), arguments);
    if (!process.waitForFinished(240'000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitCode();
}

void tst_ArtGen::initTestCase()
{
    QVERIFY(m_output.isValid());
    QByteArray errors;
    QCOMPARE(runGenerator({ m_output.path() }, &errors), 0);
    QVERIFY2(errors.isEmpty(), errors.constData());
}

void tst_ArtGen::committedFileMatchesGeneratedBytes_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name : { "mercury.jpg", "venus.jpg", "earth.jpg", "mars.bmp", "jupiter.gif",
             "saturn.jpg", "uranus.jpg", "neptune.gif", "pluto.gif", "author.jpg" })
        QTest::newRow(name) << u"pictures/"_s + QLatin1StringView(name);
    QTest::newRow("sivane.ico") << u"icons/sivane.ico"_s;
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        const QString file = u"icons/hicolor/%1x%1/apps/org.sivane.Sivane.png"_s.arg(size);
        QTest::newRow(qPrintable(u"%1 pixel PNG icon"_s.arg(size))) << file;
    }
}

void tst_ArtGen::committedFileMatchesGeneratedBytes()
{
    QFETCH(QString, file);
    QFile generated(m_output.filePath(file));
    QVERIFY2(generated.open(QIODevice::ReadOnly), qPrintable(u"not written: "_s + file));
    QFile committed(QStringLiteral(SIVANE_SOURCE_DIR "/resources/") + file);
    QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(u"not committed: "_s + file));
    const QByteArray expected = committed.readAll();
    const QByteArray actual = generated.readAll();
    QCOMPARE(actual.size(), expected.size());
    QVERIFY2(actual == expected, qPrintable(u"bytes differ; rerun sivane-artgen on resources/"_s));
}

void tst_ArtGen::everyWrittenFileIsCommitted()
{
    int count = 0;
    QDirIterator it(m_output.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(m_output.path()).relativeFilePath(it.next());
        QVERIFY2(QFile::exists(QStringLiteral(SIVANE_SOURCE_DIR "/resources/") + relative),
            qPrintable(relative));
        ++count;
    }
    QCOMPARE(count, 17);
}

void tst_ArtGen::refusesWrongUsage()
{
    QByteArray errors;
    QCOMPARE(runGenerator({}, &errors), 2);
    QVERIFY(errors.contains("usage"));
    QCOMPARE(runGenerator({ m_output.path(), m_output.path() }), 2);
}

void tst_ArtGen::reportsAnOutputItCannotWrite()
{
    // A plain file where the output directory should be: nothing can be written below it.
    QTemporaryDir scratch;
    const QString blocker = scratch.filePath(u"blocker"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QByteArray errors;
    QCOMPARE(runGenerator({ blocker }, &errors), 1);
    QVERIFY(errors.contains("could not write"));
}

QTEST_GUILESS_MAIN(tst_ArtGen)
#include "tst_artgen.moc"
