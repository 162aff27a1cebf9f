// The reference drawn at build time: its sections follow the module's catalogue,
// its Russian texts are the module's own bytes, and it stands alone offline.
#ifdef PG_REFERENCE_DIR
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialogs/editor_table.h"
#include "framework/text/codepage.h"
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

class Reference : public ::testing::Test {
 protected:
  const fs::path dir_ = PG_REFERENCE_DIR;
  const std::string html_ = ReadFile(dir_ / "index.html");
};

TEST_F(Reference, HasASectionPerActionUnderTheEightHeadersInCatalogueOrder) {
  const auto headers = Between(html_, "<h2 class=\"group-header\"", "</h2>");
  const auto sections = Between(html_, "<section class=\"action\" id=\"", "\"");
  EXPECT_EQ(headers.size(), 8u);
  ASSERT_EQ(sections.size(), 42u);
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

TEST_F(Reference, StandsAloneWithEveryPictureItNames) {
  const auto images = Between(html_, "<img src=\"", "\"");
  EXPECT_EQ(images.size(), 42u + 2 * 36u);  // every editor; before and after for the 36 that change the look
  for (const auto& image : images) {
    EXPECT_TRUE(fs::is_regular_file(dir_ / image)) << image;
    EXPECT_GT(fs::file_size(dir_ / image), 100u) << image;
  }
  const std::string css = ReadFile(dir_ / "style.css");
  ASSERT_FALSE(css.empty());
  for (const std::string& text : {html_, css}) {
    EXPECT_EQ(text.find("<script"), std::string::npos);
    EXPECT_EQ(text.find("@font-face"), std::string::npos);
    EXPECT_EQ(text.find("url("), std::string::npos);
    EXPECT_EQ(text.find("http:"), std::string::npos);
    EXPECT_EQ(text.find("https:"), std::string::npos);
  }
}

}  // namespace
#endif
