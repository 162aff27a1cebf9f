// The reference drawn at build time: its sections follow the module's catalogue,
// its Russian texts are the module's own bytes, and it stands alone offline.
#ifdef PG_REFERENCE_DIR
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "dialogs/editor_table.h"
#include "host_usage.h"
#include "framework/text/codepage.h"
#include "framework/params/colour_format.h"
#include "plugin/catalogue/catalogue.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Unescape(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [from, to] : entities)
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + 1)) text.replace(at, std::strlen(from), to);
  return text;
}

// The texts between each `open` and the next `close`, in order, unescaped.
std::vector<std::string> Between(const std::string& html, const std::string& open, const std::string& close) {
  std::vector<std::string> out;
  for (auto at = html.find(open); at != std::string::npos; at = html.find(open, at)) {
    at += open.size();
    const auto end = html.find(close, at);
    if (end == std::string::npos) break;
    out.push_back(Unescape(html.substr(at, end - at)));
  }
  return out;
}

const std::string kPages[] = {"index.html", "quickstart.html", "tasks.html", "formats.html", "host.html", "gallery.html"};

class Reference : public ::testing::Test {
 protected:
  const fs::path dir_ = PG_REFERENCE_DIR;
  const std::string html_ = ReadFile(dir_ / "index.html");
};

TEST_F(Reference, HasASectionPerActionUnderTheEightHeadersInCatalogueOrder) {
  const auto headers = Between(html_, "<h2 class=\"group-header\"", "</h2>");
  const auto sections = Between(html_, "<section class=\"action\" id=\"", "\"");
  EXPECT_EQ(headers.size(), 8u);
  ASSERT_EQ(sections.size(), static_cast<std::size_t>(pg::plugin::kLastActionId));
  // Headers and sections interleave as the catalogue's rows do.
  std::vector<std::pair<std::size_t, std::string>> marks;
  for (const std::string kind : {"header", "action"}) {
    const std::string open = kind == "header" ? "<h2 class=\"group-header\"" : "<section class=\"action\"";
    for (auto at = html_.find(open); at != std::string::npos; at = html_.find(open, at + 1)) marks.emplace_back(at, kind);
  }
  std::sort(marks.begin(), marks.end());
  std::vector<std::string> order, expected;
  for (const auto& m : marks) order.push_back(m.second);
  for (const auto& row : pg::plugin::Catalogue()) expected.push_back(row.id == 0 ? "header" : "action");
  EXPECT_EQ(order, expected);
  std::size_t k = 0;
  for (const auto& row : pg::plugin::Catalogue()) {
    if (row.id != 0) {
      EXPECT_EQ(sections[k++], row.name);
    }
  }
}

TEST_F(Reference, RussianTextsAreTheModulesBytes) {
  const auto headers = Between(html_, "\"><span lang=\"ru\">", "</span>");
  const auto hints = Between(html_, "<p class=\"hint\" lang=\"ru\">", "</p>");
  const auto captions = Between(html_, "<td class=\"caption\" lang=\"ru\">", "</td>");
  std::size_t h = 0, a = 0, c = 0;
  for (const auto& row : pg::plugin::Catalogue()) {
    if (row.id == 0) {
      ASSERT_LT(h, headers.size());
      EXPECT_EQ(pg::text::Utf8ToCp1251(headers[h++]), row.name);
      continue;
    }
    ASSERT_LT(a, hints.size());
    EXPECT_EQ(pg::text::Utf8ToCp1251(hints[a++]), row.hint) << row.name;
    const auto* editor = pg::dialogs::FindEditor(row.id);
    ASSERT_NE(editor, nullptr);
    for (int r = 0; r < editor->rowCount; ++r) {
      ASSERT_LT(c, captions.size());
      EXPECT_EQ(pg::text::Utf8ToCp1251(captions[c++]), editor->rows[static_cast<std::size_t>(r)].caption)
          << row.name << " row " << r + 1;
    }
  }
  EXPECT_EQ(h, headers.size());
  EXPECT_EQ(a, hints.size());
  EXPECT_EQ(c, captions.size());
  // The hint with two quotes and the one with a backslash come through whole.
  EXPECT_NE(html_.find("&quot;\xD1\x82\xD0\xB5\xD0\xBD\xD0\xB8&quot;"), std::string::npos);  // "тени"
  EXPECT_NE(html_.find("\xD0\x92\xD0\xBA\xD0\xBB\\"), std::string::npos);                  // Вкл\ .
}

