#include "reslib/ElfImage.h"

#include <elf.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace reslib {
namespace {

using Ehdr = ElfW(Ehdr);
using Phdr = ElfW(Phdr);
using Dyn = ElfW(Dyn);
using Addr = ElfW(Addr);

#if __SIZEOF_POINTER__ == 8
constexpr unsigned char NativeClass = ELFCLASS64;
#else
constexpr unsigned char NativeClass = ELFCLASS32;
#endif

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr unsigned char NativeData = ELFDATA2LSB;
#else
constexpr unsigned char NativeData = ELFDATA2MSB;
#endif

// The machine this program runs on; 0 where this file does not know it, and then the loader
// alone decides.
constexpr int NativeMachine =
#if defined(__x86_64__)
    EM_X86_64;
#elif defined(__i386__)
    EM_386;
#elif defined(__aarch64__)
    EM_AARCH64;
#elif defined(__arm__)
    EM_ARM;
#elif defined(__riscv)
    EM_RISCV;
#elif defined(__powerpc64__)
    EM_PPC64;
#elif defined(__s390x__)
    EM_S390;
#else
    0;
#endif

// More program headers than any real library has; a table claiming more is damaged.
constexpr int MaxProgramHeaders = 512;

template <typename T>
std::optional<T> readAt(const QByteArray &bytes, uint64_t offset)
{
    if (offset > static_cast<uint64_t>(bytes.size()) || sizeof(T) > static_cast<uint64_t>(bytes.size()) - offset)
        return std::nullopt;
    T value;
    std::memcpy(&value, bytes.constData() + offset, sizeof(T));
    return value;
}

bool rangeWithin(uint64_t start, uint64_t length, uint64_t limit)
{
    return start <= limit && length <= limit - start;
}

class Checker
{
public:
    explicit Checker(const QByteArray &bytes) : m_bytes(bytes), m_size(static_cast<uint64_t>(bytes.size())) {}

    bool run() { return verdict().problem == ElfProblem::None; }

    ElfVerdict verdict()
    {
        if (header() && programHeaders() && segments() && dynamicTable())
            m_verdict = {};
        return m_verdict;
    }

private:
    bool fail(ElfProblem problem, const char *detail = "")
    {
        m_verdict.problem = problem;
        m_verdict.detail = QByteArray(detail);
        return false;
    }

    bool header()
    {
        const auto eh = readAt<Ehdr>(m_bytes, 0);
        if (!eh || std::memcmp(eh->e_ident, ELFMAG, SELFMAG) != 0) {
            // A file cut inside its header still shows the magic.
            const bool cut = m_size >= SELFMAG && std::memcmp(m_bytes.constData(), ELFMAG, SELFMAG) == 0;
            return cut ? fail(ElfProblem::Damaged, "the file ends inside its ELF header") : fail(ElfProblem::NotElf);
        }
        m_eh = *eh;
        m_verdict.elfClass = m_eh.e_ident[EI_CLASS];
        m_verdict.type = m_eh.e_type;
        m_verdict.machine = m_eh.e_machine;
        if (m_eh.e_ident[EI_CLASS] != NativeClass)
            return fail(ElfProblem::OtherClass);
        if (m_eh.e_ident[EI_DATA] != NativeData)
            return fail(ElfProblem::OtherByteOrder);
        if (m_eh.e_ident[EI_VERSION] != EV_CURRENT)
            return fail(ElfProblem::Damaged, "its ELF header has an unknown version");
        if (m_eh.e_type != ET_DYN)
            return fail(ElfProblem::NotSharedLibrary);
        if (NativeMachine != 0 && m_eh.e_machine != NativeMachine)
            return fail(ElfProblem::OtherMachine);
        if (m_eh.e_phentsize != sizeof(Phdr) || m_eh.e_phnum == 0 || m_eh.e_phnum > MaxProgramHeaders)
            return fail(ElfProblem::Damaged, "its program header table makes no sense");
        return true;
    }

