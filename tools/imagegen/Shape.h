#pragma once
#include <functional>
#include <utility>
#include <vector>

namespace pelk::imagegen {

// A region of the plane, as a membership test. Coordinates are pixels with (0, 0) at the top
// left corner of the picture; pixel (i, j) covers [i, i+1) x [j, j+1).
using Shape = std::function<bool(double x, double y)>;

struct Point {
  double x;
  double y;
};

Shape Disc(Point centre, double radius);
// A line segment drawn with round ends, `halfWidth` on either side.
Shape Stroke(Point from, Point to, double halfWidth);
// A stroke through the points in turn, with round joints.
Shape Polyline(const std::vector<Point>& points, double halfWidth);
Shape Box(double left, double top, double right, double bottom);
Shape RoundBox(double left, double top, double right, double bottom, double radius);
// A band along a circle from angle `from` to `to` (degrees, clockwise on screen since y points
// down), with flat ends.
Shape Arc(Point centre, double radius, double halfWidth, double from, double to);
Shape Polygon(std::vector<Point> corners);

Shape Union(std::vector<Shape> parts);
Shape Difference(Shape base, Shape cut);

// Fraction of an n-by-n grid of samples in pixel (i, j) that lies inside the shape.
double Coverage(const Shape& shape, int i, int j, int samples);

// Distance from p to the segment a-b.
double SegmentDistance(Point p, Point a, Point b);

}  // namespace pelk::imagegen
