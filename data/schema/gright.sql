-- gright.dll: pairs of foods that go well together and pairs that must not be eaten together.

-- Foods that go well together; the subject is named by its base name.
CREATE TABLE FoodBarter(
    BarterID INTEGER,
    BarterSubject TEXT,
    BarterObjects TEXT,
    BarterDescription TEXT,
    BarterMark INTEGER
);
CREATE INDEX FoodBarter_BarterSubject ON FoodBarter(BarterSubject);
CREATE INDEX FoodBarter_BarterObjects ON FoodBarter(BarterObjects);

-- Foods that must not be eaten together; a pair counts in both orders.
CREATE TABLE FoodPhaseg(
    PhasegID INTEGER,
    PhasegSubject TEXT,
    PhasegObjects TEXT,
    PhasegDescription TEXT,
    PhasegMark INTEGER
);
CREATE INDEX FoodPhaseg_PhasegSubject ON FoodPhaseg(PhasegSubject);
CREATE INDEX FoodPhaseg_PhasegObjects ON FoodPhaseg(PhasegObjects);
