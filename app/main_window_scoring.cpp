#include "app/main_window_scoring.h"

#include <memory>

#include "naming/three_talents.h"

namespace {
std::unique_ptr<ThreeTalentsTable> g_mainWindowTalents;
}  // namespace

void AttachMainWindowTalents(DbConnection* connection)
{
    g_mainWindowTalents = std::make_unique<ThreeTalentsTable>(connection);
}

void ReleaseMainWindowTalents()
{
    g_mainWindowTalents.reset();
}

ThreeTalentsTable& MainWindowTalents()
{
    static ThreeTalentsTable none(nullptr);
    return g_mainWindowTalents ? *g_mainWindowTalents : none;
}
