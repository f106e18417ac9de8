-- Tables of the program database "data\data.dll" (an SQLite file; texts stored as UTF-8).
-- SC: three-talents luck by the three element characters of 天格, 人格, 地格 (column 1 "title").
create table SC (id integer, title text, luck text, explain text);
-- N81: the texts of the numbers 1 to 81, found by "num" compared as text.
create table N81 (num text, 数理 text, 吉凶 text, 基业 text, 含意 text);
-- 诗词: classical poems by dynasty, poet and title.
create table 诗词 (id integer primary key, 朝代 text, 诗人 text, 诗名 text, 诗句 text);
-- mz: the user's favourite names (column 1).
create table mz (id integer primary key, 名字 text);
