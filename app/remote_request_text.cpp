#include "app/remote_request_text.h"

#include "runtime/datetime.h"
#include "runtime/text.h"

const char kStartupScrambleKey[] = "27,63,41,88,15,52";
const char kFallbackScrambleKey[] = "74,19,36,95,60,23";
const char kReplyFieldSeparator[] = "々☆";

std::string g_scrambleKey;

void SetScrambleKey(const std::string& keyText)
{
    g_scrambleKey = keyText;
}

std::string ScrambleRequestText(const std::string& text)
{
    return ScrambleWithKey(text, g_scrambleKey.empty() ? std::string(kFallbackScrambleKey) : g_scrambleKey);
}

std::vector<int16_t> ScrambleKeyNumbers(const std::string& keyText)
{
    std::vector<int16_t> key;
    for (const std::string& piece : TextSplit(keyText, ","))
        key.push_back(static_cast<int16_t>(TextToInt(piece)));
    return key;
}

std::string ScrambleWithKey(const std::string& text, const std::string& keyText)
{
    std::vector<int16_t> key = ScrambleKeyNumbers(keyText);
    if (key.empty())
        key.push_back(0);

    std::string scrambled;
    size_t keyIndex = 0;
    for (size_t i = 0; i < text.size();) {
        const int length = GbkCharLengthAt(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        const int code = length == 2 ? static_cast<int16_t>(lead << 8 | static_cast<unsigned char>(text[i + 1])) : lead;
        scrambled += IntToText(static_cast<int16_t>(code ^ key[keyIndex]));
        scrambled += 'A';
        keyIndex = (keyIndex + 1) % key.size();
        i += static_cast<size_t>(length);
    }
    return scrambled;
}

std::string ServerTimeRequestBody()
{
    return "AC=" + ScrambleRequestText("3");
}

std::string SqlRequestBody(const std::string& clockPrefix, const std::string& sql)
{
    return "AC=" + ScrambleRequestText("2") + "&SQL=" + ScrambleRequestText(clockPrefix + sql);
}

std::string FormatClockPrefix(double dateTime)
{
    const DateTimeParts parts = SplitDateTime(dateTime);
    return IntToText(parts.hour) + ":" + IntToText(parts.minute) + ":" + IntToText(parts.second) + "☆々☆";
}

std::string BuildSelectStatement(const std::string& table, const std::string& columns,
                                 const std::string& condition)
{
    std::string sql = "select " + (columns.empty() ? std::string("*") : columns) + " from " + table;
    if (!condition.empty())
        sql += " where " + condition;
    return sql;
}

std::string SecondReplyField(const std::string& reply, const std::string& separator)
{
    const std::vector<std::string> fields =
        TextSplit(reply, separator.empty() ? std::string(kReplyFieldSeparator) : separator);
    return fields.size() >= 2 ? fields[1] : std::string();
}
