#pragma once
// What the checks of both metafile kinds share: the running work account and
// the bitmaps that records carry.
#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "platform/metafile/record_check.h"
#include "platform/metafile/record_reader.h"

namespace pg::platform::metafile::check {

// The work a file asks for so far, against its limits.
class WorkAccount {
 public:
  explicit WorkAccount(const WorkLimits& limits) : limits_(limits) {}
  void Record() { ++records_; }
  void Points(std::uint64_t n) { points_ += n; }
  void Characters(std::uint64_t n) { characters_ += n; }
  void Pixels(std::uint64_t n) { pixels_ += n; }
  // A state saved; false when the nesting is too deep.
  bool Save() { return ++depth_ <= limits_.saveDepth; }
  // A restore as the record gives it: levels back when negative, the level
  // itself (counted from 1) when positive.
  void Restore(long long level);
  bool Over() const {
    return records_ > limits_.records || points_ > limits_.points || characters_ > limits_.characters ||
           pixels_ > limits_.pixels;
  }
  // Which limit the file passed, in words ("brings the points to 200001 of 200000").
  std::string Exceeded() const;
  int SaveDepthLimit() const { return limits_.saveDepth; }

 private:
  WorkLimits limits_;
  std::uint64_t records_ = 0, points_ = 0, characters_ = 0, pixels_ = 0;
  long long depth_ = 0;
};

// What both kinds' record checks keep: the work account and the reason the
// first failing record gave.
class RecordCheckBase {
 public:
  // What was wrong with the record that failed, once one has.
  const std::string& Detail() const { return detail_; }

 protected:
  explicit RecordCheckBase(const WorkLimits& limits) : work_(limits) {}

  // The first reason given stands: the checks say the most precise one first.
  bool Fail(std::string why) {
    if (detail_.empty()) detail_ = std::move(why);
    return false;
  }
  // count items of itemSize bytes at `at`, all inside the record.
  bool Holds(const RecordReader& r, std::uint64_t at, std::uint64_t count, std::uint64_t itemSize,
             const char* noun = "entries");

  WorkAccount work_;

 private:
  std::string detail_;
};

// How a carried bitmap's palette reads: colours, 2-byte indices into the
// current palette, or none at all (the indices are the pixels' own).
enum class Palette { kColours, kIndices, kNone };

// A bitmap a record carries as a header (with its palette) of headerSize bytes
// at headerAt and pixels of bitsSize bytes at bitsAt, both inside the record;
// rows, when not 0, is how many rows the pixels hold (a transfer of some scan
// lines). Its pixels go on the account.
// "claims 90000 points in 60 bytes": what a count of items of itemSize bytes
// from `at` asks of a record of recordSize bytes that cannot hold them.
std::string Claims(std::uint64_t recordSize, std::uint64_t at, std::uint64_t count, std::uint64_t itemSize,
                   const char* noun);

bool BitmapFits(std::span<const std::uint8_t> record, std::uint64_t headerAt, std::uint64_t headerSize,
                std::uint64_t bitsAt, std::uint64_t bitsSize, Palette palette, std::uint64_t rows,
                WorkAccount& work);

}  // namespace pg::platform::metafile::check
