#!/usr/bin/env python3
"""Writes the demo people and plans that `pelinor-cli initdb --demo` adds:

  data/demo/Record.sql             two more classes and about 120 children (ArchivesBase)
  data/demo/Record.attendance.sql  the autumn term's attendance events (KaoQin)
  data/demo/pantry.sql             a few one-day and one-week meal plans (PantryRecord, PantryCook)
  data/demo/sysmanager.sql         health checks (KqCheckIn) and vaccinations (YmCheckIn)

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
- Every child had the autumn health check on the day the archives were measured, with
  the archive's height and weight; the children who were there in spring also had the
  spring check. BMI is worked out as the examination form does: in single precision,
  with "%.3f".
- Attendance: a few events per child on school days of the autumn term, at most one
  of each kind per child and day.
- Vaccinations: the doses of the national programme given at their ages (the vaccine
  catalogue's schedule, data/tools/make-vaccines.py), some voluntary vaccines for some
  children, and a few gaps, so that the "待接种" view has something to show.

The plans need the dish and food catalogue: they read data/schema/cook.sql,
data/content/cook.foods.sql and data/content/cook.dishes.sql into a temporary SQLite
database and build every composition from the stored dish rows, the way the plan
editor scales a dish.

Run: python3 data/tools/make-demo.py
"""

import datetime
import os
import sqlite3
import struct
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


MEALS = ["早餐", "早点", "午餐", "午点", "晚餐"]
WEEK = ["周一", "周二", "周三", "周四", "周五"]
DIETITIAN = "admin"  # the built-in account saved the demo plans

