#pragma once
// CControlWnd: the two-part body of every module window, a navigation bar on
// the left (collapsible with an arrow button) and the data area on the right.
#include <QWidget>

#include "frame/navigation_model.h"
#include "home/theme.h"
#include "ui/qt_colour.h"

class QHBoxLayout;
class QToolButton;

namespace cw {

class NavigationBar;
class WindowBackdrop;

class CControlWnd : public QWidget {
  Q_OBJECT
 public:
  explicit CControlWnd(QWidget* parent = nullptr);

  void SetNavigation(const NavigationModel& model);
  NavigationBar* Navigation() const { return navigation_; }

  // Collapses or shows the navigation bar (the frame keeps the state per user).
  void SetNavigationHidden(bool hidden);
  bool NavigationHidden() const { return hidden_; }

  // Puts `widget` in the data area, replacing (and deleting) the one before.
  void SetDataWidget(QWidget* widget);
  QWidget* DataWidget() const { return data_; }

  // The navigation and main colours of the user's scheme; the main colour is
  // also the base of the backdrop.
  virtual void ApplyColours(const ThemeColours& colours);

  // What the data area paints under its content where the module window
  // carries a background (BackgroundWindow() of the module).
  WindowBackdrop* Backdrop() const { return backdrop_; }

 signals:
  // The arrow button was pressed.
  void NavigationToggleRequested();
  // A navigation item asks the frame to carry out a command.
  void CommandRequested(int command);

 protected:
  // A navigation item's private notification to its module.
  virtual void OnNavigationNotify(const NavAction& action) {}

 private:
  void UpdateArrow();

  NavigationBar* navigation_ = nullptr;
  QToolButton* arrow_ = nullptr;
  QWidget* data_ = nullptr;
  WindowBackdrop* backdrop_ = nullptr;
  QHBoxLayout* layout_ = nullptr;
  bool hidden_ = false;
};

}  // namespace cw
