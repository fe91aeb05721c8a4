#include "settings/IniTextCompanion.h"

#include "base/Cp932.h"
#include "settings/IniFields.h"
#include "settings/mdlIniIoEx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace settings {
namespace {

using base::Cp932;

// Companions are a few hundred bytes; anything far larger is not one.
constexpr qint64 MaxCompanionBytes = 4 * 1024 * 1024;

// Walks the field list and gathers the texts the code page cannot hold.
class ExactTextCollector
{
public:
    void begin(IniField) {}
    void end() {}
    void int16(IniField, int16_t) {}
    void int32(IniField, int32_t) {}
    void colour32(IniField, OleColor) {}
    void text(IniField field, const QString &value)
    {
        if (!Cp932::canEncode(value))
            texts.insert(field.label(), value);
    }

    QJsonObject texts;
};

// Walks the field list and puts back the kept texts whose lossy form a field holds.
class ExactTextRestorer
{
public:
    explicit ExactTextRestorer(const QJsonObject &entry) : m_entry(entry) {}

    void begin(IniField) {}
    void end() {}
    void int16(IniField, int16_t &) {}
    void int32(IniField, int32_t &) {}
    void colour32(IniField, OleColor &) {}
    void text(IniField field, QString &value)
    {
        const QJsonValue kept = m_entry.value(field.label());
        if (!kept.isString())
            return;
        const QString exact = kept.toString();
        if (exact != value && IniTextCompanion::lossyForm(exact) == value) {
            value = exact;
            ++restored;
        }
    }

    int restored = 0;

private:
    const QJsonObject &m_entry;
};

QString settingsKey(const QString &settingsPath)
{
    return QFileInfo(settingsPath).absoluteFilePath();
}

QJsonObject readCompanion(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxCompanionBytes)
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

QString IniTextCompanion::pathFor(const QString &configFolder, const QString &settingsPath)
{
    return QDir(configFolder).filePath(QFileInfo(settingsPath).fileName() + QStringLiteral(".texts.json"));
}

QJsonObject IniTextCompanion::exactTexts(const IniRecords &records)
{
    ExactTextCollector collector;
    const int16_t cellCount = DegitCellCount;
    visitIniFields(collector, records, cellCount);
    return collector.texts;
}

int IniTextCompanion::restore(IniRecords &records, const QJsonObject &entry)
{
    ExactTextRestorer restorer(entry);
    int16_t cellCount = DegitCellCount;
    visitIniFields(restorer, records, cellCount);
    return restorer.restored;
}

int IniTextCompanion::load(const QString &configFolder, const QString &settingsPath, IniRecords &records)
{
    const QJsonObject companion = readCompanion(pathFor(configFolder, settingsPath));
    if (companion.isEmpty())
        return 0;
    const QString own = settingsKey(settingsPath);
    int restored = restore(records, companion.value(own).toObject());
    for (auto it = companion.begin(); it != companion.end(); ++it) {
        if (it.key() != own)
            restored += restore(records, it.value().toObject());
    }
    return restored;
}

IniStatus IniTextCompanion::save(const QString &configFolder, const QString &settingsPath, const IniRecords &records)
{
    const QString path = pathFor(configFolder, settingsPath);
    const QJsonObject texts = exactTexts(records);
    const bool exists = QFileInfo::exists(path);
    if (texts.isEmpty() && !exists)
        return IniStatus::success();

    QJsonObject companion = readCompanion(path);
    const QString own = settingsKey(settingsPath);
    if (texts.isEmpty())
        companion.remove(own);
    else
        companion.insert(own, texts);
    if (companion.isEmpty()) {
        // Nothing left to keep: the file goes, as long as it is a file of ours.
        if (QFileInfo(path).isFile())
            QFile::remove(path);
        return IniStatus::success();
    }
    return mdlIniIoEx::writeFile(path, QJsonDocument(companion).toJson(QJsonDocument::Indented));
}

QString IniTextCompanion::lossyForm(const QString &text)
{
    return Cp932::toUnicode(Cp932::fromUnicode(text));
}

QString IniTextCompanion::noticeText(const QString &text, const QString &configFolder)
{
    QString folder = QDir::toNativeSeparators(configFolder);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (!home.isEmpty() && home != QStringLiteral("/") && folder.startsWith(home + u'/'))
        folder = QStringLiteral("~") + folder.mid(home.size());
    return QStringLiteral("「%1」には、設定ファイル（Shift_JIS）で表せない文字が含まれています。\r\n"
                          "設定ファイルにはその文字を「?」にして保存し、正確な名前は %2 に別に保存します。"
                          "次回の起動時にも正しい名前が使われます。")
        .arg(text, folder);
}

} // namespace settings
