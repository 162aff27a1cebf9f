// PDF files from the recording context: what reaches the disk and when, the
// update that adds the figure's text and the language, and drawing at the
// extremes of every coordinate. The PDF tools check the pages themselves
// (tests/scripts/pdf_check.py).
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/bitmap.h"
#include "platform/export/pdf_structure.h"
#include "platform/export/pdf_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace pg::platform;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct PdfFiles : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("pg_pdf_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string PathOf(const std::string& name) const { return (dir / name).string(); }
};

PdfDocumentInfo Info() {
  PdfDocumentInfo info;
  info.titleUtf8 = "Продажи";
  info.altTextUtf8 = "Круговая диаграмма: Север: 40 (40 %)";
  return info;
}

TEST_F(PdfFiles, FinishedPageIsACompleteTaggedFile) {
  auto pdf = CreatePdfRecorder(200, 100, Info());
  ASSERT_TRUE(pdf);
  pdf->SetBrush(Brush{BrushStyle::bsSolid, Rgb(255, 0, 0), nullptr});
  pdf->Rectangle(10, 10, 90, 60);
  pdf->TextOutAt(5, 70, "\xCF\xF0\xE8\xE2\xE5\xF2");  // "Привет" in 1251
  ASSERT_TRUE(FinishPdf(*pdf, PathOf("a.pdf")));
  const std::string bytes = ReadAll(dir / "a.pdf");
  EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(bytes.substr(bytes.size() - 6), "%%EOF\n");
  EXPECT_NE(bytes.find("/MediaBox [ 0 0 150 75 ]"), std::string::npos);
  EXPECT_NE(bytes.find("/S /Figure"), std::string::npos);
  EXPECT_NE(bytes.find("/Lang (ru)"), std::string::npos);
  EXPECT_NE(bytes.find("/Alt " + PdfTextString(Info().altTextUtf8)), std::string::npos);
  // Finishing again writes the same file; drawing after the end changes nothing.
  pdf->Rectangle(0, 0, 5, 5);
  ASSERT_TRUE(FinishPdf(*pdf, PathOf("b.pdf")));
  EXPECT_EQ(ReadAll(dir / "b.pdf"), bytes);
}

TEST_F(PdfFiles, FailedSavesLeaveNoFileAndKeepTheOldOne) {
  auto pdf = CreatePdfRecorder(50, 50, Info());
  ASSERT_TRUE(pdf);
  EXPECT_FALSE(FinishPdf(*pdf, PathOf("missing/a.pdf")));
  EXPECT_FALSE(fs::exists(dir / "missing"));
  fs::create_directory(dir / "folder");
  EXPECT_FALSE(FinishPdf(*pdf, PathOf("folder")));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_FALSE(FinishPdf(*pdf, ""));
  // Nothing but the folder: no temporary files left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
  // A context that records nothing is refused and the file it names kept.
  std::ofstream(dir / "old.pdf") << "old";
  Bitmap bitmap(4, 4);
  EXPECT_FALSE(FinishPdf(bitmap.Dc(), PathOf("old.pdf")));
  EXPECT_EQ(ReadAll(dir / "old.pdf"), "old");
  ASSERT_TRUE(FinishPdf(*pdf, PathOf("old.pdf")));
  EXPECT_EQ(ReadAll(dir / "old.pdf").rfind("%PDF-", 0), 0u);
}

TEST_F(PdfFiles, MeasuresAndReadsBackAsTheRasterDoes) {
  auto pdf = CreatePdfRecorder(120, 40, Info());
  Bitmap raster(120, 40);
  const Font font{"Arial", -13, 700, false, false, false, 204};
  for (DeviceContext* dc : {pdf.get(), &raster.Dc()}) {
    dc->SetFont(font);
    dc->SetBrush(Brush{BrushStyle::bsDiagCross, Rgb(0, 0, 255), nullptr});
    dc->Ellipse(2, 2, 60, 38);
    dc->TextOutAt(62, 10, "\xC3\xEE\xE4");
  }
  EXPECT_EQ(pdf->TextExtent("\xC3\xEE\xE4 abc"), raster.Dc().TextExtent("\xC3\xEE\xE4 abc"));
  EXPECT_EQ(pdf->GetFontMetrics().ascent, raster.Dc().GetFontMetrics().ascent);
  for (int y = 0; y < 40; y += 3)
    for (int x = 0; x < 120; x += 3) ASSERT_EQ(pdf->GetPixel(x, y), raster.Pixel(x, y)) << x << "," << y;
}

