#pragma once
// Widget tests need one QApplication for the whole test program, made on first use.

#include <QApplication>

inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "tests";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);   // lives until the process ends
}
