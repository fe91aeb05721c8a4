#include "reslib/PluginLoader.h"

#include "reslib/ElfImage.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace reslib {
namespace {

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool readAll(int fd, QByteArray &into, qint64 size)
{
    into.resize(size);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, into.data() + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    // A file still growing is caught in the middle of being written.
    char extra;
    return ::read(fd, &extra, 1) == 0;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

template <typename F>
F entryPoint(void *handle, const char *name)
{
    return reinterpret_cast<F>(::dlsym(handle, name));
}

} // namespace

PluginLoader &PluginLoader::instance()
{
    static PluginLoader loader;
    return loader;
}

const QByteArrayList &PluginLoader::entryPoints()
{
    static const QByteArrayList names = {SEIRIKEN_SYMBOL_INTERFACE_VERSION, SEIRIKEN_SYMBOL_GET_PLG_INFO,
                                         SEIRIKEN_SYMBOL_GET_COMMENT, SEIRIKEN_SYMBOL_GET_CORP_NAMES,
                                         SEIRIKEN_SYMBOL_DRAW};
    return names;
}

const LoadedPlugin *PluginLoader::load(const QString &file)
{
    if (file.isEmpty())
        return nullptr;
    const QString path = QFileInfo(file).absoluteFilePath();
    if (m_crashRecord.isBlocked(path))
        return nullptr;

    std::lock_guard lock(m_mutex);
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        m_entries.erase(path);
        return nullptr;
    }
    Signature signature{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), nanoseconds(st.st_mtim),
                        nanoseconds(st.st_ctim)};
    const auto known = m_entries.find(path);
    if (known != m_entries.end() && known->second.signature == signature)
        return known->second.plugin;

    const LoadedPlugin *plugin = loadFresh(path, signature);
    m_entries[path] = Entry{signature, plugin};
    return plugin;
}

const LoadedPlugin *PluginLoader::loadFresh(const QString &path, Signature &signature)
{
    // Not blocking on open: a FIFO swapped in after the look above must not hang the program.
    FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return nullptr;
    struct stat st{};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return nullptr;
    // What was read is what the cache remembers.
    signature = Signature{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), nanoseconds(st.st_mtim),
                          nanoseconds(st.st_ctim)};
    if (st.st_size > MaxFileSize)
        return nullptr;
    QByteArray image;
    if (!readAll(fd.get(), image, st.st_size))
        return nullptr;
    if (!ElfImage::isLoadableLibrary(image) || !ElfImage::missingFunctions(image, entryPoints()).isEmpty())
        return nullptr;
    return openLibrary(image, path);
}

const LoadedPlugin *PluginLoader::openLibrary(const QByteArray &image, const QString &path)
{
    void *handle = nullptr;
    FileDescriptor copy(::memfd_create("seiriken-plugin", MFD_CLOEXEC));
    if (copy.get() >= 0 && writeAll(copy.get(), image)) {
        // The copy's name must stay unique while its library is loaded, or the loader would
        // hand out the old library for a new copy: the descriptor stays open until the end.
        const QByteArray copyName = "/proc/self/fd/" + QByteArray::number(copy.get());
        handle = ::dlopen(copyName.constData(), RTLD_NOW | RTLD_LOCAL);
        if (handle)
            copy.release();
    }
    // Without a copy to load (no memory files, no /proc), the file itself is loaded.
    if (!handle && (copy.get() < 0 || ::access("/proc/self/fd", F_OK) != 0))
        handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;

    // A library refused from here on stays loaded: its constructors have run, and whatever they
    // set up may be in use.
    const auto version = entryPoint<SeirikenInterfaceVersionFn>(handle, SEIRIKEN_SYMBOL_INTERFACE_VERSION);
    if (!version || version() != SEIRIKEN_INTERFACE_VERSION)
        return nullptr;
    auto plugin = std::make_unique<LoadedPlugin>();
    plugin->getPlgInfo = entryPoint<SeirikenGetPlgInfoFn>(handle, SEIRIKEN_SYMBOL_GET_PLG_INFO);
    plugin->getComment = entryPoint<SeirikenGetTextFn>(handle, SEIRIKEN_SYMBOL_GET_COMMENT);
    plugin->getCorpNames = entryPoint<SeirikenGetTextFn>(handle, SEIRIKEN_SYMBOL_GET_CORP_NAMES);
    plugin->draw = entryPoint<SeirikenDrawFn>(handle, SEIRIKEN_SYMBOL_DRAW);
    if (!plugin->getPlgInfo || !plugin->getComment || !plugin->getCorpNames || !plugin->draw)
        return nullptr;
    m_loaded.push_back(std::move(plugin));
    return m_loaded.back().get();
}

} // namespace reslib
