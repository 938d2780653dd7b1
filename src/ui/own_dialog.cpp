#include "ui/own_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace cw {
namespace {
// The login dialog's colours until a user's scheme replaces them.
QColor background_colour(205, 220, 245);
QColor accent_colour(80, 180, 230);
}  // namespace

COwnDialog::COwnDialog(QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void COwnDialog::SetColours(const QColor& background, const QColor& accent) {
  background_colour = background;
  accent_colour = accent;
}

QColor COwnDialog::Background() { return background_colour; }
QColor COwnDialog::Accent() { return accent_colour; }

QDialogButtonBox* OkCancelButtons(QDialog* dialog, const QString& ok, const QString& cancel) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton(ok, QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton(cancel, QDialogButtonBox::RejectRole)->setObjectName("cancel");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, [dialog] { dialog->accept(); });
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, [dialog] { dialog->reject(); });
  return buttons;
}

void COwnDialog::showEvent(QShowEvent* event) {
  QPalette p = palette();
  p.setColor(QPalette::Window, background_colour);
  p.setColor(QPalette::Highlight, accent_colour);
  setPalette(p);
  setAutoFillBackground(true);
  QDialog::showEvent(event);
}

void COwnDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QWidget* focus = focusWidget();
  // Multi-line editors keep their Enter; buttons are pressed by it.
  const bool keeps_enter = qobject_cast<QTextEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus);
  if (enter && focus && !keeps_enter && !qobject_cast<QAbstractButton*>(focus)) {
    focusNextPrevChild(!(event->modifiers() & Qt::ShiftModifier));
    return;
  }
  if (enter && qobject_cast<QAbstractButton*>(focus)) {
    static_cast<QAbstractButton*>(focus)->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace cw
