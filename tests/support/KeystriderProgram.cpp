#include "tests/support/KeystriderProgram.h"

#include "tests/support/ChildProcess.h"

#include <shlobj.h>

std::wstring KeystriderDataFolder()
{
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, path, CSIDL_LOCAL_APPDATA, FALSE))
        return L"";
    return std::wstring(path) + L"\\Keystrider";
}

std::wstring KeystriderConfigFile()
{
    return KeystriderDataFolder() + L"\\Keystrider.ini";
}

void ClearKeystriderDataFolder()
{
    const std::wstring folder = KeystriderDataFolder();
    ::DeleteFileW((folder + L"\\Keystrider.ini").c_str());
    ::DeleteFileW((folder + L"\\pad_keystrider.xml").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int RunRemote(const std::wstring& args)
{
    ChildProcess remote;
    if (!remote.Start(TestBinPath(L"keystrider_remote.exe"), args))
        return -1;
    if (!remote.WaitForExit(kProgramStartTimeoutMs + 5000))
        return -1;
    return static_cast<int>(remote.ExitCode());
}
