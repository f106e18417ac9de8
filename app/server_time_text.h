#pragma once
// The server's clock reply: a date-time text whose time may carry "上午 " (morning) or "下午 "
// (afternoon) before a 12-hour clock time, as in "2012-11-12 下午 3:30:20".
#include <cstddef>
#include <string>

// Converts the reply to a date-time of runtime/datetime.h; false when it is none. 下午 1 to 11 o'clock
// become 13 to 23; 上午 12 o'clock is midnight (hour 0) and 下午 12 o'clock stays noon.
// A reply longer than kMostServerTimeReplyBytes is none, refused before it is read: a date-time is a
// few dozen bytes, and reading megabytes would hold the window for seconds.
bool ServerTimeTextToDateTime(const std::string& reply, double& out);

inline constexpr size_t kMostServerTimeReplyBytes = 256;
