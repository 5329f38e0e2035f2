#include "tools/imagegen/Artwork.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "tools/imagegen/BitmapFiles.h"
#include "tools/imagegen/Quantize.h"
#include "tools/imagegen/Shape.h"

namespace pelk::imagegen {

namespace {

constexpr int kSupersampling = 8;

struct Colour {
  double r;
  double g;
  double b;
};

Colour Mix(Colour from, Colour to, double t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t};
}

std::uint8_t Channel(double value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

Rgb ToRgb(Colour colour) {
  return {Channel(colour.r), Channel(colour.g), Channel(colour.b)};
}

constexpr Colour kWhite{255, 255, 255};

// ---- the image strip ------------------------------------------------------------------------

// A left-pointing arrow head with its tip at (tipX, y).
Shape ArrowHeadLeft(double tipX, double y, double length, double halfHeight) {
  return Polygon({{tipX, y}, {tipX + length, y - halfHeight}, {tipX + length, y + halfHeight}});
}

Shape Symbol(int symbol, bool bold) {
  const double w = bold ? 2.5 : 1.8;  // half the stroke width
  switch (symbol) {
    case 0:  // check mark
      return Polyline({{8.5, 16.5}, {13.5, 21.5}, {23.5, 10.0}}, w);
    case 1:  // arrow curving back to the left, above a bar
      return Union({Arc({17.5, 12.5}, 5.0, w, -90.0, 90.0), Stroke({12.0, 7.5}, {17.5, 7.5}, w),
                    Stroke({17.5, 17.5}, {11.5, 17.5}, w),
                    ArrowHeadLeft(bold ? 5.5 : 6.0, 7.5, bold ? 7.5 : 7.0, bold ? 5.0 : 4.5),
                    Box(7.5, 23.0 - w * 0.6, 24.5, 23.0 + w * 0.6)});
    case 2: {  // letter i
      const double stem = bold ? 2.4 : 1.8;
      return Union({Disc({16.0, 7.5}, bold ? 2.9 : 2.3), Box(16.0 - stem, 12.0, 16.0 + stem, 24.5),
                    Box(12.5 - (bold ? 0.6 : 0.0), 12.0, 16.0, 12.0 + 2 * (bold ? 1.2 : 1.0)),
                    Box(12.0 - (bold ? 0.6 : 0.0), 24.5 - 2 * (bold ? 1.2 : 1.0),
                        20.0 + (bold ? 0.6 : 0.0), 24.5)});
    }
    case 3: {  // question mark
      const Point centre{16.0, 11.0};
      const double radius = 5.0;
      const double endAngle = 40.0 * 3.14159265358979323846 / 180.0;
      const Point arcEnd{centre.x + radius * std::cos(endAngle),
                         centre.y + radius * std::sin(endAngle)};
      return Union({Arc(centre, radius, w, 180.0, 400.0), Disc({centre.x - radius, centre.y}, w),
                    Polyline({arcEnd, {16.0, 17.0}, {16.0, 19.0}}, w),
                    Disc({16.0, 24.0}, bold ? 2.7 : 2.2)});
    }
    case 4:  // cross
      return Union({Stroke({10.0, 10.0}, {22.0, 22.0}, w), Stroke({22.0, 10.0}, {10.0, 22.0}, w)});
    default: {  // floppy disk
      const double grow = bold ? 1.0 : 0.0;
      const Shape body = Polygon({{7.0 - grow, 6.5 - grow},
                                  {22.0 + grow, 6.5 - grow},
                                  {25.5 + grow, 10.0 - grow},
                                  {25.5 + grow, 25.5 + grow},
                                  {7.0 - grow, 25.5 + grow}});
      const Shape shutter =
          Difference(Box(11.0, 6.0 - grow, 21.0, 13.0), Box(17.0, 8.0, 19.5, 11.5));
      const Shape label =
          Difference(Box(10.0, 16.5, 22.5, 26.5 + grow),
                     Union({Box(11.5, 19.0, 21.0, 20.2), Box(11.5, 22.2, 21.0, 23.4)}));
      return Difference(body, Union({shutter, label}));
    }
  }
}

void DrawTile(Picture& strip, int tile) {
  const bool hot = tile % 2 == 1;
  const Colour light = hot ? Colour{118, 178, 255} : Colour{92, 146, 222};
  const Colour dark = hot ? Colour{36, 98, 206} : Colour{20, 62, 148};
  const Shape face = RoundBox(0.0, 0.0, kTileSize, kTileSize, 4.0);
  const Shape symbol = Symbol(tile / 2, hot);
  const int left = (tile % kTilesPerRow) * kTileSize;
  const int top = (tile / kTilesPerRow) * kTileSize;
  for (int y = 0; y < kTileSize; ++y) {
    for (int x = 0; x < kTileSize; ++x) {
      const double t = (x + y) / (2.0 * (kTileSize - 1));
      const Colour blue = Mix(light, dark, t);
      const Colour withSymbol = Mix(blue, kWhite, Coverage(symbol, x, y, kSupersampling));
      // The corners fade into the page's white.
      const Colour pixel = Mix(kWhite, withSymbol, Coverage(face, x, y, kSupersampling));
      strip.at(left + x, top + y) = ToRgb(pixel);
    }
  }
}

// ---- layered true-colour drawing -----------------------------------------------------------

struct Layer {
  Shape shape;
  Colour colour;
};

// Paints the layers in order; pixels left less than half covered become transparent. Edge pixels
// keep the colour of what covers them rather than fading to a background.
Picture Compose(int width, int height, const std::vector<Layer>& layers) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Colour premultiplied{0, 0, 0};
      double alpha = 0;
      for (const Layer& layer : layers) {
        const double a = Coverage(layer.shape, x, y, kSupersampling);
        premultiplied = {layer.colour.r * a + premultiplied.r * (1 - a),
                         layer.colour.g * a + premultiplied.g * (1 - a),
                         layer.colour.b * a + premultiplied.b * (1 - a)};
        alpha = a + alpha * (1 - a);
      }
      const std::size_t k = static_cast<std::size_t>(y) * width + x;
      if (alpha < 0.5) {
        picture.transparent[k] = true;
        continue;
      }
      picture.pixels[k] =
          ToRgb({premultiplied.r / alpha, premultiplied.g / alpha, premultiplied.b / alpha});
    }
  }
  return picture;
}

