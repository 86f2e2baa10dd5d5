-- cook.dll: the food catalogue with nutrients per 100 g, the dish library and
-- the recommended items of each meal time.

-- Food categories in two levels; top-level rows have FoodTypePID 0 and are numbered 1 to N in stored order.
CREATE TABLE FoodType(
    FoodTypeID INTEGER,
    FoodTypePID INTEGER,
    FoodTypeName TEXT
);
CREATE INDEX FoodType_FoodTypePID ON FoodType(FoodTypePID);
CREATE INDEX FoodType_FoodTypeName ON FoodType(FoodTypeName);

-- One row per food; every nutrient value is per 100 g of the food.
CREATE TABLE FoodShow(
    FoodID INTEGER,
    FoodBigTypeID INTEGER,
    FoodSmallTypeID INTEGER,
    FoodName TEXT,
    FoodPortion INTEGER,
    FoodFixedA REAL,
    FoodEnergy REAL,
    FoodEnergyKJ REAL,
    FoodProtein REAL,
    FoodFat REAL,
    FoodCarbohydrate REAL,
    FoodFibre REAL,
    FoodFibreA REAL,
    FoodFibreB REAL,
    FoodCholesterol REAL,
    FoodFixedB REAL,
    FoodVitaminA REAL,
    FoodVitaminADerived REAL,
    FoodThiamine REAL,
    FoodRiboflavin REAL,
    FoodVitaminB6 REAL,
    FoodVitaminB12 REAL,
    FoodFolate REAL,
    FoodNiacin REAL,
    FoodVitaminC REAL,
    FoodVitaminE REAL,
    FoodVitaminEA REAL,
    FoodCalcium REAL,
    FoodPhosphorus REAL,
    FoodPotassium REAL,
    FoodSodium REAL,
    FoodMagnesium REAL,
    FoodIron REAL,
    FoodZinc REAL,
    FoodSelenium REAL,
    FoodCopper REAL,
    FoodManganese REAL,
    FoodIodine REAL,
    FoodRetinol REAL,
    FoodNicotinicAcid REAL,
    FoodVitaminEB REAL,
    FoodVitaminEC REAL,
    FoodPhoto TEXT,
    FoodInitial TEXT,
    FoodMark INTEGER
);
CREATE INDEX FoodShow_FoodName ON FoodShow(FoodName);
CREATE INDEX FoodShow_FoodID ON FoodShow(FoodID);
CREATE INDEX FoodShow_FoodSmallTypeID ON FoodShow(FoodSmallTypeID);
CREATE INDEX FoodShow_FoodBigTypeID ON FoodShow(FoodBigTypeID);

-- Descriptive texts of a food; CollocationID equals the food's FoodID.
CREATE TABLE FoodCollocation(
    CollocationID INTEGER,
    CollocationJieshao TEXT,
    CollocationGongxiao TEXT,
    CollocationTiaoxuan TEXT,
    CollocationChucang TEXT,
    CollocationXingwei TEXT,
    CollocationPhoto TEXT
);
CREATE INDEX FoodCollocation_CollocationID ON FoodCollocation(CollocationID);

-- Dish categories in two levels; dishes name their category as free text.
CREATE TABLE CookType(
    CookTypeID INTEGER,
    CookTypePID INTEGER,
    CookTypeName TEXT
);
CREATE INDEX CookType_CookTypePID ON CookType(CookTypePID);
CREATE INDEX CookType_CookTypeName ON CookType(CookTypeName);

-- One row per dish, with its ingredient summaries and total weight in whole grams.
CREATE TABLE CookShow(
    CookID INTEGER,
    CookName TEXT,
    CookCategory TEXT,
    CookIntro TEXT,
    CookFoods TEXT,
    CookMinorFoods TEXT,
    CookMethod TEXT,
    CookExtra TEXT,
    CookValue TEXT,
    CookTaboo TEXT,
    CookSuitable TEXT,
    CookTaste TEXT,
    CookCraft TEXT,
    CookWeight INTEGER
);
CREATE INDEX CookShow_CookID ON CookShow(CookID);
CREATE INDEX CookShow_CookName ON CookShow(CookName);

-- Ingredients of all dishes: dish id, food id, role and the weight text as entered.
CREATE TABLE CookFood(
    CookFoodID INTEGER,
    CookFoodCID INTEGER,
    CookFoodFID INTEGER,
    CookFoodRole TEXT,
    CookFoodWeight TEXT
);
CREATE INDEX CookFood_CookFoodCID ON CookFood(CookFoodCID);
CREATE INDEX CookFood_CookFoodID ON CookFood(CookFoodID);

-- Recommended dishes and foods per meal time, with a weight text.
CREATE TABLE CXC(
    ID INTEGER,
    CanCi TEXT,
    FoodName TEXT,
    Weight TEXT,
    CxcIsDish TEXT
);
CREATE INDEX CXC_CanCi ON CXC(CanCi);
CREATE INDEX CXC_FoodName ON CXC(FoodName);
CREATE INDEX CXC_ID ON CXC(ID);
