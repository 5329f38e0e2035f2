#pragma once
#include <vector>

#include "platform/gui/TControl.h"

namespace pelk {

// A control that holds other controls: it lays them out (alignment to an edge, then anchors)
// and keeps the tab order of its windowed children.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;  // throws EListError
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  virtual int ClientWidth() const { return Width(); }
  virtual int ClientHeight() const { return Height(); }

  // Position among the parent's windowed children for the Tab key. While a form resource is
  // read the value is kept as asked and sorted out once the resource is done.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool stop) { tabStop_ = stop; }
  const std::vector<TWinControl*>& TabList() const { return tabList_; }
  void FixupTabList();
  // A tab stop the user can reach now: shown and enabled, as are all its parents.
  bool CanTab() const;
  // Gives the control the keyboard focus.
  void SetFocus();

  // Lays out the children: aligned ones along their edges, then the anchored ones.
  void Realign();
  void DisableAlign() { ++alignLock_; }
  void EnableAlign();

  void CreateHandle() override;
  void DestroyHandle() override;
  void ChangeScale(int multiplier, int divisor) override;

 protected:
  virtual void CreateOwnHandle() { TControl::CreateHandle(); }
  void BoundsChanged(int oldWidth, int oldHeight) override;
  void FontChanged() override;
  void ColorChanged() override;

 private:
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  int tabOrder_ = -1;
  bool tabStop_ = false;
  int alignLock_ = 0;
  bool realigning_ = false;
};

}  // namespace pelk
