#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelk::bench {

// The middle sample, or the mean of the two middle ones; nothing for no samples.
[[nodiscard]] std::optional<double> Median(std::vector<double> samples);

// Reference time zero (or nothing measured) gives no ratio rather than a division by zero.
[[nodiscard]] std::optional<double> Ratio(std::optional<double> value,
                                          std::optional<double> reference);

enum class Verdict { Met, Missed, Unknown };

[[nodiscard]] Verdict AtMost(std::optional<double> value, double limit);
[[nodiscard]] Verdict Below(std::optional<double> value, double limit);

// Human-readable figures: "12.345 ms", "180.5 KB" (1 KB = 1024 bytes), "+4.0 KB".
[[nodiscard]] std::string Milliseconds(std::optional<double> ms);
[[nodiscard]] std::string Kilobytes(std::optional<std::int64_t> bytes, bool signedGrowth = false);
[[nodiscard]] std::string Count(std::optional<std::int64_t> count, bool signedGrowth = false);
[[nodiscard]] std::string Fixed(std::optional<double> value, int decimals);

// The table the benchmark prints: one row per figure, the target and the verdict beside it.
class Report {
 public:
  void Add(std::string figure, std::string value);
  void Add(std::string figure, std::string value, std::string target, Verdict verdict);
  void Note(std::string text);

  [[nodiscard]] std::string Render() const;
  // True only when every target was checked and met.
  [[nodiscard]] bool AllTargetsMet() const;
  [[nodiscard]] int TargetCount() const;

 private:
  struct Row {
    std::string figure;
    std::string value;
    std::string target;
    std::optional<Verdict> verdict;
  };
  std::vector<Row> rows_;
  std::vector<std::string> notes_;
};

}  // namespace pelk::bench
