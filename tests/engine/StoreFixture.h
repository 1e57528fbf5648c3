// A test fixture whose stores keep their data folder in a scratch folder, never the real profile.
#pragma once

#include "engine/ShortCutConfig.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

class StoreTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder the store takes as the local application-data folder, and the files in its data folder.
    CString LocalAppData() const { return m_dir.Path(); }
    CString DataFolder() const { return m_dir.Path() + L"\\Keystrider"; }
    CString ConfigPath() const { return DataFolder() + L"\\Keystrider.ini"; }
    // Writes a configuration file (UTF-16LE with mark) into the data folder before a store is built.
    void PutConfig(const std::wstring& text);

    TempFolder m_dir;

private:
    SpecialFolderPathFunc m_previous = nullptr;
};

// Makes the store's local application-data folder lookup fail (no profile folder).
void SimulateNoLocalAppData(bool bNone);

// UTF-16LE bytes with the FF FE mark.
std::string Utf16File(const std::wstring& text);

// Everything a save and a load must keep: the twelve settings as text, then every item's fields.
std::wstring Snapshot(CShortCutConfig& store);

// Resets the twelve settings to the table's defaults and empties the list.
void ResetStore(CShortCutConfig& store);
