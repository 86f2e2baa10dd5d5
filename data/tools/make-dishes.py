#!/usr/bin/env python3
"""Writes the dish library from data/tools/dishes.py:

  data/content/cook.dishes.sql  CookType, CookShow, CookFood and the meal-time table CXC
  data/content/package.sql      the set meals (PackageName, PackageCook)

Rows are written as the recipe dialogs would write them: ingredients are "added" in the
listed order (main, auxiliary, seasoning), the summaries CookFoods/CookMinorFoods follow
that order, and the CookFood rows come newest first, as the dialog writes its list from
the top. Each dish goes through the dialog's incompatibility check against the FoodPhaseg
pairs of data/content/gright.sql; a dish that the dialog would refuse stops the run.
Set-meal compositions are the dish rows scaled to the dish's own weight, the way the plan
editor scales a recommended dish.

FoodIDs come from data/tools/foods.tsv (a food's id is its data-row position) and are
cross-checked against data/content/cook.foods.sql when that file exists.

Run: python3 data/tools/make-dishes.py
"""

import os
import re
import sqlite3
import struct
import sys

sys.dont_write_bytecode = True  # keep data/tools free of __pycache__

import dishes  # noqa: E402
from incompatibility import base_name, refused_by_dialog  # noqa: E402
from sqlout import DATA_DIR, insert, write_sql  # noqa: E402

MEALS = ["早餐", "早点", "午餐", "午点", "晚餐"]
ROLES = ["主料", "辅料", "调料"]
ALLERGENS = [
    ("鸡蛋", {"鸡蛋", "鸡蛋白", "鸡蛋黄", "煮鸡蛋", "鹌鹑蛋"}),
    ("牛奶", {"牛奶", "酸奶", "奶酪片", "黄油", "淡奶油"}),
    ("鱼", {"鲈鱼", "鳕鱼", "罗非鱼", "鱼糜", "三文鱼", "黄花鱼"}),
    ("虾", {"虾仁", "鲜虾"}),
    ("花生", {"花生", "花生（炒）", "花生酱"}),
    ("芝麻", {"芝麻", "芝麻酱"}),
]
SET_MEAL_DATES = ["2026-03-16", "2026-06-15", "2026-09-21", "2026-11-30"]


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]



def load_catalogue():
    ids = {}
    with open(os.path.join(DATA_DIR, "tools", "foods.tsv"), encoding="utf-8") as src:
        rows = [line.rstrip("\n").split("\t") for line in src if line.strip() and not line.startswith("#")]
    for position, row in enumerate(rows, start=1):
        ids[row[1]] = position
    foods_sql = os.path.join(DATA_DIR, "content", "cook.foods.sql")
    if os.path.exists(foods_sql):
        db = load_database(["schema/cook.sql", "content/cook.foods.sql"])
        stored = {name: food_id for food_id, name in db.execute("SELECT FoodID, FoodName FROM FoodShow")}
        for name, food_id in ids.items():
            if stored.get(name) != food_id:
                sys.exit("foods.tsv and cook.foods.sql disagree on %s (%s / %s)" % (name, food_id, stored.get(name)))
    return ids


def load_database(files):
    db = sqlite3.connect(":memory:")
    for relative in files:
        with open(os.path.join(DATA_DIR, relative), encoding="utf-8") as src:
            db.executescript(src.read())
    return db


def load_incompatible_pairs():
    """FoodPhaseg rows (subject, objects) in stored order, or [] before the file exists."""
    if not os.path.exists(os.path.join(DATA_DIR, "content", "gright.sql")):
        print("warning: data/content/gright.sql missing; dishes not checked for incompatible foods")
        return []
    db = load_database(["schema/gright.sql", "content/gright.sql"])
    return list(db.execute("SELECT PhasegSubject, PhasegObjects FROM FoodPhaseg ORDER BY rowid"))



def parse_foods(text):
    """"main / auxiliary / seasoning" -> [(food, weight text, role)] in the order added."""
    parts = [p.strip() for p in text.split("/")]
    assert 1 <= len(parts) <= 3, text
    items = []
    for role, part in zip(ROLES, parts):
        for token in part.split():
            match = re.fullmatch(r"(.+?)(\d+(?:\.\d+)?)", token)
            assert match, token
            items.append((match.group(1), match.group(2), role))
    return items


def taboo_text(dish, food_names):
    allergens = [label for label, names in ALLERGENS if any(f in names for f in food_names)]
    notes = []
    if allergens:
        notes.append("对%s过敏的幼儿不宜食用。" % "、".join(allergens))
    if dish["taboo"]:
        notes.append(dish["taboo"])
    return "".join(notes)


