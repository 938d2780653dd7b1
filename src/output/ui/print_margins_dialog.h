#pragma once
// CPrintMarginsDialog: the four page margins of a print command. Each shows as
// " 1.5 厘米"; a typed value is read as the centimetres before the unit, and
// the spin arrows step by one millimetre, always within 5..50 mm.
#include <QSpinBox>

#include "output/print_settings.h"
#include "ui/own_dialog.h"

namespace cw {

// A margin in millimetres, shown and typed in centimetres.
class CMarginSpinBox : public QSpinBox {
  Q_OBJECT
 public:
  explicit CMarginSpinBox(QWidget* parent = nullptr);

 protected:
  QString textFromValue(int millimetres) const override;
  int valueFromText(const QString& text) const override;
  // Whatever is typed is taken: the number before the unit counts, and no
  // number means the smallest margin.
  QValidator::State validate(QString& text, int& pos) const override;
};

class CPrintMarginsDialog : public COwnDialog {
  Q_OBJECT
 public:
  explicit CPrintMarginsDialog(const PrintMargins& margins, QWidget* parent = nullptr);
  PrintMargins Margins() const;

 private:
  CMarginSpinBox* left_ = nullptr;
  CMarginSpinBox* top_ = nullptr;
  CMarginSpinBox* right_ = nullptr;
  CMarginSpinBox* bottom_ = nullptr;
};

}  // namespace cw
