#pragma once
// The name report: every line of the analysis of one name and one birth, in order, with its colour
// and size, ready to be appended to a rich edit box one line after the other. Texts are GBK.
#include <string>
#include <vector>

#include "naming/birth_texts.h"

class DbRecordSet;
class ThreeTalentsTable;

// Colours as COLORREF values (red in the low byte).
constexpr unsigned long kReportTitleColour = 0x0000FF;        // red
constexpr unsigned long kReportHeadingColour = 0xFF0000;      // blue dashed headings
constexpr unsigned long kReportDataColour = 0xFF8800;
constexpr unsigned long kReportExplanationColour = 0xC06000;  // what each grid stands for
constexpr unsigned long kReportDatabaseColour = 0x0060C0;     // texts of the tables N81 and SC
constexpr int kReportTitleSize = 12;
constexpr int kReportTextSize = 10;

struct ReportLine {
    // The place in the report's layout, 1 to 26; a grid's block (17-21) has six lines.
    int row = 0;
    // The database texts may hold CR LF, which makes further lines in the box.
    std::string text;
    unsigned long colour = 0;
    int size = 0;
};

// g_reportInput split at "【": the full name, then the score part (" 95分】", "100分】").
extern std::vector<std::string> g_reportInputParts;
// StemBranchElementTable split at CR LF, taken anew by every report.
extern std::vector<std::string> g_stemBranchElements;

// A field of the N81 row whose "num" is the number text (fields counted from 0): field 1 with every
// "<BR>" made a line break, fields 2 to 4 with every "<BR>" removed; the empty text without a row.
// Each call runs its own query, which replaces the record set's previous result.
std::string LookupN81Field1(DbRecordSet& records, const std::string& number);
std::string LookupN81Field2(DbRecordSet& records, const std::string& number);
std::string LookupN81Field3(DbRecordSet& records, const std::string& number);
std::string LookupN81Field4(DbRecordSet& records, const std::string& number);

// The report on the full name and score of the split input line and on the birth: its lunar date,
// its zodiac animal and pillars at the birth minute (naming/birth_moment.h), grids, three talents (through talents)
// and the N81 texts (through n81Records, attached to the database). The grids split the name where
// SurnameCharsOfName puts the surname's end. No lines for an empty input.
std::vector<ReportLine> ComposeNameReport(const std::vector<std::string>& inputParts, const BirthTexts& birth,
                                          const std::vector<std::string>& stemBranchElements,
                                          ThreeTalentsTable& talents, DbRecordSet& n81Records,
                                          const std::string& surname = std::string());