# Menus of one day: meal time -> items; a dish is served at its own weight, a single food
# is written "name:grams". No meal puts two foods of a FoodPhaseg pair together.
DAY_MENUS = {
    "A1": {"早餐": ["小米粥", "白菜猪肉包"], "早点": ["牛奶:200", "苹果:100"],
           "午餐": ["二米饭", "番茄炒蛋", "清炒西兰花", "紫菜蛋花汤"], "午点": ["红枣发糕", "香蕉:80"],
           "晚餐": ["青菜肉丝面", "蒸南瓜"]},
    "A2": {"早餐": ["红薯粥", "鸡蛋饼"], "早点": ["酸奶:150", "梨:100"],
           "午餐": ["大米饭", "土豆烧牛肉", "醋溜白菜", "冬瓜海带汤"], "午点": ["绿豆汤", "小米发糕"],
           "晚餐": ["猪肉白菜水饺", "清炒西葫芦"]},
    "A3": {"早餐": ["鸡肉香菇粥", "馒头", "煮鸡蛋:50"], "早点": ["牛奶:200", "梨:100"],
           "午餐": ["杂粮饭", "鱼香肉丝", "香菇小白菜", "番茄蛋花汤"], "午点": ["蒸玉米", "橙子:100"],
           "晚餐": ["大米饭", "肉末豆腐", "清炒荷兰豆"]},
    "A4": {"早餐": ["小米南瓜粥", "葱油花卷", "煮鸡蛋:50"], "早点": ["牛奶:200", "香蕉:80"],
           "午餐": ["南瓜米饭", "红烧鸡块", "蚝油生菜", "冬瓜肉丸汤"], "午点": ["鸡蛋布丁", "苹果:100"],
           "晚餐": ["鸡丝炒面", "冬瓜海带汤"]},
    "A5": {"早餐": ["八宝粥", "胡萝卜鸡肉包"], "早点": ["酸奶:150", "猕猴桃:80"],
           "午餐": ["大米饭", "糖醋里脊", "清炒西兰花", "菌菇汤"], "午点": ["南瓜饼", "梨:100"],
           "晚餐": ["蛋炒饭", "紫菜蛋花汤"]},
    "B1": {"早餐": ["青菜肉末粥", "馒头", "煮鸡蛋:50"], "早点": ["牛奶:200", "苹果:100"],
           "午餐": ["二米饭", "洋葱炒牛肉", "番茄炒菜花", "海带排骨汤"], "午点": ["蒸红薯", "橘子:80"],
           "晚餐": ["三鲜水饺", "手撕包菜"]},
    "B2": {"早餐": ["燕麦牛奶粥", "豆沙包"], "早点": ["酸奶:150", "香蕉:80"],
           "午餐": ["大米饭", "香菇滑鸡", "清炒西兰花", "番茄蛋花汤"], "午点": ["芝麻糊", "梨:100"],
           "晚餐": ["牛肉汤面", "家常豆腐"]},
    "B3": {"早餐": ["猪肝菠菜粥", "玉米面窝头", "煮鸡蛋:50"], "早点": ["牛奶:200", "苹果:100"],
           "午餐": ["杂粮饭", "茄汁鱼块", "醋溜土豆丝", "冬瓜肉丸汤"], "午点": ["红豆汤", "小米发糕"],
           "晚餐": ["大米饭", "黄焖鸡", "清炒藕片"]},
    "B4": {"早餐": ["小米粥", "白菜猪肉包"], "早点": ["豆浆:200", "香蕉:80"],
           "午餐": ["红薯米饭", "萝卜炖羊肉", "香菇小白菜", "紫菜蛋花汤"], "午点": ["冰糖雪梨", "红枣发糕"],
           "晚餐": ["鸡丝炒面", "菌菇汤"]},
    "B5": {"早餐": ["山药粥", "鸡蛋饼"], "早点": ["牛奶:200", "梨:100"],
           "午餐": ["大米饭", "滑蛋虾仁", "蘑菇炒西兰花", "小白菜豆腐汤"], "午点": ["蒸山药", "猕猴桃:80"],
           "晚餐": ["猪肉白菜水饺", "芹菜香干"]},
    "C1": {"早餐": ["小米南瓜粥", "鸡蛋饼"], "早点": ["牛奶:200", "香蕉:80"],
           "午餐": ["大米饭", "肉末茄子", "清炒西葫芦", "番茄蛋花汤"], "午点": ["小米发糕", "苹果:100"],
           "晚餐": ["鲜肉小馄饨", "蒸红薯"]},
    "C2": {"早餐": ["白米粥", "胡萝卜鸡肉包"], "早点": ["酸奶:150", "梨:100"],
           "午餐": ["二米饭", "蒸肉饼", "清炒菠菜", "冬瓜海带汤"], "午点": ["红枣发糕", "橘子:80"],
           "晚餐": ["番茄鸡蛋面", "蚝油生菜"]},
    "C3": {"早餐": ["红枣小米粥", "馒头", "煮鸡蛋:50"], "早点": ["牛奶:200", "苹果:100"],
           "午餐": ["南瓜米饭", "鱼丸烩豆腐", "炒绿豆芽", "菌菇汤"], "午点": ["蒸玉米", "香蕉:80"],
           "晚餐": ["大米饭", "鹌鹑蛋烧肉", "香菇小白菜"]},
    "C4": {"早餐": ["青菜肉末粥", "葱油花卷"], "早点": ["牛奶:200", "梨:100"],
           "午餐": ["大米饭", "胡萝卜炒鸡肝", "手撕包菜", "丝瓜蛋汤"], "午点": ["绿豆汤", "南瓜饼"],
           "晚餐": ["猪肉白菜水饺", "清炒荷兰豆"]},
    "C5": {"早餐": ["鸡肉香菇粥", "豆沙包"], "早点": ["酸奶:150", "猕猴桃:80"],
           "午餐": ["杂粮饭", "西兰花炒虾仁", "醋溜土豆丝", "小白菜豆腐汤"], "午点": ["枣泥山药糕", "苹果:100"],
           "晚餐": ["大米饭", "红烧鸡翅", "红烧冬瓜"]},
    "D1": {"早餐": ["八宝粥", "鸡蛋饼"], "早点": ["牛奶:200", "苹果:100"],
           "午餐": ["二米饭", "土豆烧牛肉", "清炒西兰花", "紫菜蛋花汤"], "午点": ["小米发糕", "香蕉:80"],
           "晚餐": ["青菜肉丝面", "蒸南瓜"]},
    "D2": {"早餐": ["小米南瓜粥", "白菜猪肉包"], "早点": ["牛奶:200", "梨:100"],
           "午餐": ["大米饭", "番茄炒蛋", "香菇小白菜", "冬瓜肉丸汤"], "午点": ["红枣发糕", "橘子:80"],
           "晚餐": ["猪肉白菜水饺", "清炒西葫芦"]},
    "D3": {"早餐": ["山药粥", "葱油花卷", "煮鸡蛋:50"], "早点": ["牛奶:200", "香蕉:80"],
           "午餐": ["杂粮饭", "清蒸鲈鱼", "番茄炒菜花", "海带排骨汤"], "午点": ["蒸红薯", "苹果:100"],
           "晚餐": ["牛肉汤面", "家常豆腐"]},
}


