#include "platform/export/pdf_structure.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "platform/codepage_table.h"

namespace pg::platform {

namespace {

bool IsDelimiter(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '/' || c == '<' || c == '>'; }

// The number after `key` in text[from, to), e.g. "/Size 12" gives 12.
std::optional<long long> NumberAfter(const std::string& text, const std::string& key, std::size_t from,
                                     std::size_t to) {
  std::size_t at = from;
  while ((at = text.find(key, at)) != std::string::npos && at < to) {
    const std::size_t end = at + key.size();
    if (end < text.size() && !IsDelimiter(text[end])) {  // "/Size" is not "/SizeX"
      at = end;
      continue;
    }
    std::size_t i = end;
    while (i < to && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r')) ++i;
    long long v = 0;
    const std::size_t digits = i;
    while (i < to && text[i] >= '0' && text[i] <= '9' && v < (1LL << 40)) v = v * 10 + (text[i++] - '0');
    if (i == digits) return std::nullopt;
    return v;
  }
  return std::nullopt;
}

struct ObjectText {
  long long number = 0;
  std::string dictionary;  // "<< ... >>" as written
};

// The last definition of object `number` ("N 0 obj << ... >> endobj"), when it is
// a dictionary without a stream.
std::optional<ObjectText> FindObject(const std::string& pdf, long long number) {
  const std::string head = std::to_string(number) + " 0 obj";
  std::size_t at = std::string::npos, from = 0;
  while ((from = pdf.find(head, from)) != std::string::npos) {
    if (from == 0 || pdf[from - 1] == '\n' || pdf[from - 1] == '\r') at = from;
    from += head.size();
  }
  if (at == std::string::npos) return std::nullopt;
  const std::size_t open = pdf.find("<<", at + head.size());
  const std::size_t end = pdf.find("endobj", at + head.size());
  if (open == std::string::npos || end == std::string::npos || open > end) return std::nullopt;
  const std::size_t close = pdf.rfind(">>", end);
  if (close == std::string::npos || close < open || pdf.find("stream", open) < end) return std::nullopt;
  return ObjectText{number, pdf.substr(open, close + 2 - open)};
}

// The number of the object whose definition contains position `at`.
std::optional<long long> ObjectAround(const std::string& pdf, std::size_t at) {
  const std::size_t obj = pdf.rfind(" 0 obj", at);
  if (obj == std::string::npos) return std::nullopt;
  std::size_t start = obj;
  while (start > 0 && pdf[start - 1] >= '0' && pdf[start - 1] <= '9') --start;
  if (start == obj) return std::nullopt;
  return std::stoll(pdf.substr(start, obj - start));
}

// The dictionary with `entries` put right after its opening "<<".
std::string WithEntries(const std::string& dictionary, const std::string& entries) {
  std::string rest = dictionary.substr(2);
  if (!rest.empty() && rest.front() != ' ' && rest.front() != '\n') rest.insert(0, " ");
  return "<< " + entries + rest;
}

bool LanguageTag(const std::string& lang) {
  if (lang.empty() || lang.size() > 35) return false;
  for (const char c : lang)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')) return false;
  return true;
}

}  // namespace

std::string PdfTextString(const std::string& utf8) {
  std::string out = "<FEFF";
  char hex[8];
  auto unit = [&](std::uint32_t u) {
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(u & 0xFFFF));
    out += hex;
  };
  for (std::size_t i = 0; i < utf8.size();) {
    std::uint32_t cp = DecodeUtf8(utf8.data(), utf8.size(), i);
    if (cp == 0xFFFFFFFFu || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp >= 0x10000) {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      unit(cp);
    }
  }
  return out + ">";
}

bool AddFigureTextAndLanguage(std::string& pdf, const std::string& altUtf8, const std::string& lang) {
  const std::size_t startxref = pdf.rfind("startxref");
  if (startxref == std::string::npos) return false;
  const auto previous = NumberAfter(pdf, "startxref", startxref, pdf.size());
  const std::size_t trailer = pdf.rfind("trailer", startxref);
  if (!previous || trailer == std::string::npos) return false;
  const auto size = NumberAfter(pdf, "/Size", trailer, startxref);
  const auto root = NumberAfter(pdf, "/Root", trailer, startxref);
  const auto info = NumberAfter(pdf, "/Info", trailer, startxref);
  if (!size || !root) return false;

  std::vector<ObjectText> changed;
  const auto catalog = FindObject(pdf, *root);
  if (!catalog) return false;
  std::string catalogEntries;
  if (LanguageTag(lang) && catalog->dictionary.find("/Lang") == std::string::npos)
    catalogEntries += "/Lang (" + lang + ")";
  if (catalog->dictionary.find("/ViewerPreferences") == std::string::npos)
    catalogEntries += std::string(catalogEntries.empty() ? "" : " ") + "/ViewerPreferences << /DisplayDocTitle true >>";
  if (!catalogEntries.empty()) changed.push_back({*root, WithEntries(catalog->dictionary, catalogEntries)});

  // A figure with nothing drawn is not written: the file has no /Alt to carry.
  const std::size_t figure = pdf.find("/S /Figure");
  if (!altUtf8.empty() && figure != std::string::npos) {
    const auto number = ObjectAround(pdf, figure);
    if (!number) return false;
    const auto element = FindObject(pdf, *number);
    if (!element || element->dictionary.find("/Alt") != std::string::npos) return false;
    changed.push_back({*number, WithEntries(element->dictionary, "/Alt " + PdfTextString(altUtf8))});
  }
  if (changed.empty()) return true;

  std::string update = pdf.back() == '\n' ? "" : "\n";
  std::vector<std::size_t> offsets;
  for (const auto& object : changed) {
    offsets.push_back(pdf.size() + update.size());
    update += std::to_string(object.number) + " 0 obj\n" + object.dictionary + "\nendobj\n";
  }
  const std::size_t xref = pdf.size() + update.size();
  update += "xref\n";
  char entry[32];
  for (std::size_t i = 0; i < changed.size(); ++i) {
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offsets[i]);
    update += std::to_string(changed[i].number) + " 1\n" + entry;
  }
  update += "trailer\n<< /Size " + std::to_string(*size) + " /Root " + std::to_string(*root) + " 0 R";
  if (info) update += " /Info " + std::to_string(*info) + " 0 R";
  update += " /Prev " + std::to_string(*previous) + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  pdf += update;
  return true;
}

}  // namespace pg::platform