TEST_F(Reference, ListsEveryWordOfEachListRow) {
  // pgChartGradient's direction row: all nine words, in the editor's order.
  const auto at = html_.find("id=\"pgChartGradient\"");
  ASSERT_NE(at, std::string::npos);
  const auto section = html_.substr(at, html_.find("</section>", at) - at);
  std::size_t from = 0;
  for (const auto word : pg::dialogs::FindEditor(11)->rows[3].words) {
    from = section.find("<code>" + std::string(word) + "</code>", from);
    EXPECT_NE(from, std::string::npos) << word;
  }
}

// The file names a page links to or shows, and the fragment of each link.
std::vector<std::pair<std::string, std::string>> Links(const std::string& html) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const std::string open : {"<img src=\"", "<a href=\""})
    for (const auto& target : Between(html, open, "\"")) {
      const auto hash = target.find('#');
      out.emplace_back(target.substr(0, hash), hash == std::string::npos ? "" : target.substr(hash + 1));
    }
  return out;
}

TEST_F(Reference, StandsAloneWithEveryPictureAndPageItNames) {
  std::size_t images = 0;
  for (const std::string& page : kPages) {
    const std::string html = ReadFile(dir_ / page);
    ASSERT_FALSE(html.empty()) << page;
    for (const auto& [file, fragment] : Links(html)) {
      const std::string target = file.empty() ? page : file;
      ASSERT_TRUE(fs::is_regular_file(dir_ / target)) << page << " names " << target;
      EXPECT_GT(fs::file_size(dir_ / target), 100u) << target;
      if (target.ends_with(".png")) ++images;
      if (!fragment.empty()) {
        EXPECT_NE(ReadFile(dir_ / target).find("id=\"" + fragment + "\""), std::string::npos)
            << page << " links to " << target << "#" << fragment;
      }
    }
    for (const char* bad : {"<script src", "@font-face", "url(", "http:", "https:", "fetch("}) EXPECT_EQ(html.find(bad), std::string::npos) << page << ": " << bad;
    // One small inline script, after the page's content: the page reads fine without it.
    EXPECT_EQ(Between(html, "<script", ">").size(), 1u) << page;
    EXPECT_GT(html.find("<script>"), html.find("</main>")) << page;
  }
  // Every editor; before and after for the 36 that change the look; a picture per list word.
  EXPECT_GT(images, 42u + 2 * 36u + 9 + 9 + 6 + 3);
  const std::string css = ReadFile(dir_ / "style.css");
  ASSERT_FALSE(css.empty());
  for (const char* bad : {"@font-face", "url(", "http:", "https:", "@import"}) EXPECT_EQ(css.find(bad), std::string::npos) << bad;
}

// Each action's section as [start, end) of the page.
std::string SectionOf(const std::string& html, const std::string& name) {
  const auto at = html.find("<section class=\"action\" id=\"" + name + "\"");
  if (at == std::string::npos) return {};
  return html.substr(at, html.find("</section>", at) - at);
}

