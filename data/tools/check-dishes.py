#!/usr/bin/env python3
"""Checks the library content and the demo data against the rules the screens rely on.

Loads every file with the sqlite3 command line after its schema (so a statement that does
not insert cleanly fails here exactly as it would in `pelinor-cli initdb`), then checks:

- dishes: every CookFood row names an existing food and dish, roles and weight texts are
  valid, CookWeight equals the sum of the rows, the CookFoods/CookMinorFoods summaries
  match the rows, names are unique and differ from food names, category texts hold "儿童",
  and no dish holds a pair of FoodPhaseg foods (neither by the dish dialog's own check nor
  by a looser test that also catches variants such as 北豆腐 for 豆腐);
- CXC: five meal times with at least five items each, dishes and foods, all resolving;
- set meals: all five meal times, names and compositions resolving, no FoodPhaseg pair in one meal;
- nutrients: the eleven symptom-page names exist, every text is filled;
- vaccines: the national programme vaccines exist with sensible month windows;
- demo: classes, archive and student numbers formed as the archive form forms them, ages,
  and plans whose subjects, dates and compositions resolve.

Run: python3 data/tools/check-dishes.py        (exit status 1 on any problem)
"""

import datetime
import os
import re
import shutil
import sqlite3
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep data/tools free of __pycache__

from incompatibility import base_name, refused_by_dialog  # noqa: E402

DATA = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
MEALS = ["早餐", "早点", "午餐", "午点", "晚餐"]
WEEK = ["周一", "周二", "周三", "周四", "周五"]
SYMPTOM_NUTRIENTS = ["蛋白质", "碳水化合物", "脂肪", "维生素B6", "维生素C", "维生素E", "钙", "铁", "锌", "硒", "钠"]
PROGRAMME_VACCINES = ["乙肝疫苗", "卡介苗", "脊灰疫苗", "百白破疫苗", "白破疫苗", "麻腮风疫苗", "乙脑疫苗", "流脑疫苗",
                      "甲肝疫苗"]
BUILT_IN_CLASSES = ["小班", "中班", "大班"]
AGE_DAY = datetime.date(2026, 12, 1)

problems = []


def problem(text):
    problems.append(text)



def load(db_name, files, workdir):
    """Creates one database with the sqlite3 command line, file by file, stopping at the first error."""
    path = os.path.join(workdir, db_name + ".db")
    for relative in files:
        full = os.path.join(DATA, relative)
        if not os.path.exists(full):
            problem("missing file data/" + relative)
            continue
        with open(full, "rb") as src:
            run = subprocess.run(["sqlite3", "-bail", path], stdin=src, capture_output=True)
        if run.returncode != 0:
            problem("data/%s does not load: %s" % (relative, run.stderr.decode("utf-8", "replace").strip()))
    return sqlite3.connect(path)


def parse_composition(text):
    """DishComposition -> [(food, grams)], or None when the text is malformed."""
    if not text.endswith("；"):
        return None
    entries = []
    for entry in text[:-1].split("；"):
        match = re.fullmatch(r"([^:；]+):(\d+(?:\.\d+)?)g", entry)
        if not match:
            return None
        entries.append((match.group(1), float(match.group(2))))
    return entries


def pairs_in(food_names, pairs):
    """FoodPhaseg pairs found among the foods, by a loose test: a pair member that is part of a
    food's base name counts (so 北豆腐 counts as 豆腐)."""
    bases = [base_name(n) for n in food_names]
    found = []
    for a, b in pairs:
        if not a or not b:
            continue
        with_a = {i for i, base in enumerate(bases) if a in base}
        with_b = {i for i, base in enumerate(bases) if b in base}
        if with_a and with_b and (len(with_a | with_b) > 1):
            found.append(a + "+" + b)
    return found