def load_dish_rows():
    """Dish name -> (CookWeight, [(food name, weight text)] in stored row order), from the committed SQL."""
    db = sqlite3.connect(":memory:")
    for relative in ("schema/cook.sql", "content/cook.foods.sql", "content/cook.dishes.sql"):
        with open(os.path.join(DATA_DIR, relative), encoding="utf-8") as src:
            db.executescript(src.read())
    found = {}
    for cook_id, name, weight in db.execute("SELECT CookID, CookName, CookWeight FROM CookShow ORDER BY rowid"):
        rows = list(db.execute("SELECT f.FoodName, c.CookFoodWeight FROM CookFood c "
                               "JOIN FoodShow f ON f.FoodID = c.CookFoodFID "
                               "WHERE c.CookFoodCID = ? ORDER BY c.rowid", (cook_id,)))
        found[name] = (weight, rows)
    foods = {name for (name,) in db.execute("SELECT FoodName FROM FoodShow")}
    return found, foods


def plan_item(item, dish_rows, foods):
    """'dish' or 'food:grams' -> (name, composition, is dish, weight text)."""
    if ":" in item:
        food, grams = item.split(":")
        if food not in foods:
            sys.exit("%s is not in the food catalogue" % food)
        return food, "%s:%sg；" % (food, grams), "否", grams
    if item not in dish_rows:
        sys.exit("%s is not a dish" % item)
    weight, rows = dish_rows[item]
    # Served at the dish's own weight, so every food keeps its weight text.
    return item, "".join("%s:%sg；" % (food, text) for food, text in rows), "是", "%d" % weight


def write_pantry(children):
    dish_rows, foods = load_dish_rows()
    by_class = {}
    for child in children:
        by_class.setdefault(child["Class"], []).append(child)
    one_child = by_class["中班"][3]
    week_child = by_class["小班"][5]

    # (name, cycle, saved on, kind, subject, plan date, archive number, day menus)
    plans = [
        ("%s一日食谱" % one_child["ArchName"], "一天", "2026-12-04", "个人", one_child["ArchName"], "2026-12-08",
         one_child["ArchID"], ["D1"]),
        ("小班组周四食谱", "一天", "2026-12-02", "团体", "小班；小二班", "2026-12-03", "", ["D2"]),
        ("全园周五食谱", "一天", "2026-12-03", "团体", "小班；中班；大班；小二班；大二班", "2026-12-04", "", ["D3"]),
        ("%s一周食谱" % week_child["ArchName"], "一周", "2026-12-04", "个人", week_child["ArchName"], "2026-11-30",
         week_child["ArchID"], ["C1", "C2", "C3", "C4", "C5"]),
        ("中班十一月第四周食谱", "一周", "2026-11-27", "团体", "中班", "2026-11-23", "", ["A1", "A2", "A3", "A4", "A5"]),
        ("大班组十二月第二周食谱", "一周", "2026-12-04", "团体", "大班；大二班", "2026-12-07", "",
         ["B1", "B2", "B3", "B4", "B5"]),
    ]
    records, items = [], []
    for plan_id, (name, cycle, saved, kind, subject, plan_date, arch_id, menus) in enumerate(plans):
        records.append(insert("PantryRecord", [plan_id, name, cycle, saved, DIETITIAN, kind, subject, plan_date,
                                               arch_id]))
        first = datetime.date.fromisoformat(plan_date)
        for index, menu in enumerate(menus):
            day_key = "一天" if cycle == "一天" else WEEK[index]
            day = (first + datetime.timedelta(days=index)).isoformat()
            for meal in MEALS:
                for item in DAY_MENUS[menu][meal]:
                    item_name, composition, is_dish, weight = plan_item(item, dish_rows, foods)
                    items.append(insert("PantryCook", [len(items), plan_id, item_name, composition, day_key, meal,
                                                       day, is_dish, weight]))
    write_sql("demo/pantry.sql",
              ["Demo meal plans for one child and for classes. Applied only by `pelinor-cli initdb --demo`.",
               "Generated by data/tools/make-demo.py from the committed dish rows."],
              records + [""] + items)


def f32(value):
    """The value as a 32-bit float, as the examination form holds it."""
    return struct.unpack("f", struct.pack("f", value))[0]


def bmi_text(height, weight):
    metres = f32(f32(height) * f32(0.01))
    return "%.3f" % f32(f32(weight) / f32(metres * metres))


DOCTORS = ["刘静", "陈卫东"]
VISION = [("5.0", 70), ("4.9", 18), ("4.8", 8), ("4.7", 3), ("4.6", 1)]
CARIES = [("无", 70), ("1颗", 14), ("2颗", 9), ("3颗", 5), ("4颗", 2)]