TEST_F(Reference, EveryExampleChangesTheChartUnlessMarkedAsTheDefault) {
  std::size_t sections = 0, words = 0, defaults = 0;
  for (const auto& row : pg::plugin::Catalogue()) {
    if (row.id == 0) continue;
    const std::string section = SectionOf(html_, row.name);
    const auto before = Between(section, "<figure class=\"before\"><img src=\"", "\"");
    if (before.empty()) continue;
    ++sections;
    const std::string chart = ReadFile(dir_ / before.front());
    ASSERT_FALSE(chart.empty()) << row.name;
    for (const auto& after : Between(section, "<figure class=\"after\"><img src=\"", "\""))
      EXPECT_NE(ReadFile(dir_ / after), chart) << row.name << ": the example draws the chart as it was";
    for (const auto& figure : Between(section, "<figure class=\"word", "</figure>")) {
      const bool isDefault = figure.starts_with(" default\"");
      const auto image = Between(figure, "<img src=\"", "\"");
      ASSERT_EQ(image.size(), 1u) << row.name;
      const bool same = ReadFile(dir_ / image.front()) == chart;
      EXPECT_EQ(same, isDefault) << row.name << " " << image.front()
                                 << (same ? ": draws the chart as it was, unmarked" : ": marked as the default, but differs");
      ++words;
      defaults += isDefault;
    }
  }
  EXPECT_EQ(sections, 42u);  // and the six pie layout actions
  EXPECT_GT(words, 40u);
  EXPECT_GE(defaults, 12u);  // a Boolean's or a list's value on a new chart: the pictures say which
}

TEST_F(Reference, EveryListWordAndBothBooleanWordsHaveTheirPicture) {
  std::size_t lists = 0, booleans = 0;
  for (const auto& row : pg::plugin::Catalogue()) {
    if (row.id == 0) continue;
    const std::string section = SectionOf(html_, row.name);
    if (section.find("<figure class=\"before\"") == std::string::npos) continue;
    const auto* editor = pg::dialogs::FindEditor(row.id);
    ASSERT_NE(editor, nullptr);
    for (int r = 0; r < editor->rowCount; ++r) {
      const auto& editorRow = editor->rows[static_cast<std::size_t>(r)];
      std::vector<std::string> expected(editorRow.words.begin(), editorRow.words.end());
      if (expected.empty() && pg::text::Cp1251ToUtf8(std::string(editorRow.caption)).find("True/False") != std::string::npos)
        expected = {"True", "False"}, ++booleans;
      else if (!expected.empty())
        ++lists;
      const std::string gallery = "data-row=\"" + std::to_string(r + 1) + "\"";
      const auto at = section.find(gallery);
      if (expected.empty()) continue;
      ASSERT_NE(at, std::string::npos) << row.name << " row " << r + 1 << " has no pictures of its words";
      const std::string words = section.substr(at, section.find("</div>\n</div>", at) - at);
      for (const auto& w : expected)
        EXPECT_NE(words.find("data-word=\"" + w + "\""), std::string::npos) << row.name << " row " << r + 1 << ": " << w;
    }
  }
  // Two alignments, gradient, placement, marks style, frame style, marks layout, Other slice.
  EXPECT_EQ(lists, 8u);
  EXPECT_EQ(booleans, 13u);  // every Boolean row of an action that changes the look
}

TEST_F(Reference, EveryExplanationIsInRussianAndInEnglish) {
  for (const std::string& page : kPages) {
    const std::string html = ReadFile(dir_ / page);
    std::size_t texts = 0;
    // <tag class="bi ..."><span class="ru" lang="ru">…</span><span class="en" lang="en">…</span></tag>
    for (auto at = html.find("class=\"bi"); at != std::string::npos; at = html.find("class=\"bi", at + 1)) {
      const auto ru = html.find('>', at) + 1;
      const auto en = html.find("</span>", ru) + 7;
      EXPECT_EQ(html.compare(ru, 27, "<span class=\"ru\" lang=\"ru\">"), 0) << page << ": " << html.substr(at, 120);
      EXPECT_EQ(html.compare(en, 27, "<span class=\"en\" lang=\"en\">"), 0) << page << ": " << html.substr(at, 120);
      ++texts;
    }
    EXPECT_GT(texts, 10u) << page;
  }
}

