-- MorFile.dll: name science, constellation topics, Zhuge signs, fingerprints.
CREATE TABLE bihua (num TEXT PRIMARY KEY, hanzi TEXT NOT NULL);            -- one row per stroke count
CREATE TABLE zhiwen (zhiwen TEXT PRIMARY KEY, content TEXT);               -- content scrambled
CREATE TABLE zhuge (id TEXT PRIMARY KEY, title TEXT, content TEXT);        -- id "000".."383"; content scrambled
CREATE TABLE ndeq (title TEXT PRIMARY KEY, content TEXT);
CREATE TABLE aiqing (title TEXT PRIMARY KEY, content TEXT);
CREATE TABLE mingren (title TEXT PRIMARY KEY, content TEXT);
CREATE TABLE baojian (title TEXT PRIMARY KEY, content TEXT);
CREATE TABLE qingxv (title TEXT PRIMARY KEY, content TEXT);
CREATE TABLE shiye (title TEXT PRIMARY KEY, content TEXT);
CREATE TABLE sancai (title TEXT PRIMARY KEY, djc INTEGER NOT NULL, content TEXT);  -- content scrambled
CREATE TABLE "81" (num INTEGER PRIMARY KEY, yy TEXT, jx TEXT, "as" TEXT, content TEXT);
CREATE TABLE namefx (num TEXT PRIMARY KEY, content TEXT);                  -- content scrambled
CREATE TABLE sancai2009 (
  title TEXT PRIMARY KEY,   -- three-talent key such as 木火土
  yy TEXT,                  -- the configuration's verse
  pinglun TEXT,             -- detailed comment
  jichu TEXT,               -- influence on the foundation
  chenggong TEXT,           -- influence on success
  renji TEXT,               -- influence on relations with others
  xingge TEXT,              -- influence on character
  zongping TEXT,            -- summary and advice
  pingfen TEXT              -- rating phrase
);
