#!/usr/bin/env node
'use strict';
// Checks of the food library content, run by hand: node check.js
// They read the committed SQL files, not the lists they were made from, so a hand edit or a stale
// file shows up here.

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const L = require('./foodlib.js');
const { build } = require('./make-foods.js');

const CONTENT = ['content/cook.foods.sql', 'content/gright.sql', 'content/intakecriterion.sql'];

// Splits "INSERT INTO T VALUES(...);" lines into the table and its values (numbers, strings, null).
function parseInserts(relative)
{
    const rows = [];
    const text = fs.readFileSync(path.join(L.DATA, relative), 'utf8');
    for (const line of text.split('\n')) {
        const m = /^INSERT INTO (\w+) VALUES\((.*)\);$/.exec(line);
        if (!m) {
            if (line !== '' && !line.startsWith('--'))
                throw new Error(`${relative}: unexpected line ${line.slice(0, 60)}`);
            continue;
        }
        const values = [];
        const body = m[2];
        let i = 0;
        while (i < body.length) {
            if (body[i] === "'") {
                let s = '';
                i++;
                for (;;) {
                    if (i >= body.length)
                        throw new Error(`${relative}: open string in ${line.slice(0, 60)}`);
                    if (body[i] === "'") {
                        if (body[i + 1] === "'") {
                            s += "'";
                            i += 2;
                            continue;
                        }
                        i++;
                        break;
                    }
                    s += body[i++];
                }
                values.push(s);
            } else {
                let j = body.indexOf(',', i);
                if (j < 0)
                    j = body.length;
                const token = body.slice(i, j);
                if (token === 'NULL')
                    values.push(null);
                else if (/^-?\d+(\.\d+)?$/.test(token))
                    values.push(Number(token));
                else
                    throw new Error(`${relative}: bad literal ${token}`);
                i = j;
            }
            if (i < body.length) {
                assert.equal(body[i], ',', `${relative}: expected a comma in ${line.slice(0, 60)}`);
                i++;
            }
        }
        rows.push({ table: m[1], values });
    }
    return rows;
}

const cook = parseInserts('content/cook.foods.sql');
const gright = parseInserts('content/gright.sql');
const intake = parseInserts('content/intakecriterion.sql');
const rowsOf = (rows, table) => rows.filter((r) => r.table === table).map((r) => r.values);
const foodTypes = rowsOf(cook, 'FoodType');
const foods = rowsOf(cook, 'FoodShow');
const collocations = rowsOf(cook, 'FoodCollocation');
const barters = rowsOf(gright, 'FoodBarter');
const phasegs = rowsOf(gright, 'FoodPhaseg');
const cdris = rowsOf(intake, 'CDRIS');

// FoodShow column positions used below.
const F = { id: 0, big: 1, small: 2, name: 3, energy: 6, kj: 7, protein: 8, fat: 9, carb: 10, fibre: 11, initial: 43 };

test('the script reproduces the committed files byte for byte', () => {
    const outputs = build();
    for (const relative of CONTENT)
        assert.equal(fs.readFileSync(path.join(L.DATA, relative), 'utf8'), outputs[relative], relative);
});

test('top-level food types are the 21 fixed rows in stored order', () => {
    const top = foodTypes.filter((t) => t[1] === 0);
    assert.deepEqual(top.map((t) => t[2]), L.TOP_TYPES);
    assert.deepEqual(top.map((t) => t[0]), L.TOP_TYPES.map((_, i) => i + 1));
    assert.deepEqual(foodTypes.slice(0, 21).map((t) => t[1]), new Array(21).fill(0), 'top-level rows come first');
});

test('category names are unique across the tree (the category dialogs find a category by name alone)', () => {
    const names = foodTypes.map((t) => t[2]);
    assert.deepEqual(names.filter((n, i) => names.indexOf(n) !== i), []);
});

test('every second-level type hangs on a top-level type and every food on a second-level type of its top type', () => {
    const byId = new Map(foodTypes.map((t) => [t[0], t]));
    assert.equal(byId.size, foodTypes.length, 'FoodTypeID is unique');
    for (const t of foodTypes.filter((x) => x[1] !== 0))
        assert.ok(byId.has(t[1]) && byId.get(t[1])[1] === 0, `${t[2]} has no top-level parent`);
    for (const f of foods) {
        const small = byId.get(f[F.small]);
        assert.ok(small && small[1] === f[F.big], `${f[F.name]}: category ${f[F.small]} is not under ${f[F.big]}`);
    }
});

test('foods: at least 400, ids 1..N, no duplicate names, 45 columns', () => {
    assert.ok(foods.length >= 400, `${foods.length} foods`);
    assert.deepEqual(foods.map((f) => f[F.id]), foods.map((_, i) => i + 1));
    const seen = new Set();
    for (const f of foods) {
        assert.equal(f.length, 45, `${f[F.name]}`);
        assert.ok(!seen.has(f[F.name]), `duplicate food name ${f[F.name]}`);
        seen.add(f[F.name]);
    }
});

