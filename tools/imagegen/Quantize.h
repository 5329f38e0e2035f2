#pragma once
#include <vector>

#include "tools/imagegen/BitmapFiles.h"

namespace pelk::imagegen {

struct QuantizedPicture {
  IndexedPicture picture;
  std::vector<Rgb> palette;
};

// The picture in at most maxColours (1 to 256) colours. The palette is cut from the picture's
// own colours (median cut, weighted by how often each occurs, so large areas keep their exact
// colour) and every pixel takes the nearest entry. A picture with no more colours than that keeps
// every pixel exactly. The mask is copied.
QuantizedPicture Quantize(const Picture& picture, int maxColours);

}  // namespace pelk::imagegen
