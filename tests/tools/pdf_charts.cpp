// Draws the export test charts twice, as the screen's raster (NAME.png) and as
// PDF pages (NAME.pdf), with the texts each page must carry (NAME.words, UTF-8,
// one a line), for tests/scripts/pdf_check.py to check with the PDF tools.
//   pg_pdf_charts OUTDIR [PICTURES_DIR [TEST_PICTURES_DIR]]
#include <cstdio>
#include <fstream>

#include "platform/bitmap.h"
#include "platform/export/pdf_writer.h"
#include "support/export_charts.h"

namespace {

using namespace export_test;

bool Write(Chart& c, const std::string& folder, const std::string& name) {
  const auto raster = c.chart.CreatePicture(pg::clWhite, pg::platform::TRect{0, 0, kWidth, kHeight});
  if (!raster->SavePng(folder + "/" + name + ".png")) return false;
  pg::platform::PdfDocumentInfo info;
  info.titleUtf8 = c.words.front();
  info.altTextUtf8 = "Круговая диаграмма: " + std::to_string(c.pie.PointCount()) + " долей";
  auto pdf = pg::platform::CreatePdfRecorder(kWidth, kHeight, info);
  if (!pdf) return false;
  c.DrawTo(*pdf);
  if (!pg::platform::FinishPdf(*pdf, folder + "/" + name + ".pdf")) return false;
  std::ofstream words(folder + "/" + name + ".words", std::ios::binary);
  for (const auto& w : c.words) words << w << '\n';
  return static_cast<bool>(words);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pg_pdf_charts OUTDIR [PICTURES_DIR [TEST_PICTURES_DIR]]\n");
    return 2;
  }
  int failures = 0;
  for (const auto& [name, build] : ExportCharts(argc > 2 ? argv[2] : "", argc > 3 ? argv[3] : "")) {
    Chart c;
    build(c);
    if (!Write(c, argv[1], name)) {
      std::fprintf(stderr, "%s: not written\n", name.c_str());
      ++failures;
    }
  }
  return failures ? 1 : 0;
}
