#pragma once
// The reference's pages as HTML and their style sheet: one small inline script
// that the pages do without, no web font.
#include <string>

#include "reference_model.h"

namespace pg::host {

// The action reference, index.html: every action under its group.
std::string ReferenceHtml(const Reference& ref);
std::string ReferenceCss();

// Text with &, <, > and " written as entities.
std::string EscapeHtml(const std::string& text);
std::string EscapeHtml(std::string_view text);
// A text in both languages inside one element: Russian first, then English.
std::string Both(const Text& text, const std::string& tag, const std::string& cls = {});
// The page's head, title bar and the links between the pages; `page` is the
// file name of the page itself.
std::string PageStart(const Reference& ref, const Text& title, const std::string& page);
std::string PageEnd();
// A picture with its caption and, under it, the whole script that drew it
// (folded unless `open`), named as it is shipped.
std::string ShotFigure(const ReferenceShot& shot, const std::string& caption, const std::string& alt, bool open = false,
                       const std::string& attributes = {});

}  // namespace pg::host
