#pragma once
#include <string>
#include <vector>

#include "platform/gui/TBitmap.h"
#include "platform/gui/TComponent.h"

namespace pelk {

// A list of images of one size. Controls refer to a list and never own it.
class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width);  // clears the list, as a new image size does
  void SetHeight(int height);
  int Count() const;

  // Appends an image; a bitmap of another size is cropped or padded with black.
  int Add(const TBitmap& image);
  void Clear() { images_.clear(); }
  // Cuts a strip into images, left to right then top to bottom.
  void AddStrip(const TBitmap& strip);
  // Limits the images taken from a strip; 0 takes every cell.
  void SetImageCount(int count);
  // Loads a strip from the module's RCDATA resource of that name (a BMP file); a missing or
  // unreadable resource leaves the list empty.
  void SetImageStrip(const std::string& resourceName);
  const std::string& ImageStrip() const { return stripName_; }

  // Draws image index into bitmap at the list's image size. An index the list does not hold
  // leaves the bitmap empty.
  void GetBitmap(int index, TBitmap& bitmap) const;

 private:
  int width_ = 16;
  int height_ = 16;
  int limit_ = 0;
  std::string stripName_;
  std::vector<TBitmap> images_;
};

}  // namespace pelk
