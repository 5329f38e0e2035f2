#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BenchReport.h"

namespace pelk::bench {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

TEST(BenchReport, TheMedianIsTheMiddleOfUnsortedSamplesOrTheMeanOfTheTwoMiddleOnes) {
  EXPECT_EQ(Median({}), std::nullopt);
  EXPECT_DOUBLE_EQ(*Median({7.0}), 7.0);
  EXPECT_DOUBLE_EQ(*Median({9.0, 1.0, 5.0}), 5.0);
  EXPECT_DOUBLE_EQ(*Median({4.0, 1.0, 3.0, 2.0}), 2.5);
  // One slow outlier does not move the median the way it moves the mean.
  EXPECT_DOUBLE_EQ(*Median({10.0, 11.0, 12.0, 10.5, 900.0}), 11.0);
}

TEST(BenchReport, ARatioNeedsBothFiguresAndAReferenceAboveZero) {
  EXPECT_DOUBLE_EQ(*Ratio(13.0, 10.0), 1.3);
  EXPECT_EQ(Ratio(13.0, 0.0), std::nullopt);
  EXPECT_EQ(Ratio(13.0, -1.0), std::nullopt);
  EXPECT_EQ(Ratio(std::nullopt, 10.0), std::nullopt);
  EXPECT_EQ(Ratio(13.0, std::nullopt), std::nullopt);
  EXPECT_EQ(Ratio(13.0, std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(BenchReport, VerdictLimitsAreInclusiveForAtMostAndExclusiveForBelow) {
  EXPECT_EQ(AtMost(1.3, 1.3), Verdict::Met);
  EXPECT_EQ(AtMost(1.3001, 1.3), Verdict::Missed);
  EXPECT_EQ(AtMost(0.0, 0.0), Verdict::Met);
  EXPECT_EQ(AtMost(1.0, 0.0), Verdict::Missed);
  EXPECT_EQ(AtMost(-3.0, 0.0), Verdict::Met);  // fewer handles afterwards is no leak
  EXPECT_EQ(Below(65535.0, 65536.0), Verdict::Met);
  EXPECT_EQ(Below(65536.0, 65536.0), Verdict::Missed);
  EXPECT_EQ(AtMost(std::nullopt, 1.0), Verdict::Unknown);
  EXPECT_EQ(Below(std::nullopt, 1.0), Verdict::Unknown);
  EXPECT_EQ(AtMost(std::numeric_limits<double>::quiet_NaN(), 1.0), Verdict::Unknown);
}

TEST(BenchReport, FiguresShowTheirUnitsSignsAndWhenTheyAreMissing) {
  EXPECT_EQ(Milliseconds(12.3456), "12.346 ms");
  EXPECT_EQ(Milliseconds(std::nullopt), "n/a");
  EXPECT_EQ(Kilobytes(262144), "256.0 KB");
  EXPECT_EQ(Kilobytes(1536), "1.5 KB");
  EXPECT_EQ(Kilobytes(4096, true), "+4.0 KB");
  EXPECT_EQ(Kilobytes(-1024, true), "-1.0 KB");
  EXPECT_EQ(Kilobytes(0, true), "+0.0 KB");
  EXPECT_EQ(Kilobytes(std::nullopt), "n/a");
  EXPECT_EQ(Count(103), "103");
  EXPECT_EQ(Count(0, true), "+0");
  EXPECT_EQ(Count(-2, true), "-2");
  EXPECT_EQ(Count(5000000000LL), "5000000000");
  EXPECT_EQ(Count(std::nullopt, true), "n/a");
  EXPECT_EQ(Fixed(1.23456, 3), "1.235");
  EXPECT_EQ(Fixed(std::nullopt, 3), "n/a");
}

TEST(BenchReport, RendersAlignedColumnsWithTargetsVerdictsAndNotes) {
  Report report;
  report.Add("open latency, module", "12.000 ms");
  report.Add("ratio", "1.500", "<= 1.3", Verdict::Missed);
  report.Add("i686 DLL size", "180.0 KB", "<= 256 KB", Verdict::Met);
  report.Add("GDI growth", "n/a", "0", Verdict::Unknown);
  report.Note("object counts: scan");

  const std::vector<std::string> lines = Lines(report.Render());
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "figure                value      target     met");
  EXPECT_EQ(lines[1], "open latency, module  12.000 ms");
  EXPECT_EQ(lines[2], "ratio                 1.500      <= 1.3     NO");
  EXPECT_EQ(lines[3], "i686 DLL size         180.0 KB   <= 256 KB  yes");
  EXPECT_EQ(lines[4], "GDI growth            n/a        0          ?");
  EXPECT_EQ(lines[5], "note: object counts: scan");
  EXPECT_EQ(report.TargetCount(), 3);
}

TEST(BenchReport, AllTargetsMetOnlyWhenEveryCheckedTargetIsMet) {
  Report none;
  none.Add("figure without target", "1");
  EXPECT_FALSE(none.AllTargetsMet());  // nothing checked proves nothing

  Report met;
  met.Add("a", "1", "<= 2", Verdict::Met);
  met.Add("plain", "x");
  met.Add("b", "1", "< 2", Verdict::Met);
  EXPECT_TRUE(met.AllTargetsMet());

  Report unknown = met;
  unknown.Add("c", "n/a", "0", Verdict::Unknown);
  EXPECT_FALSE(unknown.AllTargetsMet());

  Report missed = met;
  missed.Add("d", "3", "<= 2", Verdict::Missed);
  EXPECT_FALSE(missed.AllTargetsMet());
}

}  // namespace
}  // namespace pelk::bench
