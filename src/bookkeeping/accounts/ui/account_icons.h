#pragma once
// The pictures of the account page: one per category-bar image number and one
// for accounts with and without sub-accounts in the tree.
#include <QIcon>

namespace cw {

// Image `image` of the category bar (the numbers of CategoryImage, 99 for
// "所有科目"); a plain picture for any other number.
QIcon CategoryIcon(int image);
// The tree's picture of an account: a folder for one with sub-accounts.
QIcon AccountIcon(bool leaf);

}  // namespace cw