TEST_F(PdfFiles, ExtremeSizesAndCoordinatesStillGiveAValidFile) {
  for (const auto& [w, h] : {std::pair{0, 0}, std::pair{-5, 7}, std::pair{INT_MAX, INT_MAX}, std::pair{1, 30000}}) {
    auto pdf = CreatePdfRecorder(w, h, PdfDocumentInfo{});
    ASSERT_TRUE(pdf);
    const TPoint far[] = {{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}, {5, 5}};
    pdf->SetPen(Pen{PenStyle::psDash, 1, 0, PenMode::pmCopy});
    pdf->SetBrush(Brush{BrushStyle::bsHorizontal, Rgb(0, 128, 0), nullptr});
    pdf->Polygon(far);
    pdf->Polyline(far);
    pdf->Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    pdf->Ellipse(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    pdf->Pie(INT_MIN, 0, INT_MAX, 10, 0, 0, 0, 0);
    pdf->Arc(0, 0, 1, 1, INT_MAX, INT_MIN, INT_MIN, INT_MAX);
    pdf->RoundRect(0, 0, 100, 100, INT_MAX, INT_MIN);
    pdf->SetPen(Pen{PenStyle::psSolid, DeviceContext::kMaxPenWidth, 0, PenMode::pmXor});
    pdf->LineTo(INT_MAX, INT_MAX);
    pdf->ClipPolygon(far);
    pdf->SetFont(Font{"No Such Face", INT_MIN, 0, true, true, true, 0});
    pdf->TextOutAt(INT_MAX, INT_MIN, "x\xFF");
    pdf->ClipRect(TRect{INT_MAX, INT_MAX, INT_MIN, INT_MIN});
    pdf->RemoveClip();
    Bitmap picture(3, 3);
    pdf->StretchBlt(TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, picture, TRect{0, 0, -3, INT_MAX});
    pdf->BitBlt(INT_MAX, INT_MAX, INT_MAX, INT_MAX, picture, INT_MIN, INT_MIN, BlitRop::kSrcInvert);
    pdf->SetPixel(INT_MIN, INT_MAX, 0);
    EXPECT_TRUE(FinishPdf(*pdf, PathOf("x.pdf"))) << w << "x" << h;
    EXPECT_EQ(ReadAll(dir / "x.pdf").rfind("%PDF-", 0), 0u);
  }
}

// ---- the update that adds the figure's text and the language ----

const std::string kTagged =
    "%PDF-1.5\n"
    "1 0 obj\n<< /Type /Catalog /Pages 2 0 R /MarkInfo << /Marked true >> >>\nendobj\n"
    "2 0 obj\n<< /Type /StructElem /S /Figure /P 3 0 R /K [ 0 ] >>\nendobj\n"
    "xref\n0 3\n0000000000 65535 f \n0000000009 00000 n \n0000000080 00000 n \n"
    "trailer\n<< /Size 3\n   /Root 1 0 R\n   /Info 7 0 R\n>>\nstartxref\n150\n%%EOF\n";

TEST(PdfStructure, AppendsNewVersionsOfCatalogAndFigureChainedToTheOldTable) {
  std::string pdf = kTagged;
  ASSERT_TRUE(AddFigureTextAndLanguage(pdf, "Диаграмма", "ru"));
  ASSERT_EQ(pdf.substr(0, kTagged.size()), kTagged);
  const std::string update = pdf.substr(kTagged.size());
  EXPECT_NE(update.find("1 0 obj\n<< /Lang (ru) /ViewerPreferences << /DisplayDocTitle true >> /Type /Catalog"),
            std::string::npos);
  EXPECT_NE(update.find("2 0 obj\n<< /Alt <FEFF041404380430043304400430043C043C0430> /Type /StructElem"),
            std::string::npos);
  EXPECT_NE(update.find("/Size 3 /Root 1 0 R /Info 7 0 R /Prev 150 >>"), std::string::npos);
  // Each entry of the new table gives where its object starts.
  const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref") + 10));
  ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
  for (const char* number : {"1", "2"}) {
    const std::size_t row = pdf.find(std::string("\n") + number + " 1\n", xref);
    ASSERT_NE(row, std::string::npos);
    const std::size_t at = std::stoul(pdf.substr(row + 5, 10));
    EXPECT_EQ(pdf.compare(at, 7, std::string(number) + " 0 obj"), 0) << number;
  }
}

TEST(PdfStructure, RefusesFilesOfAnotherShapeAndUnsafeLanguages) {
  for (std::string bad : {std::string{}, std::string("%PDF-1.5\nstartxref\n9\n%%EOF\n"),
                          kTagged.substr(0, kTagged.find("1 0 obj")) + kTagged.substr(kTagged.find("2 0 obj"))}) {
    const std::string before = bad;
    EXPECT_FALSE(AddFigureTextAndLanguage(bad, "alt", "ru"));
    EXPECT_EQ(bad, before);
  }
  std::string pdf = kTagged;
  ASSERT_TRUE(AddFigureTextAndLanguage(pdf, "", "ru) /OpenAction (x"));
  EXPECT_EQ(pdf.find("/OpenAction"), std::string::npos);
  EXPECT_EQ(pdf.find("/Alt"), std::string::npos);
}

TEST(PdfStructure, TextStringsAreUtf16WithSurrogatesAndReplacements) {
  EXPECT_EQ(PdfTextString("A\xD0\xAF"), "<FEFF0041042F>");
  EXPECT_EQ(PdfTextString("\xF0\x9F\x98\x80"), "<FEFFD83DDE00>");
  EXPECT_EQ(PdfTextString("\xFF"), "<FEFFFFFD>");
}

}  // namespace
