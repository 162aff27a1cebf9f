#pragma once
// What the PDF library leaves out of a tagged file: the figure's alternate text
// and the document's language. Added as an incremental update appended to the
// finished file, the way PDF editors amend a file without rewriting it.
#include <string>

namespace pg::platform {

// Appends to `pdf` new versions of its catalog (with /Lang and a viewer asked
// to show the title) and of its first Figure structure element (with /Alt, when
// altUtf8 is not empty), a cross-reference section for them and a trailer
// chained to the old one. A language that is not letters, digits and hyphens is
// left out. False, with `pdf` unchanged, when the file does not have the shape
// expected (a classic cross-reference table and a catalog).
bool AddFigureTextAndLanguage(std::string& pdf, const std::string& altUtf8, const std::string& lang);

// A PDF text string: UTF-16BE with its byte order mark, in hexadecimal.
std::string PdfTextString(const std::string& utf8);

}  // namespace pg::platform
