#include "ui/qt/common/FolderDialog.h"
#include "ui/qt/common/LocalFile.h"
#include "ui/qt/common/OpenDialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <filesystem>

class tst_dialogs : public QObject {
    Q_OBJECT
private slots:
    void nameFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("entries") << "All (*.avi; *.flv)|*.avi; *.flv|All files (*.*)|*.*"
                                 << "All (*.avi; *.flv) (*.avi *.AVI *.flv *.FLV);;"
                                    "All files (*.*) (*)";
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
        std::u16string file;
        QString refusal;
        QVERIFY(OpenDialog::take(QStringLiteral("/v/party.avi"), file, refusal));
        QCOMPARE(file, u"/v/party.avi");
        QVERIFY(!OpenDialog::take(QString(), file, refusal));
        QCOMPARE(file, u"/v/party.avi");
        QVERIFY(refusal.isEmpty());
    }

    // A name the file dialog gives with U+FFFD for bytes that are not UTF-8 stands for another
    // file, which may exist.
    void openDialogRefusesAMisreadName()
    {
        QTemporaryDir folder;
        const QByteArray there = QFile::encodeName(folder.path());
        for (const QByteArray& name :
             {QByteArray("/b\xe9\xff.avi"), QByteArray("/b\xef\xbf\xbd\xef\xbf\xbd.avi")})
            std::fclose(std::fopen((there + name).constData(), "w"));
        const QString misread = folder.path() + QStringLiteral("/b\uFFFD\uFFFD.avi");
        std::u16string file = u"/v/party.avi";
        QString refusal;
        QVERIFY(!OpenDialog::take(misread, file, refusal));
        QCOMPARE(file, u"/v/party.avi");
        QCOMPARE(refusal, LocalFile::misreadMessage(misread));
        std::error_code ignored;
        std::filesystem::remove(there.toStdString() + "/b\xe9\xff.avi", ignored);
        QVERIFY(OpenDialog::take(misread, file, refusal));
        QCOMPARE(QString::fromStdU16String(file), misread);
        QVERIFY(refusal.isEmpty());
    }

    // A name the folder picker gives with U+FFFD for bytes that are not UTF-8 stands for another
    // folder, where the output would go.
    void pickedFolder_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("refusal");
        const QString misread = QStringLiteral("/srv/b\uFFFD\uFFFD");
        QTest::newRow("folder") << "/srv/out"
                                << "/srv/out" << QString();
        QTest::newRow("trailing separator") << "/srv/out/"
                                            << "/srv/out" << QString();
        QTest::newRow("root") << "/"
                              << "/" << QString();
        QTest::newRow("cancel") << ""
                                << "(none)" << QString();
        QTest::newRow("misread") << misread << "(none)" << LocalFile::misreadMessage(misread);
        QTest::newRow("misread, trailing separator")
            << misread + QLatin1Char('/') << "(none)" << LocalFile::misreadMessage(misread);
    }
    void pickedFolder()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, result);
        QFETCH(QString, refusal);
        QString refused = QStringLiteral("(not cleared)");
        QCOMPARE(
            QString::fromStdU16String(FolderDialog::folder(chosen, refused).value_or(u"(none)")),
            result);
        QCOMPARE(refused, refusal);
    }
};

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
