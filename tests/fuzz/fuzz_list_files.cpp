// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// Fuzz target for the readers of Ixo's files: the item reader of the .dat lists and Wpaper.dat, and the
// record reader of ixo.ini. Besides finding crashes it checks what must hold for any input:
// - items without a double quote come back unchanged when written and read again;
// - a 51-byte record read and written again gives the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "core/io/code_page.h"
#include "core/io/quoted_line_file.h"
#include "core/io/settings_file.h"

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_list_files: %s\n", what);
        __builtin_trap();
    }
}

void checkItems(const QByteArray& bytes)
{
    const QStringList items = QuotedLineFile::decode(bytes);
    require(items.join(QString()).contains(QLatin1Char('"')) ||
                QuotedLineFile::decode(QuotedLineFile::encode(items)) == items,
            "items changed on a round trip");
}

void checkRecord(const QByteArray& bytes)
{
    const IniRecord record = IniRecord::fromBytes(bytes);
    const QByteArray written = record.toBytes();
    require(written.size() == IniRecord::kSize, "a record is not 51 bytes");
    // A record whose text fields hold no UTF-8 beyond ASCII, as every record of an older Ixo, is written back byte
    // for byte (UTF-8 text that fits Windows-1252 is written in Windows-1252).
    const QByteArray old = bytes.left(IniRecord::kSize);
    if (old.size() == IniRecord::kSize && !isUtf8BeyondAscii(old.first(IniRecord::kSectionWidth)) &&
        !isUtf8BeyondAscii(old.sliced(IniRecord::kSectionWidth + 4)))
        require(written == old, "record bytes changed on a round trip");
    // A field that takes fewer bytes in the other encoding gains padding blanks, which no reader sees.
    const IniRecord back = IniRecord::fromBytes(written);
    require(back.section() == record.section() && back.value() == record.value() && back.data1 == record.data1 &&
                back.data2 == record.data2 && back.toBytes() == written,
            "record changed on a round trip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkItems(bytes);
    checkRecord(bytes);
    return 0;
}