// ---- palette drawing -----------------------------------------------------------------------

enum PaletteIndex : std::uint8_t {
  kBlack = 0,
  kGreen = 2,
  kNavy = 4,
  kSilver = 7,
  kGray = 8,
  kLime = 10,
  kBlue = 12,
  kAqua = 14,
  kPaletteWhite = 15,
};

bool Covers(const Shape& shape, int x, int y) {
  return Coverage(shape, x, y, 4) >= 0.5;
}

IndexedPicture Flask() {
  const Shape lip = RoundBox(10.5, 2.0, 21.5, 5.5, 1.2);
  const Shape neck = Box(13.0, 5.0, 19.0, 13.0);
  const Shape body =
      Polygon({{13.0, 12.0}, {19.0, 12.0}, {28.0, 26.5}, {26.5, 29.5}, {5.5, 29.5}, {4.0, 26.5}});
  const Shape flask = Union({lip, neck, body});
  const Shape bubbles =
      Union({Disc({12.5, 24.5}, 1.4), Disc({17.5, 22.0}, 1.0), Disc({20.5, 26.0}, 1.2)});
  IndexedPicture picture(32, 32);
  auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < 32 && y < 32 && Covers(flask, x, y);
  };
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (!inside(x, y)) {
        picture.transparent[static_cast<std::size_t>(y) * 32 + x] = true;
        continue;
      }
      const bool edge =
          !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      std::uint8_t colour;
      if (edge) {
        colour = kBlack;
      } else if (y == 19) {
        colour = kGreen;  // the liquid's surface
      } else if (y > 19) {
        colour = Covers(bubbles, x, y) ? kPaletteWhite : (x >= 21 || y >= 28 ? kGreen : kLime);
      } else if (x <= 14 && y >= 5) {
        colour = kPaletteWhite;  // light falling on the glass
      } else {
        colour = y < 5 ? kSilver : kAqua;
      }
      picture.at(x, y) = colour;
    }
  }
  return picture;
}

