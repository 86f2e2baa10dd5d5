-- pantry.dll: saved meal plans and their items.

-- One row per plan; PrecordID runs 0, 1, 2, ... and is renumbered when a plan is deleted.
CREATE TABLE PantryRecord(
    PrecordID INTEGER,
    PrecordName TEXT,
    PrecordCycle TEXT,
    PrecordCreated TEXT,
    PrecordDietitian TEXT,
    PrecordKind TEXT,
    PrecordSujects TEXT,
    PrecordDate TEXT,
    subJectID TEXT
);
CREATE INDEX PantryRecord_PrecordID ON PantryRecord(PrecordID);
CREATE INDEX PantryRecord_subJectID ON PantryRecord(subJectID);
CREATE INDEX PantryRecord_PrecordSujects ON PantryRecord(PrecordSujects);

-- One row per dish or single food in one meal time of one day of a plan.
CREATE TABLE PantryCook(
    PcookID INTEGER,
    PcookPID INTEGER,
    PcookName TEXT,
    PcookFoods TEXT,
    PcookWeek TEXT,
    PcookMeal TEXT,
    PcookDate TEXT,
    PcookIsDish TEXT,
    PcookWeight TEXT
);
CREATE INDEX PantryCook_PcookPID_PcookWeek ON PantryCook(PcookPID, PcookWeek);
CREATE INDEX PantryCook_PcookDate ON PantryCook(PcookDate);
CREATE INDEX PantryCook_PcookID ON PantryCook(PcookID);
