// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the setup reader on any bytes. It must never crash, hang
// or leak, and whatever it accepts must be a setup in range that it writes
// and reads back as the same setup.
#include "benchoptics.h"
#include "setupfile.h"

#include <QByteArray>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "setup reader: %s\n", what);
    std::abort();
}

bool within(double x, double least, double greatest) {
    return std::isfinite(x) && x >= least && x <= greatest;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SetupFile::Result read = SetupFile::parse(bytes, Bench::setupRanges());
    if (!read.setup) {
        if (read.problem.isEmpty())
            fault("refused without a problem");
        return 0;
    }
    const Setup& s = *read.setup;
    const SetupFile::Ranges ranges = Bench::setupRanges();
    for (double index : {s.n1, s.N, s.n2})
        if (!within(index, ranges.leastIndex, ranges.greatestIndex))
            fault("accepted an index out of range");
    for (double radius : {s.leftRadius, s.rightRadius})
        if (!within(radius, SetupFile::leastRadius(s.scale, ranges),
                    SetupFile::greatestRadius(s.scale, ranges)))
            fault("accepted a radius out of range");
    const SetupFile::Result again = SetupFile::parse(SetupFile::write(s), Bench::setupRanges());
    if (!again.setup || !(*again.setup == s))
        fault("a setup it accepted does not read back the same");
    return 0;
}
