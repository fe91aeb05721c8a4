#pragma once

// Where the tests find the plug-ins built for them, and the draw log the test plug-ins write.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

inline QString testPlugin(const char *name)
{
    return QStringLiteral(HARUNE_TEST_PLUGIN_DIR "/") + QString::fromLatin1(name) + QStringLiteral(".4SP");
}

inline QString samplePlugin()
{
    return QStringLiteral(HARUNE_SAMPLE_PLUGIN);
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

// Every draw call of a test plug-in while this lives: one line of tab-separated fields
// (stop, date, time, route, row value, data index, company index, canvas size), bytes as given.
class DrawLog
{
public:
    DrawLog() : m_path(m_dir.filePath(QStringLiteral("draw.log")))
    {
        ::setenv("SEIRIKEN_TEST_LOG", QFile::encodeName(m_path).constData(), 1);
    }
    ~DrawLog() { ::unsetenv("SEIRIKEN_TEST_LOG"); }
    DrawLog(const DrawLog &) = delete;
    DrawLog &operator=(const DrawLog &) = delete;

    QList<QByteArrayList> calls() const
    {
        QList<QByteArrayList> out;
        for (const QByteArray &line : fileBytes(m_path).split('\n')) {
            if (!line.isEmpty())
                out << line.split('\t');
        }
        return out;
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};