    bool programHeaders()
    {
        if (!rangeWithin(m_eh.e_phoff, uint64_t(m_eh.e_phnum) * sizeof(Phdr), m_size))
            return fail(ElfProblem::Damaged, "its program headers reach past the end of the file");
        for (int i = 0; i < m_eh.e_phnum; ++i)
            m_ph.push_back(*readAt<Phdr>(m_bytes, m_eh.e_phoff + uint64_t(i) * sizeof(Phdr)));
        return true;
    }

    // Every segment's file bytes are in the file; the loaded ones fit the address space.
    bool segments()
    {
        bool anyLoad = false;
        for (const Phdr &p : m_ph) {
            if (p.p_filesz > 0 && !rangeWithin(p.p_offset, p.p_filesz, m_size))
                return fail(ElfProblem::Damaged, "a segment reaches past the end of the file");
            if (p.p_type != PT_LOAD)
                continue;
            anyLoad = true;
            if (p.p_filesz > p.p_memsz || !rangeWithin(p.p_vaddr, p.p_memsz, std::numeric_limits<Addr>::max()))
                return fail(ElfProblem::Damaged, "a loadable segment makes no sense");
        }
        if (!anyLoad)
            return fail(ElfProblem::Damaged, "it has no loadable segment");
        // The loader reads these from memory once the library is mapped.
        for (const Phdr &p : m_ph) {
            const bool readInMemory = p.p_type == PT_DYNAMIC || p.p_type == PT_NOTE || p.p_type == PT_TLS
                                      || p.p_type == PT_GNU_EH_FRAME || p.p_type == PT_GNU_PROPERTY;
            if (readInMemory && p.p_filesz > 0 && !fileBacked(p.p_vaddr, p.p_offset, p.p_filesz))
                return fail(ElfProblem::Damaged, "a segment the loader reads lies outside the loaded ones");
        }
        return true;
    }

    // [vaddr, vaddr + length) lies in the file-backed part of one loaded segment and shows the
    // file bytes from `offset` on.
    bool fileBacked(uint64_t vaddr, uint64_t offset, uint64_t length) const
    {
        for (const Phdr &load : m_ph) {
            if (load.p_type != PT_LOAD || vaddr < load.p_vaddr)
                continue;
            const uint64_t into = vaddr - load.p_vaddr;
            if (rangeWithin(into, length, load.p_filesz) && load.p_offset + into == offset)
                return true;
        }
        return false;
    }

    // [vaddr, vaddr + length) lies in one loaded segment, file bytes or zero fill.
    bool mapped(uint64_t vaddr, uint64_t length) const
    {
        for (const Phdr &load : m_ph) {
            if (load.p_type == PT_LOAD && vaddr >= load.p_vaddr && rangeWithin(vaddr - load.p_vaddr, length, load.p_memsz))
                return true;
        }
        return false;
    }

