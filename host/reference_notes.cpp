#include "reference_notes.h"

#include <array>

namespace pg::host {
namespace {

constexpr std::array<std::string_view, 8> kHeaders = {
    "Chart: the minimal set-up", "Further settings", "Background panel", "Chart view",
    "Legend",                    "Chart marks",      "Dialogs",          "Further functions",
};

constexpr std::array<ValueKind, 16> kKinds = {{
    {'N', "rectangle name", "The host has no window for it: false; an earlier chart of that name is gone all the same."},
    {'X', "rectangle name", "No chart there: nothing happens, the result is false."},
    {'R', "rectangle name", "No chart there: [LastError] names the rectangle and nothing changes."},
    {'T', "text", "Taken as it is; empty is allowed."},
    {'I', "integer", "Not a whole 32-bit number (a trailing blank included): the action stops here."},
    {'D', "decimal number (the locale's separator)", "Not a number: no record is added."},
    {'B', "Boolean word: True, true, False, false", "Any other text: nothing changes."},
    {'C', "colour triple R,G,B", "Fewer than three integers: the action stops here."},
    {'c', "colour triple R,G,B, or empty", "Empty: a palette colour; fewer than three integers: no record is added."},
    {'F', "font description Face|Colour|Size|Styles|Charset",
     "Read field by field: a bad field stops it, the fields before it stay."},
    {'W', "word from the list", "Any other text: the setting stays as it was."},
    {'P', "picture file (.bmp .ico .emf .wmf .jpg .jpeg)", "Not loadable: the old picture and its settings stay."},
    {'S', "file path without extension (.bmp is added)", "Not writable: nothing is saved, nothing is reported."},
    {'O', "output variable name", "Used as it is."},
    {'K', "colour text: a colour name or an integer", "Neither: the variable is not written."},
    {'Q', "colour triple R,G,B", "Fewer than three integers: the variable is not written."},
}};

constexpr std::array<ActionNote, 42> kActions = {{
    {1, "Create a chart in a rectangle of the page.", "N", "", false},  // an empty chart shows nothing
    {2, "Delete the chart in a rectangle.", "X", ""},
    {3, "Set the title text, its font and alignment.", "RTFW", R"("Sales" "Arial|clNavy|14|fsBold |204" "Center")"},
    {4, "Set the foot text, its font and alignment.", "RTFW", R"("Year 2026" "Arial|clGray|10|fsItalic |204" "Right")"},
    {5, "Add a record (one slice: value, label, colour).", "RDTc", R"("30" "Centre" "150,80,200")"},
    {6, "Delete a record by its number, counted from 1.", "RI", R"("1")"},
    {7, "Delete every record.", "R", ""},
    {8, "Hide or show the chart panel.", "RB", R"("False")"},
    {9, "Draw the chart in black and white, or in colour.", "RB", R"("True")"},
    {10, "Set the panel's background colour.", "RC", R"("255,250,215")"},
    {11, "Fill the background with a two-colour gradient.", "RCCW", R"("255,255,255" "110,150,215" "TopBottom")"},
    {12, "Put a picture behind the chart.", "RBPW", R"("True" "{examples}/pictures/hills.jpg" "Stretch")"},
    {13, "Draw the chart in 3D or flat.", "RB", R"("False")"},
    {14, "Set the perspective.", "RI", R"("100")"},
    {15, "Turn the chart to the right or left.", "RI", R"("30")"},
    {16, "Tilt the chart towards or away from the viewer.", "RI", R"("60")"},
    {17, "Shift the chart horizontally.", "RI", R"("40")"},
    {18, "Zoom the chart, in percent.", "RI", R"("150")"},
    {19, "Shift the chart vertically.", "RI", R"("30")"},
    {20, "Set the chart's height (thickness), in percent.", "RI", R"("100")"},
    {21, "Set the panel's margins: left, right, top, bottom.", "RIIII", R"("10" "10" "10" "10")"},
    {22, "Set the width of the panel's border.", "RI", R"("20")"},
    {23, "Hide or show the legend.", "RB", R"("False")"},
    {24, "Set the legend's font.", "RF", R"("Times New Roman|clMaroon|11|fsBold |204")"},
    {25, "Set the legend panel's colour.", "RC", R"("255,255,200")"},
    {26, "Set the width of the legend's colour markers.", "RI", R"("60")"},
    {27, "Swap the order of the legend's entries.", "RB", R"("True")"},
    {28, "Show the legend in the foreground.", "RB", R"("True")"},
    {29, "Set the colour and distance of the legend's shadow.", "RCI", R"("110,110,110" "6")"},
    {30, "Hide or show the slice marks.", "RB", R"("False")"},
    {31, "Choose what the marks show.", "RW", R"("Value")"},
    {32, "Make the marks' text background transparent.", "RB", R"("True")"},
    {33, "Set the marks' background colour and font.", "RCF", R"("255,255,200" "Arial|clBlue|9|fsBold |204")"},
    {34, "Set the colour and width of the marks' frames.", "RCI", R"("200,0,0" "2")"},
    {35, "Hide or show the marks' frames.", "RB", R"("False")"},
    {36, "Choose the line style of the marks' frames.", "RW", R"("Dash")"},
    {37, "Show the colour dialog; store the colour in a variable.", "O", R"("[Colour]")", false},
    {38, "Show the font dialog; store the font in a variable.", "O", R"("[Font]")", false},
    {39, "Save the chart as a bitmap file.", "RS", R"("C:\Charts\sales")", false},
    {40, "Convert a colour name or number to a triple R,G,B.", "KO", R"("clRed" "[RGB]")", false},
    {41, "Convert a triple R,G,B to a colour name or number.", "QO", R"("255,0,0" "[Colour]")", false},
    {42, "Rock the chart back and forth, or stop it.", "RBII", R"("True" "40" "10")", true, "tick 3"},
}};

}  // namespace

std::span<const std::string_view> HeaderNotes() { return kHeaders; }
std::span<const ActionNote> ActionNotes() { return kActions; }

const ActionNote* FindActionNote(int id) {
  return id >= 1 && id <= static_cast<int>(kActions.size()) ? &kActions[static_cast<std::size_t>(id - 1)] : nullptr;
}

const ValueKind* ValueKindOf(char letter) {
  for (const auto& k : kKinds)
    if (k.letter == letter) return &k;
  return nullptr;
}

}  // namespace pg::host
