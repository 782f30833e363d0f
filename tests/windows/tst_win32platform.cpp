// The Windows backend of the platform interface on the real system: the management service, files by their
// attributes, a process with a hidden window. Plain C++, like the backend it tests.

#include "win32platform.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void check(bool passed, const std::string &what)
{
    std::printf("%s: %s\n", passed ? "PASS" : "FAIL", what.c_str());
    failures += !passed;
}

} // namespace

int main()
{
    Win32Platform platform;
    // The language it reports is checked end to end by scripts/windows-check, in both languages.
    check(!platform.systemTypes().empty(), "the management service reports a computer system");

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "quarvel-test-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const struct {
        const char *name;
        DWORD attributes;
        bool ordinary;
    } files[] = {{"plain.ocx", FILE_ATTRIBUTE_NORMAL, true},
                 {"readonly.ocx", FILE_ATTRIBUTE_READONLY, true},
                 {"hidden.ocx", FILE_ATTRIBUTE_HIDDEN, false},
                 {"system.ocx", FILE_ATTRIBUTE_SYSTEM, false}};
    for (const auto &file : files) {
        const std::string path = folder + '\\' + file.name;
        CloseHandle(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        SetFileAttributesA(path.c_str(), file.attributes);
        check(platform.isOrdinaryFile(path) == file.ordinary,
              std::string(file.name) + (file.ordinary ? " counts" : " does not"));
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    check(!platform.isOrdinaryFile(folder), "a folder is no file");
    const std::string application = platform.applicationFolder();
    check(application.back() != '\\' && platform.isOrdinaryFile(application + "/tst_win32platform.exe"),
          "the application folder holds the executable, without a final separator; forward slashes do");

    // A process with a hidden window, not waited for: it leaves a marker file behind.
    const std::string marker = folder + "\\started.txt";
    const DWORD before = GetTickCount();
    platform.startHidden("cmd.exe /c echo started> \"" + marker + '"');
    check(GetTickCount() - before < 5000, "starting a process does not wait for it");
    bool started = false;
    for (const DWORD deadline = GetTickCount() + 60000; !started && GetTickCount() < deadline; Sleep(100))
        started = platform.isOrdinaryFile(marker);
    check(started, "the hidden process ran");

    for (const char *name : {"plain.ocx", "readonly.ocx", "hidden.ocx", "system.ocx", "started.txt"})
        DeleteFileA((folder + '\\' + name).c_str());
    RemoveDirectoryA(folder.c_str());
    std::printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
