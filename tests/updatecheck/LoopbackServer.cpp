// LoopbackServer: accepts one connection at a time, reads the request line, answers and closes.
#include "tests/updatecheck/LoopbackServer.h"

#include <ws2tcpip.h>

namespace
{
struct WinsockScope
{
    WinsockScope()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockScope() { WSACleanup(); }
};

SOCKET ListenOnLoopback(unsigned short& nPort)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return s;
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    int nLen = sizeof(addr);
    if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || listen(s, 8) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&addr), &nLen) != 0)
    {
        closesocket(s);
        return INVALID_SOCKET;
    }
    nPort = ntohs(addr.sin_port);
    return s;
}

WinsockScope& Winsock()
{
    static WinsockScope scope;
    return scope;
}
} // namespace

LoopbackServer::LoopbackServer()
{
    Winsock();
    m_hStop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_hRelease = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_listen = ListenOnLoopback(m_nPort);
    if (m_listen != INVALID_SOCKET)
        m_thread = std::thread(&LoopbackServer::Run, this);
}

LoopbackServer::~LoopbackServer()
{
    SetEvent(m_hStop);
    SetEvent(m_hRelease);
    if (m_thread.joinable())
        m_thread.join();
    if (m_listen != INVALID_SOCKET)
        closesocket(m_listen);
    CloseHandle(m_hRelease);
    CloseHandle(m_hStop);
}

void LoopbackServer::Serve(const std::string& path, const std::string& body)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_bodies[path] = body;
}

void LoopbackServer::Hold(const std::string& path)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_held = path;
    ResetEvent(m_hRelease);
}

void LoopbackServer::Release()
{
    SetEvent(m_hRelease);
}

std::wstring LoopbackServer::Url(const std::string& path) const
{
    return L"http://127.0.0.1:" + std::to_wstring(m_nPort) + std::wstring(path.begin(), path.end());
}

int LoopbackServer::RequestCount(const std::string& path)
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_requests[path];
}

void LoopbackServer::Run()
{
    for (;;)
    {
        // Poll the listening socket so that the destructor's stop is seen within a short while.
        fd_set set;
        FD_ZERO(&set);
        FD_SET(m_listen, &set);
        timeval wait = {0, 50000};
        int nReady = select(0, &set, nullptr, nullptr, &wait);
        if (WaitForSingleObject(m_hStop, 0) == WAIT_OBJECT_0)
            return;
        if (nReady <= 0)
            continue;
        SOCKET s = accept(m_listen, nullptr, nullptr);
        if (s == INVALID_SOCKET)
            continue;
        Answer(s);
        closesocket(s);
    }
}

void LoopbackServer::Answer(SOCKET s)
{
    // The request head ends with an empty line; the body of a GET is empty.
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384)
    {
        int n = recv(s, buffer, sizeof(buffer), 0);
        if (n <= 0)
            return;
        request.append(buffer, static_cast<size_t>(n));
    }
    std::string path;
    size_t nStart = request.find(' ');
    size_t nEnd = nStart == std::string::npos ? nStart : request.find(' ', nStart + 1);
    if (nEnd != std::string::npos)
        path = request.substr(nStart + 1, nEnd - nStart - 1);

    std::string body;
    bool bFound = false;
    bool bHold = false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        ++m_requests[path];
        auto it = m_bodies.find(path);
        if (it != m_bodies.end())
        {
            body = it->second;
            bFound = true;
        }
        bHold = path == m_held;
    }
    if (bHold)
        WaitForSingleObject(m_hRelease, INFINITE);

    std::string response = bFound ? "HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\n"
                                  : "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n";
    if (!bFound)
        body = "<html><body>Not Found</body></html>";
    response +=
        "Cache-Control: no-cache\r\nConnection: close\r\nContent-Length: " + std::to_string(body.size()) +
        "\r\n\r\n" + body;
    size_t nSent = 0;
    while (nSent < response.size())
    {
        int n = send(s, response.data() + nSent, static_cast<int>(response.size() - nSent), 0);
        if (n <= 0)
            break;
        nSent += static_cast<size_t>(n);
    }
    shutdown(s, SD_SEND);
}

unsigned short ClosedLoopbackPort()
{
    Winsock();
    unsigned short nPort = 0;
    SOCKET s = ListenOnLoopback(nPort);
    if (s != INVALID_SOCKET)
        closesocket(s);
    return nPort;
}
