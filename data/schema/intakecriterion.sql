-- intakecriterion.dll: daily reference intakes of children by age and sex.

-- One row per whole year of age (Age1, the age matched) and sex ("男" or "女").
-- Age2 is the first age the row no longer covers, AgeGroup its label and
-- RefWeight the reference body weight in kg. Nutrient units: energy kcal;
-- protein and fat g; calcium, phosphorus, potassium, sodium, magnesium, iron,
-- zinc, copper, manganese, fluorine, vitamin E, B1, B2, B6, C and niacin mg;
-- iodine, selenium, chromium, molybdenum, vitamin A, D, B12 and folate µg.
-- There is no carbohydrate column: it is derived from the energy.
CREATE TABLE CDRIS(
    ID INTEGER,
    Age1 INTEGER,
    Age2 INTEGER,
    Sex TEXT,
    AgeGroup TEXT,
    RefWeight REAL,
    Energy REAL,
    Protein REAL,
    Fat REAL,
    Calcium REAL,
    Phosphorus REAL,
    Potassium REAL,
    Sodium REAL,
    Magnesium REAL,
    Iron REAL,
    Iodine REAL,
    Zinc REAL,
    Selenium REAL,
    Copper REAL,
    Fluorine REAL,
    Chromium REAL,
    Manganese REAL,
    Molybdenum REAL,
    VitaminA REAL,
    VitaminD REAL,
    VitaminE REAL,
    VitaminB1 REAL,
    VitaminB2 REAL,
    VitaminB6 REAL,
    VitaminB12 REAL,
    VitaminC REAL,
    Niacin REAL,
    Folate REAL
);
CREATE INDEX CDRIS_Age1_Sex ON CDRIS(Age1, Sex);
