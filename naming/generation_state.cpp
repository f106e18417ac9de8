#include "generation_state.h"

std::string g_surname;
std::string g_lastFullName;
std::string g_lastScoreTag;
std::string g_fixedNameChar;
std::string g_combinationPool;
std::string g_lastCheckedPool;
int g_loopIndex = 0;
bool g_stopGeneration = false;
TextSet g_seenTexts;

void ResetGenerationState()
{
    g_surname.clear();
    g_lastFullName.clear();
    g_lastScoreTag.clear();
    g_fixedNameChar.clear();
    g_combinationPool.clear();
    g_lastCheckedPool.clear();
    g_loopIndex = 0;
    g_stopGeneration = false;
    g_seenTexts.Clear();
}
