#!/usr/bin/env python3
"""Writes the demo people and plans that `pelinor-cli initdb --demo` adds:

  data/demo/Record.sql  two more classes and about 120 children (ArchivesBase)
  data/demo/pantry.sql  a few one-day and one-week meal plans (PantryRecord, PantryCook)

Everything is invented: names, addresses and telephone numbers are made up from short
lists with a fixed seed. The figures follow the program's own rules so that the demo
behaves like data the screens would have written:

- ArchID is the two-digit year of the day the archive was created plus a six-digit
  running number that restarts at 000000 every year; children are entered in the
  year they joined the kindergarten.
- StudentID is the class's position in the ClassInfo order (two digits) followed by
  a three-digit sequence within the class, starting at 001.
- Birth dates follow the school year (1 September to 31 August) of each age group,
  so the children are 3 to 6 years old in December 2026; heights and weights scatter
  around typical values for the age.

The plans need the dish and food catalogue: they read data/schema/cook.sql,
data/content/cook.foods.sql and data/content/cook.dishes.sql into a temporary SQLite
database and build every composition from the stored dish rows, the way the plan
editor scales a dish.

Run: python3 data/tools/make-demo.py
"""

import datetime
import os
import sqlite3
import sys

sys.dont_write_bytecode = True  # keep data/tools free of __pycache__

from demorandom import DemoRandom  # noqa: E402
from sqlout import DATA_DIR, insert, write_sql  # noqa: E402

SCHOOL = "青禾幼儿园"

# Stored order of ClassInfo: the three built-in classes come from data/base/Record.sql.
BUILT_IN_CLASSES = ["小班", "中班", "大班"]
DEMO_CLASSES = [(3, "小二班"), (4, "大二班")]
CLASS_ORDER = BUILT_IN_CLASSES + [name for _, name in DEMO_CLASSES]

# class -> (number of children, year the class joined = school year start)
CLASS_PLAN = {
    "小班": (24, 2026),
    "中班": (26, 2025),
    "大班": (25, 2024),
    "小二班": (22, 2026),
    "大二班": (23, 2024),
}

SURNAMES = [
    ("王", 9), ("李", 9), ("张", 8), ("刘", 7), ("陈", 6), ("杨", 5), ("黄", 4), ("赵", 4), ("吴", 3), ("周", 3),
    ("徐", 3), ("孙", 3), ("马", 2), ("朱", 2), ("胡", 2), ("郭", 2), ("何", 2), ("高", 2), ("林", 2), ("罗", 2),
    ("郑", 2), ("梁", 2), ("谢", 1), ("宋", 1), ("唐", 1), ("许", 1), ("韩", 1), ("冯", 1), ("邓", 1), ("曹", 1),
    ("彭", 1), ("曾", 1), ("肖", 1), ("田", 1), ("董", 1), ("袁", 1), ("潘", 1), ("于", 1), ("蒋", 1), ("蔡", 1),
    ("余", 1), ("杜", 1), ("叶", 1), ("程", 1), ("苏", 1), ("魏", 1), ("吕", 1), ("丁", 1), ("任", 1), ("沈", 1),
]

BOY_NAMES = [
    "子墨", "浩宇", "宇轩", "沐阳", "梓睿", "奕辰", "俊熙", "皓轩", "宇航", "睿泽", "明轩", "思远", "煜祺", "锦程",
    "天佑", "铭泽", "浩然", "子骞", "昊天", "博文", "晨阳", "逸凡", "君昊", "乐天", "景行", "一鸣", "泽宇", "书恒",
    "亦辰", "承泽", "振宇", "瑞霖", "星辰", "宸宇", "嘉树", "知远", "修远", "牧之", "砚清", "云帆", "哲", "轩", "朗",
]
GIRL_NAMES = [
    "一诺", "梓涵", "欣怡", "语桐", "可馨", "诗涵", "沐晴", "若汐", "依诺", "雨桐", "梓萱", "芷若", "思琪", "紫涵",
    "佳怡", "悦彤", "心怡", "安琪", "子琪", "书瑶", "晨曦", "雅琪", "梦瑶", "清妍", "婉清", "知夏", "以沫", "星语",
    "语嫣", "念念", "可欣", "静姝", "苡沫", "予安", "舒然", "欣妍", "嘉禾", "初夏", "听雨", "南栀", "悦", "琳", "萌",
]
FATHER_NAMES = ["建华", "志强", "伟", "磊", "军", "海涛", "晓东", "立新", "俊峰", "鹏", "国栋", "文斌", "永刚", "浩",
                "宏伟", "明", "晓峰", "振华", "勇", "健"]