def check_dishes(cook, pairs):
    foods = {name: food_id for food_id, name in cook.execute("SELECT FoodID, FoodName FROM FoodShow")}
    food_by_id = {food_id: name for name, food_id in foods.items()}
    if len(foods) != cook.execute("SELECT count(*) FROM FoodShow").fetchone()[0]:
        problem("FoodShow holds duplicate food names")
    dishes = list(cook.execute("SELECT CookID, CookName, CookCategory, CookFoods, CookMinorFoods, CookWeight, "
                               "CookExtra FROM CookShow ORDER BY rowid"))
    names = [d[1] for d in dishes]
    for name in sorted({n for n in names if names.count(n) > 1}):
        problem("dish name used twice: " + name)
    ids = [d[0] for d in dishes]
    if len(set(ids)) != len(ids):
        problem("CookID used twice")
    row_ids = [r[0] for r in cook.execute("SELECT CookFoodID FROM CookFood")]
    if len(set(row_ids)) != len(row_ids):
        problem("CookFoodID used twice")
    categories = [r[0] for r in cook.execute("SELECT CookTypeName FROM CookType WHERE CookTypePID <> 0")]
    for cook_id, name, category, summary, minor, weight, extra in dishes:
        where = "dish %s (%d)" % (name, cook_id)
        if name in foods:
            problem(where + ": has the name of a food")
        if "儿童" not in category:
            problem(where + ": category text without 儿童")
        if category not in categories:
            problem(where + ": category %s is not a dish category" % category)
        if extra:
            problem(where + ": CookExtra is not empty")
        rows = list(cook.execute("SELECT CookFoodFID, CookFoodRole, CookFoodWeight FROM CookFood "
                                 "WHERE CookFoodCID = ? ORDER BY rowid", (cook_id,)))
        if not rows:
            problem(where + ": no ingredients")
            continue
        total = 0.0
        added = []  # ingredients in the order the dialog added them (rows are newest first)
        for food_id, role, text in reversed(rows):
            if food_id not in food_by_id:
                problem(where + ": CookFood names FoodID %s, which does not exist" % food_id)
                continue
            if role not in ("主料", "辅料", "调料"):
                problem(where + ": role " + str(role))
            if not isinstance(text, str) or not re.fullmatch(r"\d+(\.\d+)?", text):
                problem(where + ": weight text %r" % (text,))
                continue
            total += float(text)
            added.append((food_by_id[food_id], text, role))
        if weight != total:
            problem(where + ": CookWeight %s but the rows add up to %s" % (weight, total))
        if summary != "".join("%s:%sg；" % (f, t) for f, t, _ in added):
            problem(where + ": CookFoods does not match its rows")
        if minor != "".join("%s:%sg；" % (f, t) for f, t, r in added if r == "辅料"):
            problem(where + ": CookMinorFoods does not match its rows")
        food_names = [f for f, _, _ in added]
        if len(set(food_names)) != len(food_names):
            problem(where + ": a food appears twice")
        refused = refused_by_dialog(food_names, pairs)
        if refused:
            problem(where + ": the dish dialog refuses %s (相克)" % refused)
        for pair in pairs_in(food_names, pairs):
            problem(where + ": holds the 相克 pair " + pair)
    if len(dishes) < 80:
        problem("only %d dishes" % len(dishes))
    return foods, {d[1] for d in dishes}


def check_item(where, name, is_dish, foods, dish_names, composition=None):
    if is_dish not in ("是", "否"):
        problem(where + ": dish flag %r" % (is_dish,))
    elif is_dish == "是" and name not in dish_names:
        problem(where + ": %s is not a dish" % name)
    elif is_dish == "否" and name not in foods:
        problem(where + ": %s is not a food" % name)
    if composition is None:
        return []
    entries = parse_composition(composition)
    if entries is None:
        problem(where + ": composition %r is malformed" % composition)
        return []
    for food, _ in entries:
        if food not in foods:
            problem(where + ": composition names %s, which is not a food" % food)
    if is_dish == "否" and [f for f, _ in entries] != [name]:
        problem(where + ": a single food's composition names other foods")
    return [f for f, _ in entries]