    // The dynamic table ends, and the tables it points at lie in the library's own memory.
    bool dynamicTable()
    {
        const Phdr *dynamic = nullptr;
        for (const Phdr &p : m_ph) {
            if (p.p_type == PT_DYNAMIC)
                dynamic = &p;
        }
        if (!dynamic)
            return fail(ElfProblem::Damaged, "it has no dynamic table");
        struct Table
        {
            uint64_t address = 0;
            uint64_t size = 0;
            bool present = false;
        };
        Table strtab, rela, rel, jmprel, initArray, finiArray, preinitArray;
        std::vector<uint64_t> stringOffsets;
        std::vector<uint64_t> addresses;
        bool ended = false;
        const uint64_t count = dynamic->p_filesz / sizeof(Dyn);
        for (uint64_t i = 0; i < count && !ended; ++i) {
            const Dyn d = *readAt<Dyn>(m_bytes, dynamic->p_offset + i * sizeof(Dyn));
            const uint64_t v = d.d_un.d_val;
            switch (d.d_tag) {
            case DT_NULL:
                ended = true;
                break;
            case DT_STRTAB: strtab.address = v; strtab.present = true; break;
            case DT_STRSZ: strtab.size = v; break;
            case DT_SYMENT: m_symbolEntrySize = v; break;
            case DT_RELA: rela.address = v; rela.present = true; break;
            case DT_RELASZ: rela.size = v; break;
            case DT_REL: rel.address = v; rel.present = true; break;
            case DT_RELSZ: rel.size = v; break;
            case DT_JMPREL: jmprel.address = v; jmprel.present = true; break;
            case DT_PLTRELSZ: jmprel.size = v; break;
            case DT_INIT_ARRAY: initArray.address = v; initArray.present = true; break;
            case DT_INIT_ARRAYSZ: initArray.size = v; break;
            case DT_FINI_ARRAY: finiArray.address = v; finiArray.present = true; break;
            case DT_FINI_ARRAYSZ: finiArray.size = v; break;
            case DT_PREINIT_ARRAY: preinitArray.address = v; preinitArray.present = true; break;
            case DT_PREINIT_ARRAYSZ: preinitArray.size = v; break;
            case DT_NEEDED:
            case DT_SONAME:
            case DT_RPATH:
            case DT_RUNPATH:
                stringOffsets.push_back(v);
                break;
            case DT_SYMTAB:
            case DT_HASH:
            case DT_GNU_HASH:
                noteSymbolTable(d.d_tag, v);
                addresses.push_back(v);
                break;
            case DT_INIT:
            case DT_FINI:
            case DT_VERSYM:
            case DT_VERDEF:
            case DT_VERNEED:
                addresses.push_back(v);
                break;
            default:
                break;
            }
        }
        if (!ended || !strtab.present)
            return fail(ElfProblem::Damaged, "its dynamic table is cut short");
        for (const Table *t : {&strtab, &rela, &rel, &jmprel, &initArray, &finiArray, &preinitArray}) {
            if (t->present && !mapped(t->address, t->size))
                return fail(ElfProblem::Damaged, "a table of its dynamic table lies outside the library");
        }
        for (uint64_t offset : stringOffsets) {
            if (offset >= strtab.size)
                return fail(ElfProblem::Damaged, "a name of its dynamic table lies outside the string table");
        }
        for (uint64_t address : addresses) {
            if (!mapped(address, 1))
                return fail(ElfProblem::Damaged, "a table of its dynamic table lies outside the library");
        }
        m_strtab = strtab.address;
        m_strtabSize = strtab.size;
        return true;
    }

    void noteSymbolTable(int64_t tag, uint64_t address)
    {
        if (tag == DT_SYMTAB)
            m_symtab = address;
        else if (tag == DT_HASH)
            m_hash = address;
        else
            m_gnuHash = address;
    }

protected:
    ElfVerdict m_verdict;
    const QByteArray &m_bytes;
    const uint64_t m_size;
    Ehdr m_eh{};
    std::vector<Phdr> m_ph;

    // Where in the file the library's memory at `vaddr` comes from, for `length` bytes of file
    // content; nothing when that memory is not read from the file.
    std::optional<uint64_t> fileOffset(uint64_t vaddr, uint64_t length) const
    {
        // Table lookups come in runs within one segment: that one is tried first.
        if (m_lastLoad < m_ph.size()) {
            if (const auto at = offsetIn(m_ph[m_lastLoad], vaddr, length))
                return at;
        }
        for (size_t i = 0; i < m_ph.size(); ++i) {
            if (const auto at = offsetIn(m_ph[i], vaddr, length)) {
                m_lastLoad = i;
                return at;
            }
        }
        return std::nullopt;
    }

    static std::optional<uint64_t> offsetIn(const Phdr &load, uint64_t vaddr, uint64_t length)
    {
        if (load.p_type == PT_LOAD && vaddr >= load.p_vaddr && rangeWithin(vaddr - load.p_vaddr, length, load.p_filesz))
            return load.p_offset + (vaddr - load.p_vaddr);
        return std::nullopt;
    }