MOTHER_NAMES = ["丽娟", "晓燕", "静", "婷", "丽", "敏", "雪梅", "海燕", "红霞", "颖", "慧", "倩", "玉兰", "晓丽",
                "艳", "娜", "芳", "春梅", "佳", "琳琳"]
GRAND_NAMES_M = ["德明", "国庆", "长林", "保国", "振东"]
GRAND_NAMES_F = ["秀英", "桂兰", "淑珍", "玉珍", "凤英"]

DISTRICTS = ["城东区", "城南区", "河西区", "滨江区", "新华区"]
ROADS = ["建设路", "人民路", "文化路", "幸福路", "和平路", "青年路", "长江路", "花园路", "学府路", "朝阳路",
         "兴业路", "春风路"]
PHONE_PREFIXES = ["135", "136", "137", "138", "139", "150", "151", "152", "158", "159", "186", "187", "188", "189"]

# The archive form offers these values; most children get the first or "无".
NATIONS = [("汉族", 92), ("回族", 3), ("壮族", 2), ("蒙古族", 2), ("藏族", 1)]
ABO = [("O", 34), ("A", 28), ("B", 30), ("AB", 8)]
ALLERGIES = [("无", 108), ("青霉素", 4), ("磺胺", 1), ("青霉素；芒果", 1), ("鸡蛋", 2), ("花粉", 2), ("虾蟹", 2)]
ILLNESSES = [("无", 100), ("龋齿", 10), ("过敏史", 3), ("弱视", 2), ("斜视", 1), ("近视", 1), ("龋齿；斜视", 1)]
SIGNS = [("", 104), ("F1", 3), ("F4", 3), ("F6", 3), ("F1；F3", 2), ("F4；F8", 2), ("F7", 1), ("F2；F5", 1)]

# Typical height (cm) at 36 months and growth per month between 3 and 7 years, and the
# body-mass index the weights scatter around.
HEIGHT_AT_36 = {"男": 98.0, "女": 97.0}
HEIGHT_PER_MONTH = 0.56
HEIGHT_SD = 4.0
BMI_MEAN = {"男": 15.6, "女": 15.3}
BMI_SD = 1.1

MEASURED_ON = datetime.date(2026, 11, 16)  # autumn health check; archives were last saved then


def months_between(born, day):
    months = (day.year - born.year) * 12 + (day.month - born.month)
    if day.day < born.day:
        months -= 1
    return months


