// Benchmark: reading and writing configuration files of 100, 1,000 and 10,000 shortcuts, against the
// floor of moving the same bytes through CTextFile alone. Prints figures; never fails on a timing.
#include "engine/ShortCutConfig.h"
#include "engine/TextFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{
CString g_folder;

BOOL WINAPI ScratchFolder(HWND, LPWSTR pszPath, int, BOOL)
{
    wcsncpy_s(pszPath, MAX_PATH, g_folder, _TRUNCATE);
    return TRUE;
}

// The median of several runs of work, in milliseconds; prepare runs before each, untimed.
double Median(
    int runs, const std::function<void()>& work, const std::function<void()>& prepare = [] {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
    {
        prepare();
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Fill(CShortCutConfig& store, int count)
{
    FreeShortCutList(store.m_ShortCutList);
    const wchar_t* keys[] = {L"Ctrl + Alt + K", L"Win + A", L"Shift + F5", L"", L"Alt + <"};
    for (int i = 0; i < count; ++i)
    {
        ShortCutItem* item = new ShortCutItem;
        CString name, command;
        name.Format(L"Shortcut number %d", i);
        command.Format(L"C:\\Program Files\\Some Program %d\\program.exe --option=%d, more", i, i);
        item->m_pszName = _wcsdup(name);
        item->m_pszCommand = _wcsdup(command);
        item->ParseHotKey(keys[i % 5]);
        item->SetPlaySound(i % 3 != 0);
        if (i % 4 == 0)
            item->SetSoundFile(L"sounds\\ding.wav");
        store.m_ShortCutList.push_back(item);
    }
}
} // namespace

int wmain()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    g_folder.Format(L"%sks_bench_%lu", temp, GetCurrentProcessId());
    CreateDirectoryW(g_folder, nullptr);
    SetSpecialFolderPathFunc(ScratchFolder);

    wprintf(L"%-9ls %11ls %10ls %6ls %12ls %10ls %6ls %12ls %6ls %8ls\n", L"shortcuts", L"ReadConfig",
            L"floor", L"ratio", L"WriteConfig", L"floor", L"ratio", L"floor+flush", L"ratio", L"file KB");
    {
        CShortCutConfig store;
        CString path = g_folder + L"\\bench.ini";
        for (int count : {100, 1000, 10000})
        {
            Fill(store, count);
            int runs = count >= 10000 ? 9 : 25;
            CString text = store.FormatConfig();

            double write = Median(runs, [&] { store.WriteConfig(path); });
            double writeFloor = Median(runs,
                                       [&]
                                       {
                                           CTextFile file;
                                           file.Open(path, TEXT_MODE_WRITE);
                                           file.WriteBOM(TEXT_ENCODING_UTF16LE);
                                           file.SetEncoding(TEXT_ENCODING_UTF16LE);
                                           file.WriteString(text);
                                           file.Close();
                                       });
            // The same bytes flushed to the disk, as a save that survives a crash must do.
            double flushFloor = Median(runs,
                                       [&]
                                       {
                                           CTextFile file;
                                           file.Open(path, TEXT_MODE_WRITE);
                                           file.WriteBOM(TEXT_ENCODING_UTF16LE);
                                           file.SetEncoding(TEXT_ENCODING_UTF16LE);
                                           file.WriteString(text);
                                           file.Commit();
                                           file.Close();
                                       });
            double read = Median(runs,
                                 [&]
                                 {
                                     FreeShortCutList(store.m_ShortCutList);
                                     store.ReadConfig(path);
                                 });
            double readFloor = Median(runs,
                                      [&]
                                      {
                                          CTextFile file;
                                          file.Open(path, TEXT_MODE_READ);
                                          wchar_t* buffer = nullptr;
                                          file.ReadAll(&buffer, static_cast<UINT>(file.GetSize()));
                                      });
            wprintf(L"%-9d %9.2fms %8.2fms %5.2fx %10.2fms %8.2fms %5.2fx %10.2fms %5.2fx %8.1f\n", count,
                    read, readFloor, read / readFloor, write, writeFloor, write / writeFloor, flushFloor,
                    write / flushFloor, static_cast<double>(CTextFile::GetFileSize(path)) / 1024.0);
            if (store.m_ShortCutList.size() != static_cast<size_t>(count))
                wprintf(L"  (read back %u shortcuts)\n", static_cast<unsigned>(store.m_ShortCutList.size()));
        }
        wprintf(
            L"WriteConfig builds the text, writes a temporary file, flushes it to the disk and moves it\n"
            L"over the old file; \"floor\" writes the same bytes with CTextFile alone, \"floor+flush\" also\n"
            L"flushes them.\n");
        DeleteFileW(path);
        FreeShortCutList(store.m_ShortCutList);
        store.m_strConfigFilePath.Empty(); // no save into the scratch folder at the end
        DeleteFileW(g_folder + L"\\Keystrider\\Keystrider.ini");
        RemoveDirectoryW(g_folder + L"\\Keystrider");
    }
    RemoveDirectoryW(g_folder);
    return 0;
}
