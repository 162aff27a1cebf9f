// The record check both builds make before a metafile plays: what real
// producers write passes, and every count, offset, object index, nesting and
// amount of work that could lead a player astray or into a long paint fails.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/metafile/emf_records.h"
#include "platform/metafile/record_check.h"
#include "platform/metafile/wmf_records.h"
#include "platform/picture/picture_headers.h"
#include "support/metafile_writer.h"

namespace pg::platform::metafile {
namespace {

using testing::EmfWriter;
using testing::WmfWriter;

std::vector<std::uint8_t> ReadData(const std::string& name) {
  std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

// An enhanced metafile of one record after a brush made in slot 1.
std::vector<std::uint8_t> EmfOf(std::uint32_t type, std::vector<std::uint8_t> body) {
  EmfWriter w(48, 24);
  w.Record(emr::kCreateBrushIndirect, {1, 0, 0xFF, 0});
  w.Raw(type, std::move(body));
  return w.Finish();
}
std::vector<std::uint8_t> Words(std::initializer_list<std::int32_t> v) { return EmfWriter::Words(v); }
std::vector<std::uint8_t> operator+(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(RecordCheck, WhatRealProducersWritePasses) {
  // Recorded by GDI (Wine's, through tests/tools/record_metafiles) and exported
  // by Inkscape: regions, clip paths, every bitmap record, a mono brush
  // without a palette, 1251 and Unicode text, user-styled pens.
  for (const char* name : {"recorded/gdi_hatches.emf", "recorded/gdi_text.emf", "recorded/gdi_clipping.emf",
                           "recorded/gdi_bitmaps.emf", "recorded/gdi_polydraw.emf", "recorded/inkscape_icon.emf",
                           "halves.emf", "text.emf"}) {
    const auto bytes = ReadData(name);
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(CheckEmfRecords(bytes)) << name;
  }
  for (const char* name : {"recorded/gdi_clipping.wmf", "recorded/gdi_pens_placeable.wmf", "recorded/inkscape_star.wmf",
                           "recorded/inkscape_icon.wmf", "recorded/gdi_halves_embedded.wmf",
                           "recorded/libreoffice_airplane.wmf", "halves.wmf", "bitmap_records.wmf"}) {
    const auto bytes = ReadData(name);
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(ReadWmfLayout(bytes)) << name;
  }
}

TEST(RecordCheck, EveryHostileRecordIsRefused) {
  for (const char* name : {"emf_polybezier16_count", "emf_polygon16_count", "emf_polyline16_count",
                           "emf_polypolygon16_count", "emf_exttextoutw_chars", "emf_exttextoutw_string",
                           "emf_exttextoutw_dx", "emf_selectobject_index", "emf_deleteobject_index",
                           "emf_createbrushindirect_index"}) {
    const auto bytes = ReadData(std::string("hostile/") + name + ".emf");
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_FALSE(ReadEmfExtent(bytes)) << name;
  }
  for (const char* name : {"wmf_polypolygon_counts", "wmf_selectobject_ffff", "wmf_polygon_65535"}) {
    const auto bytes = ReadData(std::string("hostile/") + name + ".wmf");
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_FALSE(ReadWmfLayout(bytes)) << name;
  }
}

TEST(RecordCheck, ObjectIndicesNameSlotsOfTheTable) {
  // The writer's table has 64 slots; slot 0 is the metafile's own.
  EXPECT_TRUE(CheckEmfRecords(EmfOf(emr::kSelectObject, Words({63}))));
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kSelectObject, Words({64}))));
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kSelectObject, Words({0}))));
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kCreatePen, Words({64, 0, 1, 0, 0}))));
  // Stock objects may be selected, but GDI deletes by the table alone.
  EXPECT_TRUE(CheckEmfRecords(EmfOf(emr::kSelectObject, Words({static_cast<std::int32_t>(0x80000005)}))));
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kDeleteObject, Words({static_cast<std::int32_t>(0x80000005)}))));
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kFillRgn, Words({0, 0, 9, 9, 48, 70, 0}) + std::vector<std::uint8_t>(48))));
  // The Windows metafile's table holds 16: 0 to 15.
  for (const int index : {15, 16}) {
    WmfWriter w(48, 24);
    w.Record(wmr::kSelectObject, {static_cast<std::int16_t>(index)});
    EXPECT_EQ(ReadWmfLayout(w.Finish()).has_value(), index == 15) << index;
  }
}

