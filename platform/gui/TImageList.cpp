#include "platform/gui/TImageList.h"

#include <algorithm>

#include "platform/Resources.h"

namespace pelk {

const ClassInfo& TImageList::StaticClass() {
  static const ClassInfo info{
      "TImageList",
      &TComponent::StaticClass(),
      &detail::CreateOwned<TImageList>,
      {Property<&TImageList::SetWidth>("Width"), Property<&TImageList::SetHeight>("Height"),
       Property<&TImageList::SetImageCount>("ImageCount"),
       Property<&TImageList::SetImageStrip>("ImageStrip")},
      {},
      {},
      {}};
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetWidth(int width) {
  width = std::clamp(width, 1, 256);
  if (width == width_)
    return;
  width_ = width;
  images_.clear();
}

void TImageList::SetHeight(int height) {
  height = std::clamp(height, 1, 256);
  if (height == height_)
    return;
  height_ = height;
  images_.clear();
}

int TImageList::Count() const {
  const int count = static_cast<int>(images_.size());
  return limit_ > 0 ? std::min(count, limit_) : count;
}

int TImageList::Add(const TBitmap& image) {
  TBitmap cell;
  cell.SetSize(width_, height_);
  cell.Draw(image, 0, 0, width_, height_, 0, 0);
  images_.push_back(std::move(cell));
  return static_cast<int>(images_.size()) - 1;
}

void TImageList::AddStrip(const TBitmap& strip) {
  const int columns = strip.Width() / width_;
  const int rows = strip.Height() / height_;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      TBitmap cell;
      cell.SetSize(width_, height_);
      cell.Draw(strip, column * width_, row * height_, width_, height_, 0, 0);
      images_.push_back(std::move(cell));
    }
  }
}

void TImageList::SetImageCount(int count) {
  limit_ = std::max(count, 0);
}

void TImageList::SetImageStrip(const std::string& resourceName) {
  stripName_ = resourceName;
  images_.clear();
  const auto bytes = FindResourceData(resourceName);
  if (!bytes)
    return;
  TBitmap strip;
  if (strip.LoadFromBmp(*bytes))
    AddStrip(strip);
}

void TImageList::GetBitmap(int index, TBitmap& bitmap) const {
  if (index < 0 || index >= Count()) {
    bitmap.Clear();
    return;
  }
  bitmap.SetSize(width_, height_);
  bitmap.Draw(images_[static_cast<std::size_t>(index)], 0, 0, width_, height_, 0, 0);
}

}  // namespace pelk
