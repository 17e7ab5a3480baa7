// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the results reader on any bytes. It must never crash, hang
// or leak; what it refuses it refuses with a reason, and what it accepts it
// writes in a form that reads back as the same file.
#include "resultsfile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "results reader: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ResultsFile::Result read = ResultsFile::parse(bytes);
    if (!read.problem.isEmpty())
        return 0;
    // Written once, the numbers take their written decimals; from then on a
    // file reads back and writes as the same bytes.
    const QByteArray once = ResultsFile::write(read.answers);
    const ResultsFile::Result again = ResultsFile::parse(once);
    if (!again.problem.isEmpty())
        fault("a file it accepted, written again, is refused");
    if (ResultsFile::write(again.answers) != once)
        fault("a file it accepted does not read back the same");
    return 0;
}