def check_cxc(cook, foods, dish_names):
    rows = list(cook.execute("SELECT ID, CanCi, FoodName, Weight, CxcIsDish FROM CXC"))
    if len({r[0] for r in rows}) != len(rows):
        problem("CXC: ID used twice")
    for meal in MEALS:
        items = [r for r in rows if r[1] == meal]
        if len(items) < 5:
            problem("CXC: only %d items for %s" % (len(items), meal))
    if not any(r[4] == "是" for r in rows) or not any(r[4] == "否" for r in rows):
        problem("CXC: needs dishes and single foods")
    first_weight = {}
    for row_id, meal, name, weight, flag in rows:
        where = "CXC %s" % row_id
        # The plan editor adds the first CXC row of a name, whatever meal time was clicked.
        if first_weight.setdefault(name, (weight, flag)) != (weight, flag):
            problem(where + ": %s is listed again with another weight or kind" % name)
        if meal not in MEALS:
            problem(where + ": meal time %r" % meal)
        if not re.fullmatch(r"\d+(\.\d+)?", str(weight)):
            problem(where + ": weight %r" % (weight,))
        check_item(where, name, flag, foods, dish_names)


def check_set_meals(package, foods, dish_names, pairs):
    heads = list(package.execute("SELECT ID, PackageTitle, PackageObject FROM PackageName ORDER BY ID"))
    if [h[0] for h in heads] != list(range(len(heads))):
        problem("PackageName: IDs are not 0, 1, 2, ...")
    if len(heads) < 3:
        problem("fewer than three set meals")
    if len({h[1] for h in heads}) != len(heads):
        problem("two set meals share a name")
    items = list(package.execute("SELECT PcookID, PcookPID, PackageItemName, PackageItemWeight, PackageItemMeal, "
                                 "PackageItemIsDish, PackageItemFoods FROM PackageCook"))
    if len({i[0] for i in items}) != len(items):
        problem("PackageCook: PcookID used twice")
    for set_id, title, _ in heads:
        mine = [i for i in items if i[1] == set_id]
        for meal in MEALS:
            meal_foods = []
            for pcook_id, _, name, weight, item_meal, flag, composition in mine:
                if item_meal != meal:
                    continue
                meal_foods += check_item("set meal %s item %s" % (title, pcook_id), name, flag, foods, dish_names,
                                         composition)
            if not meal_foods:
                problem("set meal %s has nothing for %s" % (title, meal))
            for pair in pairs_in(meal_foods, pairs):
                problem("set meal %s, %s: holds the 相克 pair %s" % (title, meal, pair))
    for i in items:
        if i[1] not in {h[0] for h in heads}:
            problem("PackageCook %s belongs to no set meal" % i[0])
        if i[4] not in MEALS:
            problem("PackageCook %s: meal time %r" % (i[0], i[4]))


def check_nutrients(nutrient):
    types = {r[0] for r in nutrient.execute("SELECT NutrientTypeID FROM NutrientType")}
    rows = list(nutrient.execute("SELECT * FROM NutrientShow"))
    if len(rows) < 20:
        problem("only %d nutrients" % len(rows))
    names = [r[2] for r in rows]
    for name in SYMPTOM_NUTRIENTS:
        if names.count(name) != 1:
            problem("nutrient %s found %d times" % (name, names.count(name)))
    for row in rows:
        if row[1] not in types:
            problem("nutrient %s: category %s does not exist" % (row[2], row[1]))
        if any(not text for text in row[4:10]):
            problem("nutrient %s: a text is empty" % row[2])


def check_vaccines(sysmanager):
    rows = list(sysmanager.execute("SELECT ID, YmName, StartTime, EndTime, ZuoYong FROM Myym"))
    names = [r[1] for r in rows]
    for name in PROGRAMME_VACCINES:
        if name not in names:
            problem("vaccine %s missing" % name)
    if len(set(names)) != len(names) or len({r[0] for r in rows}) != len(rows):
        problem("Myym: a vaccine name or number is used twice")
    for _, name, start, end, text in rows:
        if not (isinstance(start, int) and isinstance(end, int) and 0 <= start <= end <= 216) or not text:
            problem("vaccine %s: window %r..%r or text missing" % (name, start, end))


