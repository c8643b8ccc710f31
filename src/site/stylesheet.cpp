#include "site/htmlpage.h"

namespace radiane::site {

// Song type for Chinese, the key colours of the keyboard picture (a tint per
// stroke zone on a dark case), one column on a phone, no navigation on paper.
QByteArray styleSheet() {
    return QByteArrayLiteral(R"css(
:root { --case: #3b4250; --face: #d9dce1; --ink: #1f2933; --z1: #fbe3d6; --z2: #d8e8fa;
  --z3: #dcf1d8; --z4: #f7efc6; --z5: #ecdff5; --accent: #c0392b; }
* { box-sizing: border-box; }
body { margin: 0; color: var(--ink); background: #f6f5f1; line-height: 1.6;
  font-family: "Noto Serif CJK SC", "Source Han Serif SC", "SimSun", "Songti SC", serif; }
nav { background: var(--case); padding: .4em 1em; display: flex; flex-wrap: wrap; gap: .2em 1.2em; }
nav a { color: #fff; text-decoration: none; }
nav a:hover { text-decoration: underline; }
main { max-width: 62em; margin: 0 auto; padding: 1em 1.2em 2em; background: #fff; }
footer { text-align: center; color: #777; font-size: .85em; padding: 1em; }
h1 { font-size: 1.8em; margin: .3em 0 .5em; border-bottom: 3px solid var(--case); }
h2 { font-size: 1.3em; margin: 1.4em 0 .5em; border-left: .35em solid var(--accent); padding-left: .4em; }
a { color: #0000c0; }
.z1 { background: var(--z1); } .z2 { background: var(--z2); } .z3 { background: var(--z3); }
.z4 { background: var(--z4); } .z5 { background: var(--z5); }
.code { font-family: "DejaVu Sans Mono", monospace; text-transform: uppercase; letter-spacing: .08em; }
.code em { color: var(--accent); font-style: normal; font-weight: bold; }
.keyboard { background: var(--case); padding: .6em; border-radius: .5em; display: grid; gap: .35em; }
.row { display: grid; grid-template-columns: repeat(10, 1fr); gap: .35em; }
.row.home { padding-left: 4%; grid-template-columns: repeat(9, 1fr); width: 94%; }
.row.bottom { padding-left: 10%; grid-template-columns: repeat(7, 1fr); width: 76%; }
.cap { display: block; border-radius: .3em; padding: .2em .3em; text-decoration: none; color: var(--ink);
  min-height: 3.2em; border: 1px solid #0003; }
.cap b { display: block; font-family: sans-serif; }
.cap span { font-size: 1.1em; }
.cap.z0 { background: var(--face); color: #888; }
table { border-collapse: collapse; width: 100%; margin: .5em 0; }
th, td { border: 1px solid #c9ccd2; padding: .25em .5em; text-align: left; vertical-align: top; }
th { background: #eef0f3; }
.facts { display: grid; grid-template-columns: max-content 1fr; gap: .2em 1em; }
.facts dt { font-weight: bold; } .facts dd { margin: 0; }
.verse { font-size: 1.4em; letter-spacing: .1em; }
.tiles { display: grid; grid-template-columns: repeat(auto-fill, minmax(8.5em, 1fr)); gap: .6em; }
figure { margin: 0; padding: .4em; border: 1px solid #d5d8dd; border-radius: .3em; text-align: center;
  break-inside: avoid; page-break-inside: avoid; }
figure img { width: 112px; height: 113px; max-width: 100%; object-fit: contain; image-rendering: pixelated;
  display: block; margin: 0 auto; }
figcaption { font-size: .95em; }
.form { display: grid; grid-template-columns: 9em 1fr; gap: .6em; align-items: start; margin: .8em 0; }
.none { color: #777; }
.twin { color: #555; font-size: .9em; margin: 0 0 .4em; }
figcaption .note { display: block; color: #555; font-size: .85em; }
.big { font-size: 5em; line-height: 1.1; }
.chartkey { break-inside: avoid; page-break-inside: avoid; border: 2px solid var(--case); border-radius: .4em;
  padding: .4em; }
.chartkey h3 { margin: 0 0 .3em; }
.chart { display: grid; grid-template-columns: repeat(auto-fill, minmax(17em, 1fr)); gap: .6em; }
.chart .tiles { grid-template-columns: repeat(auto-fill, minmax(6em, 1fr)); gap: .3em; }
.chart figure { padding: .2em; border: none; }
.chart figure img { width: 84px; height: 85px; }
.chartkey h3 { font-size: 1.4em; }
td.big-cell { font-size: 2.4em; line-height: 1.2; }
img.part { width: 84px; height: 85px; margin-right: .3em; }
td:has(> img.part) { white-space: nowrap; } /* a character's pictures on one line */
.keyto { white-space: nowrap; }
form input[type=text] { font: inherit; font-size: 1.3em; width: 6em; padding: .1em .3em; }
form button { font: inherit; font-size: 1.1em; padding: .15em 1em; }
ol li, ul li { margin: .3em 0; }
.tiles figcaption { white-space: nowrap; }
figcaption .radical { display: block; color: #555; font-size: .85em; }
figure.part img.form { width: 56px; height: 57px; display: inline-block; border: 1px solid #d5d8dd; }
figure.part img { display: inline-block; vertical-align: middle; }
figure.part img.form:first-child { width: 84px; height: 85px; } /* no painted character */
a.keyname { display: inline-block; min-width: 1.5em; padding: 0 .3em; border: 1px solid #0004;
  border-radius: .25em; background: var(--face); font-family: sans-serif; text-decoration: none; }
.strokes { list-style: none; padding: 0; display: flex; flex-wrap: wrap; gap: .4em; }
.strokes li { margin: 0; text-align: center; font-family: sans-serif; font-size: .85em; }
.strokes svg { display: block; width: 64px; height: 64px; border: 1px solid #c9a0a0; background: #fff; }
.strokes .grid { stroke: #e8caca; stroke-width: .8; stroke-dasharray: 3 3; fill: none; }
.strokes polyline { fill: none; stroke-linecap: round; stroke-linejoin: round; }
.strokes .done { stroke: #b8b8b8; stroke-width: 7; }
.strokes .now { stroke: #111; stroke-width: 8; }
.strokes circle { fill: var(--accent); }
.principles figure img { width: 84px; height: 85px; }
a.glyph { display: block; font-size: 4.2em; line-height: 1.3; text-decoration: none; color: var(--ink); }
.glyphcell { font-size: 2.4em; }
.strokekinds .strokes svg { width: 48px; height: 48px; }
span.pair { white-space: nowrap; }
.tiles figure.part figcaption { white-space: normal; }
td.pair { white-space: nowrap; }
.notice { background: #fff4e5; border: 1px solid #f0c890; padding: .6em 1em; border-radius: .3em; }
@media (max-width: 600px) {
  main { padding: .6em .7em 1.5em; }
  h1 { font-size: 1.4em; }
  .row, .row.home, .row.bottom { padding-left: 0; width: 100%; gap: .2em; }
  .keyboard { padding: .3em; gap: .2em; }
  .cap { padding: .1em; min-height: 2.8em; font-size: .8em; }
  .tiles figcaption { font-size: .85em; letter-spacing: 0; }
  .tiles figcaption .code { letter-spacing: 0; }
  .strokes svg { width: 48px; height: 48px; }
  .tiles figure img, .form figure img { width: 64px; height: 65px; }
  .tiles { grid-template-columns: repeat(auto-fill, minmax(4.9em, 1fr)); gap: .3em; }
  .form { grid-template-columns: 4.4em 1fr; gap: .3em; }
  main { padding: .5em .4em 1.5em; }
  figure { padding: .2em; }
  .facts { grid-template-columns: 1fr; }
  .big { font-size: 3.5em; }
  img.part { width: 44px; height: 45px; margin-right: .1em; }
  figure.part img.form:first-child { width: 64px; height: 65px; }
  .chart figure img { width: 56px; height: 57px; }
  .chart .tiles { grid-template-columns: repeat(auto-fill, minmax(4.4em, 1fr)); }
  table { font-size: .9em; }
}
@media print {
  nav, footer, form { display: none; }
  body, main { background: #fff; max-width: none; padding: 0; }
  a { color: inherit; text-decoration: none; }
  .keyboard { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  .cap, .z1, .z2, .z3, .z4, .z5 { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  h2, h3 { break-after: avoid; page-break-after: avoid; }
  /* The tutorial's tables: small pictures, no row split. */
  img.part { width: 12mm; height: 12mm; margin-right: .5mm; }
  tr { break-inside: avoid; }
  /* Key pages: small tiles, many to a row. */
  .form { grid-template-columns: 22mm 1fr; gap: 2mm; margin: 2mm 0; break-inside: avoid; }
  .form figure img, .tiles figure img { width: 13mm; height: 13mm; }
  .tiles { grid-template-columns: repeat(auto-fill, minmax(19mm, 1fr)); gap: 1mm; }
  a.glyph { font-size: 28pt; }
  .tiles:has(figure.part) { grid-template-columns: repeat(auto-fill, minmax(34mm, 1fr)); }
  figure { padding: .5mm; }
  figcaption { font-size: 8pt; line-height: 1.2; }
  .verse { font-size: 12pt; }
  /* The chart: two A4 landscape pages, zones 1-3 and 4-5. */
  .chartsheet { page: chart; }
  .chartsheet h1 { font-size: 14pt; margin: 0 0 1mm; border-width: 1px; }
  .chartsheet > p { display: none; }
  .chart { grid-template-columns: repeat(5, 1fr); gap: 1.5mm; }
  .chartkey { padding: 1mm; border-width: 1px; }
  .chartkey h3 { font-size: 9pt; margin: 0; }
  .chartkey .verse { font-size: 7pt; margin: 0 0 .5mm; letter-spacing: 0; line-height: 1.2; }
  .chart .tiles { grid-template-columns: repeat(auto-fill, minmax(9.5mm, 1fr)); gap: .3mm; }
  .chart figure img { width: 9mm; height: 9mm; }
  .chart figcaption { font-size: 6pt; white-space: nowrap; overflow: hidden; }
  .chartkey.z4.first { break-before: page; }
}
@page chart { size: A4 landscape; margin: 6mm; }
)css");
}

} // namespace radiane::site
