#pragma once
// A chart window: the form that holds one chart panel and its pie series,
// registered under the name of the host rectangle it lives in.
#include <string>

namespace pg::charts {

class TChartImageForm {
 public:
  explicit TChartImageForm(std::string rectangleName) : rectangleName_(std::move(rectangleName)) {}
  virtual ~TChartImageForm() = default;
  TChartImageForm(const TChartImageForm&) = delete;
  TChartImageForm& operator=(const TChartImageForm&) = delete;

  const std::string& RectangleName() const { return rectangleName_; }

 private:
  std::string rectangleName_;
};

}  // namespace pg::charts
