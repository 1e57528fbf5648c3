// Shutting down up to the privilege step: ExitWindowsEx is replaced, nothing is shut down for real.
#include "engine/SystemActions.h"

#include <gtest/gtest.h>

namespace
{
struct ExitCall
{
    int nCalls;
    UINT uFlags;
    DWORD dwReason;
    BOOL bAnswer;
};
ExitCall g_exitCall;

BOOL WINAPI FakeExitWindowsEx(UINT uFlags, DWORD dwReason)
{
    ++g_exitCall.nCalls;
    g_exitCall.uFlags = uFlags;
    g_exitCall.dwReason = dwReason;
    return g_exitCall.bAnswer;
}

class ShutdownTest : public testing::Test
{
protected:
    void SetUp() override
    {
        g_exitCall = {0, 0, 0, TRUE};
        m_pfnOld = SetExitWindowsExFunc(FakeExitWindowsEx);
    }
    void TearDown() override { SetExitWindowsExFunc(m_pfnOld); }

    ExitWindowsExFunc m_pfnOld = nullptr;
};
} // namespace

TEST_F(ShutdownTest, EnablesThePrivilegeThenPassesFlagsAndPlannedReason)
{
    const UINT flags[] = {EWX_POWEROFF, EWX_POWEROFF | EWX_FORCE, EWX_REBOOT, EWX_REBOOT | EWX_FORCE};
    for (UINT f : flags)
    {
        g_exitCall.nCalls = 0;
        // An error left over from earlier calls must not pass for a refused privilege.
        SetLastError(ERROR_ACCESS_DENIED);
        EXPECT_TRUE(ShutdownSystem(f));
        EXPECT_EQ(1, g_exitCall.nCalls);
        EXPECT_EQ(f, g_exitCall.uFlags);
        EXPECT_EQ(0x80020003u, g_exitCall.dwReason);
    }

    // The privilege is now on in this process's token.
    HANDLE hToken = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &hToken));
    LUID luid = {};
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &luid));
    PRIVILEGE_SET set = {};
    set.PrivilegeCount = 1;
    set.Control = PRIVILEGE_SET_ALL_NECESSARY;
    set.Privilege[0].Luid = luid;
    BOOL bHeld = FALSE;
    EXPECT_TRUE(PrivilegeCheck(hToken, &set, &bHeld));
    EXPECT_TRUE(bHeld);
    CloseHandle(hToken);
}

TEST_F(ShutdownTest, ARefusedShutdownIsReported)
{
    g_exitCall.bAnswer = FALSE;
    EXPECT_FALSE(ShutdownSystem(EWX_REBOOT));
    EXPECT_EQ(1, g_exitCall.nCalls);
}
