-- dream.dll: the bone weights and their verses, the phone-number readings.
CREATE TABLE chenggu1 (year TEXT PRIMARY KEY, weight REAL NOT NULL);       -- lunar year in digits
CREATE TABLE chenggu2 (month2 TEXT PRIMARY KEY, weight REAL NOT NULL);     -- lunar month "1".."12"
CREATE TABLE chenggu3 (day2 TEXT PRIMARY KEY, weight REAL NOT NULL);       -- lunar day "1".."30"
CREATE TABLE chenggu4 (time TEXT PRIMARY KEY, weight REAL NOT NULL);       -- clock hour "0".."23"
CREATE TABLE chenggu (weight TEXT PRIMARY KEY, content TEXT, content2 TEXT);  -- weight code "21".."71"
CREATE TABLE shouji (num TEXT PRIMARY KEY, title TEXT, jx TEXT, content TEXT);  -- remainder "0".."79"