IndexedPicture ButtonPicture() {
  IndexedPicture picture(24, 24);
  const Shape check = Polyline({{7.0, 12.0}, {10.5, 15.5}, {17.0, 8.0}}, 1.5);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) {
      std::uint8_t colour = kSilver;  // background; the bottom-left pixel marks it transparent
      if (x >= 2 && x <= 21 && y >= 2 && y <= 21) {
        if (x == 21 || y == 21) {
          colour = kBlack;
        } else if (x == 20 || y == 20) {
          colour = kGray;
        } else if (x == 2 || y == 2) {
          colour = kPaletteWhite;
        } else if (Covers(check, x, y)) {
          colour = kPaletteWhite;
        } else {
          colour = x >= 18 || y >= 18 ? kNavy : kBlue;  // shade along the lower edges
        }
      }
      picture.at(x, y) = colour;
    }
  }
  return picture;
}

}  // namespace

Picture ImageListPicture() {
  Picture strip(kTilesPerRow * kTileSize, kTileCount / kTilesPerRow * kTileSize);
  for (int tile = 0; tile < kTileCount; ++tile)
    DrawTile(strip, tile);
  return strip;
}

std::vector<std::uint8_t> ImageListBitmap() {
  // Exactly the tiles, at 8 bits: the strip is the largest part of the library's resources. Its
  // few hundred colours (two gradients blended with white at the edges) lose at most a few
  // levels per channel in the palette.
  const QuantizedPicture strip = Quantize(ImageListPicture(), kImageListColours);
  return BitmapFile8(strip.picture, strip.palette);
}

std::vector<std::uint8_t> TemplateIcon() {
  return IconFile4(Flask(), StandardPalette());
}

std::vector<std::uint8_t> TipIcon() {
  const Colour edge{88, 88, 96};
  const Colour text{110, 110, 120};
  const Colour folderEdge{168, 116, 20};
  const Colour arrowGreen{34, 150, 44};
  const std::vector<Layer> layers = {
      {RoundBox(4.0, 4.0, 24.0, 30.0, 1.5), {160, 160, 168}},  // shadow
      {Box(2.0, 2.0, 22.0, 28.0), edge},
      {Box(3.0, 3.0, 21.0, 27.0), {252, 252, 252}},
      {Box(3.0, 3.0, 7.0, 27.0), {226, 228, 236}},  // icon strip of the menu
      {Box(9.0, 6.0, 19.0, 8.0), text},
      {Box(3.0, 10.0, 21.0, 17.0), {49, 106, 197}},  // the highlighted entry
      {Box(9.0, 12.0, 16.0, 14.0), kWhite},
      {Box(9.0, 19.0, 16.0, 21.0), text},
      {Box(9.0, 23.0, 18.0, 25.0), text},
      {Polygon(
           {{16.0, 17.0}, {21.5, 17.0}, {23.0, 18.5}, {30.5, 18.5}, {30.5, 22.0}, {16.0, 22.0}}),
       folderEdge},
      {RoundBox(15.5, 19.0, 31.0, 30.0, 1.0), folderEdge},
      {RoundBox(16.5, 20.0, 30.0, 29.0, 0.8), {252, 204, 76}},
      {Polyline({{18.0, 13.5}, {24.5, 13.5}, {24.5, 19.0}}, 2.4), kWhite},  // arrow halo
      {Polygon({{19.3, 17.5}, {29.7, 17.5}, {24.5, 25.8}}), kWhite},
      {Polyline({{18.0, 13.5}, {24.5, 13.5}, {24.5, 19.0}}, 1.3), arrowGreen},
      {Polygon({{21.0, 18.5}, {28.0, 18.5}, {24.5, 24.0}}), arrowGreen},
  };
  return IconFile24(Compose(32, 32, layers));
}

std::vector<std::uint8_t> HotSpeedButtonBitmap() {
  return BitmapFile4(ButtonPicture(), StandardPalette());
}

}  // namespace pelk::imagegen
