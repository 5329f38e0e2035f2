#include "bench/BenchReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace pelk::bench {

std::optional<double> Median(std::vector<double> samples) {
  if (samples.empty())
    return std::nullopt;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  if (samples.size() % 2 == 1)
    return samples[middle];
  return (samples[middle - 1] + samples[middle]) / 2.0;
}

std::optional<double> Ratio(std::optional<double> value, std::optional<double> reference) {
  if (!value || !reference || !(*reference > 0.0))
    return std::nullopt;
  return *value / *reference;
}

Verdict AtMost(std::optional<double> value, double limit) {
  if (!value || std::isnan(*value))
    return Verdict::Unknown;
  return *value <= limit ? Verdict::Met : Verdict::Missed;
}

Verdict Below(std::optional<double> value, double limit) {
  if (!value || std::isnan(*value))
    return Verdict::Unknown;
  return *value < limit ? Verdict::Met : Verdict::Missed;
}

namespace {

std::string Format(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

const char* kNone = "n/a";

}  // namespace

std::string Milliseconds(std::optional<double> ms) {
  return ms ? Format("%.3f ms", *ms) : kNone;
}

std::string Kilobytes(std::optional<std::int64_t> bytes, bool signedGrowth) {
  if (!bytes)
    return kNone;
  const double kb = static_cast<double>(*bytes) / 1024.0;
  return Format(signedGrowth ? "%+.1f KB" : "%.1f KB", kb);
}

std::string Count(std::optional<std::int64_t> count, bool signedGrowth) {
  if (!count)
    return kNone;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, signedGrowth ? "%+lld" : "%lld",
                static_cast<long long>(*count));
  return buffer;
}

std::string Fixed(std::optional<double> value, int decimals) {
  if (!value)
    return kNone;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, *value);
  return buffer;
}

void Report::Add(std::string figure, std::string value) {
  rows_.push_back({std::move(figure), std::move(value), "", std::nullopt});
}

void Report::Add(std::string figure, std::string value, std::string target, Verdict verdict) {
  rows_.push_back({std::move(figure), std::move(value), std::move(target), verdict});
}

void Report::Note(std::string text) {
  notes_.push_back(std::move(text));
}

std::string Report::Render() const {
  std::size_t figureWidth = 6;
  std::size_t valueWidth = 5;
  std::size_t targetWidth = 6;
  for (const Row& row : rows_) {
    figureWidth = std::max(figureWidth, row.figure.size());
    valueWidth = std::max(valueWidth, row.value.size());
    targetWidth = std::max(targetWidth, row.target.size());
  }
  auto pad = [](const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
  };
  std::string out = pad("figure", figureWidth) + "  " + pad("value", valueWidth) + "  " +
                    pad("target", targetWidth) + "  met\n";
  for (const Row& row : rows_) {
    std::string met;
    if (row.verdict) {
      met = *row.verdict == Verdict::Met ? "yes" : *row.verdict == Verdict::Missed ? "NO" : "?";
    }
    std::string line = pad(row.figure, figureWidth) + "  " + pad(row.value, valueWidth) + "  " +
                       pad(row.target, targetWidth) + "  " + met;
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
  }
  for (const std::string& note : notes_)
    out += "note: " + note + "\n";
  return out;
}

bool Report::AllTargetsMet() const {
  bool any = false;
  for (const Row& row : rows_) {
    if (!row.verdict)
      continue;
    if (*row.verdict != Verdict::Met)
      return false;
    any = true;
  }
  return any;
}

int Report::TargetCount() const {
  return static_cast<int>(
      std::count_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.verdict; }));
}

}  // namespace pelk::bench