def age_years(born, day):
    return day.year - born.year - ((day.month, day.day) < (born.month, born.day))


def check_children(record):
    classes = [r[0] for r in record.execute("SELECT ClassName FROM ClassInfo ORDER BY rowid")]
    class_ids = [r[0] for r in record.execute("SELECT ID FROM ClassInfo ORDER BY rowid")]
    if classes[:3] != BUILT_IN_CLASSES or len(classes) != 5 or len(set(classes)) != 5:
        problem("ClassInfo: expected the three built-in classes and two more, got %s" % classes)
    if len(set(class_ids)) != len(class_ids):
        problem("ClassInfo: ID used twice")
    children = list(record.execute("SELECT * FROM ArchivesBase ORDER BY rowid"))
    if not 100 <= len(children) <= 140:
        problem("%d demo children, expected about 120" % len(children))
    names = [c[1] for c in children]
    if len(set(names)) != len(names):
        problem("two demo children share a name")
    by_year = {}
    for c in children:
        arch_id, name, sex, _, height, weight, birth, _, in_time, class_name, student_id = c[:11]
        where = "child %s (%s)" % (name, arch_id)
        if len(c) != 23 or any(v is None for v in c[:22]):
            problem(where + ": a column is missing")
        if not re.fullmatch(r"\d{8}", arch_id):
            problem(where + ": archive number is not 8 digits")
            continue
        by_year.setdefault(arch_id[:2], []).append(int(arch_id[2:]))
        if c[21][2:4] < arch_id[:2] or in_time[2:4] != arch_id[:2]:
            problem(where + ": archive year does not match entry date %s / saved %s" % (in_time, c[21]))
        if sex not in ("男", "女"):
            problem(where + ": sex %r" % sex)
        if class_name not in classes:
            problem(where + ": class %s does not exist" % class_name)
        elif not re.fullmatch(r"\d{5}", student_id) or int(student_id[:2]) != classes.index(class_name):
            problem(where + ": student number %s does not start with the class position" % student_id)
        born = datetime.date.fromisoformat(birth)
        if not 3 <= age_years(born, AGE_DAY) <= 6:
            problem(where + ": %d years old in December 2026" % age_years(born, AGE_DAY))
        h, w = float(height), float(weight)
        if not 85 <= h <= 130 or not 10 <= w <= 35 or not 12 <= w / (h / 100) ** 2 <= 20:
            problem(where + ": height %s cm, weight %s kg look wrong" % (height, weight))
    for year, numbers in by_year.items():
        if sorted(numbers) != list(range(len(numbers))):
            problem("archive numbers of year %s do not run 000000, 000001, ... without gaps" % year)
    for class_name in classes:
        seqs = sorted(int(c[10][2:]) for c in children if c[9] == class_name)
        if seqs != list(range(1, len(seqs) + 1)):
            problem("student numbers of class %s do not run 001, 002, ... without gaps" % class_name)
    return classes, {c[1]: c for c in children}


