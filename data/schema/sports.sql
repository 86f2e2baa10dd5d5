-- sports.dll: kept for physical activity records; the program reads no table here yet.

-- Key/value notes about this data file (for example its format version).
CREATE TABLE PelinorInfo(
    InfoKey TEXT,
    InfoValue TEXT
);
