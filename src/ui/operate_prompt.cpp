#include "ui/operate_prompt.h"

#include <QThread>

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace cw {

COperatePrompt::COperatePrompt(const QString& text, const QString& caption, PromptStyle style, QWidget* parent)
    : COwnDialog(parent) {
  setWindowTitle(caption);
  auto* icon = new QLabel(this);
  QStyle::StandardPixmap which = style == PromptStyle::Error      ? QStyle::SP_MessageBoxCritical
                                 : style == PromptStyle::Question ? QStyle::SP_MessageBoxQuestion
                                                                  : QStyle::SP_MessageBoxInformation;
  icon->setPixmap(this->style()->standardIcon(which).pixmap(32, 32));
  auto* message = new QLabel(text, this);
  message->setObjectName("promptText");
  message->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(this);
  if (style == PromptStyle::Question) {
    buttons->addButton("是(&Y)", QDialogButtonBox::YesRole)->setDefault(true);
    buttons->addButton("否(&N)", QDialogButtonBox::NoRole);
    connect(buttons, &QDialogButtonBox::clicked, this, [this, buttons](QAbstractButton* b) {
      done(buttons->buttonRole(b) == QDialogButtonBox::YesRole ? Accepted : Rejected);
    });
  } else {
    buttons->addButton("确定(&O)", QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  }
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(message, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

// A worker thread (the scheduled-booking run) never touches widgets: its
// messages are shown by the interface thread. A notice is queued, so that a
// worker inside a transaction never waits on the user; a question waits for
// the answer (workers ask only outside their transactions).
void DialogPrompter::Inform(const std::string& text, const std::string& caption, PromptStyle style) {
  auto show = [text, caption, style] {
    COperatePrompt dialog(QString::fromStdString(text), QString::fromStdString(caption), style,
                          QApplication::activeWindow());
    dialog.exec();
  };
  if (QThread::currentThread() != qApp->thread()) {
    QMetaObject::invokeMethod(qApp, show, Qt::QueuedConnection);
    return;
  }
  show();
}

bool DialogPrompter::Ask(const std::string& text, const std::string& caption) {
  bool yes = false;
  auto ask = [&] {
    COperatePrompt dialog(QString::fromStdString(text), QString::fromStdString(caption), PromptStyle::Question,
                          QApplication::activeWindow());
    yes = dialog.exec() == QDialog::Accepted;
  };
  if (QThread::currentThread() != qApp->thread()) {
    QMetaObject::invokeMethod(qApp, ask, Qt::BlockingQueuedConnection);
  } else {
    ask();
  }
  return yes;
}

}  // namespace cw
