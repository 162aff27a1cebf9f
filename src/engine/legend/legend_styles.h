#pragma once
// The legend's choices: which side it sits on, what its items are and how an
// item's text is made.

namespace pg::engine {

// laLeft and laRight make a vertical legend.
enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };

// lsAuto becomes lsValues with fewer than two active series, lsSeries otherwise.
enum class TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };

enum class TLegendTextStyle { ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue };

}  // namespace pg::engine