test('energy lies within 15 % of 4·protein + 9·fat + 4·carbohydrate unless listed with a reason', () => {
    const exceptions = new Map(L.readTsv(path.join(L.TOOLS, 'energy-exceptions.tsv'), 2).map((r) => [r.cells[0], r.cells[1]]));
    const names = new Set(foods.map((f) => f[F.name]));
    for (const [name, reason] of exceptions) {
        assert.ok(names.has(name), `exception for unknown food ${name}`);
        assert.ok(reason.length > 10, `exception for ${name} needs a reason`);
    }
    const outside = [];
    const needless = [];
    for (const f of foods) {
        const computed = 4 * f[F.protein] + 9 * f[F.fat] + 4 * f[F.carb];
        const within = Math.abs(computed - f[F.energy]) <= 0.15 * f[F.energy];
        if (!within && !exceptions.has(f[F.name]))
            outside.push(`${f[F.name]}: ${f[F.energy]} kcal vs ${computed.toFixed(1)}`);
        if (within && exceptions.has(f[F.name]))
            needless.push(f[F.name]);
    }
    assert.deepEqual(outside, [], 'foods outside the band without a listed reason');
    assert.deepEqual(needless, [], 'listed exceptions that are inside the band');
});

test('macronutrients are present and physically possible', () => {
    for (const f of foods) {
        for (const c of [F.energy, F.protein, F.fat, F.carb])
            assert.ok(typeof f[c] === 'number' && f[c] >= 0, `${f[F.name]} column ${c}`);
        assert.ok(f[F.protein] + f[F.fat] + f[F.carb] <= 100.5, `${f[F.name]}: more than 100 g per 100 g`);
        for (let c = 6; c <= 41; c++)
            assert.ok(f[c] === null || f[c] >= 0, `${f[F.name]} column ${c} is negative`);
        assert.equal(f[37], null, `${f[F.name]}: SR28 has no iodine, so it must stay NULL`);
    }
});

test('known foods carry their expected order of magnitude (catches shifted columns)', () => {
    const byName = new Map(foods.map((f) => [f[F.name], f]));
    const cases = [
        // name, column, low, high
        ['盐', 30, 35000, 40000], // sodium mg
        ['牛奶', 27, 100, 130], // calcium mg
        ['猪肝', 16, 4000, 8000], // vitamin A µg RAE
        ['大豆油', 9, 99, 100.1], // fat g
        ['白砂糖', 10, 99, 100.1], // carbohydrate g
        ['鸡蛋', 14, 300, 450], // cholesterol mg
        ['猕猴桃', 24, 80, 100], // vitamin C mg
        ['牛肉', 33, 3, 6], // zinc mg
        ['三文鱼', 21, 2, 5], // vitamin B12 µg
        ['菠菜', 22, 150, 220], // folate µg
    ];
    for (const [name, column, low, high] of cases) {
        const f = byName.get(name);
        assert.ok(f, `${name} is missing`);
        assert.ok(f[column] >= low && f[column] <= high, `${name} column ${column} = ${f[column]}`);
    }
});

test('derived and constant columns are what the food dialogs write', () => {
    const derived = [
        [7, 6, 4.1816], [12, 11, 0.6], [13, 11, 0.4], [17, 16, 7.0], [26, 25, 0.16], [40, 25, 0.6], [41, 25, 0.24],
    ];
    for (const f of foods) {
        assert.equal(f[4], 100);
        assert.equal(f[5], 10.2);
        assert.equal(f[15], 1.1);
        assert.equal(f[42], '');
        assert.equal(f[44], 2);
        assert.equal(f[39], f[23], `${f[F.name]}: nicotinic acid is niacin`);
        assert.equal(f[F.initial], L.pinyinInitial(f[F.name]));
        for (const [to, from, factor] of derived) {
            const expected = f[from] === null ? null : Number(L.formatFixed1(Math.fround(f[from]) * factor));
            assert.equal(f[to], expected, `${f[F.name]} column ${to}`);
        }
    }
});

test('one text row per food, with texts for at least 80 foods', () => {
    assert.deepEqual(collocations.map((c) => c[0]), foods.map((f) => f[F.id]));
    for (const c of collocations)
        assert.equal(c.length, 7);
    const written = collocations.filter((c) => c.slice(1, 6).every((t) => t.length > 0));
    assert.ok(written.length >= 80, `${written.length} foods with texts`);
});

