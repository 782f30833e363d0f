// The Windows lines of the platform layer on the real system (under Wine when cross-compiled): the management
// service, files by their attributes, the system's own tools, the ANSI code page, regular files and the console.

#include "console.h"
#include "regularfile.h"
#include "systemtext.h"
#include "win32platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

namespace {

std::string local(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace

class TestWin32Platform : public QObject
{
    Q_OBJECT

private slots:
    // The language it reports is checked end to end by scripts/windows-check, in both languages.
    void managementService() { QVERIFY(!Win32Platform().systemTypes().empty()); }

    void ordinaryFiles_data()
    {
        QTest::addColumn<DWORD>("attributes");
        QTest::addColumn<bool>("ordinary");
        QTest::newRow("plain") << DWORD(FILE_ATTRIBUTE_NORMAL) << true;
        QTest::newRow("hidden") << DWORD(FILE_ATTRIBUTE_HIDDEN) << false;
        QTest::newRow("system") << DWORD(FILE_ATTRIBUTE_SYSTEM) << false;
    }
    void ordinaryFiles()
    {
        QFETCH(DWORD, attributes);
        QFETCH(bool, ordinary);
        QTemporaryDir folder;
        const QString path = folder.filePath("component.ocx");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        SetFileAttributesW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()), attributes);
        QCOMPARE(Win32Platform().isOrdinaryFile(local(path)), ordinary);
        SetFileAttributesW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                           FILE_ATTRIBUTE_NORMAL);
        QVERIFY(!Win32Platform().isOrdinaryFile(local(folder.path())));
    }

    // The system's own cmd.exe, not the namesake in the current folder, runs hidden; starting it does not wait.
    void systemTool()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.filePath("cmd.exe")));
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const std::string marker = local(folder.filePath("started.txt"));
        QElapsedTimer clock;
        clock.start();
        Win32Platform().startSystemTool("cmd", "cmd /c echo started> \"" + marker + '"');
        QVERIFY(clock.elapsed() < 5000);
        QDir::setCurrent(before);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(marker)), 60000);
    }

    // Code page 936 (GBK), as on a Chinese system; invalid sequences refused.
    void codePage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("text");
        QTest::newRow("GBK") << QByteArray("\xD3\xA2\xCC\xD8\xB6\xFB Xeon") << true << "英特尔 Xeon";
        QTest::newRow("a lead byte cut off") << QByteArray("Xeon \x81") << false << "";
        QTest::newRow("no character") << QByteArray("\xFF") << false << "";
    }
    void codePage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QString, text);
        if (GetACP() != 936)
            QSKIP("not a Chinese system");
        QString decoded = QStringLiteral("before");
        QCOMPARE(SystemText::decode(bytes.constData(), bytes.size(), decoded), valid);
        if (valid)
            QCOMPARE(decoded, text);
    }

    // A disk file opens (tst_catalogue reads them under Wine); a folder, a device and a pipe do not, and nothing
    // waits for a writer.
    void regularFiles()
    {
        QTemporaryDir folder;
        QFile catalogue(folder.filePath("data.dll"));
        QVERIFY(catalogue.open(QIODevice::WriteOnly) && catalogue.write("Intel X,1\r\n") > 0);
        catalogue.close();
        QVERIFY(RegularFile().open(catalogue.fileName()));
        const HANDLE pipe = CreateNamedPipeW(L"\\\\.\\pipe\\quarvel-test", PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1,
                                             4096, 4096, 0, nullptr);
        QVERIFY(pipe != INVALID_HANDLE_VALUE);
        QElapsedTimer clock;
        clock.start();
        for (const QString &path : {folder.path(), QStringLiteral("NUL"), QStringLiteral("\\\\.\\pipe\\quarvel-test"),
                                    folder.filePath("missing.dll")}) {
            RegularFile other;
            QVERIFY2(!other.open(path), qPrintable(path));
            QVERIFY(!other.isOpen());
        }
        QVERIFY(clock.elapsed() < 5000);
        CloseHandle(pipe);
    }

    // Redirected to a file: UTF-8. In a console (tests/windows runs this test in a terminal): the console's
    // Unicode interface, read back from its screen; Wine gives a console only to a program in a terminal.
    void consoleWriting()
    {
        const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
        DWORD mode = 0;
        if (!GetConsoleMode(out, &mode))
            QSKIP("standard output is no console here");
        CONSOLE_SCREEN_BUFFER_INFO before{};
        QVERIFY(GetConsoleScreenBufferInfo(out, &before));
        const QString text = QStringLiteral("英特尔 Xeon");
        QVERIFY(Console::write(stdout, text));
        std::wstring shown(size_t(text.size()), L' ');
        DWORD read = 0;
        QVERIFY(ReadConsoleOutputCharacterW(out, shown.data(), DWORD(shown.size()), before.dwCursorPosition, &read));
        QCOMPARE(QString::fromStdWString(shown), text);
    }
};

QTEST_GUILESS_MAIN(TestWin32Platform)
#include "tst_win32platform.moc"
