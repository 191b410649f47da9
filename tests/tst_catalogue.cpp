// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "catalogue/catalogue.h"

#include <QTest>

// Rules that hold across the whole catalogue. The texts themselves are checked where the
// user reads them, beside their captions in the main window (tst_pictureselection).
class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void everyRecordHasARotationPeriodAndNoEmptyFact();
};

// Each record fills the rotation period in hours, in days, or both; a missing value is "-",
// never the empty text, which would look like a box the program forgot to fill.
void tst_Catalogue::everyRecordHasARotationPeriodAndNoEmptyFact()
{
    for (int record = 1; record <= catalogue::planetCount; ++record) {
        const auto &facts = catalogue::planet(record).facts;
        QVERIFY2(facts[7] != u"-" || facts[8] != u"-", qPrintable(QString::number(record)));
        for (QStringView fact : facts)
            QVERIFY2(!fact.isEmpty(), qPrintable(QString::number(record)));
    }
}

QTEST_APPLESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
