#pragma once
// The texts of requests to the remote database service and of its replies: the scrambling of the
// request fields, the request bodies, the select statement, the clock prefix and the reply fields.
// Requests are "AC=<code>[&SQL=<statement>]" form posts whose field values are scrambled so they
// consist only of digits, "-" and "A".
#include <cstdint>
#include <string>
#include <vector>

// The key installed at start-up, and the one used while no key is installed.
extern const char kStartupScrambleKey[];
extern const char kFallbackScrambleKey[];
// Separator of the fields of a reply.
extern const char kReplyFieldSeparator[];

// The key text in force (empty until SetScrambleKey). User-interface thread only.
extern std::string g_scrambleKey;
void SetScrambleKey(const std::string& keyText);

// Scrambles with the key in force (the fallback key while none is installed).
std::string ScrambleRequestText(const std::string& text);
// Scrambles with a key text of comma-separated numbers: each character's code (its byte, or for a
// two-byte GBK character lead x 256 + trail read as a signed 16-bit number) XOR the next key number,
// written in decimal followed by "A"; the key numbers repeat from the first.
std::string ScrambleWithKey(const std::string& text, const std::string& keyText);
// The numbers of a key text (leading zeros ignored; a piece that is no number counts as 0).
std::vector<int16_t> ScrambleKeyNumbers(const std::string& keyText);

// Body of a server-time request, and of an SQL request whose statement follows the clock prefix.
std::string ServerTimeRequestBody();
std::string SqlRequestBody(const std::string& clockPrefix, const std::string& sql);

// "h:m:s☆々☆" of a date-time, without leading zeros.
std::string FormatClockPrefix(double dateTime);

// "select <columns> from <table>[ where <condition>]", "*" for empty columns.
std::string BuildSelectStatement(const std::string& table, const std::string& columns,
                                 const std::string& condition);

// The second field of a reply split at the separator (kReplyFieldSeparator when empty); the empty
// text when the reply has fewer than two fields (a trailing empty field does not count).
std::string SecondReplyField(const std::string& reply, const std::string& separator = "");
