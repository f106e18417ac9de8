/* The small program the skin starts when the application loses the activation: it empties the working
   set of the process whose id its command line names ("empty.exe" <process id>). It has no C runtime
   (the skin carries its bytes), so it parses its own command line and ends with ExitProcess:
   0 when the working set was emptied, 1 when the id was missing or the process could not be opened,
   2 when the system refused. */
#include <windows.h>

static const char* SkipProgramName(const char* line)
{
    if (*line == '"') {
        ++line;
        while (*line && *line != '"')
            ++line;
        if (*line == '"')
            ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t')
            ++line;
    }
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

/* The decimal number at the start of the text; 0 when there is none or it does not fit. */
static DWORD ParseProcessId(const char* text)
{
    DWORD id = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const DWORD digit = (DWORD)(*text - '0');
        if (id > (0xFFFFFFFFu - digit) / 10u)
            return 0;
        id = id * 10u + digit;
    }
    return id;
}

void mainCRTStartup(void)
{
    const DWORD id = ParseProcessId(SkipProgramName(GetCommandLineA()));
    HANDLE process = id ? OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, id) : NULL;
    if (!process)
        ExitProcess(1);
    const BOOL emptied = SetProcessWorkingSetSize(process, (SIZE_T)-1, (SIZE_T)-1);
    CloseHandle(process);
    ExitProcess(emptied ? 0 : 2);
}