TEST_F(Reference, FormatsPageShowsWhatTheModuleWrites) {
  const std::string html = ReadFile(dir_ / "formats.html");
  for (const auto& c : pg::params::kColourTable)
    EXPECT_NE(html.find("<code>" + std::string(c.name) + "</code>"), std::string::npos) << c.name;
  const std::string written[] = {
      "<code>clRed</code></td><td><code>255,0,0</code>",      // a table name
      "<code>clBtnFace</code></td><td><code>15,0,0</code>",   // a system colour stays its number
      "<code>0,128,0</code>",                                  // pgColorBox
      "<code>Arial|clRed|12|fsBold fsUnderline |204</code>",   // pgFontDialog
      "<code>$001E140A</code>",                                // pgRGBToColor without a name
  };
  for (const auto& text : written) EXPECT_NE(html.find(text), std::string::npos) << text;
  // The quick start shows a whole script that creates, fills, styles and saves.
  const std::string quick = ReadFile(dir_ / "quickstart.html");
  std::size_t from = 0;
  for (const std::string step : {"pgChartCreate", "pgAddSeriesChart", "pgSetTitleChart", "pgChartBitmap"}) {
    from = quick.find(step, from);
    EXPECT_NE(from, std::string::npos) << step;
  }
}

TEST_F(Reference, EveryPictureShowsTheShippedScriptThatDrewIt) {
  std::size_t pictures = 0;
  std::set<std::string> shown;
  for (const std::string& page : kPages) {
    const std::string html = ReadFile(dir_ / page);
    for (const auto& figure : Between(html, "<figure", "</figure>")) {
      // A picture is a PNG, or a file the export action wrote (the chart as
      // .svg, .jpg, or a PDF's page as .pdf.png) named after the script's stem.
      const auto images = Between(figure, "<img src=\"img/", "\"");
      ASSERT_EQ(images.size(), 1u) << page << ": " << figure.substr(0, 200);
      const std::string stem = images.front().substr(0, images.front().find('.'));
      const auto named = Between(figure, "<summary><code>examples/reference/", ".pgs</code>");
      ASSERT_EQ(named.size(), 1u) << page << ": the picture " << stem << " has no script";
      EXPECT_EQ(named.front(), stem) << page;
      const auto script = Between(figure, "<pre>", "</pre>");
      ASSERT_EQ(script.size(), 1u) << stem;
      EXPECT_EQ(ReadFile(dir_ / "examples/reference" / (stem + ".pgs")), script.front()) << stem << ": the page and the file differ";
      // Whole and portable: it saves its own picture by a relative name, and
      // names no place on the machine that drew it.
      EXPECT_NE(script.front().find("\"" + stem + ".png\""), std::string::npos) << stem;
      for (const std::string& bad : {dir_.string(), std::string("C:\\"), std::string("{")})
        EXPECT_EQ(script.front().find(bad), std::string::npos) << stem << " holds " << bad;
      shown.insert(stem);
      ++pictures;
    }
  }
  // Every shipped script is shown with its picture.
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(dir_ / "examples/reference")) {
    ++files;
    EXPECT_TRUE(shown.count(entry.path().stem().string())) << entry.path() << " is shown nowhere";
  }
  EXPECT_EQ(files, shown.size());
  EXPECT_GT(pictures, 42u + 2 * 36u + 6 * 4);
}

TEST_F(Reference, NumericRowsAreSweptInOneRowOfFourOrFivePictures) {
  for (const std::string name : {"pgView3DPerspective", "pgView3DElevation", "pgView3DDepth", "pgView3DZoom",
                                 "pgView3DRotation", "pgChartMargin", "pgExplodeSlice", "pgExplodeBiggest"}) {
    const std::string section = SectionOf(html_, name);
    const auto at = section.find("<div class=\"pictures sweep-row\">");
    ASSERT_NE(at, std::string::npos) << name;
    const auto row = section.substr(at, section.find("</div>\n</div>", at) - at);
    std::size_t pictures = 0;
    for (auto f = row.find("<figure"); f != std::string::npos; f = row.find("<figure", f + 1)) ++pictures;
    EXPECT_GE(pictures, 4u) << name;
    EXPECT_LE(pictures, 5u) << name;
  }
}

