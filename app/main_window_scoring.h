#pragma once
// The one three-talents table of MainWindow: every scorer of the window (the timer ticks on the
// user-interface thread, the combination worker) reads table SC through it, on the connection
// 数据库连接1. Its lookups are locked, so they never overlap.
class DbConnection;
class ThreeTalentsTable;

// Makes the table on the window's connection (replacing one made before).
void AttachMainWindowTalents(DbConnection* connection);
// Frees it; call only once no worker scores any more. Scoring afterwards finds no talents.
void ReleaseMainWindowTalents();
ThreeTalentsTable& MainWindowTalents();
