-- Record.dll: classes, child archives and attendance events.

-- Classes; the stored row order is the order every class list shows.
CREATE TABLE ClassInfo(
    ID INTEGER,
    ClassName TEXT
);
CREATE INDEX ClassInfo_ClassName ON ClassInfo(ClassName);

-- One archive per child. Every column is text: archive and student numbers keep
-- their leading zeros, height and weight stay exactly as typed.
CREATE TABLE ArchivesBase(
    ArchID TEXT,
    ArchName TEXT,
    Gender TEXT,
    Nation TEXT,
    Height TEXT,
    Weight TEXT,
    Birth TEXT,
    SchoolName TEXT,
    InTime TEXT,
    Class TEXT,
    StudentID TEXT,
    HJCla TEXT,
    Adress TEXT,
    JHName TEXT,
    JHTel TEXT,
    JHShip TEXT,
    ABOBlood TEXT,
    RHBlood TEXT,
    Allergy TEXT,
    Ill TEXT,
    Disable TEXT,
    CreatTime TEXT,
    LCBX TEXT
);
CREATE INDEX ArchivesBase_ArchID ON ArchivesBase(ArchID);
CREATE INDEX ArchivesBase_Class ON ArchivesBase(Class);
CREATE INDEX ArchivesBase_ArchName ON ArchivesBase(ArchName);

-- Attendance events: late, left early, sick or personal leave, other; one per child, day and kind.
CREATE TABLE KaoQin(
    ID INTEGER,
    Class TEXT,
    Name TEXT,
    KaoQin TEXT,
    Time TEXT,
    ShuoMing TEXT,
    ArchID TEXT
);
CREATE INDEX KaoQin_ArchID_Time ON KaoQin(ArchID, Time);
CREATE INDEX KaoQin_ID ON KaoQin(ID);
