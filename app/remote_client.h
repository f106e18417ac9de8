#pragma once
// The client of the remote database service: the server's clock, fetched when connecting and kept
// running by a one-second timer, and select statements sent as scrambled form posts. Everything here
// runs on the user-interface thread; each exchange waits for its reply while handling messages.
#include <windows.h>

#include <string>

// The service the program connects to at start-up. No such service exists for this program, so the
// address reaches nothing (a closed port of this machine) and the connection fails at once.
extern const char kRemoteServiceBaseUrl[];
extern const char kRemoteServicePage[];
// Text of a failed connection.
extern const char kNetworkErrorText[];

extern std::string g_serverBaseUrl;  // always ending in "/" once connected
extern std::string g_serverPage;
extern double g_serverClock;         // date-time; 0 until the server's time is known
extern std::string g_networkError;   // the last connection error

// Stores the address, fetches the server's time and starts the server clock as a timer of the window.
// False when the server's reply was no date-time (g_networkError says so) or the timer could not be
// started.
bool ConnectServer(const std::string& baseUrl, const std::string& page, HWND window);
// The reply to one server-time request; empty on failure.
std::string RequestServerTime();
// Fetches the server's time again and converts it; 0 when the reply is no date-time.
double ParseServerTime();
// Advances the server clock by one second (the timer's work).
void TickServerClock();
// The clock prefix of SQL requests: "h:m:s☆々☆" of the server clock.
std::string FormatServerClockText();

// The reply to one SQL request; empty on failure.
std::string PostScrambledSql(const std::string& sql);
// Sends "select <columns> from <table>[ where <condition>]" and returns the reply.
std::string SendRemoteSelect(const std::string& table, const std::string& columns, const std::string& condition);
// The second field of the select's reply (fields separated by the separator, "々☆" when empty).
std::string QueryRemoteField(const std::string& table, const std::string& columns, const std::string& condition,
                             const std::string& separator = "");
