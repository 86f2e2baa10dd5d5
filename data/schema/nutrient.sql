-- nutrient.dll: the read-only nutrient reference texts.

-- Nutrient categories shown as the first level of the knowledge tree.
CREATE TABLE NutrientType(
    NutrientTypeID INTEGER,
    NutrientTypeName TEXT
);

-- One row per nutrient: its category, name and six description texts.
CREATE TABLE NutrientShow(
    NutrientID INTEGER,
    NutrientType INTEGER,
    NutrientName TEXT,
    NutrientAlias TEXT,
    NutrientSummary TEXT,
    NutrientSource TEXT,
    NutrientIntake TEXT,
    NutrientExcess TEXT,
    NutrientLack TEXT,
    NutrientCrowd TEXT
);
CREATE INDEX NutrientShow_NutrientName ON NutrientShow(NutrientName);
CREATE INDEX NutrientShow_NutrientType ON NutrientShow(NutrientType, NutrientID);
