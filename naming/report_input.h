#pragma once
// The one line through which every window hands a name to the name report: the full name followed
// directly by its score tag ("张三丰【 95分】"). The report splits it at "【". Texts are GBK.
#include <string>

class ThreeTalentsTable;

// The line the next report is built from; replaced by every writer, kept for the whole run.
extern std::string g_reportInput;

// True when the text is exactly two bytes forming a character of the GBK Chinese blocks, tested in
// this order: lead 81-A0 with trail 40-FE, lead AA-FE with trail 40-A0, lead B0-F7 with trail A1-FE.
bool IsGbkHanzi(const std::string& text);

// True when the text is one or two characters, each IsGbkHanzi: what the scorer reads as a surname
// and as a given name.
bool IsOneOrTwoHanzi(const std::string& text);

// What the scorer needs, said to a parent whose name it cannot read.
extern const char kScorableNameWord[];
// What the generators need of the surname.
extern const char kScorableSurnameWord[];

// The most characters of a given name the scoring window reads: a report of a longer "name" would
// take the window minutes to lay out.
inline constexpr int kMostGivenNameChars = 4;

// A given name typed into the scoring window: the report line of surname + given name (made even
// when nothing else happens) and whether a report opens for it, which needs a surname and a given
// name the scorer can read (IsOneOrTwoHanzi each); else refusal says what it needs. Neither text is
// trimmed; the given name is read to its first kMostGivenNameChars characters (a lone lead byte counts
// as one).
struct TypedNameScore {
    std::string reportInput;
    bool opensReport = false;
    std::string refusal;
};
TypedNameScore ScoreTypedName(ThreeTalentsTable& talents, const std::string& surname, const std::string& givenName);