    mutable size_t m_lastLoad = 0;

    uint64_t m_strtab = 0;
    uint64_t m_strtabSize = 0;
    uint64_t m_symtab = 0;
    uint64_t m_hash = 0;
    uint64_t m_gnuHash = 0;
    uint64_t m_symbolEntrySize = sizeof(ElfW(Sym));
};

// Reads the dynamic symbol table of a library that passed the checks, the way the dynamic
// loader finds it: through the dynamic table, not the section headers (which a stripped
// library may lack).
class SymbolReader : public Checker
{
public:
    using Checker::Checker;

    std::optional<QByteArrayList> definedFunctions()
    {
        if (!run() || m_symtab == 0 || m_symbolEntrySize != sizeof(Sym))
            return std::nullopt;
        const std::optional<uint64_t> count = symbolCount();
        if (!count || *count > MaxSymbols)
            return std::nullopt;
        QByteArrayList names;
        for (uint64_t i = 1; i < *count; ++i) {
            const auto at = fileOffset(m_symtab + i * sizeof(Sym), sizeof(Sym));
            if (!at)
                return std::nullopt;
            const Sym sym = *readAt<Sym>(m_bytes, *at);
            if (!callable(sym))
                continue;
            const std::optional<QByteArray> name = stringAt(sym.st_name);
            if (!name)
                return std::nullopt;
            names << *name;
        }
        return names;
    }

private:
    using Sym = ElfW(Sym);

    // More than any real plug-in exports; a table claiming more is damaged.
    static constexpr uint64_t MaxSymbols = 1u << 20;

    // A function that dlsym hands out: defined here, global or weak, visible.
    static bool callable(const Sym &sym)
    {
        const unsigned type = ELF64_ST_TYPE(sym.st_info);
        const unsigned binding = ELF64_ST_BIND(sym.st_info);
        const unsigned visibility = ELF64_ST_VISIBILITY(sym.st_other);
        return sym.st_shndx != SHN_UNDEF && (type == STT_FUNC || type == STT_GNU_IFUNC)
               && (binding == STB_GLOBAL || binding == STB_WEAK)
               && (visibility == STV_DEFAULT || visibility == STV_PROTECTED);
    }

    std::optional<uint32_t> word(uint64_t vaddr) const
    {
        const auto at = fileOffset(vaddr, 4);
        if (!at)
            return std::nullopt;
        return readAt<uint32_t>(m_bytes, *at);
    }

    std::optional<uint64_t> symbolCount() const
    {
        if (m_hash != 0) {
            // nbucket, nchain: one chain entry per symbol.
            return word(m_hash + 4);
        }
        if (m_gnuHash != 0)
            return gnuHashSymbolCount();
        return std::nullopt;
    }

    // The GNU hash table does not store the count: the last symbol is the end of the chain
    // that starts at the highest bucket.
    std::optional<uint64_t> gnuHashSymbolCount() const
    {
        const auto bucketCount = word(m_gnuHash);
        const auto symbolOffset = word(m_gnuHash + 4);
        const auto bloomSize = word(m_gnuHash + 8);
        if (!bucketCount || !symbolOffset || !bloomSize || *bucketCount > MaxSymbols || *bloomSize > MaxSymbols)
            return std::nullopt;
        const uint64_t buckets = m_gnuHash + 16 + uint64_t(*bloomSize) * sizeof(ElfW(Addr));
        uint64_t last = 0;
        for (uint64_t b = 0; b < *bucketCount; ++b) {
            const auto start = word(buckets + b * 4);
            if (!start)
                return std::nullopt;
            last = std::max<uint64_t>(last, *start);
        }
        if (last < *symbolOffset)
            return *symbolOffset;
        const uint64_t chains = buckets + uint64_t(*bucketCount) * 4;
        for (uint64_t i = last; i - *symbolOffset < MaxSymbols; ++i) {
            const auto hash = word(chains + (i - *symbolOffset) * 4);
            if (!hash)
                return std::nullopt;
            if (*hash & 1u)
                return i + 1;
        }
        return std::nullopt;
    }

