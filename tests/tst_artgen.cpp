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

namespace {

const QString resourcesDir = QStringLiteral(SIVANE_SOURCE_DIR "/resources");

// The files below `root`, as paths relative to it, sorted.
QStringList filesBelow(const QString &root, const QStringList &subfolders = { u"."_s })
{
    QStringList files;
    const QDir base(root);
    for (const QString &folder : subfolders) {
        QDirIterator it(
            base.filePath(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir::cleanPath(base.relativeFilePath(it.next())));
    }
    files.sort();
    return files;
}

// The paths of `a` that `b` lacks.
QStringList missingFrom(const QStringList &a, const QStringList &b)
{
    QStringList missing;
    for (const QString &path : a)
        if (!b.contains(path))
            missing.append(path);
    return missing;
}

} // namespace

class tst_ArtGen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void committedFileMatchesGeneratedBytes_data();
    void committedFileMatchesGeneratedBytes();
    void generatedAndCommittedFilesAreTheSameSet();
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
    // One row per file the generator writes: its table is the list of the artwork.
    QTest::addColumn<QString>("file");
    for (const QString &file : filesBelow(m_output.path()))
        QTest::newRow(qPrintable(file)) << file;
}

void tst_ArtGen::committedFileMatchesGeneratedBytes()
{
    QFETCH(QString, file);
    QFile generated(m_output.filePath(file));
    QVERIFY2(generated.open(QIODevice::ReadOnly), qPrintable(u"not written: "_s + file));
    QFile committed(resourcesDir + u'/' + file);
    QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(u"not committed: "_s + file));
    const QByteArray expected = committed.readAll();
    const QByteArray actual = generated.readAll();
    QCOMPARE(actual.size(), expected.size());
    QVERIFY2(actual == expected, qPrintable(u"bytes differ; rerun sivane-artgen on resources/"_s));
}

void tst_ArtGen::generatedAndCommittedFilesAreTheSameSet()
{
    // Everything in these folders is drawn by the generator, so a file it no longer writes
    // (or one added by hand) would be embedded or installed without anyone able to redraw it.
    const QStringList committed = filesBelow(resourcesDir, { u"pictures"_s, u"icons"_s });
    const QStringList generated = filesBelow(m_output.path());
    QVERIFY(!generated.isEmpty());
    const QStringList notWritten = missingFrom(committed, generated);
    const QStringList notCommitted = missingFrom(generated, committed);
    QVERIFY2(notWritten.isEmpty() && notCommitted.isEmpty(),
        qPrintable(
            u"committed but not written by sivane-artgen: [%1]; written but not committed: [%2]"_s
                .arg(notWritten.join(u", "), notCommitted.join(u", "))));
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