def build_dishes(catalogue, pairs):
    cook_show, cook_food, by_name = [], [], {}
    next_row = 1
    for cook_id, dish in enumerate(dishes.DISHES, start=1):
        name = dish["name"]
        if name in by_name:
            sys.exit("duplicate dish name " + name)
        if name in catalogue:
            sys.exit("dish %s has the name of a food; plans and the meal-time table could mix them up" % name)
        items = parse_foods(dish["foods"])
        names = [food for food, _, _ in items]
        for food in names:
            if food not in catalogue:
                sys.exit("%s: %s is not in the food catalogue" % (name, food))
        if len(set(names)) != len(names):
            sys.exit("%s names a food twice" % name)
        refused = refused_by_dialog(names, pairs)
        if refused:
            sys.exit("%s: the dish dialog would refuse %s (incompatible foods)" % (name, refused))
        total = sum(float(weight) for _, weight, _ in items)
        if total != int(total):
            sys.exit("%s: total weight %s is not a whole number of grams" % (name, total))
        summary = "".join("%s:%sg；" % (food, weight) for food, weight, _ in items)
        minor = "".join("%s:%sg；" % (food, weight) for food, weight, role in items if role == "辅料")
        assert dish["category"] in dishes.SUITABLE, dish["category"]
        cook_show.append([cook_id, name, dish["category"], dish["intro"], summary, minor, dish["method"], "",
                          dish["value"], taboo_text(dish, names), dishes.SUITABLE[dish["category"]], dish["taste"],
                          dish["craft"], int(total)])
        rows = []
        for food, weight, role in reversed(items):  # the dialog writes its list top down, newest first
            rows.append([next_row, cook_id, catalogue[food], role, weight])
            next_row += 1
        cook_food.extend(rows)
        by_name[name] = {"id": cook_id, "weight": int(total),
                         "rows": [(food, weight) for food, weight, _ in reversed(items)]}
    return cook_show, cook_food, by_name


def scaled_composition(dish, weight):
    """The composition of a dish served at `weight` grams, its rows in stored order.

    At the dish's own weight every food keeps its weight text as entered (as the own-dish
    page of the item chooser writes it, so half grams of salt survive); any other weight is
    scaled the way the plan editor scales a recommended dish: grams × weight / total in
    single precision, written "%.0f".
    """
    if weight == dish["weight"]:
        return "".join("%s:%sg；" % (food, text) for food, text in dish["rows"])
    total = f32(sum(float(text) for _, text in dish["rows"]))
    return "".join("%s:%.0fg；" % (food, f32(f32(f32(float(text)) * f32(weight)) / total))
                   for food, text in dish["rows"])


def resolve_item(item, by_name, catalogue):
    """'dish' or 'food:grams' -> (name, weight, is dish, composition)."""
    if ":" in item:
        food, grams = item.split(":")
        if food not in catalogue:
            sys.exit("%s is not in the food catalogue" % food)
        return food, int(grams), False, "%s:%sg；" % (food, grams)
    if item not in by_name:
        sys.exit("%s is not a dish" % item)
    dish = by_name[item]
    return item, dish["weight"], True, scaled_composition(dish, dish["weight"])


def build_cxc(by_name, catalogue):
    rows = []
    for meal in MEALS:
        for item in dishes.RECOMMENDATIONS[meal]:
            name, weight, is_dish, _ = resolve_item(item, by_name, catalogue)
            rows.append([len(rows) + 1, meal, name, str(weight), "是" if is_dish else "否"])
    return rows


def build_set_meals(by_name, catalogue):
    heads, items = [], []
    for number, (title, classes, meals) in enumerate(dishes.SET_MEALS):
        saved = SET_MEAL_DATES[number]
        heads.append([number, title, saved, classes])
        assert list(meals) == MEALS, title
        for meal in MEALS:
            for item in meals[meal]:
                name, weight, is_dish, composition = resolve_item(item, by_name, catalogue)
                items.append([len(items), number, name, "%.1f" % weight, meal, saved + " 16:30:00",
                              "是" if is_dish else "否", composition])
    return heads, items


def main():
    catalogue = load_catalogue()
    pairs = load_incompatible_pairs()
    cook_show, cook_food, by_name = build_dishes(catalogue, pairs)
    cxc = build_cxc(by_name, catalogue)

    statements = [insert("CookType", row) for row in dishes.DISH_CATEGORIES]
    statements.append("")
    statements += [insert("CookShow", row) for row in cook_show]
    statements.append("")
    statements += [insert("CookFood", row) for row in cook_food]
    statements.append("")
    statements += [insert("CXC", row) for row in cxc]
    write_sql("content/cook.dishes.sql",
              ["Dish categories, the kindergarten dishes with their ingredients, and the meal-time table.",
               "Generated by data/tools/make-dishes.py from data/tools/dishes.py; change those and run it again."],
              statements)

    heads, items = build_set_meals(by_name, catalogue)
    statements = [insert("PackageName", row) for row in heads]
    statements.append("")
    statements += [insert("PackageCook", row) for row in items]
    write_sql("content/package.sql",
              ["Ready-made set meals, one complete day each.",
               "Generated by data/tools/make-dishes.py from data/tools/dishes.py."],
              statements)
    print("%d dish categories, %d dishes, %d ingredient rows, %d recommendations, %d set meals with %d items"
          % (len(dishes.DISH_CATEGORIES), len(cook_show), len(cook_food), len(cxc), len(heads), len(items)))


if __name__ == "__main__":
    main()
