#include "platform/registry_hive.h"
#include "platform/registry.h"
#include "platform/registry_test_printing.h"

#include <gtest/gtest.h>

namespace meterly::platform {
namespace {

const QString MainKey = QStringLiteral("Software\\Corvane\\Meterly\\Main");

TEST(RegistryHiveTest, NamesMatchWhateverTheCaseAndKeepTheCaseTheyWereCreatedWith) {
  RegistryHive hive;
  hive.setValue(MainKey, QStringLiteral("TrayIconMode"), RegValue::fromDWord(1));
  hive.setValue(QStringLiteral("SOFTWARE\\corvane\\METERLY\\main"), QStringLiteral("TRAYICONMODE"),
                RegValue::fromDWord(2));
  hive.setValue(MainKey, QStringLiteral("Ärger"), RegValue::fromString(QStringLiteral("x")));
  hive.createKey(QStringLiteral("software\\CORVANE\\Meterly\\Quota"));

  EXPECT_EQ(hive.value(QStringLiteral("software\\corvane\\meterly\\MAIN"), QStringLiteral("trayiconmode")),
            RegValue::fromDWord(2));
  EXPECT_EQ(hive.value(MainKey, QStringLiteral("äRGER")), RegValue::fromString(QStringLiteral("x")));
  EXPECT_TRUE(hive.keyExists(QStringLiteral("SOFTWARE\\CORVANE")));
  EXPECT_EQ(hive.valueNames(MainKey), (QStringList{QStringLiteral("TrayIconMode"), QStringLiteral("Ärger")}));
  EXPECT_EQ(hive.subKeyNames(QStringLiteral("Software")), QStringList{QStringLiteral("Corvane")});
  EXPECT_EQ(hive.subKeyNames(QStringLiteral("Software\\Corvane\\Meterly")),
            (QStringList{QStringLiteral("Main"), QStringLiteral("Quota")}));
  EXPECT_FALSE(hive.value(MainKey, QStringLiteral("TrayIconMod")));
  EXPECT_FALSE(hive.keyExists(QStringLiteral("Software\\Corvane\\Meterly\\Mai")));
}

TEST(RegistryHiveTest, SetValuesLetsTheLaterOfTwoSameNamesWin) {
  RegistryHive hive;
  hive.setValues(MainKey, {{QStringLiteral("A"), RegValue::fromDWord(1)},
                           {QStringLiteral("B"), RegValue::fromDWord(2)},
                           {QStringLiteral("a"), RegValue::fromString(QStringLiteral("later"))}});
  EXPECT_EQ(hive.valueNames(MainKey), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  EXPECT_EQ(hive.value(MainKey, QStringLiteral("a")), RegValue::fromString(QStringLiteral("later")));
}

TEST(RegistryHiveTest, DeletingValuesAndKeysLeavesTheRestFindable) {
  RegistryHive hive;
  for (const char* name : {"one", "two", "three"}) {
    hive.setValue(MainKey, QString::fromLatin1(name), RegValue::fromString(QString::fromLatin1(name)));
  }
  hive.createKey(QStringLiteral("Software\\First\\Child\\Grandchild"));
  hive.createKey(QStringLiteral("Software\\Second"));

  EXPECT_TRUE(hive.deleteValue(MainKey, QStringLiteral("ONE")));
  EXPECT_FALSE(hive.deleteValue(MainKey, QStringLiteral("one")));
  EXPECT_EQ(hive.value(MainKey, QStringLiteral("three")), RegValue::fromString(QStringLiteral("three")));
  hive.setValue(MainKey, QStringLiteral("one"), RegValue::fromDWord(1));
  EXPECT_EQ(hive.valueNames(MainKey),
            (QStringList{QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("one")}));

  EXPECT_TRUE(hive.deleteKey(QStringLiteral("software\\first")));
  EXPECT_FALSE(hive.keyExists(QStringLiteral("Software\\First\\Child\\Grandchild")));
  EXPECT_FALSE(hive.deleteKey(QStringLiteral("Software\\First")));
  EXPECT_TRUE(hive.keyExists(QStringLiteral("Software\\Second")));
  EXPECT_EQ(hive.value(MainKey, QStringLiteral("two")), RegValue::fromString(QStringLiteral("two")));
  hive.createKey(QStringLiteral("Software\\First"));
  EXPECT_EQ(hive.subKeyNames(QStringLiteral("Software")),
            (QStringList{QStringLiteral("Corvane"), QStringLiteral("Second"), QStringLiteral("First")}));
  EXPECT_FALSE(hive.keyExists(QStringLiteral("Software\\First\\Child")));

  EXPECT_TRUE(hive.deleteKey(QStringLiteral("Software")));
  EXPECT_TRUE(hive.isEmpty());
}

TEST(RegistryHiveTest, PathsWithAnEmptyKeyNameFindNothingAndCannotBeWritten) {
  RegistryHive hive;
  hive.setValue(QStringLiteral("a\\b"), QStringLiteral("v"), RegValue::fromDWord(1));
  const RegistryHive before = hive;

  for (const QString& path : {QString(), QStringLiteral("\\"), QStringLiteral("\\a\\b"), QStringLiteral("a\\b\\"),
                              QStringLiteral("a\\\\b"), QStringLiteral("a\\b\\\\c")}) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_FALSE(hive.keyExists(path));
    EXPECT_FALSE(hive.value(path, QStringLiteral("v")));
    EXPECT_TRUE(hive.valueNames(path).isEmpty());
    EXPECT_TRUE(hive.subKeyNames(path).isEmpty());
    EXPECT_FALSE(hive.deleteValue(path, QStringLiteral("v")));
    EXPECT_FALSE(hive.deleteKey(path));
    try {
      hive.createKey(path);
      ADD_FAILURE() << "createKey accepted the path";
    } catch (const RegistryError& error) {
      EXPECT_TRUE(error.message().contains(QStringLiteral("empty"))) << error.what();
    }
    EXPECT_THROW(hive.setValue(path, QStringLiteral("v"), RegValue::fromDWord(2)), RegistryError);
    EXPECT_THROW(hive.setValues(path, {{QStringLiteral("v"), RegValue::fromDWord(2)}}), RegistryError);
  }
  EXPECT_EQ(hive, before);
}

TEST(RegistryHiveTest, TextTheFileCannotHoldIsRefusedWithoutChangingTheHive) {
  RegistryHive hive;
  hive.createKey(MainKey);
  const RegistryHive before = hive;
  const QString withNul = QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b");
  const QString loneSurrogate = QStringLiteral("a") + QChar(0xD800);

  EXPECT_THROW(hive.setValue(MainKey, withNul, RegValue::fromDWord(1)), RegistryError);
  EXPECT_THROW(hive.setValue(MainKey, loneSurrogate, RegValue::fromDWord(1)), RegistryError);
  EXPECT_THROW(hive.setValue(MainKey, QStringLiteral("v"), RegValue::fromString(withNul)), RegistryError);
  EXPECT_THROW(hive.setValue(MainKey, QStringLiteral("v"), RegValue::fromString(loneSurrogate)), RegistryError);
  EXPECT_THROW(hive.setValues(MainKey, {{QStringLiteral("ok"), RegValue::fromDWord(1)},
                                        {QStringLiteral("v"), RegValue::fromString(withNul)}}),
               RegistryError);
  EXPECT_THROW(hive.createKey(QStringLiteral("Software\\two\nlines")), RegistryError);
  EXPECT_THROW(hive.createKey(QStringLiteral("Software\\cr\r")), RegistryError);
  EXPECT_THROW(hive.createKey(QStringLiteral("Software\\") + withNul), RegistryError);
  EXPECT_EQ(hive, before);

  // Only text values are text: a binary value may hold any byte.
  hive.setValue(MainKey, QStringLiteral("bytes"), RegValue::fromBinary(QByteArray(4, '\0')));
  EXPECT_EQ(hive.value(MainKey, QStringLiteral("bytes"))->binary, QByteArray(4, '\0'));
}

TEST(RegistryHiveTest, KeysNestAtMostMaxKeyDepth) {
  RegistryHive hive;
  QStringList deepest(RegistryHive::MaxKeyDepth, QStringLiteral("k"));
  hive.createKey(deepest.join(u'\\'));
  EXPECT_TRUE(hive.keyExists(deepest.join(u'\\')));
  deepest.append(QStringLiteral("k"));
  EXPECT_THROW(hive.createKey(deepest.join(u'\\')), RegistryError);
  EXPECT_FALSE(hive.keyExists(deepest.join(u'\\')));
}

TEST(RegistryHiveTest, EqualityHoldsTheCaseOfNames) {
  RegistryHive lower;
  RegistryHive upper;
  lower.setValue(QStringLiteral("key"), QStringLiteral("name"), RegValue::fromDWord(1));
  upper.setValue(QStringLiteral("key"), QStringLiteral("NAME"), RegValue::fromDWord(1));
  EXPECT_NE(lower, upper);
  upper.deleteValue(QStringLiteral("key"), QStringLiteral("name"));
  upper.setValue(QStringLiteral("key"), QStringLiteral("name"), RegValue::fromDWord(1));
  EXPECT_EQ(lower, upper);
}

}  // namespace
}  // namespace meterly::platform
