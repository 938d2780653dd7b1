#include "bookkeeping/accounts/ui/account_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "bookkeeping/accounts/account_view.h"

namespace cw {
namespace {

struct Picture {
  int image;
  QRgb colour;
  const char* glyph;
};

// One colour and one character per account type, so that the categories can
// be told apart at a glance.
constexpr Picture kPictures[] = {
    {1, 0x2E7D32, "现"}, {2, 0x1565C0, "银"}, {3, 0xAD1457, "卡"}, {4, 0xEF6C00, "收"}, {5, 0xC62828, "支"},
    {6, 0x6A1B9A, "借"}, {7, 0x00838F, "出"}, {8, 0x4E342E, "投"}, {kAllAccountsImage, 0x455A64, "全"},
};

QIcon Draw(QRgb colour, const QString& glyph) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colour));
  painter.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
  QFont font = painter.font();
  font.setPixelSize(20);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
  return QIcon(pixmap);
}

}  // namespace

QIcon CategoryIcon(int image) {
  for (const Picture& picture : kPictures)
    if (picture.image == image) return Draw(picture.colour, QString::fromUtf8(picture.glyph));
  return Draw(0x9E9E9E, QString());
}

QIcon AccountIcon(bool leaf) {
  return QApplication::style()->standardIcon(leaf ? QStyle::SP_FileIcon : QStyle::SP_DirIcon);
}

}  // namespace cw
