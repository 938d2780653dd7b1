#pragma once
// CHomeWnd: the home page in the data area of the home module. It shows the
// user's picture (an animated picture keeps playing), today's date with the
// lunar date, the user's greeting, the credit-card bills and this month's and
// this year's income and expenses. Names in the tables are links; a click
// emits openPage with the arguments of the main window's "open page" message.
#include <QScrollArea>
#include <optional>
#include <string>

#include "home/home_figures.h"
#include "home/theme.h"

class QLabel;
class QMovie;
class QVBoxLayout;

namespace cw {

struct HomePageUser {
  std::string welcome_word;     // Welcome_Word as stored (empty: the default greeting)
  std::string welcome_picture;  // Welcome_Picture as stored (empty: Default.gif)
  ThemeColours colours = ResolveThemeColours(0, {});  // the user's colours, resolved
};

class CHomeWnd : public QScrollArea {
  Q_OBJECT
 public:
  // `today` (a serial day) fixes the page's date; 0 takes the day the page is
  // first shown.
  explicit CHomeWnd(HomePageUser user, QWidget* parent = nullptr, int today = 0);
  ~CHomeWnd() override;

  // Computes the figures again and rebuilds the page (after a booking or a
  // change of the user's settings). Otherwise the figures are computed when the
  // page is first shown and kept.
  void Refresh();

  // Paints the page in other colours (a look being tried, or a new one).
  void SetColours(const ThemeColours& colours);

  // The figures shown; computes them when the page was not shown yet.
  const HomeFigures& Figures();
  // Whether the user's picture is an animation that is playing.
  bool PictureIsPlaying() const;

 signals:
  // kind 2: open the detail ledger of the account `target`; kind 3: open the
  // statistics page `target` ("6" income by category, "7" expense by category).
  void openPage(int kind, const QString& target);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Build();
  void LoadPicture();
  void AddSection(const char* title);
  void AddTable(const HomeTable& table, bool with_title);
  void AddText(const QString& text, bool bold = false);
  void OnLink(const QString& href);

  HomePageUser user_;
  int today_;
  std::optional<HomeFigures> figures_;
  QWidget* page_ = nullptr;
  QVBoxLayout* sections_ = nullptr;
  QLabel* picture_ = nullptr;
  QMovie* movie_ = nullptr;
};

}  // namespace cw
