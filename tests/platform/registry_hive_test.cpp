#include "platform/registry_hive.h"
#include "platform/registry.h"
#include "platform/registry_test_printing.h"

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

const QString MainKey = QStringLiteral("Software\\Corvane\\Meterly\\Main");

TEST(RegistryHiveTest, NamesMatchWhateverTheCaseAndKeepTheCaseTheyWereCreatedWith) {
  RegistryHive hive;
  hive.SetValue(MainKey, QStringLiteral("TrayIconMode"), RegValue::FromDWord(1));
  hive.SetValue(QStringLiteral("SOFTWARE\\corvane\\METERLY\\main"), QStringLiteral("TRAYICONMODE"),
                RegValue::FromDWord(2));
  hive.SetValue(MainKey, QStringLiteral("Ärger"), RegValue::FromString(QStringLiteral("x")));
  hive.CreateKey(QStringLiteral("software\\CORVANE\\Meterly\\Quota"));

  EXPECT_EQ(hive.Value(QStringLiteral("software\\corvane\\meterly\\MAIN"), QStringLiteral("trayiconmode")),
            RegValue::FromDWord(2));
  EXPECT_EQ(hive.Value(MainKey, QStringLiteral("äRGER")), RegValue::FromString(QStringLiteral("x")));
  EXPECT_TRUE(hive.KeyExists(QStringLiteral("SOFTWARE\\CORVANE")));
  EXPECT_EQ(hive.ValueNames(MainKey), (QStringList{QStringLiteral("TrayIconMode"), QStringLiteral("Ärger")}));
  EXPECT_EQ(hive.SubKeyNames(QStringLiteral("Software")), QStringList{QStringLiteral("Corvane")});
  EXPECT_EQ(hive.SubKeyNames(QStringLiteral("Software\\Corvane\\Meterly")),
            (QStringList{QStringLiteral("Main"), QStringLiteral("Quota")}));
  EXPECT_FALSE(hive.Value(MainKey, QStringLiteral("TrayIconMod")));
  EXPECT_FALSE(hive.KeyExists(QStringLiteral("Software\\Corvane\\Meterly\\Mai")));
}

TEST(RegistryHiveTest, SetValuesLetsTheLaterOfTwoSameNamesWin) {
  RegistryHive hive;
  hive.SetValues(MainKey, {{QStringLiteral("A"), RegValue::FromDWord(1)},
                           {QStringLiteral("B"), RegValue::FromDWord(2)},
                           {QStringLiteral("a"), RegValue::FromString(QStringLiteral("later"))}});
  EXPECT_EQ(hive.ValueNames(MainKey), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  EXPECT_EQ(hive.Value(MainKey, QStringLiteral("a")), RegValue::FromString(QStringLiteral("later")));
}

TEST(RegistryHiveTest, DeletingValuesAndKeysLeavesTheRestFindable) {
  RegistryHive hive;
  for (const char* name : {"one", "two", "three"}) {
    hive.SetValue(MainKey, QString::fromLatin1(name), RegValue::FromString(QString::fromLatin1(name)));
  }
  hive.CreateKey(QStringLiteral("Software\\First\\Child\\Grandchild"));
  hive.CreateKey(QStringLiteral("Software\\Second"));

  EXPECT_TRUE(hive.DeleteValue(MainKey, QStringLiteral("ONE")));
  EXPECT_FALSE(hive.DeleteValue(MainKey, QStringLiteral("one")));
  EXPECT_EQ(hive.Value(MainKey, QStringLiteral("three")), RegValue::FromString(QStringLiteral("three")));
  hive.SetValue(MainKey, QStringLiteral("one"), RegValue::FromDWord(1));
  EXPECT_EQ(hive.ValueNames(MainKey),
            (QStringList{QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("one")}));

  EXPECT_TRUE(hive.DeleteKey(QStringLiteral("software\\first")));
  EXPECT_FALSE(hive.KeyExists(QStringLiteral("Software\\First\\Child\\Grandchild")));
  EXPECT_FALSE(hive.DeleteKey(QStringLiteral("Software\\First")));
  EXPECT_TRUE(hive.KeyExists(QStringLiteral("Software\\Second")));
  EXPECT_EQ(hive.Value(MainKey, QStringLiteral("two")), RegValue::FromString(QStringLiteral("two")));
  hive.CreateKey(QStringLiteral("Software\\First"));
  EXPECT_EQ(hive.SubKeyNames(QStringLiteral("Software")),
            (QStringList{QStringLiteral("Corvane"), QStringLiteral("Second"), QStringLiteral("First")}));
  EXPECT_FALSE(hive.KeyExists(QStringLiteral("Software\\First\\Child")));

  EXPECT_TRUE(hive.DeleteKey(QStringLiteral("Software")));
  EXPECT_TRUE(hive.IsEmpty());
}

TEST(RegistryHiveTest, PathsWithAnEmptyKeyNameFindNothingAndCannotBeWritten) {
  RegistryHive hive;
  hive.SetValue(QStringLiteral("a\\b"), QStringLiteral("v"), RegValue::FromDWord(1));
  const RegistryHive before = hive;

  for (const QString& path : {QString(), QStringLiteral("\\"), QStringLiteral("\\a\\b"), QStringLiteral("a\\b\\"),
                              QStringLiteral("a\\\\b"), QStringLiteral("a\\b\\\\c")}) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_FALSE(hive.KeyExists(path));
    EXPECT_FALSE(hive.Value(path, QStringLiteral("v")));
    EXPECT_TRUE(hive.ValueNames(path).isEmpty());
    EXPECT_TRUE(hive.SubKeyNames(path).isEmpty());
    EXPECT_FALSE(hive.DeleteValue(path, QStringLiteral("v")));
    EXPECT_FALSE(hive.DeleteKey(path));
    try {
      hive.CreateKey(path);
      ADD_FAILURE() << "createKey accepted the path";
    } catch (const RegistryError& error) {
      EXPECT_TRUE(error.message().contains(QStringLiteral("empty"))) << error.what();
    }
    EXPECT_THROW(hive.SetValue(path, QStringLiteral("v"), RegValue::FromDWord(2)), RegistryError);
    EXPECT_THROW(hive.SetValues(path, {{QStringLiteral("v"), RegValue::FromDWord(2)}}), RegistryError);
  }
  EXPECT_EQ(hive, before);
}

