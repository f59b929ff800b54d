#include "app/qt/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The program rows run the program, with no display ("") or an offscreen one; the window rows
// read the file arguments in this process, the way the program hands them to its window.
class tst_CommandLine : public QObject {
    Q_OBJECT

    static void verifyMatch(const QString& text, const QString& pattern)
    {
        QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(),
                 qPrintable(QStringLiteral("'%1' does not match %2").arg(text, pattern)));
    }

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("source");

        const auto program = [](const char* name, const QStringList& arguments,
                                const QString& platform, int exitCode, const QString& output,
                                const QString& error) {
            QTest::newRow(name) << arguments << platform << exitCode << output << error
                                << QString();
        };
        const auto window = [](const char* name, const QStringList& arguments,
                               const QString& source, const QString& note = "^$") {
            QTest::newRow(name) << arguments << QString() << 0 << QString() << note << source;
        };
        const QString here = QDir::currentPath();

        program("--help needs no display", {"--help"}, "", 0,
                "^Usage: \\S*varnelo \\[options\\] \\[file\\]\\n(.|\\n)*file://", "^$");
        program("--version needs no display", {"-v"}, "", 0, "^Varnelo 3\\.0\\n$", "^$");
        program("no display", {"clip.avi"}, "", 1, "^$",
                "^Varnelo: no display to show the window on\\n$");
        program("unknown option", {"--convert"}, "offscreen", 1, "^$",
                "^Varnelo: Unknown option 'convert'\\.\\n$");

        window("no file", {}, "");
        window("relative path", {"clip.avi"}, here + "/clip.avi");
        window("absolute path, cleaned", {"/videos//old/../in put.avi"}, "/videos/in put.avi");
        window("file URL", {"file:///videos/in%20put's%20clip.avi"}, "/videos/in put's clip.avi");
        window("path that looks escaped", {"/videos/100%25 #1.avi"}, "/videos/100%25 #1.avi");
        window("two files", {"a.avi", "file:///videos/b.avi"}, here + "/a.avi",
               "^one video at a time: opening the first of the 2 files given$");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QFETCH(QString, source);

        if (platform.isNull()) {
            const CommandLine::Source chosen = CommandLine::source(arguments);
            QCOMPARE(chosen.path, source);
            verifyMatch(chosen.note, error);
            return;
        }
        const QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VARNELO_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        verifyMatch(QString::fromLocal8Bit(program.readAllStandardOutput()), output);
        verifyMatch(QString::fromLocal8Bit(program.readAllStandardError()), error);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