def make_children():
    rng = DemoRandom(20261206)
    used_names = set()
    children = []  # dicts in archive (insertion) order
    running = {}  # year -> next running number

    # Archives are entered year by year, so each year's running numbers are contiguous.
    entry_order = sorted(CLASS_ORDER, key=lambda c: (CLASS_PLAN[c][1], CLASS_ORDER.index(c)))
    for class_name in entry_order:
        count, joined = CLASS_PLAN[class_name]
        position = CLASS_ORDER.index(class_name)
        # Children who joined in September of `joined` were born in the school year
        # that ended three years earlier.
        first_birth = datetime.date(joined - 4, 9, 1)
        span = (datetime.date(joined - 3, 8, 31) - first_birth).days
        for sequence in range(1, count + 1):
            sex = "男" if rng.below(100) < 51 else "女"
            while True:
                surname = rng.weighted(SURNAMES)
                given = rng.pick(BOY_NAMES if sex == "男" else GIRL_NAMES)
                name = surname + given
                if name not in used_names:
                    used_names.add(name)
                    break
            born = first_birth + datetime.timedelta(days=rng.below(span + 1))
            months = months_between(born, MEASURED_ON)
            height = rng.normal(HEIGHT_AT_36[sex] + HEIGHT_PER_MONTH * (months - 36), HEIGHT_SD)
            bmi = rng.normal(BMI_MEAN[sex], BMI_SD)
            weight = bmi * (height / 100.0) ** 2

            yy = joined % 100
            number = running.get(yy, 0)
            running[yy] = number + 1
            arch_id = "%02d%06d" % (yy, number)
            student_id = "%02d%03d" % (position, sequence)

            guardian_kind = rng.weighted([("父亲", 45), ("母亲", 45), ("祖父", 3), ("祖母", 4), ("外婆", 3)])
            if guardian_kind == "父亲":
                guardian = surname + rng.pick(FATHER_NAMES)
            elif guardian_kind == "祖父":
                guardian = surname + rng.pick(GRAND_NAMES_M)
            elif guardian_kind == "母亲":
                guardian = rng.weighted(SURNAMES) + rng.pick(MOTHER_NAMES)
            else:
                guardian = rng.weighted(SURNAMES) + rng.pick(GRAND_NAMES_F)
            phone = rng.pick(PHONE_PREFIXES) + "%08d" % rng.below(100000000)
            address = "%s%s%d号%d栋%d单元%d%02d室" % (
                rng.pick(DISTRICTS), rng.pick(ROADS), 1 + rng.below(188), 1 + rng.below(24), 1 + rng.below(4),
                1 + rng.below(18), 1 + rng.below(4))
            saved = "%s %02d:%02d:%02d" % (MEASURED_ON.isoformat(), 8 + rng.below(9), rng.below(60), rng.below(60))

            children.append({
                "ArchID": arch_id,
                "ArchName": name,
                "Gender": sex,
                "Nation": rng.weighted(NATIONS),
                "Height": "%.1f" % height,
                "Weight": "%.1f" % weight,
                "Birth": born.isoformat(),
                "SchoolName": SCHOOL,
                "InTime": "%d-09-01" % joined,
                "Class": class_name,
                "StudentID": student_id,
                "HJCla": rng.weighted([("户籍", 82), ("非户籍", 18)]),
                "Adress": address,
                "JHName": guardian,
                "JHTel": phone,
                "JHShip": guardian_kind,
                "ABOBlood": rng.weighted(ABO),
                "RHBlood": rng.weighted([("Rh阳性", 199), ("Rh阴性", 1)]),
                "Allergy": rng.weighted(ALLERGIES),
                "Ill": rng.weighted(ILLNESSES),
                "Disable": "无",
                "CreatTime": saved,
                "LCBX": rng.weighted(SIGNS),
            })
    return children


ARCHIVE_COLUMNS = ["ArchID", "ArchName", "Gender", "Nation", "Height", "Weight", "Birth", "SchoolName", "InTime",
                   "Class", "StudentID", "HJCla", "Adress", "JHName", "JHTel", "JHShip", "ABOBlood", "RHBlood",
                   "Allergy", "Ill", "Disable", "CreatTime", "LCBX"]


def write_record(children):
    statements = [insert("ClassInfo", [class_id, name]) for class_id, name in DEMO_CLASSES]
    statements.append("")
    # Listed class by class, as the class page shows them.
    for class_name in CLASS_ORDER:
        for child in children:
            if child["Class"] == class_name:
                statements.append(insert("ArchivesBase", [child[c] for c in ARCHIVE_COLUMNS]))
    write_sql("demo/Record.sql",
              ["Demo classes and children (invented people). Applied only by `pelinor-cli initdb --demo`.",
               "Generated by data/tools/make-demo.py."],
              statements)


def write_pantry(children):
    pass


def main():
    children = make_children()
    write_record(children)
    write_pantry(children)


if __name__ == "__main__":
    main()