TEST(RegistryHiveTest, TextTheFileCannotHoldIsRefusedWithoutChangingTheHive) {
  RegistryHive hive;
  hive.CreateKey(MainKey);
  const RegistryHive before = hive;
  const QString withNul = QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b");
  const QString loneSurrogate = QStringLiteral("a") + QChar(0xD800);

  EXPECT_THROW(hive.SetValue(MainKey, withNul, RegValue::FromDWord(1)), RegistryError);
  EXPECT_THROW(hive.SetValue(MainKey, loneSurrogate, RegValue::FromDWord(1)), RegistryError);
  EXPECT_THROW(hive.SetValue(MainKey, QStringLiteral("v"), RegValue::FromString(withNul)), RegistryError);
  EXPECT_THROW(hive.SetValue(MainKey, QStringLiteral("v"), RegValue::FromString(loneSurrogate)), RegistryError);
  EXPECT_THROW(hive.SetValues(MainKey, {{QStringLiteral("ok"), RegValue::FromDWord(1)},
                                        {QStringLiteral("v"), RegValue::FromString(withNul)}}),
               RegistryError);
  EXPECT_THROW(hive.CreateKey(QStringLiteral("Software\\two\nlines")), RegistryError);
  EXPECT_THROW(hive.CreateKey(QStringLiteral("Software\\cr\r")), RegistryError);
  EXPECT_THROW(hive.CreateKey(QStringLiteral("Software\\") + withNul), RegistryError);
  EXPECT_EQ(hive, before);

  // Only text values are text: a binary value may hold any byte.
  hive.SetValue(MainKey, QStringLiteral("bytes"), RegValue::FromBinary(QByteArray(4, '\0')));
  EXPECT_EQ(hive.Value(MainKey, QStringLiteral("bytes"))->binary, QByteArray(4, '\0'));
}

TEST(RegistryHiveTest, KeysNestAtMostMaxKeyDepth) {
  RegistryHive hive;
  QStringList deepest(RegistryHive::MaxKeyDepth, QStringLiteral("k"));
  hive.CreateKey(deepest.join(u'\\'));
  EXPECT_TRUE(hive.KeyExists(deepest.join(u'\\')));
  deepest.append(QStringLiteral("k"));
  EXPECT_THROW(hive.CreateKey(deepest.join(u'\\')), RegistryError);
  EXPECT_FALSE(hive.KeyExists(deepest.join(u'\\')));
}

TEST(RegistryHiveTest, EqualityHoldsTheCaseOfNames) {
  RegistryHive lower;
  RegistryHive upper;
  lower.SetValue(QStringLiteral("key"), QStringLiteral("name"), RegValue::FromDWord(1));
  upper.SetValue(QStringLiteral("key"), QStringLiteral("NAME"), RegValue::FromDWord(1));
  EXPECT_NE(lower, upper);
  upper.DeleteValue(QStringLiteral("key"), QStringLiteral("name"));
  upper.SetValue(QStringLiteral("key"), QStringLiteral("name"), RegValue::FromDWord(1));
  EXPECT_EQ(lower, upper);
}

}  // namespace
}  // namespace meterly::platform