def check_plans(pantry, classes, children, foods, dish_names, pairs):
    plans = list(pantry.execute("SELECT * FROM PantryRecord ORDER BY PrecordID"))
    if [p[0] for p in plans] != list(range(len(plans))):
        problem("PantryRecord: plan numbers are not 0, 1, 2, ...")
    kinds = {(p[5], p[2]) for p in plans}
    for wanted in [("个人", "一天"), ("个人", "一周"), ("团体", "一天"), ("团体", "一周")]:
        if wanted not in kinds:
            problem("no demo plan of kind %s and cycle %s" % wanted)
    items = list(pantry.execute("SELECT * FROM PantryCook ORDER BY rowid"))
    if len({i[0] for i in items}) != len(items):
        problem("PantryCook: PcookID used twice")
    for plan_id, name, cycle, created, dietitian, kind, subject, plan_date, arch_id in plans:
        where = "plan %d %s" % (plan_id, name)
        if kind == "个人":
            child = children.get(subject)
            if child is None:
                problem(where + ": child %s does not exist" % subject)
            elif child[0] != arch_id:
                problem(where + ": archive number %s is not %s's" % (arch_id, subject))
        elif kind == "团体":
            if arch_id:
                problem(where + ": a class plan has an archive number")
            for class_name in subject.split("；"):
                if class_name not in classes:
                    problem(where + ": class %s does not exist" % class_name)
        else:
            problem(where + ": kind %r" % kind)
        day = datetime.date.fromisoformat(plan_date)
        if cycle == "一周":
            if day.weekday() != 0:
                problem(where + ": a one-week plan must start on a Monday")
            days = {key: (day + datetime.timedelta(days=i)).isoformat() for i, key in enumerate(WEEK)}
        elif cycle == "一天":
            if day.weekday() > 4:
                problem(where + ": a one-day plan on a weekend")
            days = {"一天": plan_date}
        else:
            problem(where + ": cycle %r" % cycle)
            continue
        mine = [i for i in items if i[1] == plan_id]
        for key, date in days.items():
            for meal in MEALS:
                meal_foods = []
                for pcook_id, _, item_name, composition, week, item_meal, item_date, flag, weight in mine:
                    if week != key or item_meal != meal:
                        continue
                    if item_date != date:
                        problem(where + ": item %s dated %s, expected %s" % (pcook_id, item_date, date))
                    if not re.fullmatch(r"\d+(\.\d+)?", weight or ""):
                        problem(where + ": item %s weight %r" % (pcook_id, weight))
                    meal_foods += check_item(where + " item %s" % pcook_id, item_name, flag, foods, dish_names,
                                             composition)
                if not meal_foods:
                    problem(where + ": nothing for %s %s" % (key, meal))
                for pair in pairs_in(meal_foods, pairs):
                    problem(where + ", %s %s: holds the 相克 pair %s" % (key, meal, pair))
        for i in mine:
            if i[4] not in days:
                problem(where + ": item %s has day key %r" % (i[0], i[4]))
    for i in items:
        if i[1] not in {p[0] for p in plans}:
            problem("PantryCook %s belongs to no plan" % i[0])


def main():
    if shutil.which("sqlite3") is None:
        sys.exit("the sqlite3 command line is needed (apt-get install -y sqlite3)")
    with tempfile.TemporaryDirectory() as work:
        cook = load("cook", ["schema/cook.sql", "content/cook.foods.sql", "content/cook.dishes.sql"], work)
        gright = load("gright", ["schema/gright.sql", "content/gright.sql"], work)
        package = load("package", ["schema/package.sql", "content/package.sql"], work)
        nutrient = load("nutrient", ["schema/nutrient.sql", "content/nutrient.sql"], work)
        sysmanager = load("sysmanager", ["schema/sysmanager.sql", "base/sysmanager.sql",
                                         "content/sysmanager.vaccines.sql"], work)
        record = load("Record", ["schema/Record.sql", "base/Record.sql", "demo/Record.sql"], work)
        pantry = load("pantry", ["schema/pantry.sql", "demo/pantry.sql"], work)

        pairs = list(gright.execute("SELECT PhasegSubject, PhasegObjects FROM FoodPhaseg ORDER BY rowid"))
        foods, dish_names = check_dishes(cook, pairs)
        check_cxc(cook, foods, dish_names)
        check_set_meals(package, foods, dish_names, pairs)
        check_nutrients(nutrient)
        check_vaccines(sysmanager)
        classes, children = check_children(record)
        check_plans(pantry, classes, children, foods, dish_names, pairs)
        for db in (cook, gright, package, nutrient, sysmanager, record, pantry):
            db.close()

    for text in problems:
        print("problem:", text)
    print("%d problems" % len(problems))
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