def examination(rng, child, date, height, weight, group_age):
    """The 40 KqCheckIn values but the ID, for one check."""
    height, weight = float("%.1f" % height), float("%.1f" % weight)  # as typed into the form
    older = group_age >= 5
    caries = "龋齿" in child["Ill"] and rng.weighted(CARIES[1:]) or rng.weighted(CARIES)
    left = "5.0" if "弱视" not in child["Ill"] else "4.6"
    right = "5.0" if "弱视" not in child["Ill"] else "4.7"
    if left == "5.0":
        left, right = rng.weighted(VISION), rng.weighted(VISION)
    diet = "无"
    for food in ("鸡蛋", "虾蟹", "芒果"):
        if food in child["Allergy"]:
            diet = "忌食" + food
    state = "良好" if caries in ("无", "1颗") else "良好，龋齿待治疗"
    if weight / (height / 100.0) ** 2 > 18.5:
        state = "超重，注意控制饮食、加强锻炼"
    elif weight / (height / 100.0) ** 2 < 13.2:
        state = "偏瘦，注意加强营养"
    return [
        child["ArchName"], child["Class"], child["Gender"], child["ArchID"],
        "%.1f" % height, "%.1f" % weight, bmi_text(height, weight),
        "%d" % (800 + rng.below(500)) if older else "",
        "%d/%d" % (86 + rng.below(14), 52 + rng.below(12)),
        "%d" % (88 + rng.below(20)),
        "未见异常", "未见异常", "未触及", "未见异常",
        caries, "正常" if rng.below(10) else "牙龈轻度红肿",
        left, right, "无", "无" if rng.below(30) else "轻度", "正常" if "斜视" not in child["Ill"] else "斜视",
        "正常", "正常", "未见异常", "未见异常", "未见异常", "未见异常",
        "正常" if rng.below(8) else "Ⅰ度肿大",
        "未见异常", "未见异常", "未见异常", "未见异常", "未见异常", "未见异常" if rng.below(15) else "轻度湿疹",
        "未触及",
        diet, state, date.isoformat(), rng.pick(DOCTORS),
    ]


def write_examinations(rng, children):
    rows = []
    spring = datetime.date(2026, 5, 12)
    for class_name in CLASS_ORDER:
        for child in children:
            if child["Class"] != class_name:
                continue
            born = datetime.date.fromisoformat(child["Birth"])
            age = months_between(born, MEASURED_ON) // 12
            height, weight = float(child["Height"]), float(child["Weight"])
            if CLASS_PLAN[class_name][1] < 2026:
                # Half a year younger: about 3 cm shorter and 0.9 kg lighter.
                rows.append(examination(rng, child, spring, height - 2.5 - rng.uniform(), weight - 0.6 - 0.6 *
                                        rng.uniform(), age))
            rows.append(examination(rng, child, MEASURED_ON, height, weight, age))
    return [insert("KqCheckIn", [number] + values) for number, values in enumerate(rows, start=1)]


ABSENCES = [("病假", 40), ("事假", 25), ("迟到", 20), ("早退", 10), ("其他", 5)]
REMARKS = {
    "病假": ["发烧", "感冒", "咳嗽", "腹泻", "手足口病居家观察", "扁桃体发炎"],
    "事假": ["家中有事", "随家长外出", "回老家探亲", "家长带去看牙医"],
    "迟到": ["起床晚", "路上堵车", "家长送晚了"],
    "早退": ["家长提前接走", "去医院复查", "参加兴趣班"],
    "其他": ["外出体检", "参加比赛", ""],
}


def write_attendance(rng, children):
    first, last = datetime.date(2026, 9, 1), datetime.date(2026, 12, 4)
    school_days = [first + datetime.timedelta(days=n) for n in range((last - first).days + 1)]
    school_days = [d for d in school_days if d.weekday() < 5 and not (datetime.date(2026, 10, 1) <= d <=
                                                                       datetime.date(2026, 10, 7))]
    statements = []
    for class_name in CLASS_ORDER:
        for child in children:
            if child["Class"] != class_name:
                continue
            taken = set()
            for _ in range(rng.weighted([(0, 15), (1, 20), (2, 25), (3, 20), (4, 12), (6, 8)])):
                kind = rng.weighted(ABSENCES)
                day = rng.pick(school_days)
                # A few days of sick leave come in a row.
                span = 1 + rng.below(3) if kind == "病假" else 1
                for n in range(span):
                    date = day + datetime.timedelta(days=n)
                    if date.weekday() >= 5 or (child["ArchID"], date, kind) in taken:
                        continue
                    taken.add((child["ArchID"], date, kind))
                    statements.append((date, class_name, child, kind, rng.pick(REMARKS[kind])))
    # Entered day by day, as the staff would.
    statements.sort(key=lambda row: (row[0], CLASS_ORDER.index(row[1])))
    return [insert("KaoQin", [number, class_name, child["ArchName"], kind, date.isoformat(), remark, child["ArchID"]])
            for number, (date, class_name, child, kind, remark) in enumerate(statements, start=1)]


