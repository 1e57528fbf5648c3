// Worker threads started through AfxBeginThread (suspended, auto-deleting or joined by the caller)
// and events.
#include <gtest/gtest.h>

#include "framework/core/Sync.h"
#include "framework/window/WinThread.h"

namespace
{
struct WorkerBlock
{
    volatile LONG ran = 0;
    DWORD threadId = 0;
    CWinThread* seenThread = nullptr;
    HANDLE done = nullptr;
};

UINT __cdecl Worker(LPVOID pParam)
{
    auto* block = static_cast<WorkerBlock*>(pParam);
    block->threadId = ::GetCurrentThreadId();
    block->seenThread = AfxGetThread();
    ::InterlockedExchange(&block->ran, 1);
    if (block->done != nullptr)
        ::SetEvent(block->done);
    return 42;
}
} // namespace

TEST(ThreadAndSyncTest, SuspendedThreadWaitsForResumeAndIsJoinedByItsOwner)
{
    WorkerBlock block;
    CWinThread* pThread = AfxBeginThread(&Worker, &block, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    ASSERT_NE(nullptr, pThread->m_hThread);
    ::Sleep(100);
    EXPECT_EQ(0, block.ran); // the parameter block can still be completed
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 5000));
    DWORD exitCode = 0;
    EXPECT_TRUE(::GetExitCodeThread(pThread->m_hThread, &exitCode));
    EXPECT_EQ(42u, exitCode);
    EXPECT_EQ(pThread->m_nThreadID, block.threadId);
    EXPECT_EQ(pThread, block.seenThread);
    delete pThread;
}

TEST(ThreadAndSyncTest, RunningThreadDeletesItselfByDefault)
{
    CEvent done(FALSE, TRUE);
    WorkerBlock block;
    block.done = done.m_hObject;
    CWinThread* pThread = AfxBeginThread(&Worker, &block);
    ASSERT_NE(nullptr, pThread);
    EXPECT_TRUE(done.Lock(5000));
    EXPECT_EQ(1, block.ran);
    EXPECT_EQ(nullptr, AfxBeginThread(nullptr, &block));
}

TEST(ThreadAndSyncTest, AutoResetEventReleasesOneWait)
{
    CEvent cancel; // auto-reset, not signalled
    ASSERT_NE(nullptr, cancel.m_hObject);
    EXPECT_FALSE(cancel.Lock(0));
    EXPECT_TRUE(cancel.SetEvent());
    EXPECT_TRUE(cancel.Lock(0));
    EXPECT_FALSE(cancel.Lock(0)); // the wait reset it

    CEvent manual(TRUE, TRUE);
    EXPECT_TRUE(manual.Lock(0));
    EXPECT_TRUE(manual.Lock(0));
    EXPECT_TRUE(manual.ResetEvent());
    EXPECT_FALSE(manual.Lock(0));
}
