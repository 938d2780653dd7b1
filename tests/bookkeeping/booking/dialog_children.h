#pragma once
// Finding a dialog's inputs by object name in widget tests; a missing one
// fails the test.
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

namespace cw::testing {

template <typename T>
T* Child(QWidget& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  EXPECT_NE(nullptr, child) << name.toStdString();
  return child;
}

}  // namespace cw::testing
