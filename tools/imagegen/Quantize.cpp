#include "tools/imagegen/Quantize.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

namespace pelk::imagegen {

namespace {

struct Entry {
  Rgb colour;
  std::int64_t count;
};
using Box = std::vector<Entry>;

std::uint32_t Key(const Rgb& colour) {
  return static_cast<std::uint32_t>(colour.r) << 16 | static_cast<std::uint32_t>(colour.g) << 8 |
         colour.b;
}

int ChannelOf(const Rgb& colour, int channel) {
  return channel == 0 ? colour.r : channel == 1 ? colour.g : colour.b;
}

// Sum over the box of count times the squared distance from the box's mean.
double Spread(const Box& box) {
  double spread = 0;
  for (int channel = 0; channel < 3; ++channel) {
    std::int64_t n = 0;
    std::int64_t sum = 0;
    std::int64_t squares = 0;
    for (const Entry& entry : box) {
      const std::int64_t v = ChannelOf(entry.colour, channel);
      n += entry.count;
      sum += entry.count * v;
      squares += entry.count * v * v;
    }
    spread += static_cast<double>(squares) - static_cast<double>(sum) * sum / n;
  }
  return spread;
}

Rgb Mean(const Box& box) {
  std::int64_t n = 0;
  std::int64_t sums[3] = {0, 0, 0};
  for (const Entry& entry : box) {
    n += entry.count;
    for (int channel = 0; channel < 3; ++channel)
      sums[channel] += entry.count * ChannelOf(entry.colour, channel);
  }
  auto channel = [&](int c) { return static_cast<std::uint8_t>((sums[c] + n / 2) / n); };
  return {channel(0), channel(1), channel(2)};
}

// Cuts the box across its widest channel at the weighted median; the upper part is returned.
Box Cut(Box& box) {
  int widest = 0;
  int widestRange = -1;
  for (int channel = 0; channel < 3; ++channel) {
    const auto [low, high] =
        std::minmax_element(box.begin(), box.end(), [channel](const Entry& a, const Entry& b) {
          return ChannelOf(a.colour, channel) < ChannelOf(b.colour, channel);
        });
    const int range = ChannelOf(high->colour, channel) - ChannelOf(low->colour, channel);
    if (range > widestRange) {
      widest = channel;
      widestRange = range;
    }
  }
  std::sort(box.begin(), box.end(), [widest](const Entry& a, const Entry& b) {
    const int va = ChannelOf(a.colour, widest);
    const int vb = ChannelOf(b.colour, widest);
    return va != vb ? va < vb : Key(a.colour) < Key(b.colour);
  });
  std::int64_t total = 0;
  for (const Entry& entry : box)
    total += entry.count;
  std::size_t cut = 0;
  for (std::int64_t below = 0; cut < box.size() && below * 2 < total; ++cut)
    below += box[cut].count;
  cut = std::clamp<std::size_t>(cut, 1, box.size() - 1);
  Box upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
  box.resize(cut);
  return upper;
}

int Distance(const Rgb& a, const Rgb& b) {
  const int dr = a.r - b.r;
  const int dg = a.g - b.g;
  const int db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

}  // namespace

QuantizedPicture Quantize(const Picture& picture, int maxColours) {
  maxColours = std::clamp(maxColours, 1, 256);
  std::map<std::uint32_t, std::int64_t> counts;
  for (const Rgb& colour : picture.pixels)
    ++counts[Key(colour)];
  std::vector<Box> boxes(1);
  for (const auto& [key, count] : counts) {
    const Rgb colour{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                     static_cast<std::uint8_t>(key)};
    boxes[0].push_back({colour, count});
  }
  while (static_cast<int>(boxes.size()) < maxColours) {
    std::size_t best = boxes.size();
    double bestSpread = -1;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].size() < 2)
        continue;
      const double spread = Spread(boxes[i]);
      if (spread > bestSpread) {
        best = i;
        bestSpread = spread;
      }
    }
    if (best == boxes.size())
      break;  // every box holds one colour
    Box upper = Cut(boxes[best]);
    boxes.push_back(std::move(upper));
  }

  QuantizedPicture result{IndexedPicture(picture.width, picture.height), {}};
  for (const Box& box : boxes) {
    if (!box.empty())
      result.palette.push_back(Mean(box));
  }
  std::map<std::uint32_t, std::uint8_t> nearest;
  for (const auto& [key, count] : counts) {
    const Rgb colour{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                     static_cast<std::uint8_t>(key)};
    std::size_t bestIndex = 0;
    for (std::size_t i = 1; i < result.palette.size(); ++i) {
      if (Distance(colour, result.palette[i]) < Distance(colour, result.palette[bestIndex]))
        bestIndex = i;
    }
    nearest[key] = static_cast<std::uint8_t>(bestIndex);
  }
  for (std::size_t k = 0; k < picture.pixels.size(); ++k)
    result.picture.index[k] = nearest[Key(picture.pixels[k])];
  result.picture.transparent = picture.transparent;
  return result;
}

}  // namespace pelk::imagegen
