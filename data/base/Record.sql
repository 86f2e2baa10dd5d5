-- First rows of Record.dll: the three age-group classes, which can never be deleted.
INSERT INTO ClassInfo VALUES(0,'小班');
INSERT INTO ClassInfo VALUES(1,'中班');
INSERT INTO ClassInfo VALUES(2,'大班');
