// The Windows backend of the platform interface, on the real system: the management service, files by
// their attributes, a process with a hidden window. Plain C++, like the backend it tests.

#include "languageselection.h"
#include "startupprobe.h"
#include "win32platform.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void check(bool passed, const std::string &what)
{
    std::printf("%s: %s\n", passed ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!passed)
        ++failures;
}

bool allDigits(const std::string &text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

std::string makeFile(const std::string &folder, const char *name, DWORD attributes)
{
    const std::string path = folder + '\\' + name;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    SetFileAttributesA(path.c_str(), attributes);
    return path;
}

void managementService(Win32Platform &platform)
{
    const auto types = platform.systemTypes();
    for (const std::string &type : types)
        std::printf("Win32_ComputerSystem.SystemType = \"%s\"\n", type.c_str());
    check(!types.empty(), "the management service reports a computer system");
    const auto codes = platform.osLanguageCodes();
    for (const std::string &code : codes)
        std::printf("Win32_OperatingSystem.OSLanguage = %s\n", code.c_str());
    check(codes.size() == 1 && allDigits(codes[0]), "the management service reports one operating system language");
}

void files(Win32Platform &platform)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "quarvel-test-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);

    check(platform.isOrdinaryFile(makeFile(folder, "plain.ocx", FILE_ATTRIBUTE_NORMAL)), "a plain file is ordinary");
    check(platform.isOrdinaryFile(makeFile(folder, "readonly.ocx", FILE_ATTRIBUTE_READONLY)), "a read-only file is ordinary");
    check(!platform.isOrdinaryFile(makeFile(folder, "hidden.ocx", FILE_ATTRIBUTE_HIDDEN)), "a hidden file is not");
    check(!platform.isOrdinaryFile(makeFile(folder, "system.ocx", FILE_ATTRIBUTE_SYSTEM)), "a system file is not");
    CreateDirectoryA((folder + "\\en.dll").c_str(), nullptr);
    check(!platform.isOrdinaryFile(folder + "\\en.dll"), "a folder is not");
    check(!platform.isOrdinaryFile(folder + "\\missing.ocx"), "a missing file is not");
    std::string forward = folder + "/plain.ocx";
    for (char &c : forward)
        c = c == '\\' ? '/' : c;
    check(platform.isOrdinaryFile(forward), "forward slashes name the same file");

    const std::string application = platform.applicationFolder();
    std::printf("application folder: %s\n", application.c_str());
    check(application.back() != '\\' && platform.isOrdinaryFile(application + "\\tst_win32platform.exe"),
          "the application folder holds the executable and has no final separator");

    // A process with a hidden window, not waited for: it leaves a marker file behind.
    const std::string marker = folder + "\\started.txt";
    const DWORD before = GetTickCount();
    platform.startHidden("cmd.exe /c echo started> \"" + marker + '"');
    check(GetTickCount() - before < 5000, "starting a process does not wait for it");
    bool started = false;
    for (const DWORD deadline = GetTickCount() + 60000; !started && GetTickCount() < deadline; Sleep(100))
        started = platform.isOrdinaryFile(marker);
    check(started, "the hidden process ran");
}

// The real platform, but with an application folder of the test's choosing; it remembers what it starts.
struct ProbedPlatform : Win32Platform {
    std::string folder;
    std::vector<std::string> started;
    std::string applicationFolder() override { return folder; }
    void startHidden(const std::string &commandLine) override
    {
        started.push_back(commandLine);
        Win32Platform::startHidden(commandLine);
    }
};

void probeWithCopies(const std::string &temp)
{
    // Copies of both components beside the program, in a folder with blanks in its path: whatever the
    // system folder lacks is registered from there, the path quoted.
    ProbedPlatform platform;
    platform.folder = temp + "\\Program Files (test)";
    CreateDirectoryA(platform.folder.c_str(), nullptr);
    makeFile(platform.folder, "MSCOMCTL.OCX", FILE_ATTRIBUTE_NORMAL);
    makeFile(platform.folder, "Comctl32.ocx", FILE_ATTRIBUTE_NORMAL);
    const auto types = platform.systemTypes();
    const bool wow64 = !types.empty() && types[0].find("64") != std::string::npos;
    const char *first = wow64 ? "MSCOMCTL.OCX" : "Comctl32.ocx";
    const char *second = wow64 ? "Comctl32.ocx" : "MSCOMCTL.OCX";
    const std::string system = wow64 ? "c:/windows/syswow64/" : "c:/windows/system32/";
    std::vector<std::string> expected;
    for (const char *name : {first, second}) {
        if (!platform.isOrdinaryFile(system + name))
            expected.push_back("regsvr32 /s \"" + platform.folder + '\\' + name + '"');
    }
    StartupProbe::run(platform);
    for (const std::string &command : platform.started)
        std::printf("started: %s\n", command.c_str());
    check(types.size() == 1 && platform.started == expected, "the probe registers what the system folder lacks");
}

void startupRules(Win32Platform &platform)
{
    const auto codes = platform.osLanguageCodes();
    const bool english = LanguageSelection::english(platform, false);
    std::printf("interface language: %s\n", english ? "English" : "Chinese");
    const std::string interfaceCode = platform.userInterfaceLanguageCode();
    check(allDigits(interfaceCode), "the user's interface language is a code: " + interfaceCode);
    check(english == ((codes.empty() ? interfaceCode : codes.back()) != "2052"),
          "the language follows the system's code, else the user's interface language");
}

void removeTestFolder(const std::string &folder)
{
    for (const char *name : {"plain.ocx", "readonly.ocx", "hidden.ocx", "system.ocx", "started.txt",
                             "Program Files (test)\\MSCOMCTL.OCX", "Program Files (test)\\Comctl32.ocx"}) {
        const std::string path = folder + '\\' + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
    for (const char *name : {"en.dll", "Program Files (test)"})
        RemoveDirectoryA((folder + '\\' + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace

int main()
{
    Win32Platform platform;
    managementService(platform);
    files(platform);
    startupRules(platform);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "quarvel-test-" + std::to_string(GetCurrentProcessId());
    probeWithCopies(folder);
    removeTestFolder(folder);
    std::printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
