#include "app/qt/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <filesystem>

// The program rows run the program, with no display ("") or an offscreen one; the window rows
// read the file arguments in this process, the way the program hands them to its window.
class tst_CommandLine : public QObject {
    Q_OBJECT

    static void verifyMatch(const QString& text, const QString& pattern)
    {
        QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(),
                 qPrintable(QStringLiteral("'%1' does not match %2").arg(text, pattern)));
    }

    QTemporaryDir videos;

private slots:
    void initTestCase()
    {
        QVERIFY(videos.isValid());
        QVERIFY(QDir::setCurrent(videos.path()));
        QDir().mkdir(QStringLiteral("sub"));
        // The second is the name Qt reads the third's bytes as: the one a misread name would
        // convert instead.
        for (const QByteArray& name :
             {QByteArray("clip.avi"), QByteArray("100%25 #1.avi"),
              QByteArray("b\xef\xbf\xbd\xef\xbf\xbd.avi"), QByteArray("b\xe9\xff.avi")}) {
            const QByteArray bytes = QFile::encodeName(videos.path()) + '/' + name;
            FILE* made = std::fopen(bytes.constData(), "w");
            QVERIFY(made);
            std::fclose(made);
        }
    }

    // Qt cannot name the file that is not UTF-8 to remove it.
    void cleanupTestCase()
    {
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(videos.path()).toStdString(), ignored);
    }

    void commandLine_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("source");

        const auto program = [](const char* name, const QByteArrayList& arguments,
                                const QString& platform, int exitCode, const QString& output,
                                const QString& error) {
            QTest::newRow(name) << arguments << platform << exitCode << output << error
                                << QString();
        };
        const auto window = [](const char* name, const QByteArrayList& arguments,
                               const QString& source, const QString& note = "^$") {
            QTest::newRow(name) << arguments << QString() << 0 << QString() << note << source;
        };
        const QString here = videos.path();
        const QByteArray there = here.toUtf8();

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

        window("no file", {}, "");
        window("relative path", {"clip.avi"}, here + "/clip.avi");
        window("absolute path, cleaned", {there + "//sub/../clip.avi"}, here + "/clip.avi");
        window("file URL", {"file://" + there + "/100%2525%20%231.avi"}, here + "/100%25 #1.avi");
        window("file URL on localhost", {"file://localhost" + there + "/clip.avi"},
               here + "/clip.avi");
        window("file URL of another computer", {"file://server" + there + "/clip.avi"}, "",
               "^file://server\\S*/clip.avi was not taken: it is on another computer$");
        window("path that looks escaped", {"100%25 #1.avi"}, here + "/100%25 #1.avi");
        window("two files", {"clip.avi", "file:///videos/b.avi"}, here + "/clip.avi",
               "^one video at a time: opening the first of the 2 files given$");
        window("missing file", {"missing.avi", "clip.avi"}, "",
               "^one video at a time: opening the first of the 2 files given\\n"
               "missing.avi was not taken: there is no such file$");
        window("folder", {"sub"}, "", "^sub was not taken: it is a folder, not a video$");
        window("web address", {"https://example.com/clip.avi"}, "",
               "^https://example.com/clip.avi was not taken: only a file on this computer can "
               "be converted$");
        window("name that is not UTF-8", {"b\xe9\xff.avi"}, "",
               "^b\uFFFD\uFFFD.avi was not taken: its name is not valid UTF-8 text");
        window("file URL of a name that is not UTF-8", {"file://" + there + "/b%E9%FF.avi"}, "",
               "^file://\\S*/b%E9%FF.avi was not taken: its name is not valid UTF-8 text");
    }

    void commandLine()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QFETCH(QString, source);

        if (platform.isNull()) {
            const CommandLine::Source chosen = CommandLine::source(arguments);
            QCOMPARE(chosen.path, source);
            verifyMatch(chosen.notes.join(QLatin1Char('\n')), error);
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
