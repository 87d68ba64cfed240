#include <gtest/gtest.h>

#include <clocale>

#ifdef VANDRELL_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifdef VANDRELL_WITH_QT
  QApplication app(argc, argv);
#endif
  std::setlocale(LC_NUMERIC, "C");
  return RUN_ALL_TESTS();
}