TEST(RecordCheck, CountsAndOffsetsStayInsideTheirRecord) {
  // Two 16-bit points held: a count of 2 passes, 3 does not.
  EXPECT_TRUE(CheckEmfRecords(EmfOf(emr::kPolyline16, Words({0, 0, 9, 9, 2, 0, 0x00090009}))));
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kPolyline16, Words({0, 0, 9, 9, 3, 0, 0x00090009}))));
  // Polygons whose counts add up to more than the total they declare.
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kPolyPolygon16, Words({0, 0, 9, 9, 2, 2, 1, 2, 0, 0}))));
  // Text of two characters: with ETO_PDY the spacing array holds two entries a
  // character.
  const auto text = [](std::uint32_t options, std::size_t entries) {
    const std::int32_t fixed = 76;
    return EmfOf(emr::kExtTextOutW, Words({0, 0, 9, 9, 1, 0, 0, 0, 0, 2, fixed, static_cast<std::int32_t>(options), 0,
                                           0, 9, 9, fixed + 4, 0x00690050}) +
                                        std::vector<std::uint8_t>(entries * 4));
  };
  EXPECT_TRUE(CheckEmfRecords(text(0, 2)));
  EXPECT_FALSE(CheckEmfRecords(text(0, 1)));
  EXPECT_TRUE(CheckEmfRecords(text(0x2000, 4)));
  EXPECT_FALSE(CheckEmfRecords(text(0x2000, 2)));
  // A record shorter than the fields GDI reads from it.
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kRectangle, Words({0, 0, 9}))));
  // Region data whose rectangles run past it.
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kExtSelectClipRgn, Words({48, 5, 32, 1, 2, 32, 0, 0, 9, 9, 0, 0, 9, 9}))));
  EXPECT_TRUE(CheckEmfRecords(EmfOf(emr::kExtSelectClipRgn, Words({48, 5, 32, 1, 1, 16, 0, 0, 9, 9, 0, 0, 9, 9}))));
  // A gradient naming a vertex it does not have.
  const auto gradient = [](std::int32_t index) {
    return EmfOf(emr::kGradientFill, Words({0, 0, 9, 9, 2, 1, 0, 0, 0, 0, 0, 9, 9, 0, 0, 0, index}));
  };
  EXPECT_TRUE(CheckEmfRecords(gradient(1)));
  EXPECT_FALSE(CheckEmfRecords(gradient(2)));
  // Windows metafile text longer than its record.
  WmfWriter w(48, 24);
  w.Record(wmr::kTextOut, {40, 0x6950, 0, 0});
  EXPECT_FALSE(ReadWmfLayout(w.Finish()));
}

TEST(RecordCheck, BitmapsCarriedByRecordsMustBeWhole) {
  // A 2 x 2 24-bit bitmap: 40 header bytes, two rows of 8.
  const auto header = Words({40, 2, 2, 0x00180001, 0, 16, 0, 0, 0, 0});
  const auto stretch = [&](std::int32_t bitsSize) {
    return EmfOf(emr::kStretchDiBits, Words({0, 0, 9, 9, 0, 0, 0, 0, 2, 2, 80, 40, 120, bitsSize, 0, 0xCC0020, 9, 9}) +
                                          header + std::vector<std::uint8_t>(static_cast<std::size_t>(bitsSize)));
  };
  EXPECT_TRUE(CheckEmfRecords(stretch(16)));
  EXPECT_FALSE(CheckEmfRecords(stretch(12)));
  // Set to the device one scan line at a time: the record holds that row only.
  const auto scans = [&](std::int32_t lines) {
    return EmfOf(emr::kSetDiBitsToDevice,
                 Words({0, 0, 9, 9, 0, 0, 0, 0, 2, 2, 76, 40, 116, 8, 0, 0, lines}) + header + std::vector<std::uint8_t>(8));
  };
  EXPECT_TRUE(CheckEmfRecords(scans(1)));
  EXPECT_FALSE(CheckEmfRecords(scans(2)));
  // A transfer without a source needs no bitmap; a stretch of bits does.
  EXPECT_TRUE(CheckEmfRecords(EmfOf(emr::kBitBlt, std::vector<std::uint8_t>(92))));
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kStretchDiBits, std::vector<std::uint8_t>(72))));
}

TEST(RecordCheck, SavedStatesNestOnlySoDeep) {
  // Sixty thousand saves in a row, as a hostile file has them: refused at once.
  WmfWriter deep(48, 24);
  for (int i = 0; i < 60'000; ++i) deep.Record(wmr::kSaveDc, {});
  EXPECT_FALSE(ReadWmfLayout(deep.Finish()));
  // As many saved and restored one by one, as a long drawing has them.
  WmfWriter paired(48, 24);
  for (int i = 0; i < 60'000; ++i) paired.Record(wmr::kSaveDc, {}).Record(wmr::kRestoreDc, {-1});
  EXPECT_TRUE(ReadWmfLayout(paired.Finish()));
  // Restoring to an absolute level unwinds the deeper ones.
  EmfWriter absolute(48, 24);
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 1000; ++i) absolute.Record(emr::kSaveDc, {});
    absolute.Record(emr::kRestoreDc, {1});
  }
  EXPECT_TRUE(CheckEmfRecords(absolute.Finish()));
}

TEST(RecordCheck, TheWorkBudgetRefusesWhatWouldPaintLong) {
  // 200 polygons of 4 000 points each, as the slow file of the report had them.
  EmfWriter big(1000, 1000);
  std::vector<std::int32_t> polygon = {0, 0, 999, 999, 4000};
  for (int i = 0; i < 4000; ++i) polygon.push_back((i * 37 % 1000) | (i * 91 % 1000) << 16);
  std::vector<std::uint8_t> body;
  for (const std::int32_t v : polygon)
    for (int b = 0; b < 4; ++b) body.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * b)));
  for (int i = 0; i < 200; ++i) big.Raw(emr::kPolygon16, body);
  const auto bytes = big.Finish();
  EXPECT_FALSE(CheckEmfRecords(bytes));
  WorkLimits ample;
  ample.points = 1'000'000;
  EXPECT_TRUE(CheckEmfRecords(bytes, ample));
  WorkLimits tight;
  // Curves weigh more than lines: they are flattened into many.
  tight.points = 100;
  EXPECT_TRUE(CheckEmfRecords(EmfOf(emr::kPolyline16, Words({0, 0, 9, 9, 13}) + std::vector<std::uint8_t>(52)), tight));
  EXPECT_FALSE(CheckEmfRecords(EmfOf(emr::kPolyBezier16, Words({0, 0, 9, 9, 13}) + std::vector<std::uint8_t>(52)), tight));
}

}  // namespace
}  // namespace pg::platform::metafile
