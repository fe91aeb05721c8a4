#include "base/Cp932.h"
#include "speech/EspeakEngine.h"
#include "speech/SpeechReader.h"
#include "SpeechTestSupport.h"

#include <gtest/gtest.h>

using speech::ReadingCorrections;
using speech::SpeechReader;

namespace {

QString readingOf(const QString &text, ReadingCorrections corrections = {})
{
    auto reader = SpeechReader::create(QString::fromLatin1(SpeechReader::DefaultDictionary), std::move(corrections));
    return reader ? reader->reading(text) : QStringLiteral("<no dictionary>");
}

} // namespace

TEST(SpeechReading, KanjiBecomeTheirPronunciation)
{
    // は as a particle is pronounced ワ; the long vowels come out as ー.
    EXPECT_EQ(readingOf(QStringLiteral("次は、市役所前です。")), QStringLiteral("ツギワ、シヤクショマエデス。"));
    EXPECT_EQ(readingOf(QStringLiteral("次は、県立図書館入口です。")), QStringLiteral("ツギワ、ケンリツトショカンイリグチデス。"));
    EXPECT_EQ(readingOf(QStringLiteral("運賃は整理券と運賃表をお確かめください。")),
              QStringLiteral("ウンチンワ セイリケント ウンチンヒョーヲ オタシカメクダサイ。"));
}

TEST(SpeechReading, AnnouncementWordsTheDictionaryMisreadsAreCorrected)
{
    // Left to the dictionary these would be オフリ and ホー.
    EXPECT_EQ(readingOf(QStringLiteral("お降りの方はお知らせください。")), QStringLiteral("オオリノカタワ オシラセクダサイ。"));
    EXPECT_EQ(readingOf(QStringLiteral("前扉からお降りください。")), QStringLiteral("マエトビラカラ オオリクダサイ。"));
    // Only whole words are corrected: the 方 of 方面 keeps its reading.
    EXPECT_EQ(readingOf(QStringLiteral("駅方面")), QStringLiteral("エキホーメン"));
}

// The 方 of "the ones getting off" is a person (カタ); the 方 of a side or a way is not (ホー),
// although the dictionary gives both the same part of speech: the sentence decides.
TEST(SpeechReading, CorrectionsFollowThePartOfSpeechAndTheSentence)
{
    EXPECT_EQ(readingOf(QStringLiteral("こちらの方が便利です")), QStringLiteral("コチラノホーガ ベンリデス"));
    EXPECT_EQ(readingOf(QStringLiteral("前の方へお進みください。")), QStringLiteral("マエノホーエ オススミクダサイ。"));
    EXPECT_EQ(readingOf(QStringLiteral("御殿場の方")), QStringLiteral("ゴテンバノホー"));
    EXPECT_EQ(readingOf(QStringLiteral("ご乗車の方は")), QStringLiteral("ゴジョーシャノカタワ"));
    EXPECT_EQ(readingOf(QStringLiteral("ご用の方は")), QStringLiteral("ゴヨーノカタワ"));
    EXPECT_EQ(readingOf(QStringLiteral("市役所へおいでの方は、")), QStringLiteral("シヤクショエ オイデノカタワ、"));

    // A part of speech given with a word must be that of its first morpheme: 東町 is a proper
    // noun, 大原 no verb.
    ReadingCorrections corrections;
    corrections.add(QStringLiteral("東町"), QStringLiteral("ヒガシマチ"), QStringLiteral("名詞,固有名詞"));
    corrections.add(QStringLiteral("大原"), QStringLiteral("ダイハラ"), QStringLiteral("動詞"));
    EXPECT_EQ(readingOf(QStringLiteral("東町、大原"), corrections), QStringLiteral("ヒガシマチ、オーハラ"));
}

// A route's readings file, as the demo route ships it beside its broadcast data; a Shift-JIS
// file is read as well as a UTF-8 one, and a part of speech after a second tab narrows a word.
TEST(SpeechReading, ARoutesReadingsFileReadsItsStopNames)
{
    const QString demo = speech::ReadingCorrections::routeFile(QStringLiteral(HARUNE_SOURCE_DIR "/data/demo"));
    ReadingCorrections corrections;
    ASSERT_TRUE(corrections.addFile(demo));
    EXPECT_EQ(readingOf(QStringLiteral("次は、東町です。"), corrections), QStringLiteral("ツギワ、ヒガシマチデス。"));
    EXPECT_EQ(readingOf(QStringLiteral("次は、新川橋です。"), corrections), QStringLiteral("ツギワ、シンカワバシデス。"));
    EXPECT_EQ(readingOf(QStringLiteral("次は、上大原公民館前です。"), corrections),
              QStringLiteral("ツギワ、カミオオハラコーミンカンマエデス。"));
    EXPECT_EQ(readingOf(QStringLiteral("次は、上大原公民館前です。")), QStringLiteral("ツギワ、ウエオーハラコーミンカンマエデス。"));

    QTemporaryDir dir;
    const QString sjis = speechtest::writeFile(dir, QStringLiteral("readings.txt"),
                                               base::Cp932::fromUnicode(QStringLiteral("東町\tヒガシマチ\t名詞\r\n")));
    ReadingCorrections fromShiftJis;
    ASSERT_TRUE(fromShiftJis.addFile(sjis));
    EXPECT_EQ(readingOf(QStringLiteral("東町"), fromShiftJis), QStringLiteral("ヒガシマチ"));
}

