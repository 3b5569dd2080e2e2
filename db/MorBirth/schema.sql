-- MorBirth.dll: articles, QQ pairing texts, the almanac.
CREATE TABLE Noter (Cid TEXT PRIMARY KEY, Tite TEXT, content TEXT);        -- article key "a1", "b13", ...
CREATE TABLE QQpd (bihua TEXT NOT NULL, intro TEXT);                       -- sums between commas: ",12,13,"
CREATE TABLE huangdao (
  gn TEXT PRIMARY KEY CHECK (gn GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),  -- the day, a date
  nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT
);
