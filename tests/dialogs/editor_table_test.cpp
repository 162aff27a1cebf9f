// Every editor as the author sees it, checked against an independent listing of
// row kinds, and the texts that are easiest to get wrong.
#include <gtest/gtest.h>

#include <sstream>

#include "dialogs/editor_table.h"
#include "editor_support.h"
#include "framework/text/codepage.h"
#include "plugin/catalogue/catalogue.h"
#include "plugin/module_state.h"

namespace {

using pg::test::ScriptScope;
using pg::test::Slots;

// Row kinds per id: R rectangle, V variable, v variable without tooltip,
// VC variable+colour, VF variable+font, C colour only, F font only, L list.
// The pie layout actions close the list (pgMarksLayout .. pgPieCircled).
const char* const kKinds[pg::plugin::kLastActionId + 1] = {
    "",         "R",       "R",      "R V VF L", "R V VF L", "R V V VC", "R V", "R",   "R V",  "R V",
    "R C",      "R VC VC L", "R V V L", "R V",  "R V",      "R V",      "R V", "R V", "R V",  "R V",
    "R V",      "R V V V V", "R V",  "R V",     "R F",      "R C",      "R V", "R V", "R V",  "R VC V",
    "R V",      "R L",     "R V",    "R VC VF", "R VC V",   "R V",      "R L", "V",   "V",    "R V",
    "V V",      "V V",     "R V V v", "R V",
    "R L",      "R L V V", "R V V",  "R V",      "R V",      "R V"};

std::string ExpectedButtons(const std::string& kind) {
  const std::string rect = " chooser \"" + std::string("Выбор прямоугольника"_cp) + "\"";
  const std::string var = " chooser \"" + std::string("Выбор переменной"_cp) + "\"";
  const std::string colour = " colour \"" + std::string("Выбор цвета"_cp) + "\"";
  const std::string font = " font \"" + std::string("Выбор шрифта"_cp) + "\"";
  if (kind == "R") return " buttons" + rect;
  if (kind == "V") return " buttons" + var;
  if (kind == "v") return " buttons chooser";
  if (kind == "VC") return " buttons" + var + colour;
  if (kind == "VF") return " buttons" + var + font;
  if (kind == "C") return " buttons" + colour;
  if (kind == "F") return " buttons" + font;
  return " no buttons";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::string ShowEditor(int id, std::size_t slots) {
  std::vector<const char*> texts(slots, "v");
  Slots s(texts);
  ScriptScope script;
  script.Step(pg::platform::ScriptStep::Kind::kShow).Step(pg::platform::ScriptStep::Kind::kClose);
  EXPECT_FALSE(pg::plugin::EditAction(id, s.cells.data()));
  return script.shown;
}

TEST(EditorTable, EveryEditorShowsItsCaptionRowsAndButtons) {
  for (int id = 1; id <= pg::plugin::kLastActionId; ++id) {
    const auto* row = pg::plugin::FindAction(id);
    const auto* editorTable = pg::dialogs::FindEditor(id);
    ASSERT_TRUE(row && editorTable) << id;
    const auto kinds = Words(kKinds[id]);
    ASSERT_EQ(static_cast<int>(kinds.size()), row->count) << row->name;
    EXPECT_EQ(static_cast<int>(editorTable->dialog), row->count) << row->name;
    const auto lines = Lines(ShowEditor(id, kinds.size()));
    ASSERT_EQ(lines.size(), 3 + kinds.size()) << row->name;
    EXPECT_EQ(lines[0], "caption \"" + std::string(row->name) + " " + std::string("Свойства"_cp) + "\"");
    EXPECT_EQ(lines[1], "title \"" + std::string(row->name) + (id == 42 ? " " : "") + "\"");
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      const bool list = kinds[k] == "L";
      std::string words;
      for (const auto word : editorTable->rows[k].words) words += " \"" + std::string(word) + "\"";
      const std::string tail =
          std::string(list ? " list \"\" words" + words : " edit \"v\"") + ExpectedButtons(kinds[k]);
      const std::string& line = lines[3 + k];
      EXPECT_EQ(line.rfind("row " + std::to_string(k + 1) + " \"", 0), 0u) << line;
      ASSERT_GE(line.size(), tail.size());
      EXPECT_EQ(line.substr(line.size() - tail.size()), tail) << row->name << " row " << k + 1;
      if (kinds[k] == "R") {
        const bool longCaption = id == 1 || id == 7;
        const auto caption = longCaption ? "Rectangle для отображения диаграммы:"_cp : "Rectangle диаграммы:"_cp;
        EXPECT_NE(line.find("\"" + std::string(caption) + "\""), std::string::npos) << row->name;
      }
    }
  }
}

TEST(EditorTable, DescriptionsKeepLineFeedsQuotesAndTrailingBlanks) {
  EXPECT_EQ(pg::dialogs::FindEditor(1)->description, "Создать объект Chart в Rectangle для \nотображения диаграммы."_cp);
  EXPECT_EQ(pg::dialogs::FindEditor(29)->rows[1].caption, "Выбрать цвет \"тени\":"_cp);
  EXPECT_EQ(pg::dialogs::FindEditor(42)->description,
            "Выбрать максимальный угол поворота (наклона),\nустановить шаг и вкл\\откл движение диаграммы."_cp);
  EXPECT_EQ(pg::dialogs::FindEditor(33)->description, "Установить цвет фона и параметры шрифта \nмаркеров диаграммы"_cp);
  // "ё" is one byte in the code page.
  EXPECT_NE(pg::dialogs::FindEditor(6)->description.find("\xB8"), std::string_view::npos);
  const auto show = ShowEditor(6, 2);
  EXPECT_NE(show.find("\\n(" + std::string("номер записи"_cp)), std::string::npos);
}

TEST(EditorTable, ListsHoldTheirWordsInOrder) {
  const auto& gradient = pg::dialogs::FindEditor(11)->rows[3].words;
  ASSERT_EQ(gradient.size(), 9u);
  EXPECT_EQ(gradient.front(), "TopBottom");
  EXPECT_EQ(gradient.back(), "FromBottomRight");
  EXPECT_EQ(pg::dialogs::FindEditor(31)->rows[1].words.size(), 9u);
  EXPECT_EQ(pg::dialogs::FindEditor(36)->rows[1].words.back(), "Clear");
  EXPECT_EQ(pg::dialogs::FindEditor(12)->rows[3].words[1], "Tile");
  EXPECT_EQ(pg::dialogs::FindEditor(4)->rows[3].words[2], "Right");
}

}  // namespace
