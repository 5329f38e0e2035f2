#include "tools/imagegen/Shape.h"

#include <algorithm>
#include <cmath>

namespace pelk::imagegen {

namespace {
constexpr double kPi = 3.14159265358979323846;
}  // namespace

double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = 0;
  if (lengthSquared > 0)
    t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
  const double ex = p.x - (a.x + t * dx);
  const double ey = p.y - (a.y + t * dy);
  return std::sqrt(ex * ex + ey * ey);
}

Shape Disc(Point centre, double radius) {
  return [=](double x, double y) {
    const double dx = x - centre.x;
    const double dy = y - centre.y;
    return dx * dx + dy * dy <= radius * radius;
  };
}

Shape Stroke(Point from, Point to, double halfWidth) {
  return [=](double x, double y) { return SegmentDistance({x, y}, from, to) <= halfWidth; };
}

Shape Polyline(const std::vector<Point>& points, double halfWidth) {
  return [=](double x, double y) {
    for (std::size_t k = 1; k < points.size(); ++k) {
      if (SegmentDistance({x, y}, points[k - 1], points[k]) <= halfWidth)
        return true;
    }
    return false;
  };
}

Shape Box(double left, double top, double right, double bottom) {
  return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape RoundBox(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x >= right || y < top || y >= bottom)
      return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    const double dx = x - cx;
    const double dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
  };
}

Shape Arc(Point centre, double radius, double halfWidth, double from, double to) {
  return [=](double x, double y) {
    const double dx = x - centre.x;
    const double dy = y - centre.y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (std::fabs(distance - radius) > halfWidth)
      return false;
    double angle = std::atan2(dy, dx) * 180.0 / kPi;  // -180..180, clockwise on screen
    while (angle < from)
      angle += 360.0;
    return angle <= to;
  };
}

Shape Polygon(std::vector<Point> corners) {
  return [corners = std::move(corners)](double x, double y) {
    bool inside = false;
    for (std::size_t k = 0, last = corners.size() - 1; k < corners.size(); last = k++) {
      const Point& a = corners[k];
      const Point& b = corners[last];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
        inside = !inside;
      }
    }
    return inside;
  };
}

Shape Union(std::vector<Shape> parts) {
  return [parts = std::move(parts)](double x, double y) {
    return std::any_of(parts.begin(), parts.end(), [&](const Shape& part) { return part(x, y); });
  };
}

Shape Difference(Shape base, Shape cut) {
  return [base = std::move(base), cut = std::move(cut)](double x, double y) {
    return base(x, y) && !cut(x, y);
  };
}

double Coverage(const Shape& shape, int i, int j, int samples) {
  int hits = 0;
  for (int sy = 0; sy < samples; ++sy) {
    for (int sx = 0; sx < samples; ++sx) {
      if (shape(i + (sx + 0.5) / samples, j + (sy + 0.5) / samples))
        ++hits;
    }
  }
  return static_cast<double>(hits) / (samples * samples);
}

}  // namespace pelk::imagegen
