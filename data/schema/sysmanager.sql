-- sysmanager.dll: accounts and roles, physical examinations, vaccines and
-- vaccinations, and the list of backup sets.

-- Staff accounts. Columns 3, 4, 5 and 7 are spare: the program neither writes nor reads them.
CREATE TABLE Management(
    ManageID INTEGER,
    ManageUser TEXT,
    ManagePass TEXT,
    ManageDept TEXT,
    ManageDuty TEXT,
    ManageEmail TEXT,
    ManageCreateTime TEXT,
    ManageLastLogin TEXT,
    ManageRolse TEXT,
    ManageState TEXT,
    ManageName TEXT,
    ManageTel TEXT
);
CREATE INDEX Management_ManageUser ON Management(ManageUser);
CREATE INDEX Management_ManageID ON Management(ManageID);

-- Roles with their permission codes joined by full-width semicolons.
CREATE TABLE ManageRolse(
    RolseID INTEGER,
    RolseName TEXT,
    RolseContain TEXT
);
CREATE INDEX ManageRolse_RolseName ON ManageRolse(RolseName);

-- Physical examinations, at most one per child and date; StudentID holds the child's archive number.
CREATE TABLE KqCheckIn(
    ID INTEGER,
    Name TEXT,
    Class TEXT,
    Gender TEXT,
    StudentID TEXT,
    Height REAL,
    Weight REAL,
    BMI REAL,
    VitalCapacity TEXT,
    BloodPressure TEXT,
    Pulse TEXT,
    Heart TEXT,
    Lung TEXT,
    Liver TEXT,
    Gallbladder TEXT,
    Caries TEXT,
    Periodontal TEXT,
    LeftVision TEXT,
    RightVision TEXT,
    Trachoma TEXT,
    Conjunctivitis TEXT,
    Vision TEXT,
    LeftHearing TEXT,
    RightHearing TEXT,
    Ear TEXT,
    Nose TEXT,
    Pharynx TEXT,
    Larynx TEXT,
    Tonsil TEXT,
    Head TEXT,
    Neck TEXT,
    Spine TEXT,
    Chest TEXT,
    Limbs TEXT,
    Skin TEXT,
    LymphNodes TEXT,
    DietLimit TEXT,
    HealthState TEXT,
    TiJianDate TEXT,
    Doctor TEXT
);
CREATE INDEX KqCheckIn_StudentID_TiJianDate ON KqCheckIn(StudentID, TiJianDate);
CREATE INDEX KqCheckIn_ID ON KqCheckIn(ID);

-- Vaccine catalogue with the window of months of age in which each is given.
CREATE TABLE Myym(
    ID INTEGER,
    YmName TEXT,
    StartTime INTEGER,
    EndTime INTEGER,
    ZuoYong TEXT
);
CREATE INDEX Myym_YmName ON Myym(YmName);

-- Vaccinations given to children.
CREATE TABLE YmCheckIn(
    ID INTEGER,
    Class TEXT,
    Name TEXT,
    YmName TEXT,
    JzDate TEXT,
    Baizhu TEXT,
    ArchID TEXT,
    JzAddress TEXT
);
CREATE INDEX YmCheckIn_ArchID ON YmCheckIn(ArchID);
CREATE INDEX YmCheckIn_Class_YmName ON YmCheckIn(Class, YmName, JzDate);

-- Backup sets: number, 14-digit time stamp that prefixes the set's files, and who made it.
CREATE TABLE SJKBFTS(
    ID INTEGER,
    BackupTime TEXT,
    BackupUser TEXT
);
