#include "platform/metafile/embedded_emf.h"

#include <algorithm>

#include "platform/metafile/record_reader.h"
#include "platform/metafile/wmf_records.h"
#include "platform/picture/picture_headers.h"

namespace pg::platform::metafile {

namespace {

// One piece's comment, as the escape record holds it after its 6-byte frame:
// the escape function, the byte count, then the comment's fields.
constexpr std::uint16_t kMfComment = 0x000F;
constexpr std::uint32_t kWmfcIdentifier = 0x43464D57;  // "WMFC"
constexpr std::uint32_t kCommentType = 1, kVersion = 0x00010000;
constexpr std::size_t kPieceHeader = 34;  // the comment's fields before its data
constexpr std::size_t kDataAt = 10 + kPieceHeader;

struct Piece {
  std::uint16_t checksum;
  std::uint32_t count, size, remaining, total;
  std::span<const std::uint8_t> data;
};

bool IsPiece(std::span<const std::uint8_t> record) {
  RecordReader r(record);
  return r.U16(4) == wmr::kEscape && r.U16(6) == kMfComment && r.U32(10) == kWmfcIdentifier;
}

// The record's piece, when it is an enhanced-metafile comment whose fields say
// what the format has them say and whose data lies inside it.
std::optional<Piece> PieceOf(std::span<const std::uint8_t> record) {
  if (!IsPiece(record)) return std::nullopt;
  RecordReader r(record);
  Piece p{r.U16(22), r.U32(28), r.U32(32), r.U32(36), r.U32(40), {}};
  if (r.Short() || r.U32(14) != kCommentType || r.U32(18) != kVersion || r.U32(24) != 0 ||
      r.U16(8) != kPieceHeader + p.size || !r.Holds(kDataAt, p.size, 1))
    return std::nullopt;
  p.data = r.Bytes(kDataAt, p.size);
  return p;
}

// Producers disagree on the checksum, and each of their rules catches a
// changed word: the format's documentation has it the one's complement of the
// XOR of the enhanced metafile's words, LibreOffice writes the two's
// complement of that XOR, and GDI makes the words of the whole standard
// metafile add up to zero.
bool ChecksumHolds(std::uint16_t checksum, std::span<const std::uint8_t> emf, std::span<const std::uint8_t> standard) {
  std::uint16_t xored = 0;
  for (std::size_t at = 0; at + 1 < emf.size(); at += 2) xored ^= ReadLe16(emf, at);
  if (checksum == static_cast<std::uint16_t>(~xored) || checksum == static_cast<std::uint16_t>(-xored)) return true;
  std::uint16_t sum = 0;
  for (std::size_t at = 0; at + 1 < standard.size(); at += 2) sum = static_cast<std::uint16_t>(sum + ReadLe16(standard, at));
  return sum == 0;
}

// Every record from the header on, each as the file frames it.
template <typename Visit>
void ForEachRecord(std::span<const std::uint8_t> standard, Visit visit) {
  for (std::size_t at = wmr::kHeaderSize; at + 6 <= standard.size();) {
    RecordReader frame(standard.subspan(at, 6));
    const std::uint32_t words = frame.U32(0);
    if (words < 3 || words > (standard.size() - at) / 2) return;
    const auto record = standard.subspan(at, static_cast<std::size_t>(words) * 2);
    at += record.size();
    if (!visit(record)) return;
  }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EmbeddedEmf(std::span<const std::uint8_t> standard,
                                                     const WorkLimits& limits) {
  if (standard.size() < wmr::kHeaderSize) return std::nullopt;
  std::vector<std::uint8_t> emf;
  std::optional<Piece> first;
  std::uint32_t pieces = 0, left = 0;
  bool complete = false, broken = false;
  const auto fail = [&broken] {
    broken = true;
    return false;
  };
  ForEachRecord(standard, [&](std::span<const std::uint8_t> record) {
    if (RecordReader(record).U16(4) == wmr::kEof) return false;
    const auto piece = PieceOf(record);
    // A piece whose fields are wrong, or another record between the pieces.
    if (!piece) return IsPiece(record) || (first && !complete) ? fail() : true;
    if (complete) return fail();  // a piece past the last
    if (!first) {
      if (piece->count == 0 || piece->total == 0 || piece->total > standard.size()) return fail();
      first = piece;
      left = piece->total;
      emf.reserve(piece->total);
    }
    if (piece->count != first->count || piece->total != first->total || piece->size > left ||
        piece->remaining != left - piece->size)
      return fail();
    left = piece->remaining;
    emf.insert(emf.end(), piece->data.begin(), piece->data.end());
    if (++pieces == first->count) {
      if (left != 0) return fail();
      complete = true;
    }
    return true;
  });
  if (broken || !complete || !ChecksumHolds(first->checksum, emf, standard) || !CheckEmfRecords(emf, limits))
    return std::nullopt;
  return emf;
}

std::vector<std::uint8_t> WithoutEmbeddedPieces(std::span<const std::uint8_t> standard) {
  if (standard.size() < wmr::kHeaderSize) return {standard.begin(), standard.end()};
  std::vector<std::uint8_t> out(standard.begin(), standard.begin() + wmr::kHeaderSize);
  std::size_t largest = 0;
  ForEachRecord(standard, [&](std::span<const std::uint8_t> record) {
    if (!IsPiece(record)) {
      out.insert(out.end(), record.begin(), record.end());
      largest = std::max(largest, record.size() / 2);
    }
    return true;
  });
  // The header's size of the whole and of the largest record, in words.
  const auto put = [&](std::size_t at, std::size_t words) {
    for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(words >> (8 * i));
  };
  put(6, out.size() / 2);
  put(12, largest);
  return out;
}

}  // namespace pg::platform::metafile
