#include "ui/qt/main/FolderDialog.h"
#include "ui/qt/main/OpenDialog.h"

#include <QTest>

class tst_dialogs : public QObject {
    Q_OBJECT
private slots:
    void nameFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the Open dialog's filter")
            << "All (*.avi; *.flv; *.wmv; *.mpg; *.mpeg)|*.avi; *.flv; *.wmv; *.mpg; *.mpeg"
            << "All (*.avi; *.flv; *.wmv; *.mpg; *.mpeg) (*.avi *.AVI *.flv *.FLV *.wmv *.WMV "
               "*.mpg *.MPG *.mpeg *.MPEG)";
        QTest::newRow("one pattern") << "Videos|*.avi"
                                     << "Videos (*.avi *.AVI)";
        QTest::newRow("no letters to case") << "Any|*"
                                            << "Any (*)";
    }
    void nameFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(OpenDialog::nameFilter(filter), expected);
    }

    void openDialogKeepsItsFileOnCancel()
    {
        forms::CommonDialog dialog;
        QVERIFY(OpenDialog::take(QStringLiteral("/v/party.avi"), dialog));
        QCOMPARE(dialog.FileName, u"/v/party.avi");
        QVERIFY(!OpenDialog::take(QString(), dialog));
        QCOMPARE(dialog.FileName, u"/v/party.avi");
    }

    void folderWithoutTrailingSeparator_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("result");
        QTest::newRow("folder") << "/srv/out"
                                << "/srv/out";
        QTest::newRow("trailing separator") << "/srv/out/"
                                            << "/srv/out";
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("cancel") << ""
                                << "(none)";
    }
    void folderWithoutTrailingSeparator()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, result);
        QCOMPARE(QString::fromStdU16String(FolderDialog::folder(chosen).value_or(u"(none)")),
                 result);
    }
};

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
