#include "home/ui/daily_note.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "home/daily_note_start.h"

namespace cw {

CDailyNote::CDailyNote(int person_no, QWidget* parent) : COwnDialog(parent), person_no_(person_no) {
  setWindowTitle(QStringLiteral("每日一帖"));
  resize(420, 300);
  auto* layout = new QVBoxLayout(this);

  auto* heading = new QLabel(QStringLiteral("您知道吗？"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  heading->setFont(bold);
  layout->addWidget(heading);

  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  // In a monospaced CJK face a Chinese character is exactly two blanks wide,
  // so centring the name by counting blanks works.
  QFont mono(QStringLiteral("Noto Sans Mono CJK SC"));
  mono.setStyleHint(QFont::Monospace);
  mono.setPointSizeF(text_->font().pointSizeF());
  text_->setFont(mono);
  layout->addWidget(text_, 1);

  auto* buttons = new QHBoxLayout;
  layout->addLayout(buttons);
  at_login_ = new QCheckBox(QStringLiteral("登录后显示每日一帖"), this);
  at_login_->setChecked(ShowDailyNoteAtLogin(person_no_));
  // The choice is stored at once, also when the dialog is closed otherwise.
  connect(at_login_, &QCheckBox::toggled, this, [this](bool on) { SetShowDailyNoteAtLogin(person_no_, on); });
  buttons->addWidget(at_login_);
  buttons->addStretch();
  auto* previous = new QToolButton(this);
  previous->setArrowType(Qt::LeftArrow);
  previous->setToolTip(QStringLiteral("上一帖"));
  connect(previous, &QToolButton::clicked, this, &CDailyNote::ShowPrevious);
  buttons->addWidget(previous);
  auto* next = new QToolButton(this);
  next->setArrowType(Qt::RightArrow);
  next->setToolTip(QStringLiteral("下一帖"));
  connect(next, &QToolButton::clicked, this, &CDailyNote::ShowNext);
  buttons->addWidget(next);
  auto* close = new QPushButton(QStringLiteral("关闭(&C)"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(close);
  close->setDefault(true);
}

void CDailyNote::SetNotes(std::vector<DailyNote> notes, long start) {
  browser_ = DailyNoteBrowser(std::move(notes), start);
  ShowCurrent();
}

QString CDailyNote::ShownText() const { return text_->toPlainText(); }

void CDailyNote::ShowPrevious() {
  browser_.Previous();
  ShowCurrent();
}

void CDailyNote::ShowNext() {
  browser_.Next();
  ShowCurrent();
}

void CDailyNote::showEvent(QShowEvent* event) {
  COwnDialog::showEvent(event);
  ShowCurrent();
}

void CDailyNote::resizeEvent(QResizeEvent* event) {
  COwnDialog::resizeEvent(event);
  ShowCurrent();
}

void CDailyNote::ShowCurrent() {
  if (browser_.empty()) return;
  const int blank = std::max(1, QFontMetrics(text_->font()).horizontalAdvance(QLatin1Char(' ')));
  const int width = text_->viewport()->width() / blank;
  text_->setPlainText(QString::fromStdString(NoteDisplayText(browser_.Current(), width)));
}

void ShowDailyNote(QWidget* parent, int person_no, bool at_login) {
  auto notes = NotesToShow(person_no, at_login);
  if (!notes) return;
  CDailyNote dialog(person_no, parent);
  dialog.SetNotes(std::move(*notes));
  dialog.exec();
}

}  // namespace cw
