#pragma once
#include <string>
#include <vector>

#include "platform/gui/NotifyEvent.h"
#include "platform/gui/TComponent.h"

namespace pelk {

class TImageList;

// One entry of a menu; entries may hold entries of their own.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(int shortCut) { shortCut_ = shortCut; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
  virtual void Click();

  // A resource puts an entry inside a menu or another entry, whose entries it joins.
  static const char* PlacementRefusal(const TComponent& container, const TComponent& page);
  void PlaceIn(TComponent& container) override;

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* ParentItem() const { return parentItem_; }
  // The entry, this one or below, whose shortcut is the key with these modifier bits.
  TMenuItem* FindShortCut(TShortCut shortCut);

 private:
  std::string caption_;
  TShortCut shortCut_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  int imageIndex_ = -1;
  TNotifyEvent onClick_;
  TMenuItem* parentItem_ = nullptr;
  std::vector<TMenuItem*> items_;
};

// A menu that opens at the pointer on a right click.
class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  TMenuItem& Items() { return *items_; }
  const TMenuItem& Items() const { return *items_; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  void Notification(TComponent* component, TOperation operation) override;

  // Opens the menu at a screen position; the native backend runs the chosen entry.
  void Popup(int screenX, int screenY);
  int PopupCount() const { return popupCount_; }
  int PopupX() const { return popupX_; }
  int PopupY() const { return popupY_; }

 private:
  TMenuItem* items_;  // owned as a component
  TImageList* images_ = nullptr;
  int popupCount_ = 0;
  int popupX_ = 0;
  int popupY_ = 0;
};

}  // namespace pelk
