// A small HTTP/1.0 server on 127.0.0.1 inside the test process, on its own thread: it answers GET
// requests for the paths it was given and 404 for every other path.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <thread>

class LoopbackServer
{
public:
    // Listens on a free port of 127.0.0.1; Port() is 0 when that failed.
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    void Serve(const std::string& path, const std::string& body);
    // Requests for this path wait until Release() before they are answered (a download in progress).
    void Hold(const std::string& path);
    void Release();

    unsigned short Port() const { return m_nPort; }
    std::wstring Url(const std::string& path) const;
    int RequestCount(const std::string& path);

private:
    void Run();
    void Answer(SOCKET s);

    SOCKET m_listen = INVALID_SOCKET;
    unsigned short m_nPort = 0;
    HANDLE m_hStop = nullptr;
    HANDLE m_hRelease = nullptr;
    std::mutex m_lock;
    std::map<std::string, std::string> m_bodies;
    std::map<std::string, int> m_requests;
    std::string m_held;
    std::thread m_thread;
};

// A port on 127.0.0.1 where nothing listens (bound once, then closed).
unsigned short ClosedLoopbackPort();
