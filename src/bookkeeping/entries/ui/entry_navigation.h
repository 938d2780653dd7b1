#pragma once
// The navigation bar of the daily entry window: the entry pages in their
// groups, a headed note at the top (how to edit the initial-assets page, or
// what a search looked for and found), and the four date-scope choices at the
// end of an entry page's bar.
#include <QString>
#include <QStringList>

#include "bookkeeping/entries/date_scope.h"
#include "frame/navigation_model.h"

class QButtonGroup;

namespace cw {

class NavigationBar;

// "日常记账" with the entry pages, "存款取款转账", the loan, investment and card
// pages, and "初始财产"; each page enabled when the user may use it.
NavigationModel EntryNavigation(const Rights& rights, int level);

// Puts a headed note with word-wrapped lines at the top of `bar`. The bar
// drops it when it is given a new model.
void AddNavigationNote(NavigationBar* bar, const QString& title, const QStringList& lines);

// Adds the four exclusive date-scope choices at the end of `bar`, `current`
// ticked; the group's button ids are the scope numbers 1 to 4.
QButtonGroup* AddScopeChoices(NavigationBar* bar, DateScope current);

}  // namespace cw