// Authors look for what they need done: a pie of many small slices and a print
// in black and white each lead to the actions that do it, and the gallery has
// a finished chart of many small slices.
TEST_F(Reference, TaskIndexLeadsToThePieLayoutActions) {
  const std::string tasks = ReadFile(dir_ / "tasks.html");
  const std::pair<std::string, std::vector<std::string>> rows[] = {
      {"Many small slices", {"pgOtherSlice", "pgMarksLayout", "pgExplodeSlice", "pgExplodeBiggest"}},
      {"Print in black and white", {"pgSlicePatterns", "pgChartMonochrome"}}};
  for (const auto& [task, actions] : rows) {
    const auto at = tasks.find(">" + task + "<");
    ASSERT_NE(at, std::string::npos) << task;
    const std::string row = tasks.substr(at, tasks.find("</tr>", at) - at);
    for (const auto& name : actions)
      EXPECT_NE(row.find("href=\"index.html#" + name + "\""), std::string::npos) << task << ": " << name;
  }
  const std::string gallery = ReadFile(dir_ / "gallery.html");
  const auto at = gallery.find(">Many small slices<");
  ASSERT_NE(at, std::string::npos);
  const std::string chart = gallery.substr(at, gallery.find("</section>", at) - at);
  for (const std::string line : {"pgOtherSlice", "pgMarksLayout &quot;Rect1&quot; &quot;NoOverlap&quot;"})
    EXPECT_NE(chart.find(line), std::string::npos) << line;
}

// The export action shows its chart in each format as that format's reader
// draws it: the SVG file itself, the PDF's page drawn by pdftoppm at 96 dpi
// (the chart's own size), the JPEG and the PNG; the EMF is a link.
TEST_F(Reference, ExportShowsTheChartInEachFormat) {
  const std::string section = SectionOf(html_, "pgChartExport");
  ASSERT_FALSE(section.empty());
  for (const std::string ext : {".svg", ".pdf.png", ".jpg", ".png"}) {
    const auto at = section.find(ext + "\" alt=");
    ASSERT_NE(at, std::string::npos) << ext;
    const auto start = section.rfind("src=\"", at) + 5;
    const fs::path file = dir_ / section.substr(start, at + ext.size() - start);
    ASSERT_TRUE(fs::is_regular_file(file)) << file;
    const std::string bytes = ReadFile(file);
    if (ext == ".svg") {
      EXPECT_NE(bytes.find("<svg"), std::string::npos);
    }
    if (ext == ".pdf.png") {
      ASSERT_GT(bytes.size(), 24u);
      const auto big = [&](std::size_t i) {
        return (static_cast<unsigned char>(bytes[i]) << 24) | (static_cast<unsigned char>(bytes[i + 1]) << 16) |
               (static_cast<unsigned char>(bytes[i + 2]) << 8) | static_cast<unsigned char>(bytes[i + 3]);
      };
      EXPECT_EQ(big(16), 420);
      EXPECT_EQ(big(20), 280);
    }
  }
  EXPECT_NE(section.find(".emf\"><code>.emf</code></a>"), std::string::npos);
}

TEST_F(Reference, HostPageHasEveryOptionAndCommandOfTheHelp) {
  const std::string page = Unescape(ReadFile(dir_ / "host.html"));
  std::istringstream help(pg::host::HelpText());
  std::size_t options = 0, commands = 0;
  bool inCommands = false;
  for (std::string line; std::getline(help, line);) {
    if (line.starts_with("Script commands:")) inCommands = true;
    if (line.empty()) inCommands = false;
    for (auto at = line.find("--"); at != std::string::npos; at = line.find("--", at + 2)) {
      const std::string option = line.substr(at, line.find_first_of(" ].,)", at) - at);
      EXPECT_NE(page.find("<code>" + option), std::string::npos) << option;
      ++options;
    }
    // "  word ..." at the start of a command's line names the command.
    if (inCommands && line.size() > 2 && line.starts_with("  ") && std::islower(static_cast<unsigned char>(line[2]))) {
      const std::string command = line.substr(2, line.find(' ', 2) - 2);
      EXPECT_NE(page.find(command), std::string::npos) << command;
      ++commands;
    }
  }
  EXPECT_GT(options, 5u);
  EXPECT_GT(commands, 20u);
}

}  // namespace
#endif
