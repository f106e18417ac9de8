#pragma once
// Starts app/http_test_server.py on 127.0.0.1 for a Wine test (a Linux program started from Wine) and
// reads what it received. The server ends when this object is destroyed.
#include <string>
#include <vector>

namespace remote_test {

class TestHttpServer {
public:
    TestHttpServer() = default;
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    // Modes of http_test_server.py: "answer", "silent", "garbage", "drip", "close", "huge", "error", "big",
    // "echo". In "answer" mode time requests get timeReply and other requests sqlReply (GBK bytes); in
    // "error" mode every request gets the status 500 with timeReply. False when the server did not
    // come up.
    bool Start(const std::string& mode, const std::string& timeReply = "", const std::string& sqlReply = "");
    int Port() const { return port_; }
    // "http://127.0.0.1:<port>/"
    std::string BaseUrl() const;
    // The requests received so far, each its head and body as received.
    std::vector<std::string> Requests() const;

private:
    std::string portFile_, logFile_;  // Windows paths
    int port_ = 0;
};

// Undoes the request scrambling with the given key text, for checking what the client sent.
std::string Unscramble(const std::string& scrambled, const std::string& keyText);
// The value of a form field ("AC", "SQL") of a request body.
std::string FormField(const std::string& body, const std::string& name);
// The body of a request as the server logged it (after the blank line).
std::string RequestBody(const std::string& request);

}  // namespace remote_test