test('relation pairs: at least 20 each, named by base names, never both 相宜 and 相克', () => {
    const bases = new Set(foods.map((f) => L.baseName(f[F.name])));
    const key = (r) => [r[1], r[2]].sort().join('|');
    for (const [rows, label] of [[barters, 'FoodBarter'], [phasegs, 'FoodPhaseg']]) {
        assert.ok(rows.length >= 20, `${label}: ${rows.length} rows`);
        assert.deepEqual(rows.map((r) => r[0]), rows.map((_, i) => i + 1), `${label} ids`);
        for (const r of rows) {
            assert.equal(r.length, 5);
            assert.ok(bases.has(r[1]) && bases.has(r[2]), `${label}: ${r[1]} / ${r[2]}`);
            assert.ok(r[3].length > 0);
            assert.equal(r[4], 2);
        }
    }
    const kept = new Set(phasegs.map(key));
    for (const r of barters)
        assert.ok(!kept.has(key(r)), `${r[1]} / ${r[2]} is both 相宜 and 相克`);
});

test('CDRIS has exactly one row per age 1 to 7 and sex, with the energy shares of fat', () => {
    const keys = cdris.map((r) => `${r[1]}${r[3]}`).sort();
    const expected = [];
    for (let age = 1; age <= 7; age++)
        expected.push(`${age}女`, `${age}男`);
    assert.deepEqual(keys, expected.sort());
    const cases = [
        // age, sex, energy, protein, fat, calcium, iron, zinc, vitamin C
        [1, '男', 900, 25, 35.0, 600, 9, 4.0, 40],
        [3, '女', 1200, 30, 46.7, 600, 9, 4.0, 40],
        [4, '男', 1300, 30, 43.3, 800, 10, 5.5, 50],
        [6, '女', 1250, 35, 41.7, 800, 10, 5.5, 50],
        [7, '男', 1500, 40, 50.0, 1000, 13, 7.0, 65],
    ];
    for (const [age, sex, energy, protein, fat, calcium, iron, zinc, vitaminC] of cases) {
        const r = cdris.find((x) => x[1] === age && x[3] === sex);
        assert.equal(r.length, 33);
        // Columns 6..30 as the plan editor reads them.
        assert.deepEqual([r[6], r[7], r[8], r[9], r[14], r[16], r[30]], [energy, protein, fat, calcium, iron, zinc, vitaminC],
            `${age} ${sex}`);
    }
});

test('base name cuts at the first full-width parenthesis, else at the first bracket', () => {
    const cases = [
        ['大米（粳）', '大米'],
        ['豆腐[北]', '豆腐'],
        ['牛肉[瘦]（进口）', '牛肉[瘦]'],
        ['鸡蛋', '鸡蛋'],
        ['（无名）', ''],
    ];
    for (const [name, base] of cases)
        assert.equal(L.baseName(name), base, name);
});

test('%.1f formatting rounds exact ties to the even digit like printf', () => {
    const cases = [
        [0.25, '0.2'], [0.75, '0.8'], [1.25, '1.2'], [2.75, '2.8'], [0.05, '0.1'], [0.15, '0.1'],
        [1505.376, '1505.4'], [0, '0.0'], [12.34, '12.3'], [99.96, '100.0'],
    ];
    for (const [x, text] of cases)
        assert.equal(L.formatFixed1(x), text, String(x));
});

test('the index letter comes from the first character, empty outside the level-1 block', () => {
    const cases = [['啊', 'A'], ['大米', 'D'], ['座', 'Z'], ['牛奶', 'N'], ['籼米', ''], ['Apple', ''], ['', '']];
    for (const [name, letter] of cases)
        assert.equal(L.pinyinInitial(name), letter, name);
});

test('each output file loads cleanly into its schema with the sqlite3 shell', (t) => {
    try {
        execFileSync('sqlite3', ['-version'], { stdio: 'ignore' });
    } catch {
        t.skip('sqlite3 shell not installed');
        return;
    }
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'pelinor-foods-'));
    try {
        const load = (schema, content) => {
            const db = path.join(dir, `${schema}.db`);
            const sql = fs.readFileSync(path.join(L.DATA, 'schema', `${schema}.sql`), 'utf8') +
                fs.readFileSync(path.join(L.DATA, content), 'utf8');
            execFileSync('sqlite3', ['-bail', db], { input: sql });
            return (query) => execFileSync('sqlite3', [db, query], { encoding: 'utf8' }).trim();
        };
        const cookDb = load('cook', 'content/cook.foods.sql');
        assert.equal(cookDb('SELECT count(*) FROM FoodShow'), String(foods.length));
        assert.equal(cookDb("SELECT typeof(FoodEnergy)||typeof(FoodID)||typeof(FoodName) FROM FoodShow WHERE FoodID=1"),
            'realintegertext');
        assert.equal(cookDb('SELECT count(*) FROM FoodType WHERE FoodTypePID=0'), '21');
        const grightDb = load('gright', 'content/gright.sql');
        assert.equal(grightDb('SELECT count(*) FROM FoodBarter'), String(barters.length));
        const intakeDb = load('intakecriterion', 'content/intakecriterion.sql');
        assert.equal(intakeDb("SELECT Energy FROM CDRIS WHERE Age1 = '5' AND Sex = '女'"), '1300.0');
    } finally {
        fs.rmSync(dir, { recursive: true, force: true });
    }
});