    std::optional<QByteArray> stringAt(uint64_t offset) const
    {
        if (offset >= m_strtabSize)
            return std::nullopt;
        const auto start = fileOffset(m_strtab + offset, 1);
        if (!start)
            return std::nullopt;
        const uint64_t room = std::min<uint64_t>(m_strtabSize - offset, m_size - *start);
        const char *text = m_bytes.constData() + *start;
        const size_t length = strnlen(text, room);
        if (length == room)
            return std::nullopt;
        return QByteArray(text, qsizetype(length));
    }
};

} // namespace

bool ElfImage::isLoadableLibrary(const QByteArray &bytes)
{
    return Checker(bytes).run();
}

ElfVerdict ElfImage::verdict(const QByteArray &bytes)
{
    return Checker(bytes).verdict();
}

QString ElfImage::machineName(int machine)
{
    switch (machine) {
    case EM_X86_64: return QStringLiteral("x86-64");
    case EM_386: return QStringLiteral("i386");
    case EM_AARCH64: return QStringLiteral("AArch64 (64-bit ARM)");
    case EM_ARM: return QStringLiteral("32-bit ARM");
    case EM_RISCV: return QStringLiteral("RISC-V");
    case EM_PPC64: return QStringLiteral("64-bit PowerPC");
    case EM_PPC: return QStringLiteral("PowerPC");
    case EM_S390: return QStringLiteral("IBM Z");
    case EM_MIPS: return QStringLiteral("MIPS");
    case EM_LOONGARCH: return QStringLiteral("LoongArch");
    default: return QStringLiteral("machine type %1").arg(machine);
    }
}

QString ElfImage::describe(const ElfVerdict &v)
{
    const QString bits = v.elfClass == ELFCLASS32 ? QStringLiteral("32-bit") : QStringLiteral("64-bit");
    const QString native = NativeClass == ELFCLASS32 ? QStringLiteral("32-bit") : QStringLiteral("64-bit");
    switch (v.problem) {
    case ElfProblem::None: return {};
    case ElfProblem::NotElf:
        return QStringLiteral("not a shared library: the file does not start as an ELF file does");
    case ElfProblem::OtherClass:
        return QStringLiteral("a %1 library; this program loads %2 plug-ins").arg(bits, native);
    case ElfProblem::OtherByteOrder:
        return QStringLiteral("built for a machine of the other byte order");
    case ElfProblem::NotSharedLibrary:
        return v.type == ET_EXEC  ? QStringLiteral("a program, not a shared library (link it with -shared)")
               : v.type == ET_REL ? QStringLiteral("an object file, not a shared library (link it with -shared)")
                                  : QStringLiteral("an ELF file of type %1, not a shared library").arg(v.type);
    case ElfProblem::OtherMachine:
        return QStringLiteral("built for %1; this program runs on %2")
            .arg(machineName(v.machine), machineName(NativeMachine));
    case ElfProblem::Damaged:
        return QStringLiteral("damaged or cut short: %1").arg(QString::fromLatin1(v.detail));
    }
    return {};
}

std::optional<QByteArrayList> ElfImage::definedFunctions(const QByteArray &bytes)
{
    return SymbolReader(bytes).definedFunctions();
}

QByteArrayList ElfImage::missingFunctions(const QByteArray &bytes, const QByteArrayList &names)
{
    const std::optional<QByteArrayList> defined = definedFunctions(bytes);
    if (!defined)
        return names;
    QByteArrayList missing;
    for (const QByteArray &name : names) {
        if (!defined->contains(name))
            missing << name;
    }
    return missing;
}

} // namespace reslib
