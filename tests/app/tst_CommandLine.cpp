#include "app/qt/CommandLine.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The program rows run the program, with no display ("") or an offscreen one.
class tst_CommandLine : public QObject {
    Q_OBJECT

    static void verifyMatch(const QString& text, const QString& pattern)
    {
        QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(),
                 qPrintable(QStringLiteral("'%1' does not match %2").arg(text, pattern)));
    }

private slots:
    // Each name keeps the system's bytes: one with no exact text is marked, never taken for
    // its look-alike.
    void filesAreReadAsTheSystemNamesThem()
    {
        const auto files = CommandLine::files({"clip.avi", "b\xe9\xff.avi"});
        QCOMPARE(files.size(), std::size_t(2));
        QVERIFY(files[0].exact && files[0].text == u"clip.avi");
        QVERIFY(!files[1].exact && files[1].text == u"b\uFFFD\uFFFD.avi");
    }

    void commandLine_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");

        const auto program = [](const char* name, const QByteArrayList& arguments,
                                const QString& platform, int exitCode, const QString& output,
                                const QString& error) {
            QTest::newRow(name) << arguments << platform << exitCode << output << error;
        };

        program("--help needs no display", {"--help"}, "", 0,
                "^Usage: \\S*varnelo \\[options\\] \\[file\\]\\n(.|\\n)*file://", "^$");
        program("--help-all needs no display", {"--help-all"}, "", 0,
                "^Usage: \\S*varnelo \\[options\\] \\[file\\]\\n(.|\\n)*-platform", "^$");
        program("--version needs no display", {"-v"}, "", 0, "^Varnelo 3\\.0\\n$", "^$");
        program("no display", {"clip.avi"}, "", 1, "^$",
                "^Varnelo: no display to show the window on\\n$");
        program("unknown option", {"--convert"}, "offscreen", 1, "^$",
                "^Varnelo: Unknown option 'convert'\\.\\n$");
        program("unknown option needs no display", {"clip.avi", "--convert"}, "", 1, "^$",
                "^Varnelo: Unknown option 'convert'\\.\\n$");
    }

    void commandLine()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);

        const QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        QStringList texts;
        for (const QByteArray& argument : arguments)
            texts << QString::fromLocal8Bit(argument);
        program.start(QStringLiteral(VARNELO_PROGRAM), texts);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        verifyMatch(QString::fromLocal8Bit(program.readAllStandardOutput()), output);
        verifyMatch(QString::fromLocal8Bit(program.readAllStandardError()), error);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
