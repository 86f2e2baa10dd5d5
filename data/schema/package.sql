-- package.dll: set meals, reusable days of meals for a group of classes.

-- One row per set meal; ID runs 0, 1, 2, ... and is renumbered when a set meal is deleted.
CREATE TABLE PackageName(
    ID INTEGER,
    PackageTitle TEXT,
    PackageDate TEXT,
    PackageObject TEXT
);
CREATE INDEX PackageName_ID ON PackageName(ID);

-- One row per dish or single food of a set meal, with its meal time and composition.
CREATE TABLE PackageCook(
    PcookID INTEGER,
    PcookPID INTEGER,
    PackageItemName TEXT,
    PackageItemWeight TEXT,
    PackageItemMeal TEXT,
    PackageItemTime TEXT,
    PackageItemIsDish TEXT,
    PackageItemFoods TEXT
);
CREATE INDEX PackageCook_PcookPID ON PackageCook(PcookPID);
CREATE INDEX PackageCook_PcookID ON PackageCook(PcookID);
