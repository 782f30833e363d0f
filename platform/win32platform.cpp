#include "win32platform.h"

#include <windows.h>

#include <wbemidl.h>

namespace {

std::wstring wide(const std::string &text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), result.data(), size);
    return result;
}

std::string narrow(const wchar_t *text, size_t length)
{
    if (length == 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, int(length), nullptr, 0, nullptr, nullptr);
    std::string result(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, int(length), result.data(), size, nullptr, nullptr);
    return result;
}

template <class Interface> struct ComPointer {
    Interface *pointer = nullptr;
    ComPointer() = default;
    ComPointer(const ComPointer &) = delete;
    ComPointer &operator=(const ComPointer &) = delete;
    ~ComPointer()
    {
        if (pointer)
            pointer->Release();
    }
    Interface *operator->() const { return pointer; }
};

// COM for the duration of one query; the program may have initialised it already, in any model.
struct ComScope {
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComScope(const ComScope &) = delete;
    ComScope &operator=(const ComScope &) = delete;
    ComScope() = default;
    ~ComScope()
    {
        if (SUCCEEDED(result))
            CoUninitialize();
    }
};

// The text of one property of every object the query returns; nothing when anything fails.
std::vector<std::string> queryProperty(const wchar_t *query, long flags, const wchar_t *property)
{
    std::vector<std::string> values;
    const ComScope com;
    if (FAILED(com.result) && com.result != RPC_E_CHANGED_MODE)
        return values;
    // Fails harmlessly when the program has set the security already.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                         EOAC_NONE, nullptr);

    ComPointer<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void **>(&locator.pointer))))
        return values;
    ComPointer<IWbemServices> services;
    BSTR space = SysAllocString(L"\\\\.\\root\\CIMV2");
    const HRESULT connected
        = locator->ConnectServer(space, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services.pointer);
    SysFreeString(space);
    if (FAILED(connected))
        return values;
    CoSetProxyBlanket(services.pointer, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);

    ComPointer<IEnumWbemClassObject> objects;
    BSTR language = SysAllocString(L"WQL");
    BSTR text = SysAllocString(query);
    const HRESULT queried = services->ExecQuery(language, text, flags, nullptr, &objects.pointer);
    SysFreeString(language);
    SysFreeString(text);
    if (FAILED(queried))
        return values;
    for (;;) {
        ComPointer<IWbemClassObject> object;
        ULONG returned = 0;
        if (objects->Next(LONG(WBEM_INFINITE), 1, &object.pointer, &returned) != WBEM_S_NO_ERROR || returned == 0)
            break;
        VARIANT value;
        VariantInit(&value);
        if (SUCCEEDED(object->Get(property, 0, &value, nullptr, nullptr))
            && SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR)) && value.vt == VT_BSTR)
            values.push_back(narrow(value.bstrVal, SysStringLen(value.bstrVal)));
        VariantClear(&value);
    }
    return values;
}

} // namespace

std::string Win32Platform::applicationFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return {};
    // A drive's root keeps its separator: C:\ rather than C:.
    const bool root = separator == 2 && path[1] == L':';
    path.resize(root ? separator + 1 : separator);
    return narrow(path.data(), path.size());
}

std::vector<std::string> Win32Platform::systemTypes()
{
    return queryProperty(L"Select * from Win32_ComputerSystem", WBEM_FLAG_RETURN_IMMEDIATELY | WBEM_FLAG_FORWARD_ONLY,
                         L"SystemType");
}

std::vector<std::string> Win32Platform::osLanguageCodes()
{
    return queryProperty(L"SELECT * FROM Win32_OperatingSystem", WBEM_FLAG_RETURN_IMMEDIATELY, L"OSLanguage");
}

std::string Win32Platform::userInterfaceLanguageCode()
{
    return std::to_string(GetUserDefaultUILanguage());
}

bool Win32Platform::isOrdinaryFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES
        && !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

void Win32Platform::startSystemTool(const std::string &tool, const std::string &commandLine)
{
    std::wstring program(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(program.data(), UINT(program.size()));
    if (length == 0 || length >= program.size())
        return;
    program.resize(length);
    program += L'\\' + wide(tool) + L".exe";
    std::wstring command = wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void Win32Platform::yield()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