# Doses by vaccine: (month of age, remark). The national programme first, as in make-vaccines.py.
PROGRAMME = [
    ("乙肝疫苗", [(0, "第1剂"), (1, "第2剂"), (6, "第3剂")]),
    ("卡介苗", [(0, "")]),
    ("脊灰疫苗", [(2, "第1剂"), (3, "第2剂"), (4, "第3剂，口服"), (48, "第4剂，口服")]),
    ("百白破疫苗", [(2, "第1剂"), (4, "第2剂"), (6, "第3剂"), (18, "加强")]),
    ("白破疫苗", [(72, "加强")]),
    ("麻腮风疫苗", [(8, "第1剂"), (18, "第2剂")]),
    ("乙脑疫苗", [(8, "第1剂"), (24, "第2剂")]),
    ("流脑疫苗", [(6, "A群第1剂"), (9, "A群第2剂"), (36, "A群C群第1剂"), (72, "A群C群第2剂")]),
    ("甲肝疫苗", [(18, "")]),
]
VOLUNTARY = [
    ("水痘疫苗", 70, [(13, "第1剂，自费"), (48, "第2剂，自费")]),
    ("肠道病毒71型灭活疫苗", 55, [(8, "第1剂，自费"), (9, "第2剂，自费")]),
]
DEMO_TODAY = datetime.date(2026, 12, 6)


def add_months(day, months):
    month = day.month - 1 + months
    year = day.year + month // 12
    month = month % 12 + 1
    last = (datetime.date(year + month // 12, month % 12 + 1, 1) - datetime.timedelta(days=1)).day
    return datetime.date(year, month, min(day.day, last))


def write_vaccinations(rng, children):
    rows = []
    for class_name in CLASS_ORDER:
        for child in children:
            if child["Class"] != class_name:
                continue
            born = datetime.date.fromisoformat(child["Birth"])
            place = child["Adress"][:3] + "社区卫生服务中心"
            # One child in twelve came with an incomplete certificate: no meningococcal doses on record.
            skipped = "流脑疫苗" if rng.below(12) == 0 else None
            plan = [(name, doses) for name, doses in PROGRAMME if name != skipped]
            plan += [(name, doses) for name, share, doses in VOLUNTARY if rng.below(100) < share]
            for name, doses in plan:
                for month, remark in doses:
                    given = add_months(born, month) + datetime.timedelta(days=rng.below(8) if month else 0)
                    # Doses still ahead, and the latest ones nobody has brought in yet, are not on record.
                    if given > DEMO_TODAY - datetime.timedelta(days=20):
                        continue
                    at = "市妇幼保健院" if month == 0 else place
                    rows.append((given, class_name, child, name, remark, at))
            if rng.below(100) < 45:
                rows.append((datetime.date(2026, 10, 9 + rng.below(20)), class_name, child, "流感疫苗", "2026—2027流行季，自费",
                             "青禾幼儿园集体接种点" if rng.below(2) else place))
    # The register was filled in child by child when the certificates were checked.
    return [insert("YmCheckIn", [number, class_name, child["ArchName"], name, given.isoformat(), remark,
                                 child["ArchID"], at])
            for number, (given, class_name, child, name, remark, at) in enumerate(rows, start=1)]


def write_health(children):
    rng = DemoRandom(20261116)
    write_sql("demo/sysmanager.sql",
              ["Demo health checks and vaccinations (invented). Applied only by `pelinor-cli initdb --demo`.",
               "Generated by data/tools/make-demo.py."],
              write_examinations(rng, children) + [""] + write_vaccinations(rng, children))
    write_sql("demo/Record.attendance.sql",
              ["Demo attendance events of the autumn term (invented). Applied only by `pelinor-cli initdb --demo`.",
               "Generated by data/tools/make-demo.py."],
              write_attendance(rng, children))


def main():
    children = make_children()
    write_record(children)
    write_pantry(children)
    write_health(children)


if __name__ == "__main__":
    main()
