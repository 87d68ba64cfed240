#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/qt/qttranslations.h"

// With a French language file the message boxes' own buttons must not stay in English.
TEST(QtTranslations, FollowTheLanguageFilesCode) {
  ASSERT_TRUE(platform::UseQtTranslations("fr"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Oui");
  EXPECT_FALSE(platform::UseQtTranslations("en"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Yes");
  EXPECT_FALSE(platform::UseQtTranslations("xx"));
}
