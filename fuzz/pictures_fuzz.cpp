// The picture loaders: the first byte picks the format (bitmap, icon, enhanced
// metafile, metafile, JPEG), the rest is the file. Whatever loads is drawn, as
// the chart would draw its back image, into a small bitmap, and recorded into
// each vector format as a chart export records it. A load with its paints,
// or one recording, that takes over a second of processor time would freeze
// the host: it aborts, so libFuzzer keeps it as a finding. Processor time, not the clock, so that a
// busy machine makes no findings of its own.
#include <sys/time.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "engine/export/picture_export.h"
#include "engine/picture/jpeg_image.h"
#include "engine/picture/picture_formats.h"
#include "framework/errors.h"
#include "platform/bitmap.h"

namespace {

// The unoptimised sanitizer build that replays the seeds runs several times
// slower than the fuzz build: there the alarm catches hangs, not slowness.
#ifndef PG_FUZZ_ALARM_SECONDS
#define PG_FUZZ_ALARM_SECONDS 1
#endif

constexpr std::array<std::string_view, 5> kExtensions = {"bmp", "ico", "emf", "wmf", "jpg"};

void DrawEverywhere(pg::engine::TGraphic& graphic) {
  pg::platform::Bitmap target(48, 40);
  // Natural size, a shrunk and a stretched copy, partly outside, and inverted.
  const int w = graphic.Width(), h = graphic.Height();
  const pg::platform::TRect dests[] = {
      {0, 0, w, h}, {2, 3, 20, 15}, {-30, -20, 90, 70}, {30, 30, 10, 10}};
  for (const auto& dest : dests) graphic.Draw(target.Dc(), dest);
}

void OnSlowInput(int) {
  constexpr char kMessage[] = "fuzz_pictures: an input took over its processor time\n";
  (void)!write(2, kMessage, sizeof kMessage - 1);
  std::abort();
}

// Arms the processor-time alarm for one input, and disarms it after.
class SlowInputAlarm {
 public:
  SlowInputAlarm() {
    static const bool installed = [] {
      struct sigaction action {};
      action.sa_handler = OnSlowInput;
      return sigaction(SIGPROF, &action, nullptr) == 0;
    }();
    (void)installed;
    Set(PG_FUZZ_ALARM_SECONDS);
  }
  ~SlowInputAlarm() { Set(0); }
  SlowInputAlarm(const SlowInputAlarm&) = delete;
  SlowInputAlarm& operator=(const SlowInputAlarm&) = delete;

 private:
  static void Set(long seconds) {
    itimerval timer{};
    timer.it_value.tv_sec = seconds;
    setitimer(ITIMER_PROF, &timer, nullptr);
  }
};

// A metafile plays its records into the recording (a bitmap lands as one
// image): natural size and stretched past the page. Each recording is an
// export of its own and has its own second.
void RecordEverywhere(pg::engine::TGraphic& graphic) {
  using pg::platform::ExportFormat;
  const int w = graphic.Width(), h = graphic.Height();
  for (const auto format : {ExportFormat::kEmf, ExportFormat::kSvg, ExportFormat::kPdf}) {
    const SlowInputAlarm alarm;
    (void)pg::engine::RecordVectorPicture(
        format, pg::engine::VectorPicture{48, 40, [&](pg::platform::DeviceContext& dc) {
                                            graphic.Draw(dc, {0, 0, w, h});
                                            graphic.Draw(dc, {-30, -20, 90, 70});
                                          },
                                          {}});
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto* format = pg::engine::FindPictureFileFormat(kExtensions[data[0] % kExtensions.size()]);
  if (!format) return 0;
  auto graphic = format->create();
  {
    const SlowInputAlarm alarm;
    try {
      graphic->LoadFromBytes(std::vector<std::uint8_t>(data + 1, data + size));
    } catch (const pg::Exception&) {
      return 0;
    }
    if (auto* jpeg = dynamic_cast<pg::engine::TJPEGImage*>(graphic.get())) {
      jpeg->SetScale((data[0] & 0x10) ? pg::engine::TJPEGScale::jsHalf : pg::engine::TJPEGScale::jsFullSize);
      jpeg->SetGrayscale((data[0] & 0x20) != 0);
      try {
        (void)jpeg->Bitmap();
      } catch (const pg::Exception&) {
      }
    }
    DrawEverywhere(*graphic);
  }
  RecordEverywhere(*graphic);
  return 0;
}
