// The reference's one style sheet: system fonts only, nothing fetched.
#include "reference_html.h"

namespace pg::host {

std::string ReferenceCss() {
  return R"(body { margin: 0; font: 15px/1.45 "DejaVu Sans", "Liberation Sans", Arial, sans-serif; color: #1d2430; background: #f6f4ef; }
header { background: #23395d; color: #f3f1ea; padding: 18px 32px 14px; }
header h1 { margin: 0 0 6px; font-size: 26px; }
header h1 .en { font-size: 18px; }
header p { max-width: 75em; margin: 6px 0; }
header .module { color: #ffd98a; }
header a { color: #cfe0ff; text-decoration: none; }
nav.pages { margin: 10px 0 4px; }
nav.pages a { display: inline-block; margin-right: 8px; padding: 3px 10px; border: 1px solid #5d7396; border-radius: 4px; }
nav.pages a.here { background: #f3f1ea; color: #23395d; }
nav.pages .en { color: inherit; opacity: 0.75; font-style: normal; }
nav.pages a.here .bi > .en { color: #23395d; }
nav.groups { margin-top: 12px; font-size: 13px; }
nav.groups div { margin: 3px 0; }
nav.groups a { margin-right: 6px; }
nav.groups a:first-child { color: #ffd98a; font-weight: bold; }
p.drawn { font-size: 12px; color: #b8c4d8; }
main { padding: 8px 32px 40px; max-width: 90em; }
.bi > .ru { display: block; }
.bi > .en { display: block; color: #5a6474; font-style: italic; }
span.bi > .ru, span.bi > .en { display: inline; }
span.bi > .en::before { content: " / "; }
header .bi > .en { color: #c9d3e3; }
h2.group-header { margin: 34px 0 8px; padding: 6px 12px; background: #d9e3f1; border-left: 6px solid #23395d; font-size: 20px; }
h2 .en { margin-left: 14px; font-size: 15px; font-weight: normal; color: #4a5568; }
section.action { background: #fff; border: 1px solid #d8d4c8; border-radius: 6px; margin: 14px 0; padding: 10px 18px 14px; }
section.action h3 { margin: 4px 0; font-size: 18px; }
section.action h4 { margin: 14px 0 6px; font-size: 14px; }
h4 .en { margin-left: 10px; font-weight: normal; color: #5a6474; font-style: italic; }
h3 .id { margin-left: 12px; font-size: 13px; font-weight: normal; color: #6b7280; }
p.hint { margin: 4px 0 0; font-size: 16px; }
p.line { margin: 0 0 8px; }
p.remark { background: #fff7e0; border-left: 4px solid #e0b040; padding: 6px 10px; }
p.empty { color: #6b7280; font-style: italic; }
table { border-collapse: collapse; font-size: 14px; }
table.params, table.tasks { width: 100%; }
th { text-align: left; background: #eef1f6; }
th, td { border: 1px solid #dde1e8; padding: 4px 8px; vertical-align: top; }
th .en { font-weight: normal; }
td.n { width: 1.5em; color: #6b7280; }
td.caption { width: 18%; }
td .extra { margin-top: 4px; border-top: 1px dotted #c9c4b6; padding-top: 4px; }
td div.words { margin-top: 4px; }
code { font-family: "DejaVu Sans Mono", "Liberation Mono", monospace; font-size: 13px; }
td code { background: #f1efe8; padding: 0 3px; border-radius: 3px; }
pre { font-family: "DejaVu Sans Mono", "Liberation Mono", monospace; font-size: 13px; margin: 0; white-space: pre-wrap; }
pre.script { background: #fff; border: 1px solid #d8d4c8; padding: 10px 14px; }
p.example { font-size: 13px; color: #374151; }
ol.steps li { margin: 6px 0; }
div.pictures { display: flex; flex-wrap: wrap; gap: 16px; align-items: flex-start; }
figure { margin: 0; }
figure img { display: block; border: 1px solid #c9c4b6; }
figure.default img { border: 2px dashed #8a94a6; }
figcaption { font-size: 12px; color: #374151; margin-top: 2px; max-width: 420px; }
figcaption .default { display: block; color: #6b7280; }
.swatch { display: inline-block; width: 40px; height: 14px; border: 1px solid #888; vertical-align: middle; }
nav.toc a { margin-right: 14px; }
details.script { max-width: 440px; margin-top: 3px; font-size: 12px; }
details.script summary { cursor: pointer; color: #374151; }
details.script pre { background: #fbfaf6; border: 1px solid #e3dfd3; padding: 4px 6px; font-size: 11.5px; overflow-x: auto; white-space: pre; }
section.gallery-chart details.script { max-width: none; }
section.gallery-chart { background: #fff; border: 1px solid #d8d4c8; border-radius: 6px; margin: 14px 0; padding: 10px 18px 14px; }
section.gallery-chart details.script pre { font-size: 12.5px; }
div.sweep-row { flex-wrap: nowrap; overflow-x: auto; gap: 8px; }
div.sweep-row img { width: 210px; height: auto; }
div.sweep-row figure, div.sweep-row details.script { max-width: 214px; }
div.lang { position: absolute; top: 14px; right: 24px; font-size: 13px; color: #f3f1ea; }
div.lang input { position: absolute; opacity: 0; width: 1px; height: 1px; }
div.lang label { display: inline-block; padding: 2px 9px; border: 1px solid #5d7396; cursor: pointer; }
div.lang label:first-of-type { border-radius: 4px 0 0 4px; }
div.lang label:last-of-type { border-radius: 0 4px 4px 0; }
div.lang input:checked + label { background: #f3f1ea; color: #23395d; }
div.lang input:focus-visible + label { outline: 2px solid #ffd98a; }
body:has(#lang-ru:checked) .en, body:has(#lang-en:checked) .ru { display: none !important; }
body:has(#lang-en:checked) .bi > .en, body:has(#lang-en:checked) h2 .en, body:has(#lang-en:checked) h4 .en { font-style: normal; color: inherit; }
body:has(#lang-en:checked) span.bi > .en::before { content: none; }
form.search { margin: 10px 0 2px; }
form.search input { width: 32em; max-width: 90%; padding: 4px 8px; font: inherit; font-size: 14px; border: 1px solid #5d7396; border-radius: 4px; }
form.search span { margin-left: 10px; color: #ffd98a; font-size: 13px; }
@media print {
  div.lang, form.search, nav.pages, nav.groups, details.script summary { display: none; }
  body, header { background: #fff; color: #000; }
  header .bi > .en, header .module { color: #333; }
  section.action, section.gallery-chart { break-inside: avoid; }
}
)";
}

}  // namespace pg::host
