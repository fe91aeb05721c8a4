#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <optional>

namespace reslib {

// Why a file is not a loadable library of this machine.
enum class ElfProblem {
    None,
    NotElf,           // not an ELF file at all
    OtherClass,       // 32-bit where this program is 64-bit, or the other way round
    OtherByteOrder,   // the other byte order
    NotSharedLibrary, // a program, an object file, a core dump
    OtherMachine,     // another processor
    Damaged,          // headers, segments or tables that reach past the file or make no sense
};

struct ElfVerdict
{
    ElfProblem problem = ElfProblem::None;
    QByteArray detail; // Damaged: what is wrong, in English
    int elfClass = 0;  // from the header, once it could be read
    int type = 0;
    int machine = 0;
};

// A look at a shared-library file before the dynamic loader sees it. The loader trusts the
// file's tables: a library cut short (a copy that did not finish, a damaged download) has
// segments that reach past the end of the file, and touching them kills the process with a bus
// error instead of failing the load. These checks refuse such files so that the load fails
// politely; they do not make a hostile library safe to run. The exported functions can be read
// here too, so that a library that is not a plug-in is refused before any of its code (its
// constructors) runs.
class ElfImage
{
public:
    // True when `bytes` is a shared library of this machine (class, byte order, machine type)
    // whose headers, segments and dynamic table lie within the bytes given.
    static bool isLoadableLibrary(const QByteArray &bytes);

    // The same checks, with what failed first.
    static ElfVerdict verdict(const QByteArray &bytes);

    // The verdict in English words, for a plug-in author; empty for ElfProblem::None.
    static QString describe(const ElfVerdict &verdict);
    static QString machineName(int machine);

    // The functions a loadable library exports through its dynamic symbol table, the names
    // dlsym finds, in table order; nothing when `bytes` is not a loadable library or its
    // symbol table cannot be read. Reading them runs none of the library's code.
    static std::optional<QByteArrayList> definedFunctions(const QByteArray &bytes);

    // Those of `names` that the library does not export as functions, in the order given; all
    // of them when its symbol table cannot be read.
    static QByteArrayList missingFunctions(const QByteArray &bytes, const QByteArrayList &names);
};

} // namespace reslib
