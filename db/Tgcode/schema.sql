-- Tgcode.dll: the chart lookups, useful-god texts, jie-term instants and hexagrams.
CREATE TABLE hzwh (hz TEXT NOT NULL, wh TEXT NOT NULL);                    -- characters of one element
CREATE TABLE Shishen (jiazi TEXT PRIMARY KEY, ShiShen TEXT NOT NULL);      -- day stem + other stem
CREATE TABLE jiazi (jiazi TEXT PRIMARY KEY, layin TEXT NOT NULL);          -- pair -> nayin
CREATE TABLE sjrs (wh TEXT NOT NULL, sj TEXT NOT NULL, sjrs TEXT, PRIMARY KEY (wh, sj));
CREATE TABLE qtbj (tg TEXT NOT NULL, dz TEXT NOT NULL, content TEXT, PRIMARY KEY (tg, dz));
CREATE TABLE JQ (
  YearA INTEGER NOT NULL,   -- the solar year the term falls in
  JQ TEXT NOT NULL,         -- term name
  SJ TEXT NOT NULL CHECK (SJ GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]*'),
                            -- Beijing date-time
  PRIMARY KEY (YearA, JQ)
);
CREATE TABLE "64gua" (ID INTEGER PRIMARY KEY, GuaCode TEXT, GuaTite TEXT, GuaValue TEXT);
