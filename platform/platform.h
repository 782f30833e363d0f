#pragma once

#include <string>
#include <vector>

// What the program's start-up asks of the operating system. Plain C++ (texts in UTF-8), so that a backend may be
// written without Qt and the rules built on it can be tested with a fake.
class Platform
{
public:
    virtual ~Platform() = default;

    // The folder that holds the executable, without a final separator (a root keeps its own).
    virtual std::string applicationFolder() = 0;
    virtual char separator() = 0;
    // The system type of every computer-system object the management service reports ("x64-based PC");
    // none where there is no such service or it fails.
    virtual std::vector<std::string> systemTypes() = 0;
    // The language code of every operating-system object the system reports, as decimal text (2052 is
    // Chinese as used in the People's Republic of China; a system without such codes names its locale); none
    // when the code cannot be obtained.
    virtual std::vector<std::string> osLanguageCodes() = 0;
    // The language of the user's interface, the same kind of code, for when the system reports none.
    virtual std::string userInterfaceLanguageCode() = 0;
    // Whether the path names an existing ordinary file (not a folder, not hidden, not a system file).
    virtual bool isOrdinaryFile(const std::string &path) = 0;
    // Starts one of the system's own programs (tool, such as "regsvr32", from the system folder: never a
    // namesake in the program's or the current folder) with a hidden window and returns at once; its outcome
    // is not looked at. The command line starts with the tool's name.
    virtual void startSystemTool(const std::string &tool, const std::string &commandLine) = 0;
    // Lets the event loop process pending events once.
    virtual void yield() = 0;
};
