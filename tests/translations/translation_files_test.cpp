// The translation files: every text translated and finished, with its source's placeholders and
// accelerators. A group (one menu, page or window) is a class's context, or the disambiguation the
// texts of one menu made by several classes share ("tray menu"). Within a group two texts share an
// accelerator only where their sources do (one item's alternative captions, or one item made twice).
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Message {
  QString context;
  QString source;
  QString disambiguation;
  QStringList translations;  // one per numerus form
  QString type;              // "unfinished", "vanished", "obsolete" or empty when finished
};

QList<Message> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  QList<Message> messages;
  QString context;
  bool numerus = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = xml.name();
    if (name == u"name") {
      context = xml.readElementText();
    } else if (name == u"message") {
      messages.append({context, {}, {}, {}, {}});
      numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
    } else if (name == u"source") {
      messages.back().source = xml.readElementText();
    } else if (name == u"comment") {
      messages.back().disambiguation = xml.readElementText();
    } else if (name == u"translation") {
      messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
      if (!numerus) messages.back().translations = {xml.readElementText()};
    } else if (name == u"numerusform") {
      messages.back().translations.append(xml.readElementText());
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

// %1..%9 and %n, sorted, so that their order may change in a translation.
std::string Placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%([1-9]|n)"));
  QStringList found;
  for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) found << match.captured();
  found.sort();
  return found.join(u' ').toStdString();
}

// The letters after single '&'s ("&&" is a literal ampersand), lower case.
QString Accelerators(const QString& text) {
  QString letters;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    letters += text[i + 1].toLower();
  }
  return letters;
}

std::string Where(const QString& file, const Message& message) {
  return QStringLiteral("%1: [%2] \"%3\"").arg(file, message.context, message.source).toStdString();
}

class TranslationFilesTest : public testing::TestWithParam<const char*> {};

TEST_P(TranslationFilesTest, TranslateEveryTextCompletelyWithItsPlaceholdersAndDistinctAccelerators) {
  const QString language = QString::fromLatin1(GetParam());
  const QDir folder(QStringLiteral(METERLY_TRANSLATIONS_SOURCE_DIR));
  const QStringList files = folder.entryList({QStringLiteral("*_%1.ts").arg(language)}, QDir::Files, QDir::Name);
  ASSERT_FALSE(files.isEmpty()) << "no translations for " << language.toStdString();
  // group -> source accelerator -> translation accelerator, and the way back; a menu's group may
  // span the files of several folders.
  QMap<QString, QMap<QChar, QChar>> forward;
  QMap<QString, QMap<QChar, QChar>> backward;
  for (const QString& file : files) {
    for (const Message& message : ReadTs(folder.filePath(file))) {
      EXPECT_TRUE(message.type.isEmpty()) << Where(file, message) << " is " << message.type.toStdString();
      ASSERT_FALSE(message.translations.isEmpty()) << Where(file, message);
      for (const QString& translation : message.translations) {
        EXPECT_FALSE(translation.isEmpty()) << Where(file, message) << " has no translation";
        EXPECT_EQ(Placeholders(translation), Placeholders(message.source)) << Where(file, message);
        const QString sourceKeys = Accelerators(message.source);
        const QString keys = Accelerators(translation);
        ASSERT_EQ(keys.size(), sourceKeys.size()) << Where(file, message) << " -> " << translation.toStdString();
        if (keys.isEmpty()) continue;
        const QString group = message.disambiguation.isEmpty() ? message.context : message.disambiguation;
        const QChar taken = backward[group].value(keys[0], sourceKeys[0]);
        const QChar given = forward[group].value(sourceKeys[0], keys[0]);
        EXPECT_TRUE(taken == sourceKeys[0] && given == keys[0])
            << Where(file, message) << ": '" << translation.toStdString() << "' repeats an accelerator in "
            << group.toStdString();
        forward[group][sourceKeys[0]] = keys[0];
        backward[group][keys[0]] = sourceKeys[0];
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFilesTest, testing::Values("en", "zh_CN"));

}  // namespace