TEST(SpeechReading, UnknownWordsAndWidthsPassThroughNormalised)
{
    EXPECT_EQ(readingOf(QStringLiteral("ハルネ文化会館")), QStringLiteral("ハルネブンカカイカン"));
    // Full-width letters and digits become ASCII, half-width kana full-width.
    EXPECT_EQ(readingOf(QStringLiteral("ＡＢＣ")), QStringLiteral("ABC"));
    EXPECT_EQ(readingOf(QStringLiteral("ﾊﾞｽ")), QStringLiteral("バス"));
    EXPECT_EQ(readingOf(QString()), QString());
    // Line breaks and tabs are only spaces between words.
    EXPECT_EQ(readingOf(QStringLiteral("次は\r\n\t終点です")), QStringLiteral("ツギワ シューテンデス"));
}

TEST(SpeechReading, UserFileAddsWordsAndOverridesBuiltIns)
{
    QTemporaryDir dir;
    const QString path = speechtest::writeFile(dir, QStringLiteral("speech-readings.txt"),
                                               QStringLiteral("# stop names of route 1\n"
                                                              "東町\tヒガシマチ\r\n"
                                                              "新川橋\tシンカワバシ\n"
                                                              "a line without a tab\n"
                                                              "\tno word\n"
                                                              "方\tホー\n")
                                                   .toUtf8());
    ReadingCorrections corrections;
    ASSERT_TRUE(corrections.addFile(path));
    EXPECT_EQ(readingOf(QStringLiteral("次は、東町です。"), corrections), QStringLiteral("ツギワ、ヒガシマチデス。"));
    // A word that spans two morphemes (新川|橋) is matched as a whole.
    EXPECT_EQ(readingOf(QStringLiteral("新川橋"), corrections), QStringLiteral("シンカワバシ"));
    EXPECT_EQ(readingOf(QStringLiteral("お降りの方"), corrections), QStringLiteral("オオリノホー"));
    // Without the file the dictionary's reading stands.
    EXPECT_EQ(readingOf(QStringLiteral("東町")), QStringLiteral("アズママチ"));
}

TEST(SpeechReading, UnreadableCorrectionFilesAreIgnored)
{
    QTemporaryDir dir;
    ReadingCorrections corrections;
    const int builtIn = corrections.size();
    EXPECT_FALSE(corrections.addFile(dir.filePath(QStringLiteral("missing.txt"))));
    EXPECT_FALSE(corrections.addFile(dir.path())); // a folder
    const QString huge = speechtest::writeFile(dir, QStringLiteral("huge.txt"),
                                               QByteArray(ReadingCorrections::MaxFileBytes + 1, 'x'));
    EXPECT_FALSE(corrections.addFile(huge));
    const QString binary = speechtest::writeFile(dir, QStringLiteral("binary.txt"), QByteArray("\xff\xfe\x00\x01\t\x80\n", 7));
    EXPECT_TRUE(corrections.addFile(binary)); // read, but holds no usable line
    EXPECT_EQ(corrections.size(), builtIn);
    EXPECT_EQ(readingOf(QStringLiteral("お降り"), corrections), QStringLiteral("オオリ"));
}

TEST(SpeechReading, NoDictionaryNoReader)
{
    QTemporaryDir dir;
    EXPECT_EQ(SpeechReader::create(dir.path()), nullptr);
    EXPECT_EQ(SpeechReader::create(QString()), nullptr);
    EXPECT_EQ(SpeechReader::create(dir.filePath(QStringLiteral("nowhere"))), nullptr);
}

// What espeak-ng 1.51 makes of kana: the Japanese voice reads them as syllables, whether
// katakana or hiragana, with ー a long vowel and ッ a doubled consonant; nothing is spelled
// out letter by letter, and no other language is switched to.
TEST(SpeechReading, TheVoiceReadsKatakanaAsSyllables)
{
    using speech::EspeakEngine;
    const QString katakana = EspeakEngine::phonemes({}, QStringLiteral("ツギワ").toUtf8());
    EXPECT_EQ(katakana, EspeakEngine::phonemes({}, QStringLiteral("つぎわ").toUtf8()));
    EXPECT_TRUE(katakana.contains(QStringLiteral("g'iwa"))) << katakana.toStdString();
    EXPECT_FALSE(katakana.contains(u'(')) << katakana.toStdString();

    const QString longVowel = EspeakEngine::phonemes({}, QStringLiteral("トーキョー").toUtf8());
    EXPECT_TRUE(longVowel.contains(QStringLiteral("o:")) || longVowel.contains(QStringLiteral("oo")))
        << longVowel.toStdString();
    const QString doubled = EspeakEngine::phonemes({}, QStringLiteral("キップ").toUtf8());
    EXPECT_TRUE(doubled.contains(QStringLiteral("pp"))) << doubled.toStdString();

    // A whole announcement, as the reader hands it over.
    const QString sentence = EspeakEngine::phonemes(
        {}, readingOf(QStringLiteral("次は、市役所前です。お降りの方はお知らせください。")).toUtf8());
    EXPECT_FALSE(sentence.contains(u'(')) << sentence.toStdString();
    EXPECT_GT(sentence.size(), 30);
}
